// How the wave player fails: service refusals, unreadable and hostile files.
#include "sound/wave_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player_fixture.h"
#include "wave_bytes.h"

TEST(WavePlayerInit, FailedInitMakesEveryPlayFail) {
  struct Case {
    const char* name;
    bool hasService;
    SoundOp failing;
    const char* message;
  } cases[] = {
      {"no service", false, SoundOp::kCreate, "다이렉트 사운드 객체를 만드는데 실패하였습니다."},
      {"create", true, SoundOp::kCreate, "다이렉트 사운드 객체를 만드는데 실패하였습니다."},
      {"cooperative level", true, SoundOp::kSetCooperativeLevel, "협조 레벨을 얻는데 실패하였습니다."},
  };
  for (const Case& c : cases) {
    auto service = std::make_unique<FakeSoundService>();
    FakeSoundService* fake = service.get();
    fake->failAlways(c.failing);
    WavePlayer player(c.hasService ? std::move(service) : nullptr);
    int reads = 0;
    player.setFileLoader([&](const std::string&, std::vector<uint8_t>& out, size_t) {
      ++reads;
      out = SimpleWave(Samples(10));
      return WaveFileLoad::kLoaded;
    });
    EXPECT_FALSE(player.init(nullptr)) << "case " << c.name;
    EXPECT_EQ(std::string(player.message()), c.message) << "case " << c.name;
    for (const char* path : {"a.wav", ""}) {
      EXPECT_FALSE(player.play(path, 10000, 0, 0)) << "case " << c.name;
      EXPECT_EQ(std::string(player.message()), "다이렉트 사운드가 구동되지 않았습니다.") << "case " << c.name;
    }
    EXPECT_EQ(reads, 0) << "case " << c.name;
    if (!c.hasService) continue;
    EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0) << "case " << c.name;
    // A device that was made is still released at shutdown.
    player.shutdown();
    EXPECT_FALSE(fake->deviceAlive()) << "case " << c.name;
  }
}

struct ServiceFailure {
  SoundOp op;
  const char* message;
};

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
                      ServiceFailure{SoundOp::kSetPan, "팬( pan ) 설정을 할 수 없습니다."},
                      ServiceFailure{SoundOp::kPlay, "** 파일 플레이 **"}));  // not reported as success

TEST_F(PlayerTest, FailedRestartFreesTheChannel) {
  MakeReady();
  files["a"] = SimpleWave(Samples(40, 1));
  ASSERT_TRUE(Play("a"));
  fake->finishAll();
  fake->failNext(SoundOp::kSetVolume);
  EXPECT_FALSE(Play("a"));
  EXPECT_EQ(Message(), "볼륨 설정을 할 수 없습니다.");
  EXPECT_FALSE(player->channelInUse(0));
  EXPECT_EQ(fake->liveBuffers(), 0);
  ASSERT_TRUE(Play("a"));  // a fresh buffer, built from the cache
  EXPECT_EQ(Message(), "** 캐쉬 플레이 **");
}

TEST_F(PlayerTest, HostileFilesAreRefusedWithoutABuffer) {
  MakeReady();
  std::vector<uint8_t> shortFormat = PcmFormat();
  shortFormat.resize(12);
  const std::pair<std::vector<uint8_t>, const char*> cases[] = {
      {RiffFile("AVI ", {{"fmt ", PcmFormat()}, {"data", Samples(8)}}), "웨이브 파일이 아닙니다."},
      {{}, "웨이브 파일이 아닙니다."},
      {RiffFile("WAVE", {{"fmt ", shortFormat}, {"data", Samples(30)}}), "손상된 웨이브 파일입니다."},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    files["f" + std::to_string(i)] = cases[i].first;
    EXPECT_FALSE(Play("f" + std::to_string(i))) << "case " << i;
    EXPECT_EQ(Message(), cases[i].second) << "case " << i;
    EXPECT_FALSE(player->channelInUse(0)) << "case " << i;
  }
  EXPECT_EQ(fake->count(SoundOp::kCreateSoundBuffer), 0);
}

TEST_F(PlayerTest, ChunkPastTheEntryIsRefusedWithoutReadingOn) {
  MakeReady();
  std::vector<uint8_t> damaged = SimpleWave(Samples(100, 1));
  SetU32(damaged, 40, 160);  // data claims 60 bytes more than the file holds
  files["damaged"] = damaged;
  files["after"] = SimpleWave(Samples(200, 2));
  EXPECT_FALSE(Play("damaged"));
  EXPECT_EQ(Message(), "손상된 웨이브 파일입니다.");
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
