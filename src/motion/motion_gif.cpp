#include "motion/motion_gif.h"

#include <algorithm>
#include <climits>

#include "graphics/surface.h"
#include "motion/motion_drawing.h"
#include "sprites/sprite.h"

namespace {

constexpr int64_t kTickMilliseconds = 17;
// GIF sizes are 16-bit; the drawing surface takes at most 32768 a side. Each frame
// is held whole, so a frame and the whole movie are kept to a sane size too.
constexpr int64_t kMaxSide = 32767;
constexpr int64_t kMaxFramePixels = int64_t(1) << 26;
constexpr int64_t kMaxMoviePixels = int64_t(1) << 30;

struct Box {
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;  // right, bottom excluded
  void add(int64_t l, int64_t t, int64_t r, int64_t b) {
    if (l >= r || t >= b) return;
    left = std::min(left, l);
    top = std::min(top, t);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
  }
  bool empty() const { return left >= right; }
};

MotionMarks Marks(const MotionGifOptions& options) {
  MotionMarks marks;
  marks.boxes = options.boxes;
  marks.points = options.points;
  marks.colours = options.markColours;
  return marks;
}

// One motion as playback shows it, with the marks asked for, on a surface cleared to
// `clear`.
void DrawFrame(Surface& surface, DrawContext& dc, const Motion& motion, const MotionGifCanvas& canvas,
               const MotionMarks& marks, uint8_t clear) {
  std::fill(surface.Lock(), surface.Lock() + size_t(surface.pitch()) * size_t(surface.height()), clear);
  DrawMotionSprite(dc, motion, canvas.baseX, canvas.baseY);
  DrawMotionMarks(dc, motion, canvas.baseX, canvas.baseY, marks);
}

}  // namespace

bool BundleCanvas(const MotionBundle& bundle, const MotionGifOptions& options, MotionGifCanvas& canvas,
                  std::string& reason) {
  if (bundle.count() == 0) {
    reason = "the bundle has no motions";
    return false;
  }
  Box box;
  for (const auto& m : bundle.items()) {
    if (m->sprite)
      box.add(m->relX, m->relY, int64_t(m->relX) + m->sprite->width, int64_t(m->relY) + m->sprite->height);
    if (options.boxes) {
      for (const MotionBox& b : m->boxes)
        if (b.isSet())
          box.add(std::min(b.x1, b.x2), std::min(b.y1, b.y2), int64_t(std::max(b.x1, b.x2)) + 1,
                  int64_t(std::max(b.y1, b.y2)) + 1);
    }
    if (options.points) {
      for (const MotionPoint& p : m->points)
        if (p.isSet())
          box.add(int64_t(p.x) - kPointMarkReach, int64_t(p.y) - kPointMarkReach,
                  int64_t(p.x) + kPointMarkReach + 1, int64_t(p.y) + kPointMarkReach + 1);
    }
  }
  if (box.empty()) {
    reason = "the bundle's motions have nothing to draw";
    return false;
  }
  const int64_t w = box.right - box.left, h = box.bottom - box.top, scale = options.scale;
  if (w * scale > kMaxSide || h * scale > kMaxSide || w * h * scale * scale > kMaxFramePixels ||
      w * h * scale * scale * bundle.count() > kMaxMoviePixels) {
    reason = "the motions spread over " + std::to_string(w) + " x " + std::to_string(h) +
             " pixels, too large for a GIF";
    return false;
  }
  canvas.baseX = static_cast<int32_t>(-box.left);
  canvas.baseY = static_cast<int32_t>(-box.top);
  canvas.width = static_cast<int32_t>(w);
  canvas.height = static_cast<int32_t>(h);
  return true;
}

std::vector<int32_t> GifDelays(const MotionBundle& bundle) {
  std::vector<int32_t> delays;
  int64_t elapsed = 0, shown = 0;  // milliseconds played, hundredths given out
  for (const auto& m : bundle.items()) {
    elapsed += (int64_t(std::max(m->delay, 0)) + 1) * kTickMilliseconds;
    const int64_t until = (elapsed + 5) / 10;
    delays.push_back(static_cast<int32_t>(std::min<int64_t>(until - shown, 65535)));
    shown = until;
  }
  return delays;
}

