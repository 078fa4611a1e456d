// The wave player's channels, cache paths and outcome texts.
#include "sound/wave_player.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "player_fixture.h"
#include "wave_bytes.h"

TEST_F(PlayerTest, InitThenFirstPlayReadsFileIntoAStaticBuffer) {
  EXPECT_EQ(Message(), "");
  ASSERT_TRUE(player->init(kWindow));
  // The device is tried, then closed until a sound plays: open, it mixes all the time.
  EXPECT_EQ(fake->trace(), "Create SetCooperativeLevel ReleaseDevice");
  EXPECT_FALSE(fake->deviceAlive());
  EXPECT_EQ(std::make_pair(fake->calls()[1].a, fake->calls()[1].b),
            std::make_pair(int64_t{1}, int64_t{0x1234}));  // normal level
  fake->clearCalls();
  const std::vector<uint8_t> samples = Samples(1001);
  const std::vector<uint8_t> format = PcmFormat(2, 11025, 16);
  const std::string path = "c:\\sound\\hit.wav";
  files[path] = RiffFile("WAVE", {{"fmt ", format}, {"data", samples}});
  ASSERT_TRUE(Play(path));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(fake->trace(), "Create SetCooperativeLevel CreateSoundBuffer Lock Unlock SetVolume SetPan Play");
  EXPECT_EQ(fake->calls()[1].b, int64_t{0x1234});
  const FakeBufferState& buffer = fake->buffer(LastCreatedBuffer());
  EXPECT_EQ(
      std::make_tuple(buffer.description.size, buffer.description.flags, buffer.description.bufferBytes),
      std::make_tuple(20u, 0xE2u, 1001u));
  EXPECT_EQ(buffer.format, format);
  EXPECT_EQ(buffer.bytes, samples);
  EXPECT_EQ(std::make_tuple(buffer.volume, buffer.playing, buffer.looping), std::make_tuple(0, true, false));
  EXPECT_EQ(std::make_tuple(player->currentChannel(), player->channelName(0), player->cache().name(0)),
            std::make_tuple(0, path, path));
  EXPECT_EQ(player->cache().size(0), files[path].size());
  // An empty path does nothing, not even replace the message.
  fake->clearCalls();
  EXPECT_FALSE(Play(""));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_TRUE(fake->calls().empty());
  EXPECT_EQ(reads.count(""), 0u);
}

