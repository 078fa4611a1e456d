// PCX, BMP, FLC and ANM decoding checked against the independent writers in
// picture_writers.h, and the linear decoding of animations against a replay of
// every frame from the start.
#include <gtest/gtest.h>

#include "base/byte_reader.h"
#include "cutter/anm_decoder.h"
#include "cutter/decode_picture.h"
#include "images/gif_writer.h"
#include "picture_checks.h"
#include "sprites/indexed_bmp.h"

using namespace testpic;

namespace {

// The first n colours of p, the rest black.
Palette FirstColours(const Palette& p, int n) {
  Palette out{};
  std::copy(p.begin(), p.begin() + 3 * n, out.begin());
  return out;
}

// A PCX header for w x h followed by hand-made run data and a palette.
Bytes PcxRaw(int w, int h, const Bytes& data, const Palette& pal) {
  Bytes b = WritePcx(Image(w, h), pal);
  b.resize(128);
  Append(b, data);
  Put(b, 0x0C);
  b.insert(b.end(), pal.begin(), pal.end());
  return b;
}

// Frames that move a figure over a background, changing a few rows each time.
std::vector<Image> Moving(int w, int h, int count) {
  std::vector<Image> frames;
  const Image base = Pattern(w, h, 7);
  for (int i = 0; i < count; ++i) {
    Image f = base;
    for (int y = 2 + i; y < std::min(h, 7 + i); ++y)
      for (int x = i; x < std::min(w, i + 9); ++x) f.at(x, y) = static_cast<uint8_t>(200 + i);
    if (i % 2) f.at(w - 1, h - 1) = static_cast<uint8_t>(i);  // the odd last column changes
    frames.push_back(f);
  }
  return frames;
}

// The decoder that reads data, as a load would pick it, opened.
std::unique_ptr<PictureDecoder> Opened(const Bytes& data) {
  for (auto& d : MakePictureDecoders())
    if (d->probe(data.data(), data.size(), {})) {
      EXPECT_TRUE(d->open(data.data(), data.size())) << d->format();
      return std::move(d);
    }
  ADD_FAILURE() << "no decoder reads the data";
  return nullptr;
}

// Each frame decoded by a fresh decoder (frames 0..i replayed from the start) equals
// the picture's; one decoder stepping forward decodes each frame once, going back
// starts again from the first, and a frame past the last decodes nothing and leaves
// the buffer alone. Gives the palette after the last frame.
Palette CheckDecoder(const Bytes& data, const Picture& pic) {
  const auto one = Opened(data);
  if (!one) return {};
  // Cleared as a load clears them: pixels that no code writes may keep what was there.
  Bytes out(one->pixelCount(), 0), fresh(one->pixelCount(), 0);
  Palette last{};
  const int count = pic.frameCount();
  for (int i = 0; i < count; ++i) {
    const auto d = Opened(data);
    d->decodeFrame(fresh.data(), i);
    EXPECT_EQ(d->framesDecoded(), i + 1);
    last = d->palette();
    EXPECT_EQ(fresh, pic.frames()[i].pixels) << "frame " << i;
    one->decodeFrame(out.data(), i);
    EXPECT_EQ(one->framesDecoded(), 1);
    EXPECT_EQ(out, fresh) << "frame " << i;
  }
  const int back = std::min(2, count - 1);
  one->decodeFrame(out.data(), back);
  EXPECT_EQ(one->framesDecoded(), back + 1);
  EXPECT_EQ(out, pic.frames()[back].pixels);
  one->decodeFrame(out.data(), count);
  EXPECT_EQ(one->framesDecoded(), 0);
  EXPECT_EQ(out, pic.frames()[back].pixels);
  return last;
}

}  // namespace

