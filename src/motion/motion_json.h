#pragma once
// Motions as JSON for game engines and back (the format is written down in
// docs/motion-json.md): every bundle and motion with its sprite, offset, delay,
// effects, boxes and points (null when unset), flags and sound, the sprites as places
// on an indexed PNG atlas beside the JSON, and whatever the file stores that the
// editor does not interpret (reserved bytes, header words, names that are not text)
// as hex or as the stored number, so that importing the JSON gives the same file
// byte for byte.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "images/image.h"
#include "images/sprite_atlas.h"
#include "motion/stored_motion_file.h"
#include "sprites/palette.h"

constexpr int kMotionJsonVersion = 1;
constexpr const char* kMotionJsonFormat = "zorv-motions";

// The JSON text (UTF-8) of the file; the sprites lie at atlas.places on imageName.
std::string MotionJson(const StoredMotionFile& file, const SpriteAtlas& atlas, const std::string& imageName);

// What a JSON text describes: the file without its sprites' pixels (each sprite has
// its size, its pixels still empty), the sprites' places and the atlas picture's
// name as written in the JSON.
struct MotionJsonImport {
  StoredMotionFile file;
  SpriteAtlas atlas;
  std::string image;
};

// False with the first problem, named by its path ("bundles[2].motions[5].boxes[1]:
// x1 must be below x2"). Nothing of a refused text is used.
bool ParseMotionJson(std::string_view text, MotionJsonImport& out, std::string& error);
// Takes each sprite's pixels from its place on the atlas picture (indices as stored).
bool CutSpritesFromAtlas(MotionJsonImport& import, const IndexedImage& picture, std::string& error);

// The whole export: the JSON text and the atlas picture (an indexed PNG in the
// palette's colours, index 0 transparent; one transparent pixel when there are no
// sprites) that it names imageName.
struct MotionJsonExport {
  std::string json;
  std::vector<uint8_t> png;
};
bool ExportMotionJson(const StoredMotionFile& file, const PaletteBlock& palette, const std::string& imageName,
                      MotionJsonExport& out, std::string& reason);

// The whole import: the motion file's bytes from the JSON text and its atlas picture,
// which loadImage reads by the name the JSON gives (false: it cannot be read). An
// atlas that is not indexed is mapped to the palette. Nothing is produced for a
// refused input.
using ImageLoader = std::function<bool(const std::string& name, std::vector<uint8_t>& bytes)>;
bool ImportMotionJson(std::string_view text, const ImageLoader& loadImage, const PaletteBlock& palette,
                      std::vector<uint8_t>& zrv, std::string& error);
