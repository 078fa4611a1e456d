// Wave parsing over arbitrary bytes, alone and through the player with the fake
// service: views must stay inside the input and buffers get exactly the data.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sound/fake_sound_service.h"
#include "sound/wave_parser.h"
#include "sound/wave_player.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Copy so that the input's exact end is the end of an allocation.
  const std::vector<uint8_t> bytes(data, data + size);
  WaveView view;
  const ReadResult result = ParseWave(bytes.data(), bytes.size(), view);
  if (result) {
    const uint8_t* begin = bytes.data();
    const uint8_t* end = begin + bytes.size();
    Check(view.format >= begin + 20 && view.formatSize >= kWaveFormatMinSize);
    Check(view.formatSize <= size_t(end - view.format));
    Check(view.data >= begin + 20 && view.dataSize > 0);
    Check(view.dataSize <= size_t(end - view.data));
  }

  auto service = std::make_unique<FakeSoundService>();
  FakeSoundService* fake = service.get();
  if (size > 0) fake->splitLockAt(data[size - 1]);
  WavePlayer player(std::move(service));
  player.setFileLoader([&](const std::string&, std::vector<uint8_t>& out, size_t maxSize) {
    if (bytes.size() > maxSize) return WaveFileLoad::kTooLarge;
    out = bytes;
    return WaveFileLoad::kLoaded;
  });
  Check(player.init(nullptr));
  const bool played = player.play("fuzz.wav", 10000, 0, 0);
  Check(played == result.ok());
  if (played) {
    const FakeBufferState& buffer = fake->buffer(0);
    Check(buffer.bytes.size() == view.dataSize);
    Check(std::memcmp(buffer.bytes.data(), view.data, view.dataSize) == 0);
    Check(buffer.format.size() == view.formatSize);
    // A second play while the first sounds comes from the cache, same bytes.
    Check(player.play("fuzz.wav", 10000, 0, 0));
    Check(fake->buffer(1).bytes == buffer.bytes);
  }
  return 0;
}
