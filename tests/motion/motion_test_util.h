#pragma once
// Small builders shared by the motion tests.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "motion/motion_document.h"
#include "sprites/sprite.h"

// A w x h sprite whose pixels all hold value (distinct values make distinct sprites).
inline std::unique_ptr<Sprite> MakeSprite(int32_t w, int32_t h, uint8_t value) {
  return std::make_unique<Sprite>(w, h, std::vector<uint8_t>(static_cast<size_t>(w * h), value));
}

// Adds n distinct 4 x 2 sprites to the document's set and returns them.
inline std::vector<Sprite*> AddSprites(MotionFile& file, int n) {
  std::vector<Sprite*> out;
  for (int i = 0; i < n; ++i) {
    file.sprites.Append(MakeSprite(4, 2, static_cast<uint8_t>(i + 1)));
    out.push_back(file.sprites.Get(file.sprites.Count() - 1));
  }
  return out;
}

// A motion whose relX tells it apart.
inline std::unique_ptr<Motion> MakeMotion(int32_t relX, Sprite* sprite = nullptr) {
  auto m = std::make_unique<Motion>();
  m->relX = relX;
  m->sprite = sprite;
  return m;
}

// Appends motions with relX 0, 1, ..., n-1 and leaves no current motion.
inline void FillBundle(MotionBundle& bundle, int n, Sprite* sprite = nullptr) {
  bundle.select(bundle.count());
  for (int i = 0; i < n; ++i) bundle.insertBeforeCurrent(MakeMotion(i, sprite));
}

inline std::vector<int32_t> RelXs(const MotionBundle& bundle) {
  std::vector<int32_t> out;
  for (const auto& m : bundle.items()) out.push_back(m->relX);
  return out;
}

inline std::vector<std::string> BundleNames(const MotionFile& file) {
  std::vector<std::string> out;
  for (const auto& b : file.bundles()) out.push_back(b->name.str());
  return out;
}

// A motion with every field set to something other than its default; some boxes
// and points stay unset.
inline Motion DistinctMotion(int seed) {
  Motion m;
  m.relX = -7 * seed - 1;
  m.relY = 11 * seed + 3;
  m.delay = 1 + seed % 60;
  m.effects = seed % 8;
  for (int k = 0; k < kMotionBoxCount; ++k)
    if ((seed + k) % 3) m.boxes[k] = MotionBox{k - seed, k, k + 10 + seed, k + 20};
  for (int k = 0; k < kMotionPointCount; ++k)
    if ((seed + k) % 2) m.points[k] = MotionPoint{seed * 3 - k, -k};
  for (int k = 0; k < kMotionFlagCount; ++k) m.flags[k] = seed * 1000 + k - 5;
  for (int k = 0; k < 8; ++k) m.reserved[k] = static_cast<uint8_t>(0xA0 + seed + k);
  m.sound.assign("hit" + std::to_string(seed) + ".wav");
  return m;
}
