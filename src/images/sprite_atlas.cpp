#include "images/sprite_atlas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "images/png_writer.h"

namespace {

constexpr int64_t kGap = 1;

int64_t PowerOfTwoAbove(int64_t v) {
  int64_t p = 1;
  while (p < v) p *= 2;
  return p;
}

struct Box {
  int32_t index;
  int64_t w, h;  // with the gap on the right and at the bottom
};

struct Segment {
  int64_t x, y, w;
};

// Bottom-left skyline packing into a strip `stripWidth` wide (gap included); each
// box goes where its top ends lowest, leftmost on a tie.
SpriteAtlas PackStrip(const std::vector<Box>& boxes, size_t count, int64_t stripWidth) {
  SpriteAtlas atlas;
  atlas.places.resize(count);
  std::vector<Segment> sky = {{0, 0, stripWidth}};
  int64_t right = 0, bottom = 0;
  for (const Box& b : boxes) {
    size_t best = sky.size();
    int64_t bestTop = INT64_MAX;
    for (size_t i = 0; i < sky.size(); ++i) {
      const int64_t x = sky[i].x;
      if (x + b.w > stripWidth) break;
      int64_t y = 0;
      for (size_t j = i; j < sky.size() && sky[j].x < x + b.w; ++j) y = std::max(y, sky[j].y);
      if (y + b.h < bestTop) {
        best = i;
        bestTop = y + b.h;
      }
    }
    const int64_t x = sky[best].x, bestY = bestTop - b.h;
    atlas.places[size_t(b.index)] =
        AtlasPlace{int32_t(x), int32_t(bestY), int32_t(b.w - kGap), int32_t(b.h - kGap)};
    right = std::max(right, x + b.w - kGap);
    bottom = std::max(bottom, bestTop - kGap);
    // The new segment replaces the ones it covers; a partly covered one is shortened.
    const int64_t end = x + b.w;
    size_t j = best;
    while (j < sky.size() && sky[j].x + sky[j].w <= end) ++j;
    if (j < sky.size() && sky[j].x < end) {
      sky[j].w -= end - sky[j].x;
      sky[j].x = end;
    }
    sky.erase(sky.begin() + long(best), sky.begin() + long(j));
    sky.insert(sky.begin() + long(best), Segment{x, bestTop, b.w});
    // Neighbours at one height become one segment, which keeps the skyline short.
    for (size_t k = sky.size() - 1; k > 0; --k)
      if (sky[k - 1].y == sky[k].y) {
        sky[k - 1].w += sky[k].w;
        sky.erase(sky.begin() + long(k));
      }
  }
  atlas.width = int32_t(right);
  atlas.height = int32_t(bottom);
  return atlas;
}

}  // namespace

SpriteAtlas PackSprites(const SpriteSet& sprites, bool powerOfTwo) {
  std::vector<Box> boxes;
  int64_t widest = 0, area = 0;
  for (int32_t i = 0; i < sprites.Count(); ++i) {
    const Sprite& s = *sprites.Get(i);
    if (!HasPixels(s)) continue;
    boxes.push_back(Box{i, s.width + kGap, s.height + kGap});
    widest = std::max(widest, int64_t(s.width));
    area += (s.width + kGap) * (s.height + kGap);
  }
  const size_t count = size_t(sprites.Count());
  if (boxes.empty()) {
    SpriteAtlas none;
    none.places.resize(count);
    return none;
  }
  std::stable_sort(boxes.begin(), boxes.end(),
                   [](const Box& a, const Box& b) { return a.h != b.h ? a.h > b.h : a.w > b.w; });

  // Picture widths to try: from about square to twice as wide, never below the widest.
  std::vector<int64_t> widths;
  const double side = std::sqrt(double(area));
  if (powerOfTwo) {
    for (int64_t w = PowerOfTwoAbove(widest); w <= std::max(PowerOfTwoAbove(widest), 2 * int64_t(side));
         w *= 2)
      widths.push_back(w);
  } else {
    for (double f : {1.0, 1.1, 1.25, 1.5, 2.0}) widths.push_back(std::max(widest, int64_t(side * f)));
  }
  SpriteAtlas best;
  int64_t bestArea = INT64_MAX, bestSide = INT64_MAX;
  for (int64_t w : widths) {
    SpriteAtlas a = PackStrip(boxes, count, w + kGap);
    if (powerOfTwo) {
      a.width = int32_t(PowerOfTwoAbove(a.width));
      a.height = int32_t(PowerOfTwoAbove(a.height));
    }
    const int64_t aArea = int64_t(a.width) * a.height, aSide = std::max(a.width, a.height);
    if (aArea < bestArea || (aArea == bestArea && aSide < bestSide)) {
      bestArea = aArea;
      bestSide = aSide;
      best = std::move(a);
    }
  }
  return best;
}

IndexedImage DrawAtlas(const SpriteSet& sprites, const SpriteAtlas& atlas, const PaletteBlock& palette) {
  IndexedImage image;
  image.width = atlas.width;
  image.height = atlas.height;
  image.pixels.assign(size_t(std::max(atlas.width, 0)) * size_t(std::max(atlas.height, 0)), 0);
  image.colours = PaletteColours(palette);
  for (int32_t i = 0; i < sprites.Count() && size_t(i) < atlas.places.size(); ++i) {
    const Sprite& s = *sprites.Get(i);
    const AtlasPlace& p = atlas.places[size_t(i)];
    // Only a place that matches the sprite and lies inside the picture is drawn.
    if (!HasPixels(s) || p.w != s.width || p.h != s.height || p.x < 0 || p.y < 0 ||
        int64_t(p.x) + p.w > atlas.width || int64_t(p.y) + p.h > atlas.height)
      continue;
    for (int32_t y = 0; y < s.height; ++y)
      std::memcpy(image.pixels.data() + size_t(p.y + y) * size_t(atlas.width) + size_t(p.x),
                  s.pixels.data() + size_t(y) * size_t(s.width), size_t(s.width));
  }
  return image;
}

std::string AtlasJson(const SpriteAtlas& atlas, const std::string& imageName) {
  using Json = nlohmann::ordered_json;
  Json frames = Json::array();
  for (size_t i = 0; i < atlas.places.size(); ++i) {
    const AtlasPlace& p = atlas.places[i];
    // Untrimmed and unrotated, stated outright for the importers that want them.
    frames.push_back(Json{{"filename", std::to_string(i)},
                          {"frame", {{"x", p.x}, {"y", p.y}, {"w", p.w}, {"h", p.h}}},
                          {"rotated", false},
                          {"trimmed", false},
                          {"spriteSourceSize", {{"x", 0}, {"y", 0}, {"w", p.w}, {"h", p.h}}},
                          {"sourceSize", {{"w", p.w}, {"h", p.h}}}});
  }
  const Json meta = {{"app", "plyktool"},
                     {"image", imageName},
                     {"format", "RGBA8888"},
                     {"size", {{"w", atlas.width}, {"h", atlas.height}}},
                     {"scale", "1"}};
  // A name that is not UTF-8 (a command line in another code page) gets U+FFFD.
  return Json{{"frames", frames}, {"meta", meta}}.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}
