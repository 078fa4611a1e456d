#pragma once
// A bundle as an animated GIF: each motion drawn as playback shows it (its sprite at
// its offset from the base point, with its flips, translucent pixels mixed against
// the background), optionally with its boxes and points as the canvas draws them, on
// one canvas just large enough for every motion of the bundle. A motion stays for
// its delay + 1 ticks of 17 ms, given in GIF's hundredths of a second with each
// frame's rounding error carried into the next, so the whole loop keeps its length.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "images/gif_writer.h"
#include "motion/motion_bundle.h"
#include "sprites/palette.h"

// The editor's default colours of boxes and points 1 to 6 (0x00BBGGRR), for callers
// that have no editor settings.
constexpr std::array<uint32_t, kMotionBoxCount> kDefaultMarkColours{0x00FF5757, 0x0057FDC7, 0x00FFFF57,
                                                                    0x005757FF, 0x00FF57FF, 0x0057FFFF};

struct MotionGifOptions {
  int scale = 1;  // 1 to 4, each pixel drawn as scale x scale
  bool boxes = false;
  bool points = false;
  bool transparent = false;  // pixels no motion covers are see-through
  int background = 255;      // palette index behind the motions (and what translucency mixes with)
  bool loop = true;
  std::array<int, kMotionBoxCount> markColours{9, 10, 11, 12, 13, 14};  // box k and point k
};

// Where the base point lies on the canvas, and the canvas size (before scaling).
struct MotionGifCanvas {
  int32_t baseX = 0, baseY = 0;
  int32_t width = 0, height = 0;
};

// The smallest canvas holding every motion's sprite (and, when drawn, boxes and point
// marks). False with a reason when the bundle has nothing to draw or the canvas would
// be too large for a GIF.
bool BundleCanvas(const MotionBundle& bundle, const MotionGifOptions& options, MotionGifCanvas& canvas,
                  std::string& reason);

// Each motion's time on screen in hundredths of a second.
std::vector<int32_t> GifDelays(const MotionBundle& bundle);

// The whole movie, colours from the palette. False with a short English reason.
bool MakeMotionGif(const MotionBundle& bundle, const PaletteBlock& palette, const MotionGifOptions& options,
                   GifOut& movie, std::string& reason);
