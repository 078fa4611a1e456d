// make_fonts: writes the two FONTS resources from free X11 bitmap fonts.
//
//   make_fonts OUTDIR [--ascii 6x12.pcf.gz] [--hangul gulim12.pcf.gz]
//
// The ASCII font (codes 0 to 127, 6 x 12) comes from misc-fixed 6x12 of xfonts-base,
// the Hangul font (lead bytes 0xA4 to 0xC8, 96 cells each, 12 x 12) from Baekmuk
// Gulim 12 of xfonts-baekmuk. Cell 0 of row 0xB0 gets a framed square, the glyph
// shown for characters the font does not have. The outputs are committed in
// src/graphics/fonts/; run this by hand after `apt-get install xfonts-base
// xfonts-baekmuk` to make them again:
//
//   make_fonts src/graphics/fonts
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "pcf_font.h"

namespace {

const char* kDefaultAscii = "/usr/share/fonts/X11/misc/6x12-ISO8859-1.pcf.gz";
const char* kDefaultHangul = "/usr/share/fonts/X11/75dpi/gulim12.pcf.gz";

// A font resource being built: header and glyphs of width x height.
class FontImage {
 public:
  FontImage(int width, int height, int glyphs)
      : width_(width),
        height_(height),
        bytesPerRow_((width + 7) / 8),
        bits_(static_cast<size_t>(glyphs * bytesPerRow_ * height), 0) {}

  void set(int glyph, int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    bits_[static_cast<size_t>((glyph * height_ + y) * bytesPerRow_ + x / 8)] |=
        static_cast<uint8_t>(0x80 >> (x % 8));
  }

  // Copies a PCF glyph into its cell: the pen at the cell's left edge, the font's
  // baseline at its ascent. Returns the number of ink pixels that fell outside.
  int put(int glyph, const PcfFont& font, const PcfGlyph& g) {
    const int w = g.rightBearing - g.leftBearing, h = g.ascent + g.descent;
    int lost = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (!g.ink[static_cast<size_t>(y * w + x)]) continue;
        const int cx = g.leftBearing + x, cy = font.fontAscent - g.ascent + y;
        if (cx < 0 || cy < 0 || cx >= width_ || cy >= height_) {
          ++lost;
        } else {
          set(glyph, cx, cy);
        }
      }
    }
    return lost;
  }

  bool write(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    const int32_t header[2] = {width_, height_};
    for (int32_t v : header) {
      const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
      out.write(reinterpret_cast<const char*>(b), 4);
    }
    out.write(reinterpret_cast<const char*>(bits_.data()), static_cast<std::streamsize>(bits_.size()));
    out.close();
    return static_cast<bool>(out);
  }

 private:
  int width_, height_, bytesPerRow_;
  std::vector<uint8_t> bits_;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "make_fonts: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string outDir, asciiPath = kDefaultAscii, hangulPath = kDefaultHangul;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--ascii" && i + 1 < argc) {
      asciiPath = argv[++i];
    } else if (a == "--hangul" && i + 1 < argc) {
      hangulPath = argv[++i];
    } else if (outDir.empty() && a[0] != '-') {
      outDir = a;
    } else {
      return Fail("usage: make_fonts OUTDIR [--ascii FONT.pcf.gz] [--hangul FONT.pcf.gz]");
    }
  }
  if (outDir.empty()) return Fail("usage: make_fonts OUTDIR [--ascii FONT.pcf.gz] [--hangul FONT.pcf.gz]");

  std::string error;
  PcfFont ascii, hangul;
  if (!ReadPcfFont(asciiPath, ascii, error)) return Fail(error);
  if (!ReadPcfFont(hangulPath, hangul, error)) return Fail(error);

  FontImage asciiImage(6, 12, 128);
  int lost = 0, missing = 0;
  for (int code = 0; code < 128; ++code) {
    const PcfGlyph* g = ascii.find(code);
    if (g) {
      lost += asciiImage.put(code, ascii, *g);
    } else if (code >= 32 && code < 127) {
      ++missing;
    }
  }
  if (missing) return Fail(asciiPath + " lacks printable ASCII glyphs");
  if (lost) std::fprintf(stderr, "make_fonts: %d ASCII ink pixels outside the 6 x 12 cell\n", lost);

  // KS C 5601 fonts are indexed by the code's 7-bit (GL) form; EUC-KR sets bit 7.
  const int shift = hangul.maxByte1 >= 0xA1 ? 0 : 0x80;
  FontImage hangulImage(12, 12, 37 * 96);
  lost = 0;
  int present = 0;
  for (int lead = 0xA4; lead <= 0xC8; ++lead) {
    for (int cell = 1; cell < 96; ++cell) {
      const int trail = 0xA0 + cell;
      const PcfGlyph* g = hangul.find((lead - shift) << 8 | (trail - shift));
      if (!g) continue;
      ++present;
      lost += hangulImage.put((lead - 0xA4) * 96 + cell, hangul, *g);
    }
  }
  if (present < 2350) return Fail(hangulPath + " lacks the KS X 1001 syllables");
  if (lost) std::fprintf(stderr, "make_fonts: %d Hangul ink pixels outside the 12 x 12 cell\n", lost);
  // The framed square: a 10 x 10 frame inside the cell.
  const int square = (0xB0 - 0xA4) * 96;
  for (int i = 1; i <= 10; ++i) {
    hangulImage.set(square, i, 1);
    hangulImage.set(square, i, 10);
    hangulImage.set(square, 1, i);
    hangulImage.set(square, 10, i);
  }

  const std::string asciiOut = outDir + "/ascii_6x12.fnt", hangulOut = outDir + "/hangul_12x12.fnt";
  if (!asciiImage.write(asciiOut)) return Fail("cannot write " + asciiOut);
  if (!hangulImage.write(hangulOut)) return Fail("cannot write " + hangulOut);
  std::printf("wrote %s and %s (%d Hangul glyphs)\n", asciiOut.c_str(), hangulOut.c_str(), present);
  return 0;
}
