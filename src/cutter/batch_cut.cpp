#include "cutter/batch_cut.h"

#include <algorithm>

#include "cutter/picture.h"

std::vector<CutRect> findAllFigures(const CutSource& source) {
  std::vector<CutRect> found;
  if (!source.hasFrame()) return found;
  const PictureFrame& frame = *source.frame();
  const int32_t width = frame.width;
  // Compared as an int: an index outside 0 ... 255 matches no pixel.
  const int transparent = source.transparentIndex;

  // Rectangles that reach the current row, and their column spans sorted by left
  // edge; the spans are rebuilt only when a rectangle starts or ends.
  std::vector<CutRect> active;
  std::vector<std::pair<int32_t, int32_t>> spans;
  bool spansStale = false;

  for (int32_t y = 0; y < frame.height; ++y) {
    const size_t before = active.size();
    active.erase(std::remove_if(active.begin(), active.end(), [y](const CutRect& r) { return r.bottom < y; }),
                 active.end());
    if (active.size() != before) spansStale = true;
    if (spansStale) {
      spans.clear();
      for (const CutRect& r : active) spans.emplace_back(r.left, r.right);
      std::sort(spans.begin(), spans.end());
      spansStale = false;
    }
    const uint8_t* row = frame.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    size_t k = 0;
    int32_t x = 0;
    while (x < width) {
      while (k < spans.size() && spans[k].second < x) ++k;
      if (k < spans.size() && spans[k].first <= x) {
        x = spans[k].second + 1;
        continue;
      }
      const int32_t limit = k < spans.size() ? spans[k].first : width;
      while (x < limit && row[x] == transparent) ++x;
      if (x >= limit) continue;
      const CutRect r = source.findOutwardBounds(x, y);
      found.push_back(r);
      active.push_back(r);
      spansStale = true;
      // The new rectangle holds (x, y); the rest of this row after it is still open.
      x = r.right + 1;
    }
  }
  return found;
}

std::vector<CutRect> gridCells(const CutSource& source, const CutSize& size) {
  std::vector<CutRect> cells;
  if (!source.hasFrame() || size.width < 1 || size.height < 1) return cells;
  const PictureFrame& frame = *source.frame();
  for (int64_t y = 0; y < frame.height; y += size.height) {
    for (int64_t x = 0; x < frame.width; x += size.width) {
      cells.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y),
                       static_cast<int32_t>(x + size.width - 1), static_cast<int32_t>(y + size.height - 1)});
    }
  }
  return cells;
}

DuplicateFreeAppender::DuplicateFreeAppender(SpriteSet& set) : set_(set), equal_(set) {}

bool DuplicateFreeAppender::append(std::unique_ptr<Sprite> sprite) {
  if (!sprite || equal_.findOrAdd(*sprite)) return false;
  set_.Append(std::move(sprite));
  return true;
}

int appendCutSprites(const CutSource& source, const std::vector<CutRect>& rects, DuplicateFreeAppender& out) {
  int added = 0;
  for (const CutRect& r : rects) {
    if (out.append(source.makeSprite(r))) ++added;
  }
  return added;
}
