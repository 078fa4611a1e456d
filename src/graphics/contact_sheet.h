#pragma once
// Thumbnails as the list windows show them, and a contact sheet of a whole sprite
// set drawn with the same rules: cells of 61 x 61 pixels (a 60 x 60 thumbnail and a
// one-pixel gap), sprites up to 60 x 60 centred, larger ones scaled by
// 60 / longest side with the longer side at the cell's edge.

#include <string>

#include "graphics/draw_context.h"

class SpriteSet;
struct PaletteBlock;

constexpr int kThumbnailCell = 61;
constexpr int kThumbnailSize = 60;

struct ThumbnailPlacement {
  int x = 0;  // offset of the drawing inside the cell
  int y = 0;
  bool scaled = false;
  float scale = 1.0f;
};

// Where and how a sprite of width x height goes into its cell.
ThumbnailPlacement PlaceThumbnail(int width, int height);
// Draws the sprite into the cell whose top-left corner is (cellX, cellY); flags and
// colour as for DrawSprite (only the translucent bit counts when scaled).
void DrawThumbnail(DrawContext& dc, int cellX, int cellY, const Sprite* sprite, int flags = 0,
                   int colour = -1);

struct ContactSheetLayout {
  int columns = 0;
  int rows = 0;
  int width = 0;
  int height = 0;
};
// columns below 1 count as 1; an empty set still has one row.
ContactSheetLayout LayoutContactSheet(int count, int columns);

// Where a cell's index label goes, relative to the cell, and its colours.
constexpr int kLabelOffsetX = 1;
constexpr int kLabelOffsetY = 1;
constexpr int kLabelColour = 0;
constexpr int kLabelOutline = 255;
constexpr int kSheetBackground = 255;

// Creates the surface (which must not be initialised yet) at the sheet's size, gives
// it the palette and draws every sprite with its index (labels only when both fonts
// are given). False with a message when the surface cannot be made.
bool DrawContactSheet(Surface& surface, const SpriteSet& set, const PaletteBlock& palette, int columns,
                      const BitmapFont* ascii, const BitmapFont* hangul, std::string& error);
