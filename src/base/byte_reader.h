#pragma once
// Little-endian reading over untrusted bytes, in memory or from a stream.
//
// ByteReader keeps a sticky error: after the first short read every read returns 0
// and ok() is false, so a parser can read a whole record and check once.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  int16_t s16() { return static_cast<int16_t>(u16()); }
  int32_t s32() { return static_cast<int32_t>(u32()); }
  // Copies n bytes into out; on a short read out is zero-filled and the error set.
  // Reading 0 bytes touches neither out nor the data and gives ok().
  bool bytes(void* out, size_t n);
  // Points at n bytes in place and moves past them, or returns nullptr.
  const uint8_t* take(size_t n);
  // Copies n bytes into out (resized), as StreamReader does; out is empty on failure.
  bool readVector(std::vector<uint8_t>& out, size_t n);
  // Skips take 64-bit counts: a count from a file may pass what size_t holds.
  bool skip(uint64_t n);
  bool seek(size_t pos);

  size_t pos() const { return pos_; }
  size_t size() const { return size_; }
  size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
  bool ok() const { return ok_; }
  void fail() { ok_ = false; }
  const uint8_t* data() const { return data_; }
  // Where the data ends: what a reason for a short read names.
  size_t endOfData() const { return size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

// The same over a standard stream, for formats that may sit inside a larger file.
class StreamReader {
 public:
  explicit StreamReader(std::istream& in) : in_(in) {}

  uint8_t u8();
  uint32_t u32();
  int32_t s32() { return static_cast<int32_t>(u32()); }
  bool bytes(void* out, size_t n);
  // Reads n bytes into out. Memory grows with the data actually read, in bounded
  // chunks, so a huge count in a short stream never allocates more than it holds.
  bool readVector(std::vector<uint8_t>& out, size_t n);
  bool skip(uint64_t n);
  bool ok() const { return ok_; }
  void fail() { ok_ = false; }
  // Bytes taken from the stream so far, the last short read's included: after a
  // short read this is where the data ended.
  size_t pos() const { return pos_; }
  size_t endOfData() const { return pos_; }

 private:
  std::istream& in_;
  size_t pos_ = 0;
  bool ok_ = true;
};

// Little-endian helpers for writers and in-place patching.
inline uint16_t LoadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t LoadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
void PutU16(std::vector<uint8_t>& out, uint16_t v);
void PutU32(std::vector<uint8_t>& out, uint32_t v);
inline void PutS32(std::vector<uint8_t>& out, int32_t v) {
  PutU32(out, static_cast<uint32_t>(v));
}
void WriteU32(std::ostream& out, uint32_t v);
inline void WriteS32(std::ostream& out, int32_t v) {
  WriteU32(out, static_cast<uint32_t>(v));
}

// Whole-file helpers. ReadFileBytes refuses files larger than maxSize.
bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& out,
                   size_t maxSize = size_t(1) << 30);