TEST(StillPictures, WrittenFilesDecodeToTheirPixelsAndPalette) {
  struct Case {
    const char* name;
    Bytes file;
    Image img;
    int width;    // decoded width: PCX rounded up to even, BMP to a multiple of 4
    int padding;  // value of the extra columns, -1 when not checked
    Palette pal;
  };
  const Palette p = TestPalette(3), none{};
  const Image img = Pattern(13, 5), img16 = Pattern(13, 5, 2, 16);
  Image rle8 = Pattern(21, 9);
  for (int x = 0; x < 21; ++x) rle8.at(x, 4) = 7;  // a long run
  const std::vector<Case> cases = {
      {"pcx", WritePcx(Pattern(40, 17), p), Pattern(40, 17), 40, -1, p},
      {"pcx odd width", WritePcx(img, p), img, 14, 0, p},
      {"pcx origin, long lines", WritePcx(Pattern(10, 6), p, {100, 50, 16}), Pattern(10, 6), 10, -1, p},
      {"pcx odd scan line", WritePcx(img, p, {0, 0, 13}), img, 13, -1, p},
      {"pcx no palette", WritePcx(img, p, {0, 0, -1, 8, 1, false}), img, 14, 0, none},
      {"bmp bottom-up", WriteBmp(Pattern(24, 11), p), Pattern(24, 11), 24, -1, p},
      {"bmp top-down", WriteBmp(img, p, {0, false, false, 0, true}), img, 16, 0, p},
      {"bmp negative width", WriteBmp(img, p, {0, false, false, 0, false, false, true}), img, 16, 0, p},
      {"bmp data offset", WriteBmp(img, p, {0, false, false, 34}), img, 16, 0, p},
      {"bmp rle8", WriteBmp(rle8, p, {0, false, false, 0, false, true}), rle8, 24, 0, p},
      {"bmp 256 used", WriteBmp(img, p, {256}), img, 16, 0, p},
      {"bmp 16 of 256 used", WriteBmp(img16, p, {16}), img16, 16, 0, FirstColours(p, 16)},
      {"bmp table of 16", WriteBmp(img16, p, {16, true}), img16, 16, 0, FirstColours(p, 16)},
      {"bmp table of 1", WriteBmp(Image(5, 3), p, {1, true, false, 6}), Image(5, 3), 8, 0,
       FirstColours(p, 1)},
      {"os/2 bmp", WriteBmp(img, p, {0, false, true}), img, 16, 0, p},
      {"os/2 bmp table cut by the data offset", WriteBmp(img16, p, {100, true, true}), img16, 16, 0,
       FirstColours(p, 100)},
      {"our bmp writer", EncodeIndexedBmp(img.pixels.data(), 13, 5, 13, BmpColourTable(p.data()).data()), img,
       16, 0, p},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Picture pic;
    ASSERT_TRUE(Load(pic, c.file));
    ASSERT_EQ(pic.frameCount(), 1);
    EXPECT_EQ(pic.frames()[0].width, c.width);
    ExpectFrame(pic.frames()[0], c.img, c.padding);
    ExpectPalette(pic, c.pal);
    ExpectPalette(pic, CheckDecoder(c.file, pic));
  }
}

