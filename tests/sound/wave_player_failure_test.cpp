// How the wave player fails: service refusals, unreadable and hostile files.
#include "sound/wave_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player_fixture.h"
#include "wave_bytes.h"

namespace {

struct ServiceFailure {
  SoundOp op;
  const char* message;
};

}  // namespace

class ServiceFailureTest : public PlayerTest, public ::testing::WithParamInterface<ServiceFailure> {};

TEST_P(ServiceFailureTest, ReturnsTheChannelToTheFreeState) {
  MakeReady();
  files["a"] = SimpleWave(Samples(40, 1));
  files["b"] = SimpleWave(Samples(40, 2));
  ASSERT_TRUE(Play("a"));
  fake->failNext(GetParam().op);
  EXPECT_FALSE(Play("b"));
  EXPECT_EQ(Message(), GetParam().message);
  EXPECT_FALSE(player->channelInUse(1));
  EXPECT_EQ(player->channelName(1), "");
  EXPECT_FALSE(player->channelHasBuffer(1));
  EXPECT_EQ(player->currentChannel(), -1);
  EXPECT_EQ(fake->liveBuffers(), 1);  // only "a" keeps its buffer
  EXPECT_TRUE(player->channelInUse(0));
  // The next try succeeds on the same channel, now from the cache.
  ASSERT_TRUE(Play("b"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
  EXPECT_EQ(player->currentChannel(), 1);
  EXPECT_EQ(fake->buffer(LastCreatedBuffer()).bytes, Samples(40, 2));
}

INSTANTIATE_TEST_SUITE_P(
    WavePlayerFailure, ServiceFailureTest,
    ::testing::Values(ServiceFailure{SoundOp::kCreateSoundBuffer, "다이렉트 사운드 버퍼를 만들 수 없습니다."},
                      ServiceFailure{SoundOp::kLock, "다이렉트 사운드 버퍼 Lock에 실패했습니다."},
                      ServiceFailure{SoundOp::kUnlock, "다이렉트 사운드 버퍼 Unlock에 실패했습니다."},
                      ServiceFailure{SoundOp::kSetVolume, "볼륨 설정을 할 수 없습니다."},
                      ServiceFailure{SoundOp::kSetPan, "팬( pan ) 설정을 할 수 없습니다."}));

TEST_F(PlayerTest, FailedRestartOfKeptBufferFreesTheChannel) {
  MakeReady();
  files["a"] = SimpleWave(Samples(40, 1));
  ASSERT_TRUE(Play("a"));
  fake->finishAll();
  fake->failNext(SoundOp::kSetVolume);
  EXPECT_FALSE(Play("a"));
  EXPECT_EQ(Message(), "볼륨 설정을 할 수 없습니다.");
  EXPECT_FALSE(player->channelInUse(0));
  EXPECT_TRUE(fake->buffer(0).released);
  // A fresh buffer is built from the cache next time.
  ASSERT_TRUE(Play("a"));
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
}

TEST_F(PlayerTest, FailedStartIsNotReportedAsSuccess) {
  MakeReady();
  files["a"] = SimpleWave(Samples(40, 1));
  fake->failNext(SoundOp::kPlay);
  EXPECT_FALSE(Play("a"));
  EXPECT_FALSE(player->channelInUse(0));
  EXPECT_EQ(fake->liveBuffers(), 0);
}

TEST_F(PlayerTest, UnreadableFileFailsAndLeavesTheCache) {
  MakeReady();
  files["a"] = SimpleWave(Samples(40, 1));
  ASSERT_TRUE(Play("a"));
  fake->clearCalls();
  EXPECT_FALSE(Play("missing.wav"));
  EXPECT_EQ(Message(), "파일을 읽어오는데 실패했습니다.");
  EXPECT_FALSE(player->channelInUse(1));
  EXPECT_EQ(player->channelName(1), "");
  ASSERT_EQ(player->cache().count(), 1);
  EXPECT_EQ(player->cache().name(0), "a");
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
}

TEST_F(PlayerTest, FailedReadOfFullCacheDropsNothing) {
  MakeReady();
  for (int i = 0; i < 40; ++i) files["w" + std::to_string(i)] = SimpleWave(Samples(16, uint8_t(i)));
  for (int i = 0; i < 40; ++i) {
    fake->finishAll();
    ASSERT_TRUE(Play("w" + std::to_string(i)));
  }
  fake->finishAll();
  EXPECT_FALSE(Play("missing.wav"));
  EXPECT_EQ(player->cache().count(), 40);
  EXPECT_EQ(player->cache().name(0), "w0");
  files["huge"] = WaveOfSize(2000000);
  EXPECT_FALSE(Play("huge"));
  EXPECT_EQ(Message(), "사운드 파일의 크기가 너무 큽니다.");
  EXPECT_EQ(player->cache().count(), 40);
  EXPECT_EQ(player->cache().name(0), "w0");
}

TEST_F(PlayerTest, ChunkPastTheEntryIsRefusedWithoutReadingOn) {
  MakeReady();
  std::vector<uint8_t> damaged = SimpleWave(Samples(100, 1));
  SetU32(damaged, 40, 160);  // data claims 60 bytes more than the file holds
  files["damaged"] = damaged;
  files["after"] = SimpleWave(Samples(200, 2));
  EXPECT_FALSE(Play("damaged"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
  EXPECT_FALSE(player->channelInUse(0));
  // Now a valid entry follows the damaged one in the cache, so the bytes past
  // its end are readable: the refusal must come from the length check.
  ASSERT_TRUE(Play("after"));
  ASSERT_EQ(player->cache().offset(1), damaged.size());
  fake->clearCalls();
  EXPECT_FALSE(Play("damaged"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
  EXPECT_EQ(reads["damaged"], 1);  // refused again from the cache
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
  EXPECT_FALSE(player->channelInUse(1));
}

TEST_F(PlayerTest, ShortFormatChunkIsDamaged) {
  MakeReady();
  std::vector<uint8_t> format = PcmFormat();
  format.resize(12);
  files["a"] = RiffFile("WAVE", {{"fmt ", format}, {"data", Samples(30)}});
  EXPECT_FALSE(Play("a"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
}

TEST_F(PlayerTest, EmptyDataChunkNeverMakesAnEmptyBuffer) {
  MakeReady();
  files["fmt-first"] = RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", {}}});
  files["data-first"] = RiffFile("WAVE", {{"data", {}}, {"fmt ", PcmFormat()}});
  EXPECT_FALSE(Play("fmt-first"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
  EXPECT_FALSE(Play("data-first"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
}

TEST_F(PlayerTest, EmptyFileIsNotAWave) {
  MakeReady();
  files["empty"] = {};
  EXPECT_FALSE(Play("empty"));
  EXPECT_EQ(Message(), "웨이브 파일이 아닙니다.");
  EXPECT_FALSE(player->channelInUse(0));
}

TEST_F(PlayerTest, UnknownStatusKeepsTheChannel) {
  MakeReady();
  for (int i = 0; i < 6; ++i) files["s" + std::to_string(i)] = SimpleWave(Samples(20, uint8_t(i)));
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Play("s" + std::to_string(i)));
  fake->finishAll();
  fake->failAlways(SoundOp::kGetStatus);
  // No channel can be shown to be finished, so none is taken away.
  EXPECT_FALSE(Play("s5"));
  EXPECT_EQ(Message(), "비어 있는 사운드 채널이 없습니다.");
  fake->failAlways(SoundOp::kGetStatus, false);
  EXPECT_TRUE(Play("s5"));
}
