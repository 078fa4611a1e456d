// Random drawing at random places with random clip rectangles: nothing outside the
// clip rectangle may change. Run under the address sanitizer, this also shows any
// read or write outside the buffers.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "graphics/builtin_fonts.h"
#include "support/graphics_test_support.h"

namespace {

int RandomCoord(std::mt19937& rng) {
  switch (rng() % 8) {
    case 0:
      return static_cast<int>(rng());  // anything, including far out
    case 1:
      return -static_cast<int>(rng() % 100000);
    case 2:
      return static_cast<int>(rng() % 100000);
    default:
      return static_cast<int>(rng() % 200) - 50;
  }
}

Sprite RandomSprite(std::mt19937& rng) {
  const int w = rng() % 6 == 0 ? static_cast<int>(rng() % 400) : static_cast<int>(rng() % 40);
  const int h = rng() % 6 == 0 ? static_cast<int>(rng() % 400) : static_cast<int>(rng() % 40);
  std::vector<uint8_t> px(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (auto& p : px) p = static_cast<uint8_t>(rng() % 3 == 0 ? 0 : rng());
  Sprite s(w, h, std::move(px));
  if (rng() % 10 == 0 && !s.pixels.empty()) s.pixels.resize(s.pixels.size() / 2);  // damaged
  return s;
}

std::string RandomText(std::mt19937& rng) {
  std::string t(rng() % 12, ' ');
  for (char& c : t) c = static_cast<char>(rng() % 255 + 1);
  return t;  // may end right after a lead byte
}

}  // namespace

TEST(RandomDrawing, NothingOutsideTheClipChanges) {
  std::mt19937 rng(20261206);
  const int W = 160, H = 120;
  for (int round = 0; round < 400; ++round) {
    DrawRectangle vp{static_cast<int>(rng() % 220) - 30, static_cast<int>(rng() % 180) - 30,
                     static_cast<int>(rng() % 220) - 30, static_cast<int>(rng() % 180) - 30};
    Canvas c(W, H, vp, 0);
    c.pattern();
    c.dc->SetFonts(&BuiltinAsciiFont(), &BuiltinHangulFont());
    const auto before = c.snapshot();
    const DrawRectangle clip = c.dc->clip();
    for (int op = 0; op < 40; ++op) {
      const int x = RandomCoord(rng), y = RandomCoord(rng);
      const int colour = static_cast<int>(rng() % 300) - 40;
      switch (rng() % 9) {
        case 0:
          c.dc->DrawLine(x, y, RandomCoord(rng), RandomCoord(rng), colour, static_cast<int>(rng() % 2));
          break;
        case 1:
          c.dc->DrawRect(x, y, RandomCoord(rng), RandomCoord(rng), colour, static_cast<int>(rng() % 2));
          break;
        case 2:
          c.dc->FillRect(x, y, x + static_cast<int>(rng() % 300), y + static_cast<int>(rng() % 300), colour,
                         static_cast<int>(rng() % 2));
          break;
        case 3: {
          const Sprite s = RandomSprite(rng);
          c.dc->DrawSprite(x, y, rng() % 20 ? &s : nullptr, static_cast<int>(rng() % 8), colour);
          break;
        }
        case 4: {
          const Sprite s = RandomSprite(rng);
          const float scales[] = {0.5f, 2.0f, 0.33f, 1.7f, 0.001f, 50.0f, 0.0f, -1.0f};
          c.dc->DrawSpriteScaled(x, y, &s, scales[rng() % 8], static_cast<int>(rng() % 2), colour);
          break;
        }
        case 5: {
          const Sprite s = RandomSprite(rng);
          c.dc->DrawMask(x, y, &s, colour, colour + 1);
          break;
        }
        case 6: {
          const int w = static_cast<int>(rng() % 300) - 10, h = static_cast<int>(rng() % 300) - 10;
          std::vector<uint8_t> block(w > 0 && h > 0 ? static_cast<size_t>(w * h) : 1, 0x5A);
          c.dc->CopyBlock(x, y, block.data(), w, h);
          break;
        }
        default: {
          const std::string text = RandomText(rng);
          c.dc->setTextFlags(static_cast<int>(rng() % 8));
          c.dc->setTextBackground(rng() % 2 ? 0 : colour);
          c.dc->setTextColour(colour);
          c.dc->setTextOutlineColour(colour ^ 3);
          const int tx = rng() % 2 ? x : static_cast<int>(rng() % 200) - 30;
          const int ty = rng() % 2 ? y : static_cast<int>(rng() % 160) - 30;
          c.dc->DrawText(tx, ty, text.c_str());
          break;
        }
      }
    }
    for (int py = 0; py < H; ++py)
      for (int px = 0; px < W; ++px) {
        if (px >= clip.left && px <= clip.right && py >= clip.top && py <= clip.bottom) continue;
        ASSERT_EQ(c.at(px, py), before[static_cast<size_t>(py * W + px)])
            << "round " << round << " pixel " << px << "," << py << " clip " << clip.left << "," << clip.top
            << "-" << clip.right << "," << clip.bottom;
      }
  }
}
