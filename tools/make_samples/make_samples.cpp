// make_samples: the sample files in examples/, drawn by program so that they can be
// made again byte for byte (scripts/make-samples.sh runs it).
//
//   make_samples pictures DIR        DIR/sheet.pcx, DIR/walker.flc, DIR/step.wav, DIR/bounce.wav
//   make_samples motion OUT.zrv WALKER.plk SHEET.plk
//
// The sheet has something for every cut tool; the animation is a figure walking on
// the spot; the motion file uses the sprites that plyktool cut from both.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/save_file.h"
#include "cutter/pcx_writer.h"
#include "graphics/builtin_fonts.h"
#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "motion/motion_file.h"
#include "motion/motion_file_io.h"
#include "picture_writers.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

PaletteBlock DefaultBlock() {
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  return block;
}

// Colours by RGB, mapped into the built-in palette so that both programs show them
// as drawn.
struct Colours {
  PaletteBlock block = DefaultBlock();
  uint8_t rgb(int r, int g, int b) const {
    return NearestColor(block, uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16);
  }
  uint8_t background = rgb(120, 200, 200);
  uint8_t plate = rgb(0, 0, 127);
  uint8_t label = rgb(255, 255, 255);
  uint8_t outline = rgb(0, 0, 0);
  uint8_t skin = rgb(255, 207, 160);
  uint8_t hair = rgb(91, 47, 11);
  uint8_t shirt = rgb(215, 40, 40);
  uint8_t shirtDark = rgb(139, 20, 20);
  uint8_t trousers = rgb(40, 60, 160);
  uint8_t trousersDark = rgb(20, 30, 100);
  uint8_t shoe = rgb(51, 51, 51);
};

// A canvas of palette indices with the few shapes the samples need.
struct Canvas {
  int width, height;
  std::vector<uint8_t> px;
  Canvas(int w, int h, uint8_t fill) : width(w), height(h), px(size_t(w) * h, fill) {}
  void plot(int x, int y, uint8_t c) {
    if (x >= 0 && y >= 0 && x < width && y < height) px[size_t(y) * width + x] = c;
  }
  uint8_t at(int x, int y) const { return px[size_t(y) * width + x]; }
  void fill(int x0, int y0, int x1, int y1, uint8_t c) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) plot(x, y, c);
  }
  void disc(double cx, double cy, double r, uint8_t c) {
    for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
      for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x)
        if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= r * r) plot(x, y, c);
  }
  // A thick line as discs along it.
  void stroke(double x0, double y0, double x1, double y1, double r, uint8_t c) {
    const int steps = int(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
    for (int i = 0; i <= steps; ++i) disc(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps, r, c);
  }
  // Text in the programs' own bitmap fonts (CP949 bytes), on a plate so that each
  // label is one figure for the outward cut.
  void label(int x, int y, const char* text, const Colours& c) {
    const int w = int(std::strlen(text)) * 6 + 5;
    fill(x, y, x + w, y + 14, c.plate);
    Surface surface;
    SurfaceParams params;
    params.width = width;
    params.height = height;
    if (!surface.Create(params)) return;
    DrawContext dc(&surface);
    dc.setBackground(0);
    dc.Begin();
    std::memcpy(dc.PixelAddress(), px.data(), px.size());
    dc.SetFonts(&BuiltinAsciiFont(), &BuiltinHangulFont());
    dc.setTextColour(c.label);
    dc.DrawText(x + 3, y + 2, text);
    std::memcpy(px.data(), dc.PixelAddress(), px.size());
  }
};

