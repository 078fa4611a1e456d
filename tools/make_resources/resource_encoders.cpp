#include "resource_encoders.h"

#include <map>

#include "base/byte_reader.h"

namespace {

bool Fail(std::string& error, const std::string& what) {
  error = what;
  return false;
}

bool ColourOf(const ArtFile& art, const ArtImage& image, char c, ArtColour& out, std::string& error) {
  auto it = art.colours.find(c);
  if (it == art.colours.end())
    return Fail(error, "image '" + image.name + "': character '" + std::string(1, c) + "' has no colour");
  out = it->second;
  return true;
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitCount, uint32_t imageSize,
                   uint32_t coloursUsed) {
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<uint16_t>(bitCount));
  PutU32(out, 0);  // no compression
  PutU32(out, imageSize);
  PutU32(out, 0);  // pixels per metre
  PutU32(out, 0);
  PutU32(out, coloursUsed);
  PutU32(out, 0);
}

// Rows of a 1-bit mask are padded to 32 bits.
size_t MaskStride(int width) {
  return static_cast<size_t>((width + 31) / 32) * 4;
}

}  // namespace

bool EncodeSpriteFile(const ArtFile& art, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  const auto count = static_cast<uint32_t>(art.images.size());
  uint32_t pixelSum = 0;
  for (const ArtImage& image : art.images) pixelSum += static_cast<uint32_t>(image.pixels.size());
  out.insert(out.end(), {'P', 'L', 'Y', 'K'});
  PutU32(out, 100);
  for (int i = 0; i < 5; ++i) PutU32(out, 0);
  PutU32(out, count);
  PutU32(out, 36 + 4 * count + pixelSum);
  uint32_t offset = 0;
  for (const ArtImage& image : art.images) {
    PutU32(out, offset);
    offset += static_cast<uint32_t>(image.pixels.size());
  }
  for (const ArtImage& image : art.images) {
    PutU32(out, static_cast<uint32_t>(image.pixels.size()));
    PutU32(out, static_cast<uint32_t>(image.width));
    PutU32(out, static_cast<uint32_t>(image.height));
    for (char c : image.pixels) {
      auto it = art.values.find(c);
      if (it == art.values.end())
        return Fail(error, "image '" + image.name + "': character '" + std::string(1, c) + "' has no value");
      out.push_back(static_cast<uint8_t>(it->second));
    }
  }
  return true;
}

