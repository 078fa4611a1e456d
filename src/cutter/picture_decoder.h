#pragma once
// The decoder family behind Picture::load. probe() recognises a file by its first
// bytes, open() checks the header and prepares the palette, decodeFrame() writes one
// frame. Every decoder treats the file as hostile: it never reads outside the data
// and never writes outside the frame, whatever the file says.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/read_result.h"
#include "cutter/picture_frame.h"
#include "sprites/palette.h"

// Limits on what a header may ask for. A side holds at most kMaxSide pixels and a
// frame at most kMaxFramePixels bytes; a frame larger than kFreeFramePixels (1920 x
// 1080 fits below) must also be justified by the file, at most kMaxExpansion bytes
// per byte of file. The frames a picture holds come to at most kMaxHeldPixels bytes;
// a frame that repeats the one before shares its buffer and costs nothing.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxFramePixels = int64_t(64) << 20;
constexpr int64_t kFreeFramePixels = int64_t(2) << 20;
constexpr int64_t kMaxExpansion = 4096;
constexpr int64_t kMaxHeldPixels = int64_t(256) << 20;

// Block fills and copies into a frame that note whether they changed a pixel. The
// check stops at the first change, so a frame that repeats the one before is found
// at the cost of its own data, without comparing whole frames.
struct FrameChanges {
  bool changed = false;
  void fill(uint8_t* dest, uint8_t value, size_t count);
  void copy(uint8_t* dest, const uint8_t* src, size_t count);
};

// What decoding one frame in order gave.
struct FrameResult {
  bool changed = false;  // a pixel may differ from the frame before
  bool damaged = false;  // the frame's data ended early or did not hold together
};

class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // Whether this decoder reads the data; on yes width and height are taken.
  virtual bool probe(const uint8_t* data, size_t size, std::string_view path) = 0;
  // Takes the header again, sets frameCount, width and height and clears or reads
  // the palette. False when the header asks for something that cannot be decoded.
  virtual bool open(const uint8_t* data, size_t size) = 0;
  // Writes frame index as width * height bytes into dest and leaves the palette as
  // that frame gives it.
  virtual void decodeFrame(uint8_t* dest, int32_t index) = 0;
  // The way a load decodes: frames 0, 1, 2, ... in turn and in no other order, each
  // onto frame, which holds the previous frame as this call left it (a cleared frame
  // for index 0).
  virtual FrameResult decodeInOrder(uint8_t* frame, int32_t index);
  // "PCX", "BMP", "ANM", "FLC", "FLI", "PNG" or "GIF".
  virtual const char* format() const = 0;

  int32_t frameCount() const { return frameCount_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  size_t pixelCount() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }
  const std::array<uint8_t, 768>& palette() const { return palette_; }
  // Frames decoded by the last decodeFrame call.
  int32_t framesDecoded() const { return framesDecoded_; }
  // Why probe() or open() refused a file of this format, or why the last frame
  // decoded was damaged.
  const ReadResult& reason() const { return reason_; }
  // The palette that pictures without one (true colour) are mapped to; the built-in
  // palette unless set. The block must outlive open().
  void setMappingPalette(const PaletteBlock* palette) { mappingPalette_ = palette; }
  // Whether open() mapped the picture's colours to the mapping palette.
  bool coloursMapped() const { return coloursMapped_; }

 protected:
  // Checks one frame's size against the limits above for a file of fileSize bytes;
  // false when a side is zero, negative or too large.
  static bool frameSizeAcceptable(int64_t width, int64_t height, size_t fileSize);
  // The same, keeping the reason of a refusal.
  bool acceptSize(int64_t width, int64_t height, size_t fileSize);
  // Marks the frame being decoded damaged; the first reason given stays.
  void damage(ReadResult why);

  const PaletteBlock& mappingPalette();

  std::array<uint8_t, 768> palette_{};
  ReadResult reason_;
  bool coloursMapped_ = false;
  const PaletteBlock* mappingPalette_ = nullptr;
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  int32_t frameCount_ = 0;
  int32_t framesDecoded_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  // Set while a frame is decoded.
  FrameChanges changes_;
  bool damaged_ = false;
};

// Frames of an animation are deltas of their predecessors. This base keeps a running
// frame (cleared to index 0 at the start) and decodes each frame once onto it, so
// decoding frames 0, 1, 2, ... in turn costs one frame decode each; asking for an
// earlier frame starts again from frame 0. The result is the same as replaying
// frames 0 to index into a cleared buffer.
class AnimationDecoder : public PictureDecoder {
 public:
  void decodeFrame(uint8_t* dest, int32_t index) override;
  FrameResult decodeInOrder(uint8_t* frame, int32_t index) override;

 protected:
  // Back to the state open() left: palette, read position, caches.
  virtual void rewind() = 0;
  // Decodes the next frame of the file onto frame (width * height bytes), noting
  // changes in changes_ and damage in damaged_.
  virtual void decodeNext(uint8_t* frame) = 0;

 private:
  std::vector<uint8_t> running_;
  int32_t next_ = 0;  // the frame the running buffer is ready to receive
};
