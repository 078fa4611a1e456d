#pragma once
// Finding the format block and the sample data in the bytes of a RIFF/WAVE file.
// The bytes are untrusted: every chunk must lie inside them.

#include <cstddef>
#include <cstdint>

#include "base/read_result.h"

// The fixed part of a wave format block (tag, channels, rate, byte rate, block
// align, bits); PCM files store exactly this, without the cbSize field.
constexpr size_t kWaveFormatMinSize = 16;

// Both views point into the parsed bytes.
struct WaveView {
  const uint8_t* format = nullptr;
  uint32_t formatSize = 0;
  const uint8_t* data = nullptr;
  uint32_t dataSize = 0;
};

// NotThisKind when the bytes do not start with "RIFF" .. "WAVE"; any other failure
// (the player calls them all damaged) when no usable "fmt " and non-empty "data"
// chunk pair lies inside the RIFF length and inside the bytes: cut short (the RIFF
// length promises more than there is), a chunk claiming more than the bytes hold, a
// format chunk shorter than 16 bytes, or no pair at all. The first pair found wins,
// in either order.
ReadResult ParseWave(const uint8_t* bytes, size_t size, WaveView& view);
