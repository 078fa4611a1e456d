#pragma once
// The decoder family behind Picture::load. probe() recognises a file by its first
// bytes, open() checks the header and prepares the palette, decodeFrame() writes one
// frame. Every decoder treats the file as hostile: it never reads outside the data
// and never writes outside the frame, whatever the file says.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Limits on what a header may ask for. A frame holds at most kMaxFramePixels bytes
// and each side at most kMaxSide pixels; all frames together hold at most
// kMaxTotalPixels bytes and at most kMaxExpansion bytes per byte of file. Beyond
// these the file is refused rather than allocated.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxFramePixels = int64_t(64) << 20;
constexpr int64_t kMaxTotalPixels = int64_t(256) << 20;
constexpr int64_t kMaxExpansion = 4096;

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

  int32_t frameCount() const { return frameCount_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  size_t pixelCount() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }
  const std::array<uint8_t, 768>& palette() const { return palette_; }
  // Frames decoded by the last decodeFrame call.
  int32_t framesDecoded() const { return framesDecoded_; }

 protected:
  // Checks the size and frame count against the limits above for a file of size
  // bytes; false when they are zero, negative or too large.
  bool sizeAcceptable(int64_t width, int64_t height, int64_t frames, size_t fileSize) const;

  std::array<uint8_t, 768> palette_{};
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  int32_t frameCount_ = 0;
  int32_t framesDecoded_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

// Frames of an animation are deltas of their predecessors. This base keeps a running
// frame (cleared to index 0 at the start) and decodes each frame once onto it, so
// decoding frames 0, 1, 2, ... in turn costs one frame decode each; asking for an
// earlier frame starts again from frame 0. The result is the same as replaying
// frames 0 to index into a cleared buffer.
class AnimationDecoder : public PictureDecoder {
 public:
  void decodeFrame(uint8_t* dest, int32_t index) override;

 protected:
  // Back to the state open() left: palette, read position, caches.
  virtual void rewind() = 0;
  // Decodes the next frame of the file onto frame (width * height bytes).
  virtual void decodeNext(uint8_t* frame) = 0;

 private:
  std::vector<uint8_t> running_;
  int32_t next_ = 0;  // the frame the running buffer is ready to receive
};

// The decoders in probe order: PCX, BMP, ANM, FLC.
std::vector<std::unique_ptr<PictureDecoder>> MakePictureDecoders();

struct PictureFrame;

// The decoding part of Picture::load: the first decoder whose probe says yes opens
// the data and decodes every frame. False when no decoder reads the data or the
// header is refused; frames and palette are then untouched.
bool DecodePicture(const uint8_t* data, size_t size, std::vector<PictureFrame>& frames,
                   std::array<uint8_t, 768>& palette);
