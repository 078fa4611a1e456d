#pragma once
// How one motion is drawn: its sprite at the base point plus its offset with its
// effects, and its set boxes and points in their colours. The editing canvas, its
// playback and the GIF export all draw motions through these, so they agree pixel
// for pixel.

#include <array>
#include <cstdint>

#include "graphics/draw_context.h"
#include "motion/motion.h"

// base + offset, held within a range far outside every surface: offsets come from
// files and may be anything, and sums of such positions must not overflow.
int MotionAt(int base, int64_t offset);

// The sprite at (baseX + relX, baseY + relY) with the motion's effects plus
// extraEffects, in its own colours (colour -1) or as a silhouette in colour.
void DrawMotionSprite(DrawContext& dc, const Motion& motion, int baseX, int baseY, int extraEffects = 0,
                      int colour = -1);

// Box k and point k are drawn in colours[k]; the points as X marks with a dark
// outline (palette index 0) so that they show on any colour.
struct MotionMarks {
  bool boxes = true;
  bool points = true;
  std::array<int, kMotionBoxCount> colours{};
};
void DrawMotionMarks(DrawContext& dc, const Motion& motion, int baseX, int baseY, const MotionMarks& marks);

// The X mark of a point centred on (x, y).
void DrawPointMark(DrawContext& dc, int x, int y, int colour);

// How far a point's mark with its outline reaches from the point, each way.
constexpr int kPointMarkReach = 3;