bool EncodeIcon(const ArtFile& art, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (art.images.empty()) return Fail(error, "an icon needs at least one image");
  std::vector<std::vector<uint8_t>> entries;
  for (const ArtImage& image : art.images) {
    if (image.width > 255 || image.height > 255 || image.width != image.height)
      return Fail(error, "image '" + image.name + "': icon images are square, at most 255 pixels");
    const size_t maskStride = MaskStride(image.width);
    const auto xorSize = static_cast<uint32_t>(image.width * image.height * 4);
    const auto andSize = static_cast<uint32_t>(maskStride * image.height);
    std::vector<uint8_t> entry;
    PutInfoHeader(entry, image.width, image.height * 2, 32, xorSize + andSize, 0);
    std::vector<uint8_t> mask(andSize, 0);
    for (int y = image.height - 1; y >= 0; --y) {  // bottom-up
      const size_t maskRow = static_cast<size_t>(image.height - 1 - y) * maskStride;
      for (int x = 0; x < image.width; ++x) {
        ArtColour colour;
        if (!ColourOf(art, image, image.at(x, y), colour, error)) return false;
        if (colour.transparent) {
          entry.insert(entry.end(), {0, 0, 0, 0});
          mask[maskRow + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        } else {
          entry.insert(entry.end(), {colour.blue, colour.green, colour.red, 255});
        }
      }
    }
    entry.insert(entry.end(), mask.begin(), mask.end());
    entries.push_back(std::move(entry));
  }
  PutU16(out, 0);
  PutU16(out, 1);  // icon
  PutU16(out, static_cast<uint16_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const ArtImage& image = art.images[i];
    out.push_back(static_cast<uint8_t>(image.width));
    out.push_back(static_cast<uint8_t>(image.height));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutU16(out, 1);   // planes
    PutU16(out, 32);  // bits per pixel
    PutU32(out, static_cast<uint32_t>(entries[i].size()));
    PutU32(out, offset);
    offset += static_cast<uint32_t>(entries[i].size());
  }
  for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return true;
}

bool EncodeCursor(const ArtFile& art, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (art.images.empty()) return Fail(error, "a cursor needs an image");
  const ArtImage& image = art.images[0];
  if (image.width > 255 || image.height > 255)
    return Fail(error, "image '" + image.name + "': cursors are at most 255 pixels");
  if (art.hotspotX >= image.width || art.hotspotY >= image.height)
    return Fail(error, "the hot spot lies outside the cursor");
  const size_t stride = MaskStride(image.width);
  std::vector<uint8_t> xorMask(stride * image.height, 0), andMask(stride * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    const size_t row = static_cast<size_t>(image.height - 1 - y) * stride;  // bottom-up
    for (int x = 0; x < image.width; ++x) {
      ArtColour colour;
      if (!ColourOf(art, image, image.at(x, y), colour, error)) return false;
      const auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
      if (colour.transparent) {
        andMask[row + x / 8] |= bit;
      } else if (colour.red == 255 && colour.green == 255 && colour.blue == 255) {
        xorMask[row + x / 8] |= bit;
      } else if (colour.red != 0 || colour.green != 0 || colour.blue != 0) {
        return Fail(error, "image '" + image.name + "': a cursor has only black, white and none");
      }
    }
  }
  std::vector<uint8_t> body;
  PutInfoHeader(body, image.width, image.height * 2, 1, static_cast<uint32_t>(xorMask.size() * 2), 2);
  PutU32(body, 0x000000);  // colour table: black, white
  PutU32(body, 0xFFFFFF);
  body.insert(body.end(), xorMask.begin(), xorMask.end());
  body.insert(body.end(), andMask.begin(), andMask.end());

  PutU16(out, 0);
  PutU16(out, 2);  // cursor
  PutU16(out, 1);
  out.push_back(static_cast<uint8_t>(image.width));
  out.push_back(static_cast<uint8_t>(image.height));
  out.push_back(2);  // colours
  out.push_back(0);
  PutU16(out, static_cast<uint16_t>(art.hotspotX));
  PutU16(out, static_cast<uint16_t>(art.hotspotY));
  PutU32(out, static_cast<uint32_t>(body.size()));
  PutU32(out, 6 + 16);
  out.insert(out.end(), body.begin(), body.end());
  return true;
}

bool EncodeStripBitmap(const ArtFile& art, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (art.images.empty()) return Fail(error, "a bitmap needs at least one image");
  const int height = art.images[0].height;
  int width = 0;
  for (const ArtImage& image : art.images) {
    if (image.height != height)
      return Fail(error, "image '" + image.name + "': all strip images share one height");
    width += image.width;
    if (width > 4096) return Fail(error, "the strip is too wide");
  }
  // Palette: light grey first (the face colour), then colours in order of use.
  std::vector<uint32_t> palette{0xC0C0C0};
  std::map<uint32_t, uint8_t> indexOf{{0xC0C0C0, 0}};
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
  int left = 0;
  for (const ArtImage& image : art.images) {
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        ArtColour colour;
        if (!ColourOf(art, image, image.at(x, y), colour, error)) return false;
        const uint32_t rgb = colour.transparent
                                 ? 0xC0C0C0
                                 : uint32_t(colour.red) << 16 | uint32_t(colour.green) << 8 | colour.blue;
        auto it = indexOf.find(rgb);
        if (it == indexOf.end()) {
          if (palette.size() == 256) return Fail(error, "more than 256 colours in the strip");
          it = indexOf.emplace(rgb, static_cast<uint8_t>(palette.size())).first;
          palette.push_back(rgb);
        }
        pixels[static_cast<size_t>(y) * width + left + x] = it->second;
      }
    }
    left += image.width;
  }
  const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
  const auto imageSize = static_cast<uint32_t>(stride * height);
  const auto headerSize = static_cast<uint32_t>(14 + 40 + 4 * palette.size());
  out.insert(out.end(), {'B', 'M'});
  PutU32(out, headerSize + imageSize);
  PutU32(out, 0);
  PutU32(out, headerSize);
  PutInfoHeader(out, width, height, 8, imageSize, static_cast<uint32_t>(palette.size()));
  for (uint32_t rgb : palette) PutU32(out, rgb);  // blue, green, red, 0 in memory order
  for (int y = height - 1; y >= 0; --y) {         // bottom-up
    const uint8_t* row = &pixels[static_cast<size_t>(y) * width];
    out.insert(out.end(), row, row + width);
    out.insert(out.end(), stride - width, 0);
  }
  return true;
}
