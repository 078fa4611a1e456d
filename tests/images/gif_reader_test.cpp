// GIF files that ImageMagick writes (pictures, animations with every disposal method,
// transparency, interlacing, local colour tables) decode to the frames ImageMagick
// composes from them; small files laid out by hand cover the rest, damaged ones
// refused with a reason and the place.
#include "images/gif_reader.h"

#include "images/gif_writer.h"
#include "support/reader_support.h"

using namespace readertest;

namespace {

class GifFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  }
  Bytes Write(const std::string& options) {
    const std::string command = "convert " + options + " " + Quoted(tmp_.dir / "x.gif");
    EXPECT_TRUE(Succeeds(command)) << command;
    return ReadAll(tmp_.dir / "x.gif");
  }
  // Every frame as ImageMagick composes it, one after the other.
  std::vector<Rgba> Theirs() {
    EXPECT_TRUE(Succeeds("convert " + Quoted(tmp_.dir / "x.gif") +
                         " -coalesce -depth 8 rgba:" + Quoted(tmp_.dir / "x.rgba")));
    return AsRgba(ReadAll(tmp_.dir / "x.rgba"));
  }
  ScratchFolder tmp_{"gif_reader_test"};
};

// Frames: a background, then smaller pictures placed over it, some with holes.
const std::string kScene =
    "-size 40x30 plasma: -repage +0+0 -seed 3 \\( -size 12x9 plasma: -repage +5+4 \\) "
    "\\( -size 20x11 gradient:red-blue -repage +17+13 \\) "
    "\\( -size 9x9 xc:none -fill lime -draw 'circle 4,4 4,1' -repage +2+18 \\) "
    "\\( -size 7x5 xc:yellow -repage +30+2 \\)";

// Small files laid out by hand, for the cases ImageMagick never writes. The global
// table (flag 0x80) holds red and blue.
constexpr Rgba kRed = MakeRgba(200, 0, 0), kBlue = MakeRgba(0, 0, 200);
Bytes Of(std::initializer_list<int> values) {
  return Bytes(values.begin(), values.end());
}
Bytes Gif(int width, int height, const std::vector<Bytes>& blocks, int flags = 0x80) {
  Bytes out = Of({'G', 'I', 'F', '8', '9', 'a', width, width >> 8, height, height >> 8, flags, 0, 0});
  if (flags & 0x80) out.insert(out.end(), {200, 0, 0, 0, 0, 200});
  for (const Bytes& b : blocks) out.insert(out.end(), b.begin(), b.end());
  out.push_back(0x3B);
  return out;
}
Bytes Control(int disposal, int transparent, int delay = 0) {
  return Of({0x21, 0xF9, 4, disposal << 2 | (transparent >= 0), delay, delay >> 8, transparent, 0});
}
// An image of LZW code size 2 (at its byte 10): raw codes, or indices as digits row by row.
Bytes Codes(int left, int top, int width, int height, const Bytes& codes, const Bytes& localTable = {}) {
  const int flags = localTable.empty() ? 0 : 0x80 | int(localTable.size() / 6 - 1);
  Bytes out = Of({0x2C, left, 0, top, 0, width, width >> 8, height, height >> 8, flags});
  out.insert(out.end(), localTable.begin(), localTable.end());
  out.insert(out.end(), {2, uint8_t(codes.size())});
  out.insert(out.end(), codes.begin(), codes.end());
  out.push_back(0);
  return out;
}
Bytes Lzw(const std::string& digits) {
  Bytes indices;
  for (char c : digits) indices.push_back(uint8_t(c - '0'));
  return EncodeGifLzw(indices.data(), indices.size(), 2);
}
Bytes Image(int left, int top, int width, const std::string& digits) {
  return Codes(left, top, width, int(digits.size()) / width, Lzw(digits));
}
Bytes Head(Bytes b, size_t n) {
  b.resize(n);
  return b;
}
Bytes Set(Bytes b, size_t at, uint8_t value) {
  b[at] = value;
  return b;
}