TEST(StillPictures, HandMadeCodesDecodeAsDefined) {
  const Palette pal = TestPalette(9);
  Bytes rle = WriteBmp(Image(8, 4), pal);
  rle.resize(14 + 40 + 1024);
  Patch(rle, 30, 1, 4);
  // Bottom row: 2 x 3; delta right 4 and up 2; 1 x 9; end of bitmap: the rest stays 0,
  // the run after it too.
  Append(rle, {2, 3, 0, 2, 4, 2, 1, 9, 0, 1, 3, 6});
  Bytes rleWant(32, 0);
  rleWant[24] = rleWant[25] = 3;
  rleWant[14] = 9;
  // The padding of a 13-wide BMP becomes columns 13..15.
  const Image img = Pattern(13, 7);
  Bytes padded = WriteBmp(img, pal);
  padded[14 + 40 + 1024 + 13] = 0xAB;  // first stored row: the bottom one
  Bytes paddedWant(16 * 7, 0);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x) paddedWant[y * 16 + x] = img.at(x, y);
  paddedWant[6 * 16 + 13] = 0xAB;
  Bytes offsetAtEnd = padded;  // a data offset at the very end: the pixels follow the table
  Patch(offsetAtEnd, 10, static_cast<uint32_t>(offsetAtEnd.size()), 4);
  // A short BMP keeps the rows it has: the top row is missing, the next cut after 5 pixels.
  const Image six = Pattern(8, 6);
  Bytes shortBmp = WriteBmp(six, pal);
  shortBmp.resize(shortBmp.size() - 8 - 3);
  Bytes shortWant = six.pixels;
  std::fill(shortWant.begin(), shortWant.begin() + 8 + 8, 0);
  std::copy(six.pixels.begin() + 8, six.pixels.begin() + 13, shortWant.begin() + 8);
  // FLC packets that run past the row, rows past the frame, skips beyond it.
  const auto flc = [&](int w, int h, std::vector<Bytes> chunks) {
    chunks.insert(chunks.begin(), Colour256Full(pal));
    return WriteFlc(w, h, {FrameChunk(chunks)});
  };
  Bytes lc = {1, 0, 3, 0};  // first row 1, three rows: the last two outside a 2-row frame
  for (int r = 0; r < 3; ++r) Append(lc, {2, 1, static_cast<uint8_t>(-100), 7, 250, 2, 1, 2});
  // Skip 16384 rows, the last pixel of a row outside the frame, a far skip.
  const Bytes ss2 = {3, 0, 0x00, 0xC0, 0x05, 0x80, 1, 0, 200, 1, 1, 1};
  const Bytes brun = {3, 100, 6, static_cast<uint8_t>(-100)};  // row 0 ends full; row 1 cut short
  // Words 0x8000..0xBFFF set a row's last pixel and are not row skips, also on a line without packets.
  const Bytes lastPixel = {2, 0, 0x40, 0x80, 1, 0, 0, 1, 1, 2, 0x41, 0x80, 1, 0, 0, 1, 2, 3};
  const Bytes noPackets = {2, 0, 7, 0x80, 0, 0, 1, 0, 0, 1, 8, 9};

  const std::vector<std::tuple<const char*, Bytes, Bytes>> cases = {
      {"pcx empty run consumes its value", PcxRaw(4, 1, {0xC0, 0x77, 0xC4, 0x05}, pal), {5, 5, 5, 5}},
      {"pcx run across scan lines", PcxRaw(2, 2, {0xC3, 0x09, 0x04}, pal), {9, 9, 9, 4}},
      {"pcx run of 63 into 2 x 2", PcxRaw(2, 2, {0xFF, 0x04}, pal), {4, 4, 4, 4}},
      {"flc past the frame",
       flc(4, 2, {Chunk(12, lc), Chunk(7, ss2), Chunk(15, brun)}),
       {6, 6, 6, 6, 0, 7, 7, 7}},
      {"flc last pixel words", flc(3, 2, {Chunk(7, lastPixel)}), {1, 2, 0x40, 2, 3, 0x41}},
      {"flc last pixel without packets", flc(3, 2, {Chunk(7, noPackets)}), {0, 0, 7, 8, 9, 0}},
      {"flc copy of one pixel", flc(3, 1, {Chunk(16, {5})}), {5, 0, 0}},
      {"bmp rle8 delta and early end", rle, rleWant},
      {"bmp padding columns", padded, paddedWant},
      {"bmp data offset at the end", offsetAtEnd, paddedWant},
      {"bmp short file", shortBmp, shortWant},
  };
  for (const auto& [name, file, want] : cases) {
    Picture pic;
    ASSERT_TRUE(Load(pic, file)) << name;
    EXPECT_EQ(pic.frames()[0].pixels, want) << name;
    ExpectPalette(pic, pal);
    ExpectPalette(pic, CheckDecoder(file, pic));
  }
}

