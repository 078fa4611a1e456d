#include "cutter/picture.h"

#include <algorithm>

#include "base/byte_reader.h"
#include "cutter/decode_picture.h"

const char* const kPictureCannotOpen = "파일을 열수 없습니다.";
const char* const kPictureUnsupported = "지원하지 않는 포맷입니다.";

bool Picture::load(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) {
    lastError_ = kPictureCannotOpen;
    reason_ = ReadResult::CannotOpen();
    return false;
  }
  return loadBytes(std::move(bytes));
}

bool Picture::loadFromMemory(const uint8_t* data, size_t size) {
  return loadBytes(std::vector<uint8_t>(data, data + size));
}

bool Picture::loadBytes(std::vector<uint8_t> bytes) {
  fileData_ = std::move(bytes);
  DecodedPicture decoded;
  reason_ = ReadResult::Ok();
  if (!DecodePicture(fileData_.data(), fileData_.size(), decoded, true, mappingPalette_.get(), &reason_)) {
    lastError_ = kPictureUnsupported;  // the previous frames and palette stay
    return false;
  }
  frames_ = std::move(decoded.frames);
  coloursMapped_ = decoded.coloursMapped;
  std::copy(decoded.palette.begin(), decoded.palette.end(), palette_.palette());
  BuildMixTable(palette_);

  // Also a picture without frames: it keeps no stale frame index.
  currentFrame_ = 0;
  return true;
}

void Picture::setMappingPalette(const PaletteBlock& palette) {
  mappingPalette_ = std::make_shared<const PaletteBlock>(palette);
}

bool Picture::selectFrame(int32_t index) {
  if (index < 0 || index >= frameCount()) return false;
  currentFrame_ = index;
  return true;
}

const PictureFrame* Picture::current() const {
  if (currentFrame_ < 0 || currentFrame_ >= frameCount()) return nullptr;
  return &frames_[static_cast<size_t>(currentFrame_)];
}
