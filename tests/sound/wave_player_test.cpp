// The wave player's channels, cache paths and outcome texts.
#include "sound/wave_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player_fixture.h"
#include "wave_bytes.h"

namespace {

std::vector<uint8_t> BufferBytes(const FakeSoundService& fake, int id) {
  return fake.buffer(id).bytes;
}

}  // namespace

TEST_F(PlayerTest, InitCreatesDeviceAndSetsNormalLevel) {
  EXPECT_EQ(Message(), "");
  ASSERT_TRUE(player->init(kWindow));
  EXPECT_TRUE(player->ready());
  EXPECT_EQ(fake->trace(), "Create SetCooperativeLevel");
  EXPECT_EQ(fake->calls()[1].a, 1);
  EXPECT_EQ(fake->calls()[1].b, 0x1234);
  EXPECT_EQ(Message(), "");
}

TEST_F(PlayerTest, FailedCreateIsReportedAndEveryPlayFails) {
  fake->failAlways(SoundOp::kCreate);
  EXPECT_FALSE(player->init(kWindow));
  EXPECT_EQ(Message(), "다이렉트 사운드 객체를 만드는데 실패하였습니다.");
  EXPECT_EQ(fake->trace(), "Create");
  files["a.wav"] = SimpleWave(Samples(10));
  fake->clearCalls();
  EXPECT_FALSE(Play("a.wav"));
  EXPECT_EQ(Message(), "다이렉트 사운드가 구동되지 않았습니다.");
  EXPECT_FALSE(Play(""));
  EXPECT_EQ(Message(), "다이렉트 사운드가 구동되지 않았습니다.");
  EXPECT_TRUE(fake->calls().empty());
  EXPECT_TRUE(reads.empty());
}

TEST_F(PlayerTest, FailedCooperativeLevelIsReportedAndEveryPlayFails) {
  fake->failAlways(SoundOp::kSetCooperativeLevel);
  EXPECT_FALSE(player->init(kWindow));
  EXPECT_EQ(Message(), "협조 레벨을 얻는데 실패하였습니다.");
  files["a.wav"] = SimpleWave(Samples(10));
  EXPECT_FALSE(Play("a.wav"));
  EXPECT_EQ(Message(), "다이렉트 사운드가 구동되지 않았습니다.");
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
  // The device that was made is still released at shutdown.
  player->shutdown();
  EXPECT_EQ(fake->count(SoundOp::kReleaseDevice), 1);
  EXPECT_FALSE(fake->deviceAlive());
}