TEST(FlicDecoders, EveryChunkTypeOverSeveralFrames) {
  const int w = 31, h = 14;  // odd width: word deltas carry the last pixel in a 0x8000 word
  const auto frames = Moving(w, h, 6);
  Palette pal64{};
  for (int i = 0; i < 768; ++i) pal64[i] = static_cast<uint8_t>((i * 5 + 3) % 64);
  const std::vector<Bytes> chunks = {
      FrameChunk({Colour256Full(TestPalette(11)), ByteRunChunk(frames[0])}),
      FrameChunk({WordDeltaChunk(frames[0], frames[1])}),
      FrameChunk({ByteDeltaChunk(frames[1], frames[2]), Chunk(18, Bytes(40, 0x33))}),
      FrameChunk({Chunk(13, {}), ByteDeltaChunk(Image(w, h), frames[3])}),
      FrameChunk({Colour64Full(pal64), WordDeltaChunk(frames[3], frames[4])}),
      FrameChunk({CopyChunk(frames[5])}),
      FrameChunk({CopyChunk(Image(w, h, 1))}),  // a ring frame after the counted ones
  };
  // The palette after the last frame is the 64-level one: FLC multiplies by four, FLI
  // scales 63 to 255. Each frame also equals a replay from the start.
  for (unsigned magic : {0xAF12u, 0xAF11u}) {
    Bytes file = WriteFlc(w, h, chunks, {}, magic);
    Patch(file, 6, 6);
    Picture pic;
    ASSERT_TRUE(Load(pic, file)) << std::hex << magic;
    ExpectFrames(pic, frames);
    Palette want{};
    for (int i = 0; i < 768; ++i)
      want[i] = magic == 0xAF12u ? static_cast<uint8_t>(pal64[i] * 4) : Scale64(pal64[i]);
    ExpectPalette(pic, want);
    EXPECT_EQ(CheckDecoder(file, pic), want);
  }
}

TEST(FlcDecoder, PalettePacketsSkip) {
  const Palette pal = TestPalette(21);
  // Packet 1: skip 5, 3 colours (5..7); packet 2: skip 2 more (10), 1 colour;
  // packet 3: colours 254 and 255, and a third with nowhere to go.
  Bytes last(pal.end() - 6, pal.end());
  last.insert(last.end(), {1, 2, 3});
  const Bytes few = ColourChunk(4, {{5, Bytes(pal.begin() + 15, pal.begin() + 24)},
                                    {10, Bytes(pal.begin() + 30, pal.begin() + 33)},
                                    {254, last}});
  Picture pic;
  const Bytes file = WriteFlc(4, 2, {FrameChunk({few})});
  ASSERT_TRUE(Load(pic, file));
  Palette want{};  // colours no chunk sets stay black
  std::copy(pal.begin() + 15, pal.begin() + 24, want.begin() + 15);
  std::copy(pal.begin() + 30, pal.begin() + 33, want.begin() + 30);
  std::copy(pal.end() - 6, pal.end(), want.end() - 6);
  ExpectPalette(pic, want);
  const auto decoder = Opened(file);
  decoder->decodeFrame(Bytes(8).data(), 0);
  EXPECT_EQ(decoder->reason().problem, ReadProblem::None);
}

