// The test back end must behave like a service, or the player tests prove little.
#include "sound/fake_sound_service.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FakeSoundService, RecordsCallsAndFailsOnRequest) {
  FakeSoundService fake;
  ASSERT_TRUE(fake.create());
  std::vector<uint8_t> format(16, 1);
  SoundBufferDescription description;
  description.bufferBytes = 10;
  description.format = format.data();
  description.formatSize = format.size();
  fake.failNext(SoundOp::kCreateSoundBuffer);
  EXPECT_EQ(fake.createSoundBuffer(description), nullptr);
  SoundBufferPtr buffer = fake.createSoundBuffer(description);
  ASSERT_NE(buffer, nullptr);
  bool playing = true;
  ASSERT_TRUE(buffer->getStatus(playing));
  EXPECT_FALSE(playing);
  ASSERT_TRUE(buffer->play(false));
  ASSERT_TRUE(buffer->getStatus(playing));
  EXPECT_TRUE(playing);
  fake.finish(0);
  ASSERT_TRUE(buffer->getStatus(playing));
  EXPECT_FALSE(playing);
  fake.failAlways(SoundOp::kSetPan);
  EXPECT_FALSE(buffer->setPan(0));
  EXPECT_FALSE(buffer->setPan(0));
  fake.failAlways(SoundOp::kSetPan, false);
  EXPECT_TRUE(buffer->setPan(0));
  EXPECT_FALSE(buffer->setVolume(1));  // above full level: refused like DirectSound
  buffer.reset();
  fake.release();
  EXPECT_EQ(
      fake.trace(),
      "Create CreateSoundBuffer CreateSoundBuffer GetStatus Play GetStatus GetStatus SetPan SetPan SetPan "
      "SetVolume ReleaseBuffer ReleaseDevice");
  EXPECT_FALSE(fake.calls()[1].ok);
  EXPECT_TRUE(fake.calls()[2].ok);
  EXPECT_EQ(fake.liveBuffers(), 0);
}

TEST(FakeSoundService, LockSplitsIntoTwoRegions) {
  FakeSoundService fake;
  ASSERT_TRUE(fake.create());
  std::vector<uint8_t> format(16, 1);
  SoundBufferDescription description;
  description.bufferBytes = 10;
  description.format = format.data();
  description.formatSize = format.size();
  SoundBufferPtr buffer = fake.createSoundBuffer(description);
  fake.splitLockAt(4);
  SoundRegions regions;
  ASSERT_TRUE(buffer->lock(0, 10, regions));
  EXPECT_EQ(regions.firstBytes, 4u);
  EXPECT_EQ(regions.secondBytes, 6u);
  EXPECT_EQ(regions.second, regions.first + 4);
  EXPECT_FALSE(buffer->lock(0, 11, regions));
  buffer.reset();
  fake.release();
}
