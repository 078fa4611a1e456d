#pragma once
// Encoders from pixel art to the binary files that windres embeds. Each returns
// false with a message when the art does not fit the output (unknown character,
// wrong size, too many colours).

#include <cstdint>
#include <string>
#include <vector>

#include "art_file.h"

// Sprite file of every image in order ("PLYK", version 100). Pixels map through the
// `value` legend. The total-length word counts pixels only, without the 12-byte
// record headers, and the offset table holds the running sum of earlier pixel counts.
bool EncodeSpriteFile(const ArtFile& art, std::vector<uint8_t>& out, std::string& error);

// .ico with one 32-bit image (alpha plus AND mask) per art image, through `colour`.
bool EncodeIcon(const ArtFile& art, std::vector<uint8_t>& out, std::string& error);

// .cur of the first image as a monochrome cursor with the art's hot spot. Only
// the colours none, black (000000) and white (ffffff) are possible.
bool EncodeCursor(const ArtFile& art, std::vector<uint8_t>& out, std::string& error);

// 8-bit .bmp with every image side by side (a tool-bar strip); all images share one
// height. Transparent pixels become light grey (c0c0c0), which tool bars show as the
// button face.
bool EncodeStripBitmap(const ArtFile& art, std::vector<uint8_t>& out, std::string& error);