TEST(AnimationDecoding, SpecialLayoutsDecodeToTheWrittenFrames) {
  const auto two = Moving(16, 8, 2);
  const auto four = Moving(300, 30, 4);
  // A 600-pixel row of pairs needs 300 packets: the count byte cannot hold that, so
  // it does not end the row.
  Image wide(600, 2);
  Bytes brun = {300 % 256};
  for (int p = 0; p < 300; ++p) Append(brun, {2, static_cast<uint8_t>(p % 2 ? 9 : 4)});
  Put(brun, 0);  // written as 0 by some writers
  for (int x = 0; x < 600; ++x) {
    wide.at(x, 0) = static_cast<uint8_t>((x / 2) % 2 ? 9 : 4);
    wide.at(x, 1) = static_cast<uint8_t>(x % 200);
    if (x % 100 == 0) Put(brun, static_cast<uint8_t>(-100));
    Put(brun, wide.at(x, 1));
  }
  Bytes odd = Chunk(15, {1, 3, 5});  // odd length, then one pad byte; the next chunk is read
  odd.push_back(0);
  Patch(odd, 0, static_cast<uint32_t>(odd.size()), 4);
  Bytes small = ByteRunChunk(two[0]);  // a size below its header's: read to the frame's end
  Patch(small, 0, 5, 4);
  Image fives(3, 1, 5), six = fives;
  six.at(1, 0) = 6;
  Image sparse(6, 5);  // only a byte delta: everything else stays index 0
  sparse.at(1, 2) = 9;
  sparse.at(4, 3) = 8;
  Image blank(8, 2), row(8, 2);
  for (int x = 0; x < 8; ++x) row.at(x, 1) = static_cast<uint8_t>(x + 1);
  const Bytes rowCode = EncodeRunSkipDump(blank.pixels, row.pixels);
  // A record of its four header bytes alone changes nothing and is no damage.
  const Bytes headerOnly = WriteAnm(8, 2, TestPalette(), {AnmRecord(rowCode), Bytes{0x42, 0, 0, 0}});

  const std::vector<std::tuple<const char*, Bytes, std::vector<Image>>> cases = {
      {"flc prefix chunk skipped",
       WriteFlc(16, 8, {FrameChunk({ByteRunChunk(two[0])}), FrameChunk({WordDeltaChunk(two[0], two[1])})},
                FrameChunk({Chunk(3, Bytes(10, 0x77))}, 0xF100)),
       two},
      {"flc rows decoded until full", WriteFlc(600, 2, {FrameChunk({Chunk(15, brun)})}), {wide}},
      {"flc empty run consumes its value",
       WriteFlc(2, 1, {FrameChunk({Chunk(15, {1, 0, 0x77, 2, 5})})}),
       {Image(2, 1, 5)}},
      {"flc sub-chunk too small", WriteFlc(16, 8, {FrameChunk({small})}), {two[0]}},
      {"flc odd chunk padded", WriteFlc(3, 1, {FrameChunk({odd, ByteDeltaChunk(fives, six)})}), {six}},
      {"flc starts at index 0",
       WriteFlc(6, 5, {FrameChunk({ByteDeltaChunk(Image(6, 5), sparse)})}),
       {sparse}},
      {"flc no frames", WriteFlc(8, 8, {}), {}},
      {"anm long codes", WriteAnm(300, 30, TestPalette(), AnmRecords(four, true)), four},
      {"anm record of its header alone", headerOnly, {row, row}},
  };
  for (const auto& [name, file, frames] : cases) {
    SCOPED_TRACE(name);
    Picture pic;
    ASSERT_TRUE(Load(pic, file));
    ExpectFrames(pic, frames);
    EXPECT_EQ(pic.current(), frames.empty() ? nullptr : &pic.frames()[0]);
  }
  for (int extra : {0, 1, 2, 3, 6}) {  // extra bytes move the code start
    Picture pic;
    ASSERT_TRUE(Load(pic, WriteAnm(8, 2, TestPalette(), {AnmRecord(rowCode, extra)})));
    ExpectFrames(pic, {row});
  }
  const auto decoder = Opened(headerOnly);
  Bytes frame(16);
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(decoder->decodeInOrder(frame.data(), i).damaged) << i;
}

TEST(AnimationDecoding, RepeatedFramesShareOneBuffer) {
  // 640 x 480, one real frame and 149 that change nothing: under 10 KB of file for
  // 46 MB of frames, and one buffer held.
  Image still(640, 480, 7);
  for (int y = 200; y < 230; ++y)
    for (int x = 300; x < 340; ++x) still.at(x, y) = 200;
  std::vector<Bytes> chunks{FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(still)})};
  chunks.resize(150, FrameChunk({}));
  const Bytes flc = WriteFlc(640, 480, chunks);
  EXPECT_LT(flc.size(), 10000u);
  // 320 x 200, a first frame and 2000 records that change nothing.
  Image first(320, 200, 3);
  for (int y = 50; y < 90; ++y)
    for (int x = 10; x < 300; x += 2) first.at(x, y) = static_cast<uint8_t>(x + y);
  std::vector<Bytes> records = AnmRecords({first});
  records.resize(2001, AnmRecord(EncodeRunSkipDump(first.pixels, first.pixels)));
  const Bytes anm = WriteAnm(320, 200, TestPalette(), records, 3000, false);
  // Deltas that write what is there, black on black and a copy of the same frame are
  // held frames too.
  Image dot(8, 4), black(8, 4);
  dot.at(2, 1) = 5;
  const Bytes mixed =
      WriteFlc(8, 4,
               {FrameChunk({ByteRunChunk(dot)}), FrameChunk({}), FrameChunk({ByteDeltaChunk(black, dot)}),
                FrameChunk({Chunk(13, {})}), FrameChunk({Chunk(13, {})}), FrameChunk({CopyChunk(black)}),
                FrameChunk({ByteDeltaChunk(black, dot)})});

  // Per case the leading frames to compare and, per frame, whether it shares the
  // buffer of the frame before (a shared frame equals it).
  const std::vector<std::tuple<const char*, Bytes, std::vector<Image>, std::vector<bool>>> cases = {
      {"flc 640 x 480", flc, {still}, std::vector<bool>(150, true)},
      {"anm 2001 records", anm, {first}, std::vector<bool>(2001, true)},
      {"flc mixed", mixed, {dot, dot, dot, black, black, black, dot}, {0, 1, 1, 0, 1, 1, 0}},
      {"flc black after an empty first frame",
       WriteFlc(8, 4, {FrameChunk({}), FrameChunk({Chunk(13, {})})}),
       {black, black},
       {0, 1}},
  };
  for (const auto& [name, file, frames, shares] : cases) {
    SCOPED_TRACE(name);
    Picture pic;
    ASSERT_TRUE(Load(pic, file));
    ASSERT_EQ(pic.frameCount(), static_cast<int32_t>(shares.size()));
    for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(pic.frames()[i].pixels, frames[i].pixels) << i;
    for (size_t i = 1; i < shares.size(); ++i)
      ASSERT_EQ(pic.frames()[i].pixels.sharesBufferWith(pic.frames()[i - 1].pixels), shares[i]) << i;
  }
}

