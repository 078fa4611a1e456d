// Writes the documents the GUI benchmark opens (bench/gui/README.md):
//   sprite.zrv   one bundle, one motion on a 200 x 200 sprite with six boxes and six points
//   play.zrv     bundle "d0": 60 motions of delay 0, bundle "d5": 20 motions of delay 5,
//                each motion a 40 x 40 block of its own colour at the base point
//   large.zrv    200 bundles x 200 motions using 5,000 sprites
//   frames.flc   500 frames of 640 x 480
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "flc500.h"
#include "motion/motion_file.h"
#include "motion/motion_file_io.h"
#include "sprites/palette.h"

namespace {

Sprite* AddSprite(MotionFile& file, int w, int h, uint8_t seed, bool solid) {
  std::vector<uint8_t> pixels(static_cast<size_t>(w) * h);
  for (size_t p = 0; p < pixels.size(); ++p)
    pixels[p] = solid ? seed : static_cast<uint8_t>((seed * 31 + p % w + p / w) % 251 + 1);
  file.sprites.Append(std::make_unique<Sprite>(w, h, std::move(pixels)));
  return file.sprites.Get(file.sprites.Count() - 1);
}

MotionBundle& AddBundle(MotionFile& file, const std::string& name) {
  file.append(std::make_unique<MotionBundle>(name));
  return *file.current();
}

void AddMotion(MotionBundle& bundle, std::unique_ptr<Motion> motion) {
  bundle.select(bundle.count());
  bundle.insertBeforeCurrent(std::move(motion));
}

void Select(MotionFile& file, int bundle) {
  file.select(bundle);
  if (file.current() != nullptr) file.current()->select(0);
}

bool Save(MotionFile& file, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  return out && WriteMotionFile(file, out) && out.flush();
}

bool SpriteDocument(const std::string& path) {
  MotionFile file;
  Sprite* sprite = AddSprite(file, 200, 200, 7, false);
  auto motion = std::make_unique<Motion>();
  motion->sprite = sprite;
  motion->relX = -100;
  motion->relY = -150;
  for (int k = 0; k < kMotionBoxCount; ++k)
    motion->boxes[k] = MotionBox{-90 + 10 * k, -140, -40 + 20 * k, 30};
  for (int k = 0; k < kMotionPointCount; ++k) motion->points[k] = MotionPoint{-60 + 25 * k, -20 - 15 * k};
  AddMotion(AddBundle(file, "sprite"), std::move(motion));
  Select(file, 0);
  return Save(file, path);
}

// Indices of the built-in palette whose colours differ from each other and from the
// canvas's white: the palette repeats white at several indices, and a motion in one
// of them would not show on screen.
std::vector<uint8_t> DistinctColours() {
  std::vector<uint8_t> indices;
  std::set<uint32_t> seen{0xFFFFFF};
  for (int i = 10; i < 256; i += 2) {
    const uint32_t colour = uint32_t(kDefaultPaletteColours[3 * i]) << 16 |
                            uint32_t(kDefaultPaletteColours[3 * i + 1]) << 8 |
                            kDefaultPaletteColours[3 * i + 2];
    if (seen.insert(colour).second) indices.push_back(static_cast<uint8_t>(i));
  }
  return indices;
}

bool PlayDocument(const std::string& path) {
  const std::vector<uint8_t> colours = DistinctColours();
  MotionFile file;
  const struct {
    const char* name;
    int motions, delay;
  } bundles[] = {{"d0", 60, 0}, {"d5", 20, 5}};
  for (const auto& b : bundles) {
    MotionBundle& bundle = AddBundle(file, b.name);
    for (int m = 0; m < b.motions; ++m) {
      // Every motion of a bundle has a colour of its own, so every change shows on screen.
      auto motion = std::make_unique<Motion>();
      motion->sprite = AddSprite(file, 40, 40, colours[static_cast<size_t>(m) % colours.size()], true);
      motion->delay = b.delay;
      AddMotion(bundle, std::move(motion));
    }
  }
  Select(file, 0);
  return Save(file, path);
}

bool LargeDocument(const std::string& path) {
  MotionFile file;
  constexpr int kSprites = 5000, kBundles = 200, kMotions = 200;
  for (int i = 0; i < kSprites; ++i)
    AddSprite(file, 16 + i % 17, 20 + i % 13, static_cast<uint8_t>(i), false);
  for (int b = 0; b < kBundles; ++b) {
    MotionBundle& bundle = AddBundle(file, "bundle " + std::to_string(b));
    for (int m = 0; m < kMotions; ++m) {
      auto motion = std::make_unique<Motion>();
      motion->relX = m % 50;
      motion->relY = -b % 50;
      motion->boxes[0] = MotionBox{0, 0, 10, 10};
      motion->sprite = file.sprites.Get((b * kMotions + m) % kSprites);
      AddMotion(bundle, std::move(motion));
    }
  }
  Select(file, 0);
  return Save(file, path);
}

bool Frames(const std::string& path) {
  const testpic::Bytes bytes = Flc500Frames(640, 480);
  std::ofstream out(path, std::ios::binary);
  return out && out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())) &&
         out.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const bool ok = SpriteDocument(dir + "sprite.zrv") && PlayDocument(dir + "play.zrv") &&
                  LargeDocument(dir + "large.zrv") && Frames(dir + "frames.flc");
  if (!ok) std::fprintf(stderr, "%s: cannot write the files in %s\n", argv[0], argv[1]);
  return ok ? 0 : 1;
}
