// The default file reader over real files, and the player using it.
#include "sound/wave_file_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/path_text.h"
#include "sound/fake_sound_service.h"
#include "sound/wave_player.h"
#include "support/scratch_folder.h"
#include "wave_bytes.h"

// Paths are CP949 texts: the folder is named in Hangul, and its files must open on
// any system code page.
TEST(WaveFileLoader, ReadsWholeFilesUpToTheLimitFromHangulPaths) {
  const ScratchFolder scratch("\xC6\xC4\xC0\xCF_sound");  // "파일"
  const std::string folder = TextFromPath(scratch.dir);
  auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    return scratch.write(name, bytes);
  };
  std::vector<uint8_t> out = {1, 2, 3};
  EXPECT_EQ(ReadWaveFile(folder + "/none.wav", out, 100), WaveFileLoad::kCannotRead);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadWaveFile(folder, out, 100), WaveFileLoad::kCannotRead);  // a folder
  EXPECT_EQ(ReadWaveFile(write("b.wav", Samples(101)), out, 100), WaveFileLoad::kTooLarge);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadWaveFile(write("\xC8\xBF\xB0\xFA.wav", Samples(100)), out, 100),
            WaveFileLoad::kLoaded);  // "효과"
  EXPECT_EQ(out, Samples(100));
  EXPECT_EQ(ReadWaveFile(write("empty.wav", {}), out, 100), WaveFileLoad::kLoaded);
  EXPECT_TRUE(out.empty());

  // The player with the default reader: one megabyte plays, a byte more does not. Its
  // destructor releases the buffer still playing: the fake aborts if one outlives it.
  auto service = std::make_unique<FakeSoundService>();
  FakeSoundService* fake = service.get();
  {
    WavePlayer player(std::move(service));
    ASSERT_TRUE(player.init(nullptr));
    ASSERT_TRUE(player.play(write("big.wav", WaveOfSize(1048576, 2)), 10000, 0, 0));
    EXPECT_EQ(std::string(player.message()), "** 파일 플레이 **");
    EXPECT_EQ(fake->buffer(0).bytes, Samples(1048576 - 44, 2));
    EXPECT_FALSE(player.play(write("bigger.wav", WaveOfSize(1048577, 2)), 10000, 0, 0));
    EXPECT_EQ(std::string(player.message()), "사운드 파일의 크기가 너무 큽니다.");
    EXPECT_EQ(fake->liveBuffers(), 1);
  }
}
