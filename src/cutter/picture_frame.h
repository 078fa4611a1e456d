#pragma once
// One decoded frame of a picture. Its pixels never change once made, so frames of an
// animation that repeat the frame before hold the same buffer instead of a copy.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Palette indices, row after row; reads like a const std::vector<uint8_t>.
class FramePixels {
 public:
  using value_type = uint8_t;
  using const_iterator = const uint8_t*;
  using iterator = const_iterator;

  FramePixels() = default;
  // Takes the bytes over; implicit so that frames are built from a plain buffer.
  FramePixels(std::vector<uint8_t> bytes)
      : bytes_(std::make_shared<const std::vector<uint8_t>>(std::move(bytes))) {}

  const uint8_t* data() const { return bytes_ ? bytes_->data() : nullptr; }
  size_t size() const { return bytes_ ? bytes_->size() : 0; }
  bool empty() const { return size() == 0; }
  uint8_t operator[](size_t i) const { return (*bytes_)[i]; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + size(); }

  // Whether both hold the very same buffer (not merely equal bytes).
  bool sharesBufferWith(const FramePixels& other) const { return bytes_ && bytes_ == other.bytes_; }

  friend bool operator==(const FramePixels& a, const std::vector<uint8_t>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
  }
  friend bool operator==(const std::vector<uint8_t>& a, const FramePixels& b) { return b == a; }
  friend bool operator==(const FramePixels& a, const FramePixels& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
  }
  friend bool operator!=(const FramePixels& a, const std::vector<uint8_t>& b) { return !(a == b); }
  friend bool operator!=(const std::vector<uint8_t>& a, const FramePixels& b) { return !(b == a); }
  friend bool operator!=(const FramePixels& a, const FramePixels& b) { return !(a == b); }

 private:
  std::shared_ptr<const std::vector<uint8_t>> bytes_;
};

struct PictureFrame {
  int32_t width = 0;   // pixels per row; also the row stride
  int32_t height = 0;  // rows
  FramePixels pixels;  // width * height indices, top row first
};
