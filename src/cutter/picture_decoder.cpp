#include "cutter/picture_decoder.h"

#include <algorithm>
#include <cstring>

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

// A still picture has no changes to track and meets the same damage every time, so
// nothing is reset between calls.
FrameResult PictureDecoder::decodeInOrder(uint8_t* frame, int32_t index) {
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
  while (next_ <= index) {
    changes_ = {};
    damaged_ = false;  // reason() tells the damage of the frame asked for
    decodeNext(running_.data());
    ++next_;
    ++framesDecoded_;
  }
  std::memcpy(dest, running_.data(), pixels);
}

FrameResult AnimationDecoder::decodeInOrder(uint8_t* frame, int32_t index) {
  if (index < 0 || index >= frameCount_) return {};
  if (index == 0) rewind();
  running_.clear();  // the running buffer no longer matches the decoder's state
  next_ = 0;
  changes_ = {};
  damaged_ = false;
  decodeNext(frame);
  return {changes_.changed, damaged_};
}