TEST_F(PlayerTest, FirstPlayReadsFileAndFillsAStaticBuffer) {
  MakeReady();
  const std::vector<uint8_t> samples = Samples(1001);
  const std::vector<uint8_t> format = PcmFormat(2, 11025, 16);
  files["c:\\sound\\hit.wav"] = RiffFile("WAVE", {{"fmt ", format}, {"data", samples}});
  ASSERT_TRUE(Play("c:\\sound\\hit.wav"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(reads["c:\\sound\\hit.wav"], 1);
  EXPECT_EQ(fake->trace(), "CreateSoundBuffer Lock Unlock SetVolume SetPan Play");
  const int id = LastCreatedBuffer();
  const FakeBufferState& buffer = fake->buffer(id);
  EXPECT_EQ(buffer.description.size, 20u);
  EXPECT_EQ(buffer.description.flags, 0xE2u);
  EXPECT_EQ(buffer.description.bufferBytes, 1001u);
  EXPECT_EQ(buffer.format, format);
  EXPECT_EQ(buffer.bytes, samples);
  EXPECT_EQ(buffer.volume, 0);
  EXPECT_EQ(buffer.pan, 0);
  EXPECT_TRUE(buffer.playing);
  EXPECT_FALSE(buffer.looping);
  EXPECT_EQ(player->currentChannel(), 0);
  EXPECT_TRUE(player->channelInUse(0));
  EXPECT_EQ(player->channelName(0), "c:\\sound\\hit.wav");
  EXPECT_EQ(player->cache().count(), 1);
  EXPECT_EQ(player->cache().name(0), "c:\\sound\\hit.wav");
  EXPECT_EQ(player->cache().size(0), files["c:\\sound\\hit.wav"].size());
}

TEST_F(PlayerTest, SecondPlayWhileSoundingTakesSecondChannelFromCache) {
  MakeReady();
  files["a.wav"] = SimpleWave(Samples(300, 4));
  ASSERT_TRUE(Play("a.wav"));
  const int first = LastCreatedBuffer();
  ASSERT_TRUE(Play("a.wav"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
  EXPECT_EQ(reads["a.wav"], 1);
  EXPECT_EQ(player->currentChannel(), 1);
  const int second = LastCreatedBuffer();
  EXPECT_NE(first, second);
  EXPECT_EQ(BufferBytes(*fake, second), Samples(300, 4));
  EXPECT_TRUE(fake->buffer(first).playing);
  EXPECT_TRUE(fake->buffer(second).playing);
}

TEST_F(PlayerTest, PlayAfterFinishRestartsKeptBufferWithoutReadingOrCopying) {
  MakeReady();
  files["a.wav"] = SimpleWave(Samples(300, 4));
  ASSERT_TRUE(Play("a.wav"));
  ASSERT_TRUE(Play("a.wav"));
  fake->finishAll();
  fake->clearCalls();
  ASSERT_TRUE(Play("a.wav"));
  EXPECT_EQ(Message(), "** 버퍼 플레이 **");
  EXPECT_EQ(reads["a.wav"], 1);
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
  EXPECT_EQ(fake->count(SoundOp::kLock), 0);
  EXPECT_EQ(fake->count(SoundOp::kReleaseBuffer), 0);
  // The lowest finished channel with that name is the one restarted.
  EXPECT_EQ(player->currentChannel(), 0);
  const SoundCall* play = LastCall(SoundOp::kPlay);
  ASSERT_NE(play, nullptr);
  EXPECT_EQ(play->buffer, 0);
  EXPECT_EQ(fake->buffer(0).plays, 2);
  EXPECT_TRUE(fake->buffer(0).playing);
}

TEST_F(PlayerTest, SixthSoundWhileFivePlayFails) {
  MakeReady();
  for (int i = 0; i < 6; ++i) files["s" + std::to_string(i)] = SimpleWave(Samples(20, uint8_t(i)));
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Play("s" + std::to_string(i))) << i;
  fake->clearCalls();
  EXPECT_FALSE(Play("s5"));
  EXPECT_EQ(Message(), "비어 있는 사운드 채널이 없습니다.");
  EXPECT_EQ(player->currentChannel(), -1);
  EXPECT_EQ(reads.count("s5"), 0u);
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
  // Even a sound that a playing channel holds finds no room.
  EXPECT_FALSE(Play("s0"));
  EXPECT_EQ(Message(), "비어 있는 사운드 채널이 없습니다.");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(player->channelName(i), "s" + std::to_string(i));
}

TEST_F(PlayerTest, NewSoundTakesLowestFinishedChannelWhenAllAreTaken) {
  MakeReady();
  for (int i = 0; i < 6; ++i) files["s" + std::to_string(i)] = SimpleWave(Samples(20, uint8_t(i)));
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Play("s" + std::to_string(i)));
  fake->finish(3);
  fake->finish(2);
  fake->clearCalls();
  ASSERT_TRUE(Play("s5"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(player->currentChannel(), 2);
  EXPECT_EQ(player->channelName(2), "s5");
  EXPECT_TRUE(fake->buffer(2).released);
  EXPECT_FALSE(fake->buffer(3).released);
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), Samples(20, 5));
}

TEST_F(PlayerTest, FreeChannelComesBeforeFinishedOne) {
  MakeReady();
  files["a"] = SimpleWave(Samples(20, 1));
  files["b"] = SimpleWave(Samples(20, 2));
  ASSERT_TRUE(Play("a"));
  fake->finishAll();
  ASSERT_TRUE(Play("b"));
  EXPECT_EQ(player->currentChannel(), 1);
  EXPECT_FALSE(fake->buffer(0).released);
}

TEST_F(PlayerTest, OneMegabyteFilePlaysAndOneByteMoreIsRefused) {
  MakeReady();
  files["big"] = WaveOfSize(1048576);
  files["bigger"] = WaveOfSize(1048577);
  ASSERT_EQ(files["big"].size(), 1048576u);
  ASSERT_EQ(files["bigger"].size(), 1048577u);
  ASSERT_TRUE(Play("big"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(fake->buffer(LastCreatedBuffer()).bytes.size(), 1048576u - 44);
  EXPECT_EQ(player->cache().size(0), 1048576u);
  EXPECT_FALSE(Play("bigger"));
  EXPECT_EQ(Message(), "사운드 파일의 크기가 너무 큽니다.");
  EXPECT_FALSE(player->channelInUse(1));
  // The refused file took nothing from the cache.
  ASSERT_EQ(player->cache().count(), 1);
  EXPECT_EQ(player->cache().name(0), "big");
}

TEST_F(PlayerTest, FortyOneFilesDropTheFirstWhichIsThenReadAgain) {
  MakeReady();
  for (int i = 0; i <= 40; ++i) files["w" + std::to_string(i)] = SimpleWave(Samples(64, uint8_t(i)));
  for (int i = 0; i <= 40; ++i) {
    fake->finishAll();
    ASSERT_TRUE(Play("w" + std::to_string(i))) << i;
    EXPECT_EQ(Message(), "** 파일 플레이 **");
  }
  EXPECT_EQ(player->cache().count(), 40);
  EXPECT_EQ(player->cache().find("w0"), -1);
  EXPECT_EQ(player->cache().name(0), "w1");
  // No channel holds w0 and the cache dropped it: read from the file again.
  fake->finishAll();
  ASSERT_TRUE(Play("w0"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(reads["w0"], 2);
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), Samples(64, 0));
  EXPECT_EQ(player->cache().find("w1"), -1);
  // w5 is still cached: copied from memory, not read.
  fake->finishAll();
  ASSERT_TRUE(Play("w5"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
  EXPECT_EQ(reads["w5"], 1);
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), Samples(64, 5));
}

TEST_F(PlayerTest, CachePlayDoesNotMoveTheEntry) {
  MakeReady();
  for (int i = 0; i < 40; ++i) files["w" + std::to_string(i)] = SimpleWave(Samples(16, uint8_t(i)));
  files["new"] = SimpleWave(Samples(16, 99));
  for (int i = 0; i < 40; ++i) {
    fake->finishAll();
    ASSERT_TRUE(Play("w" + std::to_string(i)));
  }
  // Playing the oldest from the cache keeps it the oldest: the next file drops it.
  fake->finishAll();
  ASSERT_TRUE(Play("w0"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
  fake->finishAll();
  ASSERT_TRUE(Play("new"));
  EXPECT_EQ(player->cache().find("w0"), -1);
}

TEST_F(PlayerTest, DataBeforeFormatAndPaddedOddChunkPlay) {
  MakeReady();
  const std::vector<uint8_t> samples = Samples(77, 8);
  files["swapped"] = RiffFile("WAVE", {{"data", samples}, {"fmt ", PcmFormat()}});
  files["odd"] = RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"note", {1, 2, 3, 4, 5}}, {"data", samples}});
  ASSERT_TRUE(Play("swapped"));
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), samples);
  EXPECT_EQ(fake->buffer(LastCreatedBuffer()).format, PcmFormat());
  ASSERT_TRUE(Play("odd"));
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), samples);
}

