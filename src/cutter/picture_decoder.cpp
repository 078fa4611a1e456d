#include "cutter/picture_decoder.h"

#include <algorithm>
#include <cstring>

#include "cutter/anm_decoder.h"
#include "cutter/bmp_decoder.h"
#include "cutter/flc_decoder.h"
#include "cutter/fli_decoder.h"
#include "cutter/gif_decoder.h"
#include "cutter/pcx_decoder.h"
#include "cutter/png_decoder.h"

void FrameChanges::fill(uint8_t* dest, uint8_t value, size_t count) {
  if (!changed) changed = std::any_of(dest, dest + count, [value](uint8_t p) { return p != value; });
  std::memset(dest, value, count);
}

void FrameChanges::copy(uint8_t* dest, const uint8_t* src, size_t count) {
  if (!changed) changed = std::memcmp(dest, src, count) != 0;
  std::memcpy(dest, src, count);
}

bool PictureDecoder::frameSizeAcceptable(int64_t width, int64_t height, size_t fileSize) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  const int64_t pixels = width * height;
  if (pixels > kMaxFramePixels) return false;
  return pixels <= kFreeFramePixels || pixels <= kMaxExpansion * static_cast<int64_t>(fileSize);
}

bool PictureDecoder::acceptSize(int64_t width, int64_t height, size_t fileSize) {
  if (frameSizeAcceptable(width, height, fileSize)) return true;
  if (width <= 0 || height <= 0) {
    reason_ = ReadResult::Unsupported(FileFeature::Size, width <= 0 ? width : height);
  } else {
    const int64_t most =
        std::min(kMaxFramePixels, std::max(kFreeFramePixels, kMaxExpansion * int64_t(fileSize)));
    reason_ = ReadResult::TooLarge(width * height, most, FilePart::Frame);
  }
  return false;
}

void PictureDecoder::damage(ReadResult why) {
  if (!damaged_) reason_ = std::move(why);
  damaged_ = true;
}

const PaletteBlock& PictureDecoder::mappingPalette() {
  if (mappingPalette_) return *mappingPalette_;
  static const PaletteBlock builtIn = [] {
    PaletteBlock block;
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
    return block;
  }();
  return builtIn;
}

FrameResult PictureDecoder::decodeInOrder(uint8_t* frame, int32_t index) {
  changes_ = {};
  damaged_ = false;
  decodeFrame(frame, index);
  return {true, damaged_};
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
  nextInOrder_ = -1;  // the decoder's state now belongs to the running buffer
  while (next_ <= index) {
    changes_ = {};
    damaged_ = false;
    decodeNext(running_.data());
    ++next_;
    ++framesDecoded_;
  }
  std::memcpy(dest, running_.data(), pixels);
}

FrameResult AnimationDecoder::decodeInOrder(uint8_t* frame, int32_t index) {
  if (index < 0 || index >= frameCount_) return {};
  if (index == 0) {
    rewind();
  } else if (index != nextInOrder_) {
    // Out of order: frame holds nothing this decoder can build on.
    decodeFrame(frame, index);
    return {true, damaged_};
  }
  running_.clear();  // the running buffer no longer matches the decoder's state
  next_ = 0;
  changes_ = {};
  damaged_ = false;
  decodeNext(frame);
  framesDecoded_ = 1;
  nextInOrder_ = index + 1;
  return {changes_.changed, damaged_};
}

std::vector<std::unique_ptr<PictureDecoder>> MakePictureDecoders() {
  std::vector<std::unique_ptr<PictureDecoder>> decoders;
  decoders.push_back(std::make_unique<PcxDecoder>());
  decoders.push_back(std::make_unique<BmpDecoder>());
  decoders.push_back(std::make_unique<AnmDecoder>());
  decoders.push_back(std::make_unique<FlcDecoder>());
  decoders.push_back(std::make_unique<FliDecoder>());
  decoders.push_back(std::make_unique<PngDecoder>());
  decoders.push_back(std::make_unique<GifDecoder>());
  return decoders;
}

bool DecodePicture(const uint8_t* data, size_t size, DecodedPicture& out, bool keepFrames,
                   const PaletteBlock* mappingPalette, ReadResult* reason) {
  std::unique_ptr<PictureDecoder> decoder;
  ReadResult refused = ReadResult::NotThisKind("picture (PCX, BMP, ANM, FLC, FLI, PNG or GIF)");
  for (auto& candidate : MakePictureDecoders()) {
    if (candidate->probe(data, size, {})) {
      decoder = std::move(candidate);
      break;
    }
    // A decoder that knew the file but not its depth or layout says so.
    if (!candidate->reason() && refused.problem == ReadProblem::NotThisKind) refused = candidate->reason();
  }
  // A header that passes the probe but asks for an impossible size or more frames
  // than the file can hold is refused like an unknown format.
  if (!decoder) {
    if (reason) *reason = refused;
    return false;
  }
  decoder->setMappingPalette(mappingPalette);
  if (!decoder->open(data, size)) {
    if (reason) *reason = decoder->reason();
    return false;
  }

  DecodedPicture result;
  result.format = decoder->format();
  result.width = decoder->width();
  result.height = decoder->height();
  result.frameCount = decoder->frameCount();
  const size_t pixels = decoder->pixelCount();
  if (keepFrames) result.frames.reserve(static_cast<size_t>(result.frameCount));
  std::vector<uint8_t> running(result.frameCount > 0 ? pixels : 0, 0);
  for (int32_t i = 0; i < result.frameCount; ++i) {
    const FrameResult decoded = decoder->decodeInOrder(running.data(), i);
    if (decoded.damaged && result.damagedFrames.empty()) {
      // The first damage, told with its frame when the decoder gave no place.
      result.firstDamage = decoder->reason();
      if (result.firstDamage.ok()) result.firstDamage = ReadResult::Damaged(FilePart::None, -1);
      if (result.firstDamage.part == FilePart::None && result.firstDamage.detail.empty()) {
        result.firstDamage.part = FilePart::Frame;
        result.firstDamage.index = i;
        result.firstDamage.count = result.frameCount;
      }
    }
    if (decoded.damaged) result.damagedFrames.push_back(i);
    const bool distinct = i == 0 || decoded.changed;
    if (distinct && ++result.distinctFrames > kMaxHeldPixels / static_cast<int64_t>(pixels)) return false;
    if (!keepFrames) continue;
    PictureFrame frame;
    frame.width = result.width;
    frame.height = result.height;
    // A held frame shares the buffer of the one before.
    frame.pixels = distinct ? FramePixels(running) : result.frames.back().pixels;
    result.frames.push_back(std::move(frame));
  }
  result.palette = decoder->palette();
  result.coloursMapped = decoder->coloursMapped();
  out = std::move(result);
  return true;
}