// A small figure walking on the spot; phase 0 to 7 is one step cycle. The leg that
// swings forward is lifted, and the far arm and leg are darker, so no two phases
// look alike.
struct Spot {
  double x, y;
};
// Returns where the near hand is.
Spot DrawWalker(Canvas& c, int x, int y, int phase, const Colours& k) {
  const double t = (phase + 0.5) * 2 * kPi / 8, a = std::sin(t), lift = 3 * std::cos(t);
  const int bob = std::fabs(a) < 0.5 ? 1 : 0;
  const double hipX = x + 12, hipY = y + 27 - bob, shoulderY = y + 15 - bob;
  auto limb = [&](double swing, double length, double fromY, double r, uint8_t colour) {
    c.stroke(hipX, fromY, hipX + std::sin(swing) * length, fromY + std::cos(swing) * length, r, colour);
  };
  auto leg = [&](double swing, double raise, uint8_t colour) {
    const double footX = hipX + std::sin(swing) * 12,
                 footY = hipY + std::cos(swing) * 12 - std::max(0.0, raise);
    c.stroke(hipX, hipY, footX, footY, 1.8, colour);
    c.fill(int(footX) - 1, int(footY) + 1, int(footX) + 3, int(footY) + 2, k.shoe);
  };
  limb(-a * 0.6, 10, shoulderY, 1.5, k.shirtDark);                               // far arm
  leg(a * 0.55, lift, k.trousersDark);                                           // far leg
  c.fill(int(hipX) - 4, int(shoulderY) - 2, int(hipX) + 4, int(hipY), k.shirt);  // body
  leg(-a * 0.55, -lift, k.trousers);                                             // near leg
  limb(a * 0.6, 10, shoulderY, 1.5, k.shirt);                                    // near arm
  c.disc(hipX + std::sin(a * 0.6) * 10, shoulderY + std::cos(a * 0.6) * 10, 1.6, k.skin);
  c.disc(hipX, y + 8 - bob, 5.5, k.skin);  // head
  c.fill(int(hipX) - 5, y + 2 - bob, int(hipX) + 4, y + 4 - bob, k.hair);
  c.plot(int(hipX) + 3, y + 7 - bob, k.outline);  // eye, looking right
  return {hipX + std::sin(a * 0.6) * 10, shoulderY + std::cos(a * 0.6) * 10};
}

void Ball(Canvas& c, double cx, double cy, double r, const Colours& k) {
  c.disc(cx, cy, r, k.rgb(0, 0, 171));
  c.disc(cx - 1, cy - 1, r - 2, k.rgb(87, 87, 255));
  c.disc(cx - r / 3, cy - r / 3, r / 4, k.rgb(255, 255, 255));
}

void Star(Canvas& c, double cx, double cy, double r, const Colours& k) {
  double xs[10], ys[10];
  for (int i = 0; i < 10; ++i) {
    const double t = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * 0.45 : r;
    xs[i] = cx + rr * std::cos(t);
    ys[i] = cy + rr * std::sin(t);
  }
  const uint8_t body = k.rgb(255, 223, 0), edge = k.rgb(255, 139, 19);
  auto inside = [&](double px, double py) {
    bool in = false;
    for (int i = 0, j = 9; i < 10; j = i++)
      if ((ys[i] > py) != (ys[j] > py) && px < (xs[j] - xs[i]) * (py - ys[i]) / (ys[j] - ys[i]) + xs[i])
        in = !in;
    return in;
  };
  for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
    for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x)
      if (inside(x + 0.5, y + 0.5))
        c.plot(
            x, y,
            inside(x + 1.5, y + 0.5) && inside(x - 0.5, y + 0.5) && inside(x + 0.5, y + 1.5) ? body : edge);
}

void Gem(Canvas& c, int cx, int cy, int r, const Colours& k) {
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (std::abs(dx) + std::abs(dy) <= r)
        c.plot(cx + dx, cy + dy,
               std::abs(dx) + std::abs(dy) == r ? k.rgb(0, 87, 0)
               : dx < 0                         ? k.rgb(87, 255, 87)
                                                : k.rgb(0, 171, 0));
}

// Four kinds of 32 x 32 tiles: grass, bricks, water, stone.
void Tile(Canvas& c, int x0, int y0, int kind, const Colours& k) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      uint8_t v = 0;
      switch (kind) {
        case 0:
          v = y < 6 ? ((x * 7 + y * 3) % 5 ? k.rgb(40, 180, 40) : k.rgb(0, 120, 0))
                    : ((x * 13 + y * 7) % 11 ? k.rgb(151, 91, 43) : k.rgb(111, 63, 23));
          break;
        case 1: {
          const int row = y / 8, bx = (x + (row % 2) * 8) % 16;
          v = y % 8 == 7 || bx == 15 ? k.rgb(187, 187, 187) : k.rgb(175, 60, 40);
          break;
        }
        case 2:
          v = (x + int(4 * std::sin(y * kPi / 8))) % 12 < 2 ? k.rgb(200, 230, 255) : k.rgb(40, 90, 200);
          break;
        default:
          v = ((x / 8 + y / 8) % 2) ? k.rgb(135, 135, 135) : k.rgb(167, 167, 167);
          if (x % 8 == 0 || y % 8 == 0) v = k.rgb(83, 83, 83);
      }
      c.plot(x0 + x, y0 + y, v);
    }
}

