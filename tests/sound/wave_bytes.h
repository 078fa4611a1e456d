#pragma once
// Building wave files for tests, written out byte by byte independently of the
// parser under test.

#include <cstdint>
#include <string>
#include <vector>

struct TestChunk {
  std::string id;
  std::vector<uint8_t> data;
  bool pad = true;  // add the pad byte after an odd-length chunk
};

// A 16-byte PCM format block.
std::vector<uint8_t> PcmFormat(uint16_t channels = 1, uint32_t rate = 22050, uint16_t bits = 8);
// Distinct, recognisable sample bytes.
std::vector<uint8_t> Samples(size_t count, uint8_t seed = 1);
// "RIFF" length form chunks...; the RIFF length counts everything after byte 8.
std::vector<uint8_t> RiffFile(const std::string& form, const std::vector<TestChunk>& chunks);
// A plain mono 8-bit wave: "fmt " then "data".
std::vector<uint8_t> SimpleWave(const std::vector<uint8_t>& samples);
// A simple wave of exactly total bytes (at least 44), its data filling the rest.
std::vector<uint8_t> WaveOfSize(size_t total, uint8_t seed = 7);
void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
