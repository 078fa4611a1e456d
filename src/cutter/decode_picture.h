#pragma once
// The decoders put together: the list in probe order and the decoding part of a
// picture load. Kept apart from the decoder base so that the base knows none of its
// subclasses.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/read_result.h"
#include "cutter/picture_decoder.h"
#include "cutter/picture_frame.h"
#include "sprites/palette.h"

// The decoders in probe order: PCX, BMP, ANM, FLC, FLI, PNG, GIF.
std::vector<std::unique_ptr<PictureDecoder>> MakePictureDecoders();

// Everything a load takes from a file.
struct DecodedPicture {
  const char* format = "";
  int32_t width = 0;
  int32_t height = 0;
  int32_t frameCount = 0;
  int32_t distinctFrames = 0;  // frames that do not repeat the one before
  std::vector<PictureFrame> frames;
  std::array<uint8_t, 768> palette{};
  // Frames whose data ended early or did not hold together; they are decoded as far
  // as their data goes.
  std::vector<int32_t> damagedFrames;
  ReadResult firstDamage;      // why the first damaged frame was
  bool coloursMapped = false;  // a true-colour picture was mapped to the mapping palette
};

// The decoding part of Picture::load: the first decoder whose probe says yes opens
// the data and decodes every frame. False when no decoder reads the data, the header
// is refused or the frames would hold more than kMaxHeldPixels; out is then untouched.
// Without keepFrames every frame is decoded and counted but frames stays empty.
// True-colour pictures are mapped to mappingPalette (the built-in one when null). A
// refusal leaves its reason in *reason: the reader's own, or "not a picture".
bool DecodePicture(const uint8_t* data, size_t size, DecodedPicture& out, bool keepFrames = true,
                   const PaletteBlock* mappingPalette = nullptr, ReadResult* reason = nullptr);