// A landscape without the background colour anywhere, to be cut with the free
// rectangle.
void Landscape(Canvas& c, int x0, int y0, int w, int h, const Colours& k) {
  for (int y = 0; y < h; ++y) {
    const int shade = 255 - y * 120 / h;
    c.fill(x0, y0 + y, x0 + w - 1, y0 + y, k.rgb(shade / 2, shade * 3 / 4, 255));
  }
  c.disc(x0 + w - 30, y0 + 22, 12, k.rgb(255, 255, 87));
  for (int x = 0; x < w; ++x) {
    const int hill = int(h * 0.55 + 10 * std::sin(x * 0.045) + 6 * std::sin(x * 0.13 + 1));
    const int field = int(h * 0.78 + 3 * std::sin(x * 0.07));
    c.fill(x0 + x, y0 + hill, x0 + x, y0 + h - 1, k.rgb(0, 140, 60));
    c.fill(x0 + x, y0 + field, x0 + x, y0 + h - 1, k.rgb(120, 200, 60));
  }
  for (int i = 0; i < 4; ++i) {  // trees
    const int tx = x0 + 20 + i * 45, ty = y0 + int(h * 0.6) + (i % 2) * 8;
    c.fill(tx - 1, ty, tx + 1, ty + 12, k.rgb(91, 47, 11));
    c.disc(tx, ty - 2, 7, k.rgb(0, 100, 0));
  }
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  const bool ok = SaveFileSafely(path, [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return out.good();
  });
  if (!ok) std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
  return ok;
}

// 384 x 224: outward-cut figures, a frame with a coin in its hole (inward cut), a
// block of 32 x 32 tiles on the 32-pixel grid (grid and fixed-size cuts), a landscape
// (free cut) and the walking figure in four poses. The top-left pixel is the
// background, which the cutter takes as the transparent colour.
bool WriteSheet(const std::string& path, const Colours& k) {
  Canvas c(384, 224, k.background);
  c.label(4, 4, "밖으로 자르기", k);
  Ball(c, 20, 45, 11, k);
  Star(c, 54, 45, 14, k);
  Gem(c, 88, 45, 11, k);
  c.label(116, 4, "안으로 자르기", k);
  // A frame whose hole holds a coin: the outward cut takes both, a drag inside the
  // hole with the inward cut shrinks to the coin alone.
  c.fill(120, 20, 183, 83, k.rgb(151, 91, 43));
  c.fill(124, 24, 179, 79, k.rgb(203, 127, 67));
  c.fill(128, 28, 175, 75, k.background);
  c.disc(151.5, 51.5, 9, k.rgb(255, 195, 0));
  c.disc(151.5, 51.5, 6, k.rgb(255, 231, 139));
  c.label(224, 4, "격자, 일정 크기", k);
  for (int i = 0; i < 8; ++i)
    Tile(c, 224 + (i % 4) * 32, 32 + (i / 4) * 32, i % 4 == 3 && i > 4 ? 0 : (i + i / 4) % 4, k);
  c.label(4, 104, "임의의 크기", k);
  Landscape(c, 4, 124, 200, 96, k);
  c.label(224, 104, "걷는 사람", k);
  for (int i = 0; i < 4; ++i) DrawWalker(c, 224 + i * 38, 140, i * 2, k);
  return Save(path, EncodePcx(c.width, c.height, c.px.data(), k.block.palette()));
}

// Eight frames of 64 x 56, the first run-length coded with its palette, the others
// as byte deltas from the frame before; 100 ms a frame.
bool WriteWalkerFlc(const std::string& path, const Colours& k) {
  std::vector<testpic::Bytes> frames;
  testpic::Image previous;
  for (int phase = 0; phase < 8; ++phase) {
    Canvas c(64, 56, k.background);
    DrawWalker(c, 20, 10, phase, k);
    testpic::Image image(c.width, c.height);
    image.pixels = c.px;
    if (phase == 0) {
      testpic::Palette pal;
      std::copy(k.block.palette(), k.block.palette() + 768, pal.begin());
      frames.push_back(testpic::FrameChunk({testpic::Colour256Full(pal), testpic::ByteRunChunk(image)}));
    } else {
      frames.push_back(testpic::FrameChunk({testpic::ByteDeltaChunk(previous, image)}));
    }
    previous = image;
  }
  testpic::Bytes flc = testpic::WriteFlc(64, 56, frames);
  testpic::Patch(flc, 16, 100, 4);  // speed in milliseconds
  return Save(path, flc);
}

