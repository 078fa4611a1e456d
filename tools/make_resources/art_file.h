#pragma once
// Pixel art kept as text, one character per pixel. A file is a list of lines:
//
//   # comment                     (also blank lines)
//   colour <c> <rrggbb>|none      the colour of character c in icons and bitmaps
//   value <c> <0-255>             the palette index of character c in sprite files
//   hotspot <x> <y>               hot spot of a cursor
//   image <name> <width> <height> followed by exactly <height> rows of <width> characters
//
// Several files may be read into one ArtFile: definitions accumulate and images
// are kept in reading order, so a shared colour file can come first.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ArtColour {
  bool transparent = false;
  uint8_t red = 0, green = 0, blue = 0;
};

struct ArtImage {
  std::string name;
  int width = 0;
  int height = 0;
  std::string pixels;  // width * height characters, row by row, top row first

  char at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct ArtFile {
  std::map<char, ArtColour> colours;
  std::map<char, int> values;
  int hotspotX = 0;
  int hotspotY = 0;
  std::vector<ArtImage> images;
};

// Largest image side accepted; the resources made from the art are small.
constexpr int kMaxArtSide = 256;

// Parses text into art. On failure returns false and sets error to a message that
// names the line. Characters in rows are checked against the legend only when the
// art is encoded, since a row's meaning depends on the output kind.
bool ParseArt(const std::string& text, const std::string& sourceName, ArtFile& art, std::string& error);
bool ReadArtFile(const std::string& path, ArtFile& art, std::string& error);
