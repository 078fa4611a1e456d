#include "cutter/gif_decoder.h"

#include <cstring>

bool GifDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  return PeekGifSize(data, size, width_, height_);
}

bool GifDecoder::open(const uint8_t* data, size_t size) {
  if (!PeekGifSize(data, size, width_, height_)) return false;
  if (!acceptSize(width_, height_, size)) return false;
  std::string why;
  if (!ParseGif(data, size, file_, why)) {
    reason_ = ReadResult::Described(why);
    return false;
  }
  const GifImage& first = file_.images.front();
  palette_.fill(0);
  for (int i = 0; i < first.tableSize; ++i) {
    const Rgba c = first.colours[size_t(i)];
    uint8_t* entry = &palette_[3 * size_t(i)];
    entry[0] = uint8_t(c), entry[1] = uint8_t(c >> 8), entry[2] = uint8_t(c >> 16);
  }
  // Images with the first image's table keep their indices; others take the nearest
  // colours, each table searched once.
  auto block = std::make_unique<PaletteBlock>();
  std::memcpy(block->palette(), palette_.data(), palette_.size());
  luts_.assign(file_.images.size(), {});
  for (size_t n = 0; n < file_.images.size(); ++n) {
    const GifImage& image = file_.images[n];
    const bool same =
        image.tableSize <= first.tableSize &&
        std::equal(image.colours.begin(), image.colours.begin() + image.tableSize, first.colours.begin());
    for (size_t i = 0; i < luts_[n].size(); ++i)
      luts_[n][i] = same || int(i) >= image.tableSize ? uint8_t(i) : NearestColor(*block, image.colours[i]);
  }
  frameCount_ = static_cast<int32_t>(file_.images.size());
  return true;
}

// The composer keeps no state across a restart: what it saves under an image is
// saved again when that image is drawn, before the next image restores it.
void GifDecoder::rewind() {
  nextImage_ = 0;
}

void GifDecoder::decodeNext(uint8_t* frame) {
  changes_.changed = composer_.draw(file_, nextImage_, frame, luts_[nextImage_]);
  ++nextImage_;
}
