#include "base/byte_reader.h"

#include <algorithm>
#include <cstring>
#include <fstream>

uint8_t ByteReader::u8() {
  const uint8_t* p = take(1);
  return p ? p[0] : 0;
}

uint16_t ByteReader::u16() {
  const uint8_t* p = take(2);
  return p ? LoadU16(p) : 0;
}

uint32_t ByteReader::u32() {
  const uint8_t* p = take(4);
  return p ? LoadU32(p) : 0;
}

bool ByteReader::bytes(void* out, size_t n) {
  // An empty read copies nothing: out and the data may be the null data of empty buffers.
  if (n == 0) return ok_;
  const uint8_t* p = take(n);
  if (!p) {
    std::memset(out, 0, n);  // a parser reading on sees zeros, never stale bytes
    return false;
  }
  std::memcpy(out, p, n);
  return true;
}

const uint8_t* ByteReader::take(size_t n) {
  if (!ok_ || n > size_ - pos_) {
    ok_ = false;
    return nullptr;
  }
  const uint8_t* p = data_ + pos_;
  pos_ += n;
  return p;
}

bool ByteReader::readVector(std::vector<uint8_t>& out, size_t n) {
  out.clear();
  if (n == 0) return ok_;
  const uint8_t* p = take(n);
  if (p) out.assign(p, p + n);
  return p != nullptr;
}

bool ByteReader::skip(uint64_t n) {
  if (!ok_ || n > size_ - pos_) {
    ok_ = false;
    return false;
  }
  pos_ += static_cast<size_t>(n);
  return true;
}

bool ByteReader::seek(size_t pos) {
  if (!ok_ || pos > size_) {
    ok_ = false;
    return false;
  }
  pos_ = pos;
  return true;
}

uint8_t StreamReader::u8() {
  uint8_t b[1];
  return bytes(b, 1) ? b[0] : 0;
}

uint32_t StreamReader::u32() {
  uint8_t b[4];
  return bytes(b, 4) ? LoadU32(b) : 0;
}

bool StreamReader::bytes(void* out, size_t n) {
  if (ok_ && n) {
    in_.read(static_cast<char*>(out), static_cast<std::streamsize>(n));
    const size_t got = static_cast<size_t>(in_.gcount());
    pos_ += got;
    if (got != n) ok_ = false;
  }
  if (!ok_ && n) std::memset(out, 0, n);
  return ok_;
}

bool StreamReader::readVector(std::vector<uint8_t>& out, size_t n) {
  constexpr size_t kChunk = size_t(1) << 20;
  out.clear();
  while (ok_ && out.size() < n) {
    size_t part = std::min(kChunk, n - out.size());
    size_t old = out.size();
    out.resize(old + part);
    if (!bytes(out.data() + old, part)) break;
  }
  if (!ok_) out.clear();
  return ok_;
}

bool StreamReader::skip(uint64_t n) {
  uint8_t buf[4096];
  while (ok_ && n) {
    size_t part = static_cast<size_t>(std::min<uint64_t>(n, sizeof buf));
    bytes(buf, part);
    n -= part;
  }
  return ok_;
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void WriteU32(std::ostream& out, uint32_t v) {
  char b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (8 * i));
  out.write(b, 4);
}

bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& out, size_t maxSize) {
  out.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0 || static_cast<unsigned long long>(size) > maxSize) return false;
  in.seekg(0, std::ios::beg);
  out.resize(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) {
    out.clear();
    return false;
  }
  return true;
}
