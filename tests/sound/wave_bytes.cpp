#include "wave_bytes.h"

void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes[at] = value & 0xFF;
  bytes[at + 1] = (value >> 8) & 0xFF;
  bytes[at + 2] = (value >> 16) & 0xFF;
  bytes[at + 3] = (value >> 24) & 0xFF;
}

static void Append(std::vector<uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
}

static void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  out.resize(out.size() + 4);
  SetU32(out, out.size() - 4, value);
}

std::vector<uint8_t> PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  std::vector<uint8_t> f = {1, 0, static_cast<uint8_t>(channels), static_cast<uint8_t>(channels >> 8)};
  AppendU32(f, rate);
  AppendU32(f, rate * align);
  f.push_back(static_cast<uint8_t>(align));
  f.push_back(static_cast<uint8_t>(align >> 8));
  f.push_back(static_cast<uint8_t>(bits));
  f.push_back(static_cast<uint8_t>(bits >> 8));
  return f;
}

std::vector<uint8_t> Samples(size_t count, uint8_t seed) {
  std::vector<uint8_t> s(count);
  uint32_t x = seed * 2654435761u + 1;
  for (auto& b : s) {
    x = x * 1103515245u + 12345u;
    b = static_cast<uint8_t>(x >> 16);
  }
  return s;
}

std::vector<uint8_t> RiffFile(const std::string& form, const std::vector<TestChunk>& chunks) {
  std::vector<uint8_t> out;
  Append(out, "RIFF");
  AppendU32(out, 0);
  Append(out, form);
  for (const TestChunk& chunk : chunks) {
    Append(out, chunk.id);
    AppendU32(out, static_cast<uint32_t>(chunk.data.size()));
    out.insert(out.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.pad && chunk.data.size() % 2) out.push_back(0xEE);
  }
  SetU32(out, 4, static_cast<uint32_t>(out.size() - 8));
  return out;
}

std::vector<uint8_t> SimpleWave(const std::vector<uint8_t>& samples) {
  return RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", samples}});
}

std::vector<uint8_t> WaveOfSize(size_t total, uint8_t seed) {
  // 12 header + 8 + 16 format + 8 data header = 44 bytes before the samples.
  return RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", Samples(total - 44, seed), false}});
}
