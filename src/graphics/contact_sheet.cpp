#include "graphics/contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "sprites/palette.h"
#include "sprites/sprite_set.h"

ThumbnailPlacement PlaceThumbnail(int width, int height) {
  ThumbnailPlacement p;
  if (width <= kThumbnailSize && height <= kThumbnailSize) {
    p.x = (kThumbnailSize - width) / 2;
    p.y = (kThumbnailSize - height) / 2;
    return p;
  }
  p.scaled = true;
  p.scale = static_cast<float>(kThumbnailSize) / static_cast<float>(std::max(width, height));
  const auto offset = [&](int side) {
    return static_cast<int>(std::max(0.0f, (kThumbnailSize - static_cast<float>(side) * p.scale) * 0.5f));
  };
  // The longer side fills the cell: its offset comes out 0.
  p.x = offset(width);
  p.y = offset(height);
  return p;
}

void DrawThumbnail(DrawContext& dc, int cellX, int cellY, const Sprite* sprite, int flags, int colour) {
  if (!sprite) return;
  const ThumbnailPlacement p = PlaceThumbnail(sprite->width, sprite->height);
  if (p.scaled)
    dc.DrawSpriteScaled(cellX + p.x, cellY + p.y, sprite, p.scale, flags & kTranslucent, colour);
  else
    dc.DrawSprite(cellX + p.x, cellY + p.y, sprite, flags, colour);
}

ContactSheetLayout LayoutContactSheet(int count, int columns) {
  ContactSheetLayout l;
  l.columns = std::max(columns, 1);
  l.rows = std::max(1, (std::max(count, 0) + l.columns - 1) / l.columns);
  l.width = l.columns * kThumbnailCell;
  l.height = l.rows * kThumbnailCell;
  return l;
}

bool DrawContactSheet(Surface& surface, const SpriteSet& set, const PaletteBlock& palette, int columns,
                      const BitmapFont* ascii, const BitmapFont* hangul, std::string& error) {
  const int count = set.Count();
  const ContactSheetLayout layout = LayoutContactSheet(count, std::min(columns, 1000));
  if (int64_t(layout.rows) * kThumbnailCell > 30000) {
    error = "too many sprites for one sheet; use more columns";
    return false;
  }
  SurfaceParams params;
  params.width = layout.width;
  params.height = layout.height;
  if (!surface.Create(params)) {
    error = surface.GetMessage() ? surface.GetMessage() : "cannot create the surface";
    return false;
  }
  surface.SetPalette(0, 256, palette.bytes.data(), 1);
  DrawContext dc(&surface);
  dc.setBackground(kSheetBackground);
  dc.Begin();
  dc.SetFonts(ascii, hangul);
  dc.setTextColour(kLabelColour);
  dc.setTextOutlineColour(kLabelOutline);
  dc.setTextFlags(kTextOutline);
  for (int i = 0; i < count; ++i) {
    const int cellX = (i % layout.columns) * kThumbnailCell;
    const int cellY = (i / layout.columns) * kThumbnailCell;
    DrawThumbnail(dc, cellX, cellY, set.Get(i));
    char label[16];
    std::snprintf(label, sizeof label, "%d", i);
    dc.DrawText(cellX + kLabelOffsetX, cellY + kLabelOffsetY, label);
  }
  return true;
}