// The frames as text, a character a pixel ('0' red, '1' blue, 'k' black, '.' see-through)
// and "@delay" after a frame that has one; the size alone for a large screen; or the
// reason of a refusal. Each image must tell whether it changed the screen.
std::string Shown(const Bytes& data) {
  GifFile file;
  std::string reason;
  if (!ParseGif(data.data(), data.size(), file, reason)) return "refused: " + reason;
  if (file.width * file.height > 64) return std::to_string(file.width) + " x " + std::to_string(file.height);
  std::vector<Rgba> screen(size_t(file.width * file.height), 0);
  GifComposer<Rgba> composer;
  std::string text;
  for (size_t i = 0; i < file.images.size(); ++i) {
    const std::vector<Rgba> before = screen;
    const bool changed = composer.draw(file, i, screen.data(), file.images[i].colours);
    EXPECT_EQ(changed, screen != before) << "image " << i;
    if (i > 0) text += ' ';
    for (Rgba c : screen)
      text += c == 0 ? '.' : c == kRed ? '0' : c == kBlue ? '1' : c == MakeRgba(0, 0, 0) ? 'k' : '?';
    if (file.images[i].delayCentiseconds) text += "@" + std::to_string(file.images[i].delayCentiseconds);
  }
  return text;
}

}  // namespace

TEST(GifReader, SmallFilesLaidOutByHand) {
  const Bytes one = Gif(1, 1, {Image(0, 0, 1, "1")});  // its image at byte 19, the codes at 31
  // 4097 pixels for each byte of the file, which a comment block makes large enough to
  // need the justification: one more than a byte of LZW data gives.
  Bytes comment = {0x21, 0xFE};
  for (int i = 0; i < 3; ++i) comment.insert(comment.end(), 201, 200);
  comment.push_back(0);
  Bytes wide = Gif(4097, 0, {comment, Image(0, 0, 1, "1")});
  wide[8] = uint8_t(wide.size()), wide[9] = uint8_t(wide.size() >> 8);
  const struct {
    const char* what;
    Bytes file;
    const char* shown;
  } kFiles[] = {
      {"indices past the table", Gif(2, 1, {Image(0, 0, 2, "03")}), "0k"},
      {"a local table", Gif(2, 1, {Codes(0, 0, 2, 1, Lzw("01"), {0, 0, 200, 200, 0, 0})}, 0x70), "10"},
      {"restoring is a change",
       Gif(2, 1,
           {Control(1, -1, 7), Image(0, 0, 2, "00"), Control(3, -1), Image(0, 0, 1, "1"), Control(1, 1),
            Image(1, 0, 1, "1")}),
       "00@7 10 00"},
      {"only images that restore are restored",
       Gif(3, 1,
           {Image(0, 0, 3, "000"), Control(3, -1), Image(0, 0, 1, "1"), Image(1, 0, 1, "1"),
            Image(2, 0, 1, "1")}),
       "000 100 010 011"},
      {"pixels whose right neighbours show their colour already",
       Gif(3, 1, {Image(0, 0, 3, "001"), Image(1, 0, 1, "1"), Control(0, 0), Image(0, 0, 1, "1")}),
       "001 011 111"},
      {"a control block of three bytes is passed over",
       Gif(2, 1, {{0x21, 0xF9, 3, 5, 7, 0, 0}, Image(0, 0, 2, "01")}), "01"},
      // Clear, then four zeros of 3, 3, 3 and 4 bits: two bytes, no end code.
      {"codes that end with the data", Gif(4, 1, {Codes(0, 0, 4, 1, {0x04, 0x00})}), "0000"},
      {"a large screen that needs no justification", Gif(2048, 1024, {Image(0, 0, 1, "1")}), "2048 x 1024"},
      {"a larger one from a small file", wide, "refused: screen size 4097 x 641"},
      {"no screen", Gif(0, 0, {Image(0, 0, 1, "1")}), "refused: screen size 0 x 0"},
      {"not a GIF", Set(one, 3, '7'), "refused: not a GIF file"},
      {"no trailer", Head(one, one.size() - 1), "refused: no trailer"},
      {"cut image data", Head(one, 32), "refused: image data cut short at byte 19"},
      {"cut where the next sub-block's length would be", Head(one, 33),
       "refused: image data cut short at byte 19"},
      {"a cut extension", Head(Gif(1, 1, {Control(0, -1)}), 22), "refused: extension cut short at byte 19"},
      {"an unknown block", Gif(1, 1, {{0x2D}}), "refused: unknown block 45 at byte 19"},
      {"a code size past 8", Set(one, 29, 11), "refused: LZW code size 11 at byte 19"},
      {"a code size of 0", Set(one, 29, 0), "refused: LZW code size 0 at byte 19"},
      {"a huge image", Gif(1, 1, {Codes(0, 0, 65535, 65535, Lzw("1"))}),
       "refused: image of 65535 x 65535 too large at byte 19"},
      // Clear, then code 7.
      {"a code past the table", Gif(1, 1, {Codes(0, 0, 1, 1, {0x3C})}),
       "refused: LZW code 7 past the table of 6 at byte 19"},
      // Clear and a zero, then two bits.
      {"codes that stop short", Gif(2, 1, {Codes(0, 0, 2, 1, {0x04})}),
       "refused: LZW data ends before the image is full at byte 19"},
      {"an end code too early", Gif(1, 1, {Codes(0, 0, 1, 2, Lzw("0"))}),
       "refused: LZW end code before the image is full at byte 19"},
      {"a string past the image", Gif(1, 1, {Codes(0, 0, 2, 1, Lzw("000"))}),
       "refused: LZW data runs past the image at byte 19"},
  };
  for (const auto& f : kFiles) {
    SCOPED_TRACE(f.what);
    EXPECT_EQ(Shown(f.file), f.shown);
  }
  for (size_t n = 0; n < one.size(); ++n) {
    GifMovie movie;
    std::string reason;
    EXPECT_FALSE(ReadGif(one.data(), n, movie, reason)) << "cut at " << n;
    EXPECT_TRUE(movie.frames.empty());
    // Thirteen bytes hold the whole screen descriptor: less is no GIF at all.
    EXPECT_EQ(reason == "not a GIF file", n < 13) << "cut at " << n << ": " << reason;
  }
  // Frames whose screens together pass the limit are refused, each small as it is.
  const Bytes many = Gif(2048, 1024, std::vector<Bytes>(129, Image(0, 0, 1, "1")));
  GifMovie movie;
  std::string reason;
  EXPECT_FALSE(ReadGif(many.data(), many.size(), movie, reason));
  EXPECT_EQ(reason, "animation of 129 frames too large");
}

