#include "cutter/picture_decoder.h"

#include <algorithm>
#include <cstring>

#include "cutter/anm_decoder.h"
#include "cutter/bmp_decoder.h"
#include "cutter/flc_decoder.h"
#include "cutter/pcx_decoder.h"
#include "cutter/picture.h"

bool PictureDecoder::sizeAcceptable(int64_t width, int64_t height, int64_t frames, size_t fileSize) const {
  if (width <= 0 || height <= 0 || frames < 0) return false;
  if (width > kMaxSide || height > kMaxSide) return false;
  const int64_t framePixels = width * height;
  if (framePixels > kMaxFramePixels) return false;
  const int64_t total = framePixels * frames;
  if (total > kMaxTotalPixels) return false;
  return total <= kMaxExpansion * static_cast<int64_t>(fileSize);
}

void AnimationDecoder::decodeFrame(uint8_t* dest, int32_t index) {
  framesDecoded_ = 0;
  const size_t pixels = pixelCount();
  if (index < 0 || index >= frameCount_) return;
  if (running_.size() != pixels || index < next_) {
    running_.assign(pixels, 0);
    next_ = 0;
    rewind();
  }
  while (next_ <= index) {
    decodeNext(running_.data());
    ++next_;
    ++framesDecoded_;
  }
  std::memcpy(dest, running_.data(), pixels);
}

std::vector<std::unique_ptr<PictureDecoder>> MakePictureDecoders() {
  std::vector<std::unique_ptr<PictureDecoder>> decoders;
  decoders.push_back(std::make_unique<PcxDecoder>());
  decoders.push_back(std::make_unique<BmpDecoder>());
  decoders.push_back(std::make_unique<AnmDecoder>());
  decoders.push_back(std::make_unique<FlcDecoder>());
  return decoders;
}

bool DecodePicture(const uint8_t* data, size_t size, std::vector<PictureFrame>& frames,
                   std::array<uint8_t, 768>& palette) {
  std::unique_ptr<PictureDecoder> decoder;
  for (auto& candidate : MakePictureDecoders()) {
    if (candidate->probe(data, size, {})) {
      decoder = std::move(candidate);
      break;
    }
  }
  // A header that passes the probe but asks for an impossible size or more frames
  // than the file can hold is refused like an unknown format.
  if (!decoder || !decoder->open(data, size)) return false;

  std::vector<PictureFrame> decoded(static_cast<size_t>(decoder->frameCount()));
  for (size_t i = 0; i < decoded.size(); ++i) {
    PictureFrame& frame = decoded[i];
    frame.width = decoder->width();
    frame.height = decoder->height();
    frame.pixels.assign(decoder->pixelCount(), 0);
    decoder->decodeFrame(frame.pixels.data(), static_cast<int32_t>(i));
  }
  frames = std::move(decoded);
  palette = decoder->palette();
  return true;
}
