// The DirectSound back end on a real (or Wine's) sound device. Machines without a
// sound device skip these tests; under Wine an ALSA null device is enough
// (ALSA_CONFIG_PATH naming a file with "pcm.!default { type null }").
#include "sound/direct_sound_service.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sound/wave_player.h"
#include "wave_bytes.h"

namespace {

std::unique_ptr<SoundService> ReadyService() {
  std::unique_ptr<SoundService> service = CreateDirectSoundService();
  if (!service->create()) return nullptr;
  if (!service->setCooperativeLevel(GetDesktopWindow(), kCooperativeNormal)) return nullptr;
  return service;
}

}  // namespace

TEST(DirectSoundService, BufferTakesDataVolumePanAndPlaysAndBadFormatsAreRefused) {
  std::unique_ptr<SoundService> service = ReadyService();
  if (!service) GTEST_SKIP() << "no DirectSound device";
  std::vector<uint8_t> format = PcmFormat(1, 22050, 8);  // 16 bytes, no cbSize
  SoundBufferDescription description;
  description.bufferBytes = 2205;
  description.format = format.data();
  description.formatSize = format.size();
  {
    SoundBufferPtr buffer = service->createSoundBuffer(description);
    ASSERT_NE(buffer, nullptr);
    SoundRegions regions;
    ASSERT_TRUE(buffer->lock(0, 2205, regions));
    EXPECT_EQ(regions.firstBytes + regions.secondBytes, 2205u);
    ASSERT_NE(regions.first, nullptr);
    ASSERT_TRUE(buffer->unlock(regions));
    bool playing = true;
    ASSERT_TRUE(buffer->getStatus(playing));
    EXPECT_FALSE(playing);
    EXPECT_TRUE(buffer->setVolume(-2500));
    EXPECT_FALSE(buffer->setVolume(1));  // above full level
    EXPECT_TRUE(buffer->setPan(-10000));
    EXPECT_TRUE(buffer->play(false));
  }
  description.formatSize = 12;  // shorter than a format block
  EXPECT_EQ(service->createSoundBuffer(description), nullptr);
  // A cbSize claiming more than the chunk holds is cut down, not read past: the
  // buffer is accepted as plain PCM or refused, either is safe.
  format = PcmFormat(2, 44100, 16);
  format.insert(format.end(), {0xFF, 0xFF});
  description.format = format.data();
  description.formatSize = format.size();
  service->createSoundBuffer(description);
  service->release();
}

TEST(DirectSoundService, WavePlayerPlaysThroughIt) {
  if (!ReadyService()) GTEST_SKIP() << "no DirectSound device";
  WavePlayer player(CreateDirectSoundService());
  const std::vector<uint8_t> file = SimpleWave(Samples(4410));
  player.setFileLoader([&](const std::string&, std::vector<uint8_t>& out, size_t) {
    out = file;
    return WaveFileLoad::kLoaded;
  });
  ASSERT_TRUE(player.init(GetDesktopWindow()));
  // Looping, so that it is surely still playing when the second play comes.
  ASSERT_TRUE(player.play("tone.wav", 10000, 0, 1)) << player.message();
  EXPECT_EQ(std::string(player.message()), "** 파일 플레이 **");
  ASSERT_TRUE(player.play("tone.wav", 5000, 0, 0)) << player.message();
  EXPECT_EQ(std::string(player.message()), "** 캐쉬 플레이 **");
  player.shutdown();
}