TEST_F(GifFiles, FramesAreComposedAsImageMagickComposesThem) {
  const std::pair<const char*, std::string> kMovies[] = {
      {"one picture", "-seed 5 -size 33x21 plasma: -colors 50"},
      {"one interlaced picture", "-seed 5 -size 21x45 plasma: -interlace GIF"},
      {"interlaced, 16 rows", "-seed 6 -size 9x16 plasma: -interlace GIF"},
      {"dispose 0", "-seed 5 -dispose 0 " + kScene},
      {"dispose 1", "-seed 5 -dispose 1 " + kScene},
      {"dispose 2", "-seed 5 -dispose 2 " + kScene},
      {"dispose 3", "-seed 5 -dispose 3 " + kScene},
      {"dispose 3 interlaced", "-seed 5 -dispose 3 " + kScene + " -interlace GIF"},
      {"mixed disposals",
       "-seed 5 -dispose 1 -size 40x30 plasma: -repage +0+0 -dispose 3 \\( -size 12x9 plasma: -repage +5+4 "
       "\\) "
       "-dispose 2 \\( -size 9x9 xc:none -fill lime -draw 'circle 4,4 4,1' -repage +2+18 \\) "
       "-dispose 0 \\( -size 7x5 xc:yellow -repage +30+2 \\)"},
  };
  for (const auto& [what, options] : kMovies) {
    const Bytes file = Write(options);
    const std::vector<Rgba> theirs = Theirs();
    GifMovie ours;
    std::string reason;
    ASSERT_TRUE(ReadGif(file.data(), file.size(), ours, reason)) << what << ": " << reason;
    std::vector<Rgba> all;
    for (const GifFrame& f : ours.frames) all.insert(all.end(), f.pixels.begin(), f.pixels.end());
    ExpectSamePixels(all, theirs, std::string(what) + " (" + std::to_string(ours.frames.size()) + " frames)");
  }
}
