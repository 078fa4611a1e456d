#pragma once
// Building wave files for tests, written out byte by byte independently of the
// parser under test.

#include <cstdint>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "support/file_words.h"

// A 16-byte PCM format block: tag, channels, rate, byte rate, block align, bits.
inline std::vector<uint8_t> PcmFormat(uint16_t channels = 1, uint32_t rate = 22050, uint16_t bits = 8) {
  const uint32_t align = channels * bits / 8u;
  std::vector<uint8_t> f;
  for (uint32_t v : {1u | channels << 16, rate, rate * align, align | uint32_t(bits) << 16}) PutU32(f, v);
  return f;
}

// Distinct, recognisable sample bytes.
inline std::vector<uint8_t> Samples(size_t count, uint8_t seed = 1) {
  std::vector<uint8_t> s(count);
  uint32_t x = seed * 2654435761u + 1;
  for (auto& b : s) b = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 16);
  return s;
}

struct TestChunk {
  std::string id;
  std::vector<uint8_t> data;
  bool pad = true;  // add the pad byte after an odd-length chunk
};

// "RIFF" length form chunks...; the RIFF length counts everything after byte 8.
inline std::vector<uint8_t> RiffFile(const std::string& form, const std::vector<TestChunk>& chunks) {
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
  out.insert(out.end(), form.begin(), form.end());
  for (const TestChunk& chunk : chunks) {
    out.insert(out.end(), chunk.id.begin(), chunk.id.end());
    PutU32(out, static_cast<uint32_t>(chunk.data.size()));
    out.insert(out.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.pad && chunk.data.size() % 2) out.push_back(0xEE);
  }
  SetU32(out, 4, static_cast<uint32_t>(out.size() - 8));
  return out;
}

// A plain mono 8-bit wave: "fmt " then "data".
inline std::vector<uint8_t> SimpleWave(const std::vector<uint8_t>& samples) {
  return RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", samples}});
}

// A simple wave of exactly total bytes (at least 44), its data filling the rest.
inline std::vector<uint8_t> WaveOfSize(size_t total, uint8_t seed = 7) {
  return RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", Samples(total - 44, seed), false}});
}
