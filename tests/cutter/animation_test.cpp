// FLC and ANM decoding against the writers in picture_writers.h, and the linear
// decoding of animations against a replay of every frame from the start.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "cutter/anm_decoder.h"
#include "cutter/flc_decoder.h"
#include "cutter/picture.h"
#include "picture_writers.h"

using namespace testpic;

namespace {

bool Load(Picture& pic, const Bytes& b) {
  return pic.loadFromMemory(b.data(), b.size());
}

void ExpectFrames(const Picture& pic, const std::vector<Image>& frames) {
  ASSERT_EQ(pic.frameCount(), static_cast<int>(frames.size()));
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(pic.frames()[i].width, frames[i].width);
    EXPECT_EQ(pic.frames()[i].height, frames[i].height);
    EXPECT_EQ(pic.frames()[i].pixels, frames[i].pixels) << "frame " << i;
  }
}

void ExpectPalette(const Picture& pic, const Palette& pal) {
  EXPECT_EQ(0, std::memcmp(pic.palette().palette(), pal.data(), 768));
}

// Frames that move a figure over a background, changing a few rows each time.
std::vector<Image> Moving(int w, int h, int count) {
  std::vector<Image> frames;
  Image base = Pattern(w, h, 7);
  for (int i = 0; i < count; ++i) {
    Image f = base;
    for (int y = 2 + i; y < std::min(h, 7 + i); ++y)
      for (int x = i; x < std::min(w, i + 9); ++x) f.at(x, y) = static_cast<uint8_t>(200 + i);
    if (i % 2) f.at(w - 1, h - 1) = static_cast<uint8_t>(i);  // the odd last column changes
    frames.push_back(f);
  }
  return frames;
}

// Decodes frame i of data with a fresh decoder: frames 0..i replayed from the start.
template <class Decoder>
Bytes Replay(const Bytes& data, int i, std::array<uint8_t, 768>* palette = nullptr) {
  Decoder d;
  EXPECT_TRUE(d.probe(data.data(), data.size(), {}));
  EXPECT_TRUE(d.open(data.data(), data.size()));
  Bytes out(d.pixelCount(), 0xCD);
  d.decodeFrame(out.data(), i);
  EXPECT_EQ(d.framesDecoded(), i + 1);
  if (palette) *palette = d.palette();
  return out;
}

Palette Palette64(int salt) {
  Palette p{};
  for (int i = 0; i < 768; ++i) p[i] = static_cast<uint8_t>((i * 5 + salt) % 64);
  return p;
}

Palette Times4(const Palette& p64) {
  Palette p{};
  for (int i = 0; i < 768; ++i) p[i] = static_cast<uint8_t>(p64[i] * 4);
  return p;
}

}  // namespace

TEST(FlcDecoder, EveryChunkTypeOverSeveralFrames) {
  const int w = 31, h = 14;  // odd width: word deltas carry the last pixel in a 0x8000 word
  auto frames = Moving(w, h, 6);
  const Palette pal256 = TestPalette(11);
  const Palette pal64 = Palette64(3);
  std::vector<Bytes> chunks;
  chunks.push_back(FrameChunk({Colour256Full(pal256), ByteRunChunk(frames[0])}));
  chunks.push_back(FrameChunk({WordDeltaChunk(frames[0], frames[1])}));
  chunks.push_back(FrameChunk({ByteDeltaChunk(frames[1], frames[2]), Chunk(18, Bytes(40, 0x33))}));
  chunks.push_back(FrameChunk({CopyChunk(frames[3])}));
  chunks.push_back(FrameChunk({Colour64Full(pal64), WordDeltaChunk(frames[3], frames[4])}));
  chunks.push_back(FrameChunk({ByteDeltaChunk(frames[4], frames[5])}));
  // A ring frame after the counted ones is never read.
  chunks.push_back(FrameChunk({CopyChunk(Image(w, h, 1))}));
  Bytes flc = WriteFlc(w, h, chunks);
  Patch16(flc, 6, 6);
  Picture pic;
  ASSERT_TRUE(Load(pic, flc));
  ExpectFrames(pic, frames);
  // The palette after the last frame: the 64-level one, times four.
  ExpectPalette(pic, Times4(pal64));
}

