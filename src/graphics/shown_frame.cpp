#include "graphics/shown_frame.h"

#include <algorithm>
#include <cstring>

std::vector<DrawRectangle> ShownFrame::changes(const uint8_t* pixels, int pitch, int width, int height,
                                               const uint8_t* colourTable) {
  if (pixels == nullptr || width <= 0 || height <= 0 || pitch < width) return {};
  const size_t rowBytes = static_cast<size_t>(width);
  const bool sameColours = colourTable == nullptr ? colours_.empty()
                                                  : colours_.size() == 1024 &&
                                                        std::memcmp(colours_.data(), colourTable, 1024) == 0;
  if (width != width_ || height != height_ || !sameColours) {
    width_ = width;
    height_ = height;
    pixels_.resize(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
      std::memcpy(pixels_.data() + rowBytes * y, pixels + static_cast<size_t>(pitch) * y, rowBytes);
    if (colourTable != nullptr)
      colours_.assign(colourTable, colourTable + 1024);
    else
      colours_.clear();
    return {DrawRectangle{0, 0, width, height}};
  }

  std::vector<DrawRectangle> areas;
  for (int y = 0; y < height; ++y) {
    const uint8_t* now = pixels + static_cast<size_t>(pitch) * y;
    uint8_t* shown = pixels_.data() + rowBytes * y;
    if (std::memcmp(now, shown, rowBytes) == 0) continue;
    int left = 0, right = width;
    while (now[left] == shown[left]) ++left;
    while (now[right - 1] == shown[right - 1]) --right;
    std::memcpy(shown + left, now + left, static_cast<size_t>(right - left));
    // An area ends at the last changed row it holds.
    if (!areas.empty() && y - areas.back().bottom < kRowGap) {
      DrawRectangle& area = areas.back();
      area.left = std::min(area.left, left);
      area.right = std::max(area.right, right);
      area.bottom = y + 1;
    } else {
      areas.push_back(DrawRectangle{left, y, right, y + 1});
    }
  }
  if (static_cast<int>(areas.size()) > kMaxAreas) {
    DrawRectangle box = areas.front();
    for (const DrawRectangle& area : areas) {
      box.left = std::min(box.left, area.left);
      box.right = std::max(box.right, area.right);
    }
    box.bottom = areas.back().bottom;
    areas.assign(1, box);
  }
  return areas;
}
