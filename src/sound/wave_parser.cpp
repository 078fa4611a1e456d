#include "sound/wave_parser.h"

#include <cstring>

#include "base/byte_reader.h"

namespace {

constexpr size_t kHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;

bool HasId(const uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

}  // namespace

WaveParse ParseWave(const uint8_t* bytes, size_t size, WaveView& view) {
  view = WaveView{};
  if (size < kHeaderSize || !HasId(bytes, "RIFF") || !HasId(bytes + 8, "WAVE")) return WaveParse::kNotWave;
  // 64-bit positions: a RIFF or chunk length near 4 GiB must not wrap around.
  const uint64_t riffEnd = 8 + uint64_t(LoadU32(bytes + 4));
  bool haveFormat = false;
  bool haveData = false;
  uint64_t pos = kHeaderSize;
  while (pos < riffEnd) {
    if (pos + kChunkHeaderSize > size) return WaveParse::kDamaged;
    const uint8_t* header = bytes + pos;
    const uint64_t length = LoadU32(header + 4);
    const uint64_t dataPos = pos + kChunkHeaderSize;
    if (dataPos + length > size) return WaveParse::kDamaged;
    if (HasId(header, "fmt ") && !haveFormat) {
      if (length < kWaveFormatMinSize) return WaveParse::kDamaged;
      view.format = bytes + dataPos;
      view.formatSize = static_cast<uint32_t>(length);
      haveFormat = true;
    } else if (HasId(header, "data") && !haveData && length > 0) {
      // An empty data chunk is passed over: it could only make an empty buffer.
      view.data = bytes + dataPos;
      view.dataSize = static_cast<uint32_t>(length);
      haveData = true;
    }
    if (haveFormat && haveData) return WaveParse::kOk;
    pos = dataPos + length + (length & 1);
  }
  return WaveParse::kDamaged;
}