TEST(FlcDecoder, PalettePacketsSkipAndCountZeroMeansAll) {
  const Palette pal = TestPalette(21);
  Image img(4, 2, 3);
  // Packet 1: skip 5, 3 colours (5..7); packet 2: skip 2 more (10), 1 colour.
  Bytes few = ColourChunk(
      4, {{5, Bytes(pal.begin() + 15, pal.begin() + 24)}, {10, Bytes(pal.begin() + 30, pal.begin() + 33)}});
  Bytes flc = WriteFlc(4, 2, {FrameChunk({few, ByteRunChunk(img)})});
  Picture pic;
  ASSERT_TRUE(Load(pic, flc));
  Palette want{};
  std::copy(pal.begin() + 15, pal.begin() + 24, want.begin() + 15);
  std::copy(pal.begin() + 30, pal.begin() + 33, want.begin() + 30);
  ExpectPalette(pic, want);  // colours no chunk sets stay black
  // Count byte 0: all 256 colours.
  ASSERT_TRUE(Load(pic, WriteFlc(4, 2, {FrameChunk({Colour256Full(pal)})})));
  ExpectPalette(pic, pal);
}

TEST(FlcDecoder, SixtyFourLevelPaletteIsMultipliedByFour) {
  Palette p64{};
  p64[0] = 63;
  p64[1] = 1;
  p64[2] = 32;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(2, 2, {FrameChunk({Colour64Full(p64)})})));
  EXPECT_EQ(pic.palette().palette()[0], 252);
  EXPECT_EQ(pic.palette().palette()[1], 4);
  EXPECT_EQ(pic.palette().palette()[2], 128);
}

TEST(FlcDecoder, PrefixChunkInFrontOfTheFirstFrameIsSkipped) {
  auto frames = Moving(16, 8, 2);
  Bytes prefix = FrameChunk({Chunk(3, Bytes(10, 0x77))}, 0xF100);
  Bytes flc = WriteFlc(
      16, 8, {FrameChunk({ByteRunChunk(frames[0])}), FrameChunk({WordDeltaChunk(frames[0], frames[1])})},
      prefix);
  Picture pic;
  ASSERT_TRUE(Load(pic, flc));
  ExpectFrames(pic, frames);
}

TEST(FlcDecoder, ByteRunRowsAreDecodedUntilFull) {
  // A 600-pixel row of alternating pairs needs 300 packets; the count byte cannot
  // hold that, so it is not what ends a row.
  Image img(600, 2);
  for (int x = 0; x < 600; ++x) {
    img.at(x, 0) = static_cast<uint8_t>((x / 2) % 2 ? 9 : 4);
    img.at(x, 1) = static_cast<uint8_t>(x % 200);
  }
  Bytes brun;
  U8(brun, 300 % 256);
  for (int p = 0; p < 300; ++p) {
    U8(brun, 2);
    U8(brun, img.at(p * 2, 0));
  }
  U8(brun, 0);  // written as 0 by some writers
  for (int x = 0; x < 600; x += 100) {
    U8(brun, static_cast<uint8_t>(-100));
    for (int i = 0; i < 100; ++i) U8(brun, img.at(x + i, 1));
  }
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(600, 2, {FrameChunk({Chunk(15, brun)})})));
  ExpectFrames(pic, {img});
}

TEST(FlcDecoder, OddLengthChunksPaddedToEvenAreRead) {
  // A byte-run chunk of odd length followed by one pad byte, then a palette chunk.
  Image img(3, 1, 5);
  Bytes brun = {1, 3, 5};  // one packet: run of three 5s
  Bytes padded = Chunk(15, brun);
  padded.push_back(0);
  Patch32(padded, 0, static_cast<uint32_t>(padded.size()));
  const Palette pal = TestPalette(17);
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(3, 1, {FrameChunk({padded, Colour256Full(pal)})})));
  ExpectFrames(pic, {img});
  ExpectPalette(pic, pal);
}

TEST(FlcDecoder, FliMagicIsRefused) {
  Bytes flc = WriteFlc(4, 4, {FrameChunk({CopyChunk(Image(4, 4, 2))})}, {}, 0xAF11);
  Picture pic;
  EXPECT_FALSE(Load(pic, flc));
  EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
}

TEST(FlcDecoder, ZeroFramesGiveAnEmptyPicture) {
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(8, 8, {})));
  EXPECT_EQ(pic.frameCount(), 0);
  EXPECT_EQ(pic.current(), nullptr);
}

TEST(FlcDecoder, UntouchedPixelsStartAtIndexZero) {
  // Only a byte delta on rows 2..3 of the first frame: everything else is 0.
  Image blank(6, 5);
  Image f = blank;
  f.at(1, 2) = 9;
  f.at(4, 3) = 8;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(6, 5, {FrameChunk({ByteDeltaChunk(blank, f)})})));
  ExpectFrames(pic, {f});
}

TEST(AnmDecoder, FramesAcrossSeveralPages) {
  auto frames = Moving(40, 20, 9);
  const Palette pal = TestPalette(13);
  // Four records per page: three pages, the record looked up in each.
  Bytes anm = WriteAnm(40, 20, pal, AnmRecords(frames), 4, false);
  Picture pic;
  ASSERT_TRUE(Load(pic, anm));
  ExpectFrames(pic, frames);
  ExpectPalette(pic, pal);
}

