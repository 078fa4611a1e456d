#pragma once
// The picture the cutter cuts from: one or more frames of 8-bit palette indices, all
// of one size, and one palette with its mixing table. Read from PCX, BMP, Deluxe
// Paint ANM, FLC, FLI, PNG or GIF files; the format is recognised from the content alone.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cutter/picture_frame.h"
#include "sprites/palette.h"

// The two messages a failed load leaves in lastError().
extern const char* const kPictureCannotOpen;   // "파일을 열수 없습니다."
extern const char* const kPictureUnsupported;  // "지원하지 않는 포맷입니다."

class Picture {
 public:
  // Reads the whole file and decodes it. On success the frames and palette are
  // replaced and frame 0 is current; frames that repeat the one before share its
  // pixel buffer. On failure lastError() says why and the frames, palette and
  // current frame of the previous picture stay; fileData() holds the rejected bytes
  // unless the file could not be read at all. A file whose distinct frames would
  // hold more than kMaxHeldPixels is refused like an unknown format.
  bool load(const std::filesystem::path& path);
  // The same over bytes already in memory (they are copied into fileData).
  bool loadFromMemory(const uint8_t* data, size_t size);
  bool loadBytes(std::vector<uint8_t> bytes);

  // 0 <= index < frameCount: makes it current and returns true; otherwise false.
  bool selectFrame(int32_t index);

  const std::vector<PictureFrame>& frames() const { return frames_; }
  int32_t frameCount() const { return static_cast<int32_t>(frames_.size()); }
  int32_t currentFrame() const { return currentFrame_; }
  // The current frame, or null when the picture has none.
  const PictureFrame* current() const;
  const PaletteBlock& palette() const { return palette_; }
  const std::vector<uint8_t>& fileData() const { return fileData_; }
  int32_t fileSize() const { return static_cast<int32_t>(fileData_.size()); }
  const char* lastError() const { return lastError_; }
  // Why the last file was refused (Ok after a success). lastError() stays the
  // message; this is the cause to show under it.
  const ReadResult& reason() const { return reason_; }
  // Pictures without a palette of their own are mapped to this one's colours by the
  // nearest colour; the built-in palette until set.
  void setMappingPalette(const PaletteBlock& palette);
  // Whether the last successful load mapped the picture's colours that way.
  bool coloursMapped() const { return coloursMapped_; }

 private:
  std::vector<PictureFrame> frames_;
  std::vector<uint8_t> fileData_;
  const char* lastError_ = "";
  ReadResult reason_;
  std::shared_ptr<const PaletteBlock> mappingPalette_;
  bool coloursMapped_ = false;
  int32_t currentFrame_ = 0;
  PaletteBlock palette_;
};