TEST_F(PlayerTest, OtherFormTypeIsNotAWave) {
  MakeReady();
  files["movie.avi"] = RiffFile("AVI ", {{"fmt ", PcmFormat()}, {"data", Samples(8)}});
  EXPECT_FALSE(Play("movie.avi"));
  EXPECT_EQ(Message(), "웨이브 파일이 아닙니다.");
  EXPECT_FALSE(player->channelInUse(0));
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
}

TEST_F(PlayerTest, EmptyPathLeavesTheMessage) {
  MakeReady();
  files["a"] = SimpleWave(Samples(8));
  ASSERT_TRUE(Play("a"));
  fake->clearCalls();
  EXPECT_FALSE(Play(""));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_TRUE(fake->calls().empty());
  EXPECT_EQ(reads.count(""), 0u);
}

TEST_F(PlayerTest, NamesDifferingInCaseAreDifferentEntriesAndChannels) {
  MakeReady();
  files["Boom.wav"] = SimpleWave(Samples(30, 1));
  files["boom.wav"] = SimpleWave(Samples(30, 2));
  ASSERT_TRUE(Play("Boom.wav"));
  fake->finishAll();
  ASSERT_TRUE(Play("boom.wav"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(player->currentChannel(), 1);  // the finished "Boom.wav" channel is not reused
  EXPECT_EQ(player->cache().count(), 2);
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), Samples(30, 2));
  EXPECT_EQ(player->channelName(0), "Boom.wav");
  EXPECT_EQ(player->channelName(1), "boom.wav");
}