// An 8-bit mono PCM wave of `seconds` at 11,025 Hz from a sample function (-1 .. 1).
template <typename F>
bool WriteWave(const std::string& path, double seconds, F sample) {
  const uint32_t rate = 11025, count = uint32_t(seconds * rate);
  testpic::Bytes b = {'R', 'I', 'F', 'F'};
  testpic::Put(b, 36 + count, 4);
  for (char ch : std::string("WAVEfmt ")) b.push_back(uint8_t(ch));
  testpic::Put(b, 16, 4);
  testpic::Put(b, 1, 2);  // PCM
  testpic::Put(b, 1, 2);  // mono
  testpic::Put(b, rate, 4);
  testpic::Put(b, rate, 4);
  testpic::Put(b, 1, 2);
  testpic::Put(b, 8, 2);
  for (char ch : std::string("data")) b.push_back(uint8_t(ch));
  testpic::Put(b, count, 4);
  for (uint32_t i = 0; i < count; ++i) {
    const double v = std::max(-1.0, std::min(1.0, sample(double(i) / rate, i)));
    b.push_back(uint8_t(std::lround(128 + 127 * v)));
  }
  return Save(path, b);
}

int Pictures(const std::string& dir) {
  const Colours k;
  uint32_t noise = 12345;
  auto rnd = [&]() {
    noise = noise * 1103515245u + 12345u;
    return double((noise >> 16) & 0x7FFF) / 16384.0 - 1;
  };
  const bool ok = WriteSheet(dir + "/sheet.pcx", k) && WriteWalkerFlc(dir + "/walker.flc", k) &&
                  // A footstep: a short thud of low noise that dies away.
                  WriteWave(dir + "/step.wav", 0.12,
                            [&](double t, uint32_t) {
                              return (0.6 * std::sin(2 * kPi * 90 * t) + 0.4 * rnd()) * std::exp(-t * 40);
                            }) &&
                  // A bounce: a falling tone.
                  WriteWave(dir + "/bounce.wav", 0.2, [&](double t, uint32_t) {
                    return 0.8 * std::sin(2 * kPi * (600 - 1200 * t) * t) * std::exp(-t * 12);
                  });
  return ok ? 0 : 1;
}

bool ReadSpriteFile(const std::string& path, SpriteSet& set) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (ReadSpritesFromMemory(set, bytes.data(), bytes.size(), true)) return true;
  std::fprintf(stderr, "make_samples: %s is not a sprite file\n", path.c_str());
  return false;
}

// The bounding box of what is not background.
struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Box Drawn(const Canvas& c, uint8_t background) {
  Box b;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      if (c.at(x, y) != background) {
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
      }
  return b;
}

// The sprite of the sheet that shows what `draw` draws alone on the background.
template <typename F>
Sprite* FindDrawn(SpriteSet& sheet, const Colours& k, F draw) {
  Canvas c(64, 64, k.background);
  draw(c);
  const Box b = Drawn(c, k.background);
  if (b.right < 0) return nullptr;
  std::vector<uint8_t> px;
  for (int y = b.top; y <= b.bottom; ++y)
    for (int x = b.left; x <= b.right; ++x) px.push_back(c.at(x, y) == k.background ? 0 : c.at(x, y));
  const int32_t found = sheet.FindEqual(Sprite(b.right - b.left + 1, b.bottom - b.top + 1, px));
  return found >= 0 ? sheet.Get(found) : nullptr;
}

std::unique_ptr<Motion> Pose(Sprite* sprite, int relX, int relY, int delay) {
  auto m = std::make_unique<Motion>();
  m->sprite = sprite;
  m->relX = relX;
  m->relY = relY;
  m->delay = delay;
  return m;
}