bool MakeMotionGif(const MotionBundle& bundle, const PaletteBlock& palette, const MotionGifOptions& options,
                   GifOut& movie, std::string& reason) {
  if (options.scale < 1 || options.scale > 4) {
    reason = "the scale must be 1 to 4";
    return false;
  }
  MotionGifCanvas canvas;
  if (!BundleCanvas(bundle, options, canvas, reason)) return false;

  // One pixel more each way: sprite blits never draw the clip's last column and row.
  Surface surface, second;
  SurfaceParams params;
  params.width = canvas.width + 1;
  params.height = canvas.height + 1;
  if (!surface.Create(params) || (options.transparent && !second.Create(params))) {
    reason = "not enough memory for the canvas";
    return false;
  }
  // Translucent sprites mix by the palette's table on both canvases.
  for (Surface* s : {&surface, &second}) s->SetPalette(0, 256, palette.bytes.data(), 1);
  DrawContext dc(&surface);
  dc.Lock();
  std::unique_ptr<DrawContext> secondDc;
  if (options.transparent) {
    secondDc = std::make_unique<DrawContext>(&second);
    secondDc->Lock();
  }

  const uint8_t background = static_cast<uint8_t>(options.background);
  const uint8_t otherClear = static_cast<uint8_t>(background + 1);
  const MotionMarks marks = Marks(options);
  const std::vector<int32_t> delays = GifDelays(bundle);
  const int scale = options.scale;
  const size_t outWidth = size_t(canvas.width) * scale;
  std::vector<bool> used(256, false);
  std::vector<std::vector<bool>> uncovered;

  movie = GifOut();
  movie.width = static_cast<int32_t>(outWidth);
  movie.height = canvas.height * scale;
  movie.loop = options.loop;
  for (int i = 0; i < 256; ++i) {
    const uint8_t* c = palette.palette() + 3 * i;
    movie.colours.push_back(MakeRgba(c[0], c[1], c[2]));
  }
  movie.frames.reserve(static_cast<size_t>(bundle.count()));
  for (int32_t i = 0; i < bundle.count(); ++i) {
    const Motion& motion = *bundle.get(i);
    DrawFrame(surface, dc, motion, canvas, marks, background);
    GifOutFrame frame;
    frame.delayCentiseconds = delays[static_cast<size_t>(i)];
    frame.indices.resize(outWidth * size_t(movie.height));
    const uint8_t* pixels = surface.pixels();
    const uint8_t* others = nullptr;
    if (options.transparent) {
      // A pixel no drawing touched keeps the clear colour whatever it was.
      DrawFrame(second, *secondDc, motion, canvas, marks, otherClear);
      others = second.pixels();
      uncovered.emplace_back(size_t(canvas.width) * canvas.height);
    }
    for (int32_t y = 0; y < canvas.height; ++y) {
      const size_t row = size_t(y) * surface.pitch();
      uint8_t* out = frame.indices.data() + size_t(y) * scale * outWidth;
      for (int32_t x = 0; x < canvas.width; ++x) {
        const uint8_t v = pixels[row + x];
        if (others && v == background && others[row + x] == otherClear)
          uncovered.back()[size_t(y) * canvas.width + x] = true;
        else
          used[v] = true;
        std::fill_n(out + size_t(x) * scale, scale, v);
      }
      for (int k = 1; k < scale; ++k) std::copy(out, out + outWidth, out + k * outWidth);
    }
    movie.frames.push_back(std::move(frame));
  }

  if (options.transparent) {
    const auto free = std::find(used.begin(), used.end(), false);
    if (free == used.end()) {
      reason = "every palette colour is drawn; none is left to be transparent";
      return false;
    }
    const uint8_t see = static_cast<uint8_t>(free - used.begin());
    movie.transparentIndex = see;
    for (size_t f = 0; f < movie.frames.size(); ++f) {
      uint8_t* px = movie.frames[f].indices.data();
      for (int32_t y = 0; y < canvas.height; ++y)
        for (int32_t x = 0; x < canvas.width; ++x) {
          if (!uncovered[f][size_t(y) * canvas.width + x]) continue;
          for (int ky = 0; ky < scale; ++ky)
            std::fill_n(px + (size_t(y) * scale + ky) * outWidth + size_t(x) * scale, scale, see);
        }
    }
  }
  return true;
}