TEST_F(PlayerTest, SoundingFilePlaysFromCacheAndFinishedOneRestartsItsBuffer) {
  MakeReady();
  files["a.wav"] = SimpleWave(Samples(300, 4));
  ASSERT_TRUE(Play("a.wav"));
  ASSERT_TRUE(Play("a.wav"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
  EXPECT_EQ(std::make_pair(player->currentChannel(), LastCreatedBuffer()), std::make_pair(1, 1));
  EXPECT_EQ(fake->buffer(1).bytes, Samples(300, 4));
  EXPECT_TRUE(fake->buffer(0).playing && fake->buffer(1).playing);
  fake->finishAll();
  fake->clearCalls();
  ASSERT_TRUE(Play("a.wav"));
  EXPECT_EQ(Message(), "** 버퍼 플레이 **");
  EXPECT_EQ(fake->trace(), "GetStatus SetVolume SetPan Play");  // no buffer made, locked or released
  EXPECT_EQ(player->currentChannel(), 0);                       // the lowest finished channel of that name
  EXPECT_EQ(fake->buffer(0).plays, 2);
  EXPECT_EQ(reads["a.wav"], 1);
  // A name differing only in case is another file and another cache entry.
  files["A.wav"] = SimpleWave(Samples(30, 2));
  fake->finishAll();
  ASSERT_TRUE(Play("A.wav"));
  EXPECT_EQ(Message(), "** 파일 플레이 **");
  EXPECT_EQ(std::make_pair(player->cache().count(), player->cacheCurrent()), std::make_pair(2, 1));
  EXPECT_EQ(fake->buffer(LastCreatedBuffer()).bytes, Samples(30, 2));
}

TEST_F(PlayerTest, ChannelChoiceFreeThenFinishedElseNone) {
  MakeReady();
  for (int i = 0; i < 7; ++i) files["s" + std::to_string(i)] = SimpleWave(Samples(20, uint8_t(i)));
  ASSERT_TRUE(Play("s0"));
  fake->finish(0);
  ASSERT_TRUE(Play("s1"));
  EXPECT_EQ(player->currentChannel(), 1);  // a free channel before a finished one
  EXPECT_FALSE(fake->buffer(0).released);
  for (int i = 2; i < 5; ++i) ASSERT_TRUE(Play("s" + std::to_string(i)));
  ASSERT_TRUE(Play("s5"));
  EXPECT_EQ(player->currentChannel(), 0);  // all taken: the finished one
  EXPECT_TRUE(fake->buffer(0).released);
  fake->clearCalls();
  // Five sounding: a sixth fails, even one that a playing channel holds.
  for (const char* name : {"s6", "s1"}) {
    EXPECT_FALSE(Play(name)) << name;
    EXPECT_EQ(Message(), "비어 있는 사운드 채널이 없습니다.");
    EXPECT_EQ(player->currentChannel(), -1);
  }
  EXPECT_EQ(reads.count("s6"), 0u);
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
  fake->finish(3);
  fake->finish(2);
  // A channel whose status cannot be had is not shown to be finished.
  fake->failAlways(SoundOp::kGetStatus);
  EXPECT_FALSE(Play("s6"));
  fake->failAlways(SoundOp::kGetStatus, false);
  ASSERT_TRUE(Play("s6"));
  EXPECT_EQ(player->currentChannel(), 2);  // the lowest finished
  EXPECT_TRUE(fake->buffer(2).released);
  EXPECT_FALSE(fake->buffer(3).released);
  EXPECT_EQ(fake->buffer(LastCreatedBuffer()).bytes, Samples(20, 6));
}

// A failed read into the full cache drops nothing; the 41st file drops the first,
// which is then read again.
TEST_F(PlayerTest, FortyOneFilesDropTheFirstWhichIsThenReadAgain) {
  MakeReady();
  for (int i = 0; i <= 40; ++i) files["w" + std::to_string(i)] = SimpleWave(Samples(64, uint8_t(i)));
  files["huge"] = WaveOfSize(2000000);
  auto play = [&](const std::string& name, const char* message) {
    fake->finishAll();
    ASSERT_TRUE(Play(name)) << name;
    EXPECT_EQ(Message(), message) << name;
    const std::vector<uint8_t>& file = files[name];
    EXPECT_EQ(fake->buffer(LastCreatedBuffer()).bytes, std::vector<uint8_t>(file.begin() + 44, file.end()))
        << name;
  };
  for (int i = 0; i < 40; ++i) play("w" + std::to_string(i), "** 파일 플레이 **");
  fake->finishAll();
  for (auto [path, message] : {std::pair{"missing.wav", "파일을 읽어오는데 실패했습니다."},
                               {"huge", "사운드 파일의 크기가 너무 큽니다."}}) {
    const int buffers = fake->count(SoundOp::kCreateSoundBuffer);
    EXPECT_FALSE(Play(path));
    EXPECT_EQ(Message(), message);
    EXPECT_EQ(player->cache().count(), 40);
    EXPECT_EQ(player->cache().name(0), "w0");
    EXPECT_FALSE(player->channelInUse(0));  // the channel it took is free again
    EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), buffers);
  }
  // No channel holds w0 any more: copied from the cache, which it stays the oldest of.
  play("w0", "** 캐쉬 플레이 **");
  play("w40", "** 파일 플레이 **");
  play("w0", "** 파일 플레이 **");
  EXPECT_EQ(reads["w0"], 2);
}

TEST_F(PlayerTest, VolumePanLoopAndTwoRegionLockReachTheBuffer) {
  MakeReady();
  fake->splitLockAt(100);
  const std::vector<uint8_t> samples = Samples(257, 6);
  files["a"] = SimpleWave(samples);
  ASSERT_TRUE(player->play("a", 7500, -3000, 1));
  const FakeBufferState& buffer = fake->buffer(0);
  EXPECT_EQ(buffer.bytes, samples);
  const SoundCall* unlock = LastCall(SoundOp::kUnlock);
  ASSERT_NE(unlock, nullptr);
  EXPECT_EQ(std::make_pair(unlock->a, unlock->b), std::make_pair(int64_t{100}, int64_t{157}));
  EXPECT_EQ(std::make_tuple(buffer.volume, buffer.pan, buffer.looping), std::make_tuple(-2500, -3000, true));
  fake->finishAll();
  ASSERT_TRUE(player->play("a", 0, 10000, 0));
  EXPECT_EQ(std::make_tuple(buffer.volume, buffer.pan, buffer.looping),
            std::make_tuple(-10000, 10000, false));
}

TEST(WaveAttenuation, IsVolumeScaledByMasterLevelLessTenThousand) {
  // master, volume, attenuation; outside 0..10000 the volume saturates.
  for (auto [master, volume, want] : {std::tuple{10000, 10000, 0},
                                      {10000, 0, -10000},
                                      {5000, 5000, -7500},
                                      {3333, 3, -10000},
                                      {3333, 9999, -6668},
                                      {10000, -5, -10000},
                                      {10000, 25000, 0}})
    EXPECT_EQ(WaveAttenuation(master, volume), want) << master << " " << volume;
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
  EXPECT_EQ(std::make_tuple(player->cache().count(), player->channelName(0), player->channelInUse(0),
                            player->currentChannel()),
            std::make_tuple(0, std::string(), false, -1));
  EXPECT_FALSE(Play("a"));
  EXPECT_EQ(Message(), "다이렉트 사운드가 구동되지 않았습니다.");
  player->shutdown();
  EXPECT_EQ(fake->count(SoundOp::kReleaseDevice), 1);
}
