#include "cutter/sprite_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int64_t kGap = 1;

// A sprite without pixels takes no room beyond its gap.
int64_t Side(int32_t side) {
  return std::max<int64_t>(side, 0);
}

void Draw(SpriteSheet& sheet, const Sprite& sprite, const SheetPlace& at) {
  if (!HasPixels(sprite)) return;
  for (int32_t y = 0; y < sprite.height; ++y)
    std::memcpy(sheet.pixels.data() + size_t(at.y + y) * size_t(sheet.width) + size_t(at.x),
                sprite.pixels.data() + size_t(y) * size_t(sprite.width), size_t(sprite.width));
}

}  // namespace

bool MakeSpriteSheet(const SpriteSet& set, SpriteSheet& sheet, int32_t maxSide) {
  if (set.Count() == 0) return false;
  // Rows about as long as the sheet is high, and never shorter than the widest sprite.
  int64_t widest = 0, area = 0;
  for (int32_t i = 0; i < set.Count(); ++i) {
    const Sprite& s = *set.Get(i);
    const int64_t w = Side(s.width), h = Side(s.height);
    if (w + 2 * kGap > maxSide || h + 2 * kGap > maxSide) return false;
    widest = std::max(widest, w);
    area += (w + kGap) * (h + kGap);
  }
  const int64_t rowLimit =
      std::max({widest + 2 * kGap, static_cast<int64_t>(std::sqrt(double(area))) + 2 * kGap, int64_t{64}});

  std::vector<SheetPlace> places;
  places.reserve(static_cast<size_t>(set.Count()));
  int64_t x = kGap, y = kGap, rowHeight = 0, right = 0;
  for (int32_t i = 0; i < set.Count(); ++i) {
    const Sprite& s = *set.Get(i);
    const int64_t w = Side(s.width), h = Side(s.height);
    if (x > kGap && x + w + kGap > rowLimit) {
      y += rowHeight + kGap;
      x = kGap;
      rowHeight = 0;
    }
    places.push_back(SheetPlace{static_cast<int32_t>(x), static_cast<int32_t>(y)});
    right = std::max(right, x + w);
    rowHeight = std::max(rowHeight, h);
    x += w + kGap;
    if (y + rowHeight + kGap > maxSide) return false;
  }
  int64_t width = right + kGap;
  width += width & 1;
  const int64_t height = y + rowHeight + kGap;
  if (width > maxSide) return false;  // the height was checked sprite by sprite

  sheet.width = static_cast<int32_t>(width);
  sheet.height = static_cast<int32_t>(height);
  sheet.pixels.assign(size_t(width) * size_t(height), 0);
  sheet.places = std::move(places);
  for (int32_t i = 0; i < set.Count(); ++i) Draw(sheet, *set.Get(i), sheet.places[size_t(i)]);
  return true;
}

bool MakeSingleSpriteSheet(const Sprite& sprite, SpriteSheet& sheet, int32_t maxSide) {
  if (!HasPixels(sprite) || sprite.width > maxSide || sprite.height > maxSide) return false;
  sheet.width = sprite.width;
  sheet.height = sprite.height;
  sheet.pixels.assign(sprite.pixels.begin(), sprite.pixels.begin() + int64_t(sprite.width) * sprite.height);
  sheet.places = {SheetPlace{0, 0}};
  return true;
}