TEST(AnmDecoder, RunSkipDumpCodes) {
  Bytes frame(20, 1);
  // Dump 3; run 4 x 9; skip 2; word skip 3; word dump 2; word run 3 x 5; word dump 0;
  // dump 1; end.
  const Bytes code = {3,   7,    8, 6,    0, 4,    9, 0x82, 0x80, 3,   0,    0x80, 2, 0x80, 0xA,
                      0xB, 0x80, 3, 0xC0, 5, 0x80, 0, 0x80, 1,    0xD, 0x80, 0,    0, 4};
  EXPECT_TRUE(DecodeRunSkipDump(code.data(), code.size(), frame.data(), frame.size()));
  EXPECT_EQ(frame, Bytes({7, 8, 6, 9, 9, 9, 9, 1, 1, 1, 1, 1, 0xA, 0xB, 5, 5, 5, 0xD, 1, 1}));
  // Code that ends inside an op, even on its first byte, is damaged.
  for (const Bytes& cut : {Bytes{2}, Bytes{0}, Bytes{1, 7, 0x80}, Bytes{0, 4}, Bytes{0x80, 0, 0xC0}}) {
    EXPECT_FALSE(DecodeRunSkipDump(cut.data(), cut.size(), frame.data(), frame.size())) << int(cut[0]);
  }
}

TEST(AnimationDecoding, EachFrameEqualsAReplayFromTheStart) {
  const auto frames = Moving(33, 12, 8);
  const Bytes anm = WriteAnm(33, 12, TestPalette(2), AnmRecords(frames), 3, false);  // several pages
  Picture pic;
  ASSERT_TRUE(Load(pic, anm));
  ExpectFrames(pic, frames);
  ExpectPalette(pic, TestPalette(2));  // all 256 entries, the last too
  ExpectPalette(pic, CheckDecoder(anm, pic));
  // A GIF of three images, each put back by the next, and a PNG, as ImageMagick wrote them.
  for (const char* name : {"gif_anim.gif", "png_indexed.png"}) {
    Bytes file;
    ASSERT_TRUE(ReadFileBytes(std::string(PLYK_SOURCE_DIR "/tests/fuzz/corpus/picture/") + name, file));
    ASSERT_TRUE(Load(pic, file)) << name;
    ExpectPalette(pic, CheckDecoder(file, pic));
  }
  // Equal colours in a GIF's table keep their own indices.
  ASSERT_TRUE(Load(pic, EncodeGif({1, 1, {0, 0xFF0000, 0xFF0000}, -1, true, {{{2}, 0}}})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes{2});
  // A replay tells the damage of the frame asked for, not that of an earlier one.
  const Bytes twoCut = WriteFlc(4, 2, {FrameChunk({Chunk(16, {})}), FrameChunk({Chunk(16, {})})});
  const auto cut = Opened(twoCut);
  cut->decodeFrame(Bytes(8).data(), 1);
  EXPECT_EQ(cut->reason().offset, 166);
}