// Bundles that use every field: boxes and points that follow the figure, flags
// (0: frame number, 1: foot on the ground, 2: damage), sounds, and each effect.
int MotionSample(const std::string& out, const std::string& walkerPath, const std::string& sheetPath) {
  MotionFile doc;
  SpriteSet sheet;
  if (!ReadSpriteFile(walkerPath, doc.sprites) || !ReadSpriteFile(sheetPath, sheet)) return 1;
  const int walkers = doc.sprites.Count();
  const Colours k;
  Sprite* ballSprite = FindDrawn(sheet, k, [&](Canvas& c) { Ball(c, 20, 20, 11, k); });
  Sprite* starSprite = FindDrawn(sheet, k, [&](Canvas& c) { Star(c, 30, 30, 14, k); });
  if (walkers < 8 || !ballSprite || !starSprite) {
    std::fprintf(stderr, "make_samples: the cut sprites are not the expected ones (%d walking poses)\n",
                 walkers);
    return 1;
  }
  doc.sprites.Append(std::make_unique<Sprite>(*ballSprite));
  Sprite* ball = doc.sprites.Get(doc.sprites.Count() - 1);
  doc.sprites.Append(std::make_unique<Sprite>(*starSprite));
  Sprite* star = doc.sprites.Get(doc.sprites.Count() - 1);

  // Walking: the figure's feet on the base point, its body centred over it. The
  // hand point follows the near hand, as the frames of the animation show it.
  auto walk = std::make_unique<MotionBundle>("걷기");
  for (int i = 0; i < 8; ++i) {
    Sprite* s = doc.sprites.Get(i);
    Canvas frame(64, 56, k.background);
    const Spot hand = DrawWalker(frame, 20, 10, i, k);
    const Box b = Drawn(frame, k.background);
    if (b.right - b.left + 1 != s->width || b.bottom - b.top + 1 != s->height) {
      std::fprintf(stderr, "make_samples: sprite %d of %s is not walking pose %d\n", i, walkerPath.c_str(),
                   i);
      return 1;
    }
    auto m = Pose(s, b.left - 32, -s->height, 3);
    m->boxes[0] = {-6, m->relY + 12, 6, -1};       // body
    m->boxes[1] = {-6, m->relY, 6, m->relY + 11};  // head
    m->points[0] = {int(hand.x) - 32, m->relY + int(hand.y) - b.top};
    m->points[1] = {0, 0};  // feet
    m->flags[0] = i;
    m->flags[1] = (i == 1 || i == 5) ? 1 : 0;
    if (m->flags[1]) m->sound.assign("step.wav");
    walk->insertBeforeCurrent(std::move(m));
  }
  // The same steps facing left.
  auto back = std::make_unique<MotionBundle>("왼쪽으로 걷기");
  for (const auto& m : walk->items()) {
    auto copy = std::make_unique<Motion>(*m);
    copy->effects = MotionEffect::FlipLeftRight;
    back->insertBeforeCurrent(std::move(copy));
  }
  // A ghost: translucent, rising, upside down at the end.
  auto ghost = std::make_unique<MotionBundle>("유령");
  for (int i = 0; i < 6; ++i) {
    Sprite* s = doc.sprites.Get(i % 2 ? 2 : 6);
    auto m = Pose(s, -s->width / 2, -s->height - 4 * i, 4);
    m->effects = MotionEffect::Translucent | (i >= 4 ? MotionEffect::FlipUpDown : 0);
    m->flags[0] = i;
    ghost->insertBeforeCurrent(std::move(m));
  }
  // A ball bouncing twice, lower each time, with a sound where it lands.
  auto bounce = std::make_unique<MotionBundle>("공 튀기기");
  const int heights[] = {0, 40, 64, 72, 64, 40, 0, 24, 32, 24, 0};
  for (int i = 0; i < 11; ++i) {
    const int x = -60 + i * 12, y = -ball->height - heights[i];
    auto m = Pose(ball, x, y, 2);
    m->boxes[0] = {x, y, x + ball->width - 1, y + ball->height - 1};
    m->points[0] = {x + ball->width / 2, y + ball->height / 2};
    m->flags[0] = i;
    if (heights[i] == 0) m->sound.assign("bounce.wav");
    bounce->insertBeforeCurrent(std::move(m));
  }
  // Picking up a star: the star's box meets the figure's hand point.
  auto pick = std::make_unique<MotionBundle>("별 줍기");
  for (int i = 0; i < 4; ++i) {
    auto m = std::make_unique<Motion>(*walk->get(i * 2));
    m->sound.assign("");
    m->delay = 6;
    pick->insertBeforeCurrent(std::move(m));
    auto item = Pose(star, 24 - i * 5, -28, 6);
    item->boxes[2] = {item->relX, item->relY, item->relX + star->width - 1, item->relY + star->height - 1};
    item->flags[2] = 10 * (i + 1);
    item->effects = i % 2 ? MotionEffect::Translucent : 0;
    pick->insertBeforeCurrent(std::move(item));
  }
  for (auto* b : {walk.get(), back.get(), ghost.get(), bounce.get(), pick.get()}) b->select(0);
  doc.append(std::move(walk));
  doc.append(std::move(back));
  doc.append(std::move(ghost));
  doc.append(std::move(bounce));
  doc.append(std::move(pick));
  doc.select(0);
  return Save(out, MotionFileBytes(doc)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && !std::strcmp(argv[1], "pictures")) return Pictures(argv[2]);
  if (argc == 5 && !std::strcmp(argv[1], "motion")) return MotionSample(argv[2], argv[3], argv[4]);
  std::fprintf(stderr,
               "usage: make_samples pictures DIR\n"
               "       make_samples motion OUT.zrv WALKER.plk SHEET.plk\n");
  return 1;
}
