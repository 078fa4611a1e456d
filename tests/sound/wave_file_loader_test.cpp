// The default file reader over real files, and the player using it.
#include "sound/wave_file_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/fake_sound_service.h"
#include "sound/wave_player.h"
#include "wave_bytes.h"

namespace {

class TempDir {
 public:
  TempDir() {
    path_ = std::filesystem::temp_directory_path() /
            ("sound_tests_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }
  std::string path(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace

TEST(WaveFileLoader, ReadsTheWholeFile) {
  TempDir dir;
  const std::vector<uint8_t> bytes = SimpleWave(Samples(5000, 3));
  std::vector<uint8_t> out;
  EXPECT_EQ(ReadWaveFile(dir.write("a.wav", bytes), out, 1048576), WaveFileLoad::kLoaded);
  EXPECT_EQ(out, bytes);
  EXPECT_EQ(ReadWaveFile(dir.write("empty.wav", {}), out, 1048576), WaveFileLoad::kLoaded);
  EXPECT_TRUE(out.empty());
}

TEST(WaveFileLoader, RefusesMissingAndOversizedFiles) {
  TempDir dir;
  std::vector<uint8_t> out = {1, 2, 3};
  EXPECT_EQ(ReadWaveFile(dir.path("none.wav"), out, 1048576), WaveFileLoad::kCannotRead);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadWaveFile(dir.write("b.wav", Samples(101)), out, 100), WaveFileLoad::kTooLarge);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadWaveFile(dir.write("c.wav", Samples(100)), out, 100), WaveFileLoad::kLoaded);
  EXPECT_EQ(out.size(), 100u);
  EXPECT_EQ(ReadWaveFile(dir.path(""), out, 100), WaveFileLoad::kCannotRead);  // a folder
}

TEST(WaveFileLoader, PlayerReadsRealFilesUpToOneMegabyte) {
  TempDir dir;
  const std::string big = dir.write("big.wav", WaveOfSize(1048576, 2));
  const std::string bigger = dir.write("bigger.wav", WaveOfSize(1048577, 2));
  auto service = std::make_unique<FakeSoundService>();
  FakeSoundService* fake = service.get();
  WavePlayer player(std::move(service));
  ASSERT_TRUE(player.init(nullptr));
  ASSERT_TRUE(player.play(big, 10000, 0, 0));
  EXPECT_EQ(std::string(player.message()), "** 파일 플레이 **");
  EXPECT_EQ(fake->buffer(0).bytes, Samples(1048576 - 44, 2));
  EXPECT_FALSE(player.play(bigger, 10000, 0, 0));
  EXPECT_EQ(std::string(player.message()), "사운드 파일의 크기가 너무 큽니다.");
  EXPECT_FALSE(player.play(dir.path("missing.wav"), 10000, 0, 0));
  EXPECT_EQ(std::string(player.message()), "파일을 읽어오는데 실패했습니다.");
  EXPECT_EQ(player.cache().count(), 1);
}
