#pragma once
// A wave player over the recording fake, reading its files from memory.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/fake_sound_service.h"
#include "sound/wave_player.h"

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto service = std::make_unique<FakeSoundService>();
    fake = service.get();
    player = std::make_unique<WavePlayer>(std::move(service));
    player->setFileLoader([this](const std::string& path, std::vector<uint8_t>& out, size_t maxSize) {
      out.clear();
      ++reads[path];
      auto it = files.find(path);
      if (it == files.end()) return WaveFileLoad::kCannotRead;
      if (it->second.size() > maxSize) return WaveFileLoad::kTooLarge;
      out = it->second;
      return WaveFileLoad::kLoaded;
    });
  }

  void TearDown() override {
    player->shutdown();
    EXPECT_EQ(fake->liveBuffers(), 0);
  }

  void MakeReady() {
    ASSERT_TRUE(player->init(kWindow));
    fake->clearCalls();
  }

  bool Play(const std::string& path) { return player->play(path, 10000, 0, 0); }
  std::string Message() const { return player->message(); }
  // The last recorded call of op, or null.
  const SoundCall* LastCall(SoundOp op) const {
    for (auto it = fake->calls().rbegin(); it != fake->calls().rend(); ++it) {
      if (it->op == op) return &*it;
    }
    return nullptr;
  }
  // The buffer id the last CreateSoundBuffer gave.
  int LastCreatedBuffer() const { return LastCall(SoundOp::kCreateSoundBuffer)->buffer; }

  NativeWindow const kWindow = reinterpret_cast<NativeWindow>(static_cast<uintptr_t>(0x1234));
  FakeSoundService* fake = nullptr;
  std::unique_ptr<WavePlayer> player;
  std::map<std::string, std::vector<uint8_t>> files;
  std::map<std::string, int> reads;
};
