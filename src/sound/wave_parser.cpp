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

ReadResult ParseWave(const uint8_t* bytes, size_t size, WaveView& view) {
  view = WaveView{};
  if (size < kHeaderSize || !HasId(bytes, "RIFF") || !HasId(bytes + 8, "WAVE"))
    return ReadResult::NotThisKind("wave file");
  // 64-bit positions: a RIFF or chunk length near 4 GiB must not wrap around.
  const uint64_t riffEnd = 8 + uint64_t(LoadU32(bytes + 4));
  const int64_t end = static_cast<int64_t>(size);
  bool haveFormat = false;
  bool haveData = false;
  uint64_t pos = kHeaderSize;
  for (int64_t chunk = 0; pos < riffEnd; ++chunk) {
    const int64_t at = static_cast<int64_t>(pos);
    // The bytes end inside this chunk: cut short when the RIFF length promised more,
    // otherwise the chunk itself claims too much.
    if (pos + kChunkHeaderSize > size) {
      if (riffEnd > size) return ReadResult::Truncated(end, FilePart::Chunk, chunk);
      return ReadResult::Damaged(FilePart::Chunk, at, chunk);
    }
    const uint8_t* header = bytes + pos;
    const uint64_t length = LoadU32(header + 4);
    const uint64_t dataPos = pos + kChunkHeaderSize;
    if (dataPos + length > size) {
      if (riffEnd > size) return ReadResult::Truncated(end, FilePart::Chunk, chunk);
      return ReadResult::Overrun(FilePart::Chunk, at, static_cast<int64_t>(length),
                                 end - static_cast<int64_t>(dataPos), chunk);
    }
    if (HasId(header, "fmt ") && !haveFormat) {
      if (length < kWaveFormatMinSize) return ReadResult::Damaged(FilePart::Chunk, at, chunk);
      view.format = bytes + dataPos;
      view.formatSize = static_cast<uint32_t>(length);
      haveFormat = true;
    } else if (HasId(header, "data") && !haveData && length > 0) {
      // An empty data chunk is passed over: it could only make an empty buffer.
      view.data = bytes + dataPos;
      view.dataSize = static_cast<uint32_t>(length);
      haveData = true;
    }
    if (haveFormat && haveData) return ReadResult::Ok();
    pos = dataPos + length + (length & 1);
  }
  return ReadResult::Missing(FilePart::WaveChunks);
}
