#include "sprites/palette.h"

#include "sprites/palette_distance.h"

Hsv ToHsv(int red, int green, int blue) {
  int max = red, min = red;
  if (green > max) max = green;
  if (blue > max) max = blue;
  if (green < min) min = green;
  if (blue < min) min = blue;

  Hsv hsv;
  hsv.value = static_cast<uint8_t>(max);
  if (max == min || max == 0) return hsv;

  // Integer division truncates toward zero, also for the negative numerators.
  const int diff = max - min;
  hsv.saturation = static_cast<uint8_t>((max / 2 + diff * 100) / max);
  int hue = 0;
  // A later rule that holds replaces an earlier one: with green = blue = max the
  // blue rule decides.
  if (red == max) hue = ((green - blue) * 16 + diff / 2) / diff + 16;
  if (green == max) hue = ((blue - red) * 16 + diff / 2) / diff + 48;
  if (blue == max) hue = ((red - green) * 16 + diff / 2) / diff + 80;
  hsv.hue = static_cast<uint8_t>(hue);
  return hsv;
}

PaletteColours::PaletteColours(const PaletteBlock& block) {
  const uint8_t* p = block.palette();
  for (int k = 0; k < 256; ++k) {
    ColourPoint& c = point[k];
    c.r = p[k * 3];
    c.g = p[k * 3 + 1];
    c.b = p[k * 3 + 2];
    Hsv hsv = ToHsv(c.r, c.g, c.b);
    c.h = hsv.hue;
    c.v = hsv.value;
  }
}

uint8_t NearestColor(const PaletteBlock& block, uint32_t colour) {
  ColourPoint target;
  target.r = static_cast<int>(colour & 0xff);
  target.g = static_cast<int>((colour >> 8) & 0xff);
  target.b = static_cast<int>((colour >> 16) & 0xff);
  Hsv hsv = ToHsv(target.r, target.g, target.b);
  target.h = hsv.hue;
  target.v = hsv.value;

  PaletteColours colours(block);
  int best = 9999;
  int bestIndex = 0;
  for (int k = 0; k < 256; ++k) {
    int d = Distance(colours.point[k], target);
    if (d < best) {
      best = d;
      bestIndex = k;
    }
  }
  return static_cast<uint8_t>(bestIndex);
}
