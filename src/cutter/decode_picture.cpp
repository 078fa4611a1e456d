#include "cutter/decode_picture.h"

#include <utility>

#include "cutter/anm_decoder.h"
#include "cutter/bmp_decoder.h"
#include "cutter/flc_decoder.h"
#include "cutter/fli_decoder.h"
#include "cutter/gif_decoder.h"
#include "cutter/pcx_decoder.h"
#include "cutter/png_decoder.h"

std::vector<std::unique_ptr<PictureDecoder>> MakePictureDecoders() {
  std::vector<std::unique_ptr<PictureDecoder>> decoders;
  decoders.push_back(std::make_unique<PcxDecoder>());
  decoders.push_back(std::make_unique<BmpDecoder>());
  decoders.push_back(std::make_unique<AnmDecoder>());
  decoders.push_back(std::make_unique<FlcDecoder>());
  decoders.push_back(std::make_unique<FliDecoder>());
  decoders.push_back(std::make_unique<PngDecoder>());
  decoders.push_back(std::make_unique<GifDecoder>());
  return decoders;
}

bool DecodePicture(const uint8_t* data, size_t size, DecodedPicture& out, bool keepFrames,
                   const PaletteBlock* mappingPalette, ReadResult* reason) {
  std::unique_ptr<PictureDecoder> decoder;
  ReadResult refused = ReadResult::NotThisKind("picture (PCX, BMP, ANM, FLC, FLI, PNG or GIF)");
  for (auto& candidate : MakePictureDecoders()) {
    if (candidate->probe(data, size, {})) {
      decoder = std::move(candidate);
      break;
    }
    // A decoder that knew the file but not its depth or layout says so.
    if (!candidate->reason() && refused.problem == ReadProblem::NotThisKind) refused = candidate->reason();
  }
  // A header that passes the probe but asks for an impossible size or more frames
  // than the file can hold is refused like an unknown format.
  if (!decoder) {
    if (reason) *reason = refused;
    return false;
  }
  decoder->setMappingPalette(mappingPalette);
  if (!decoder->open(data, size)) {
    if (reason) *reason = decoder->reason();
    return false;
  }

  DecodedPicture result;
  result.format = decoder->format();
  result.width = decoder->width();
  result.height = decoder->height();
  result.frameCount = decoder->frameCount();
  const size_t pixels = decoder->pixelCount();
  if (keepFrames) result.frames.reserve(static_cast<size_t>(result.frameCount));
  std::vector<uint8_t> running(result.frameCount > 0 ? pixels : 0, 0);
  for (int32_t i = 0; i < result.frameCount; ++i) {
    const FrameResult decoded = decoder->decodeInOrder(running.data(), i);
    if (decoded.damaged && result.damagedFrames.empty()) {
      // The first damage, told with its frame when the decoder gave no place.
      result.firstDamage = decoder->reason();
      if (result.firstDamage.ok()) result.firstDamage = ReadResult::Damaged(FilePart::None, -1);
      if (result.firstDamage.part == FilePart::None && result.firstDamage.detail.empty()) {
        result.firstDamage.part = FilePart::Frame;
        result.firstDamage.index = i;
        result.firstDamage.count = result.frameCount;
      }
    }
    if (decoded.damaged) result.damagedFrames.push_back(i);
    const bool distinct = i == 0 || decoded.changed;
    if (distinct && ++result.distinctFrames > kMaxHeldPixels / static_cast<int64_t>(pixels)) return false;
    if (!keepFrames) continue;
    PictureFrame frame;
    frame.width = result.width;
    frame.height = result.height;
    // A held frame shares the buffer of the one before.
    frame.pixels = distinct ? FramePixels(running) : result.frames.back().pixels;
    result.frames.push_back(std::move(frame));
  }
  result.palette = decoder->palette();
  result.coloursMapped = decoder->coloursMapped();
  out = std::move(result);
  return true;
}
