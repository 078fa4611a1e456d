#pragma once
// Finding the format block and the sample data in the bytes of a RIFF/WAVE file.
// The bytes are untrusted: every chunk must lie inside them.

#include <cstddef>
#include <cstdint>

// The fixed part of a wave format block (tag, channels, rate, byte rate, block
// align, bits); PCM files store exactly this, without the cbSize field.
constexpr size_t kWaveFormatMinSize = 16;

enum class WaveParse { kOk, kNotWave, kDamaged };

// Both views point into the parsed bytes.
struct WaveView {
  const uint8_t* format = nullptr;
  uint32_t formatSize = 0;
  const uint8_t* data = nullptr;
  uint32_t dataSize = 0;
};

// kNotWave when the bytes do not start with "RIFF" .. "WAVE"; kDamaged when no
// usable "fmt " and non-empty "data" chunk pair lies inside the RIFF length and
// inside the bytes. The first pair found wins, in either order.
WaveParse ParseWave(const uint8_t* bytes, size_t size, WaveView& view);