TEST_F(PlayerTest, VolumePanAndLoopReachTheBuffer) {
  MakeReady();
  files["a"] = SimpleWave(Samples(8));
  ASSERT_TRUE(player->play("a", 7500, -3000, 1));
  const FakeBufferState& buffer = fake->buffer(LastCreatedBuffer());
  EXPECT_EQ(buffer.volume, -2500);
  EXPECT_EQ(buffer.pan, -3000);
  EXPECT_TRUE(buffer.looping);
  fake->finishAll();
  ASSERT_TRUE(player->play("a", 0, 10000, 0));
  EXPECT_EQ(fake->buffer(0).volume, -10000);
  EXPECT_EQ(fake->buffer(0).pan, 10000);
  EXPECT_FALSE(fake->buffer(0).looping);
}

TEST(WaveAttenuation, IsVolumeScaledByMasterLevelLessTenThousand) {
  for (int32_t volume = 0; volume <= 10000; volume += 37) {
    EXPECT_EQ(WaveAttenuation(10000, volume), volume - 10000) << volume;
    // Independent reckoning in 64-bit with truncation.
    const int64_t expected = int64_t(5000) * volume / 10000 - 10000;
    EXPECT_EQ(WaveAttenuation(5000, volume), expected) << volume;
  }
  EXPECT_EQ(WaveAttenuation(10000, 10000), 0);
  EXPECT_EQ(WaveAttenuation(10000, 0), -10000);
  EXPECT_EQ(WaveAttenuation(3333, 3), -10000);  // 9999 / 10000 truncates to 0
  EXPECT_EQ(WaveAttenuation(3333, 6), -9999);   // 19998 / 10000 truncates to 1
  // Outside 0..10000 the volume saturates.
  EXPECT_EQ(WaveAttenuation(10000, -5), -10000);
  EXPECT_EQ(WaveAttenuation(10000, 25000), 0);
}

TEST_F(PlayerTest, TwoRegionLockGetsBothParts) {
  MakeReady();
  fake->splitLockAt(100);
  const std::vector<uint8_t> samples = Samples(257, 6);
  files["a"] = SimpleWave(samples);
  ASSERT_TRUE(Play("a"));
  EXPECT_EQ(BufferBytes(*fake, LastCreatedBuffer()), samples);
  const SoundCall* unlock = LastCall(SoundOp::kUnlock);
  ASSERT_NE(unlock, nullptr);
  EXPECT_EQ(unlock->a, 100);
  EXPECT_EQ(unlock->b, 157);
}

TEST_F(PlayerTest, ShutdownReleasesBuffersThenDevice) {
  MakeReady();
  files["a"] = SimpleWave(Samples(8, 1));
  files["b"] = SimpleWave(Samples(8, 2));
  ASSERT_TRUE(Play("a"));
  ASSERT_TRUE(Play("b"));
  fake->clearCalls();
  player->shutdown();
  EXPECT_EQ(fake->trace(), "ReleaseBuffer ReleaseBuffer ReleaseDevice");
  EXPECT_EQ(fake->calls().back().a, 0);  // no buffer alive when the device went
  EXPECT_FALSE(player->ready());
  EXPECT_EQ(player->cache().count(), 0);
  EXPECT_FALSE(player->channelInUse(0));
  EXPECT_EQ(player->channelName(0), "");
  EXPECT_FALSE(Play("a"));
  EXPECT_EQ(Message(), "다이렉트 사운드가 구동되지 않았습니다.");
  player->shutdown();
  EXPECT_EQ(fake->count(SoundOp::kReleaseDevice), 1);
}

TEST(WavePlayerLife, DestructorReleasesEverything) {
  auto service = std::make_unique<FakeSoundService>();
  FakeSoundService* fake = service.get();
  std::vector<uint8_t> file = SimpleWave(Samples(10));
  {
    WavePlayer player(std::move(service));
    player.setFileLoader([&](const std::string&, std::vector<uint8_t>& out, size_t) {
      out = file;
      return WaveFileLoad::kLoaded;
    });
    ASSERT_TRUE(player.init(nullptr));
    ASSERT_TRUE(player.play("x", 10000, 0, 0));
    // The fake dies with the player and aborts if a buffer outlives it; check
    // what it holds just before.
    EXPECT_EQ(fake->liveBuffers(), 1);
  }
}

TEST(WavePlayerLife, MissingServiceFailsInit) {
  WavePlayer player(nullptr);
  EXPECT_FALSE(player.init(nullptr));
  EXPECT_EQ(std::string(player.message()), "다이렉트 사운드 객체를 만드는데 실패하였습니다.");
  EXPECT_FALSE(player.play("x", 10000, 0, 0));
  EXPECT_EQ(std::string(player.message()), "다이렉트 사운드가 구동되지 않았습니다.");
}