TEST(AnmDecoder, LongWordCodes) {
  // Frames large enough for skips over 0x7FFF... not needed: long forms of every code.
  auto frames = Moving(300, 30, 4);
  AnmCodeOptions o;
  o.longCodes = true;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteAnm(300, 30, TestPalette(), AnmRecords(frames, o))));
  ExpectFrames(pic, frames);
}

TEST(AnmDecoder, ExtraBytesMoveTheCodeStart) {
  Image blank(8, 2), f(8, 2);
  for (int x = 0; x < 8; ++x) f.at(x, 1) = static_cast<uint8_t>(x + 1);
  const Bytes code = EncodeRunSkipDump(blank.pixels, f.pixels);
  for (int extra : {0, 1, 2, 3, 6}) {
    Bytes rec = AnmRecord(code, extra);
    if (extra == 3) {
      EXPECT_EQ(rec.size(), 8 + code.size());  // the code starts at record offset 8
    }
    Picture pic;
    ASSERT_TRUE(Load(pic, WriteAnm(8, 2, TestPalette(), {rec})));
    ExpectFrames(pic, {f});
  }
}

TEST(AnmDecoder, RunSkipDumpCodes) {
  Bytes frame(20, 1);
  // Dump 3; run 4 x 9; skip 2; word skip 3; word dump 2; word run 3 x 5; end.
  const Bytes code = {3, 7,    8,   6,   0,    4, 9,    0x82, 0x80, 3, 0, 0x80,
                      2, 0x80, 0xA, 0xB, 0x80, 3, 0xC0, 5,    0x80, 0, 0, 4};
  DecodeRunSkipDump(code.data(), code.size(), frame.data(), frame.size());
  const Bytes want = {7, 8, 6, 9, 9, 9, 9, 1, 1, 1, 1, 1, 0xA, 0xB, 5, 5, 5, 1, 1, 1};
  EXPECT_EQ(frame, want);
}

TEST(AnimationDecoding, EachFrameEqualsAReplayFromTheStart) {
  const int w = 33, h = 12;
  auto frames = Moving(w, h, 8);
  std::vector<Bytes> chunks;
  chunks.push_back(FrameChunk({Colour256Full(TestPalette(1)), ByteRunChunk(frames[0])}));
  for (int i = 1; i < 8; ++i) {
    Bytes delta = i % 2 ? WordDeltaChunk(frames[i - 1], frames[i]) : ByteDeltaChunk(frames[i - 1], frames[i]);
    if (i == 5)
      chunks.push_back(FrameChunk({delta, Colour64Full(Palette64(i))}));
    else
      chunks.push_back(FrameChunk({delta}));
  }
  const Bytes flc = WriteFlc(w, h, chunks);
  const Bytes anm = WriteAnm(w, h, TestPalette(2), AnmRecords(frames), 3);

  for (const Bytes* file : {&flc, &anm}) {
    Picture pic;
    ASSERT_TRUE(Load(pic, *file));
    ASSERT_EQ(pic.frameCount(), 8);
    std::array<uint8_t, 768> lastPalette{};
    for (int i = 0; i < 8; ++i) {
      const Bytes replay = file == &flc ? Replay<FlcDecoder>(*file, i, &lastPalette)
                                        : Replay<AnmDecoder>(*file, i, &lastPalette);
      EXPECT_EQ(pic.frames()[i].pixels, replay) << "frame " << i;
    }
    EXPECT_EQ(0, std::memcmp(pic.palette().palette(), lastPalette.data(), 768));
  }
}

TEST(AnimationDecoding, SequentialFramesDecodeOnceEach) {
  auto frames = Moving(20, 10, 5);
  std::vector<Bytes> chunks{FrameChunk({ByteRunChunk(frames[0])})};
  for (int i = 1; i < 5; ++i) chunks.push_back(FrameChunk({ByteDeltaChunk(frames[i - 1], frames[i])}));
  const Bytes flc = WriteFlc(20, 10, chunks);
  FlcDecoder d;
  ASSERT_TRUE(d.probe(flc.data(), flc.size(), {}));
  ASSERT_TRUE(d.open(flc.data(), flc.size()));
  Bytes out(d.pixelCount());
  for (int i = 0; i < 5; ++i) {
    d.decodeFrame(out.data(), i);
    EXPECT_EQ(d.framesDecoded(), 1);
    EXPECT_EQ(out, frames[i].pixels);
  }
  // Going back starts again from the first frame.
  d.decodeFrame(out.data(), 2);
  EXPECT_EQ(d.framesDecoded(), 3);
  EXPECT_EQ(out, frames[2].pixels);
}
