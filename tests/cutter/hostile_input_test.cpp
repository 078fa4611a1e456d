// Damaged and hostile picture files: no read outside the data, no write outside the
// frame, no allocation the file cannot justify, and the previous picture survives a
// refusal.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cutter/picture.h"
#include "cutter/picture_decoder.h"
#include "picture_writers.h"

using namespace testpic;

namespace {

bool Load(Picture& pic, const Bytes& b) {
  return pic.loadFromMemory(b.data(), b.size());
}

// The decoding of Picture::load without the mixing table, for the many-file tests.
bool Decode(const Bytes& b, std::vector<PictureFrame>& frames) {
  std::array<uint8_t, 768> palette{};
  return DecodePicture(b.data(), b.size(), frames, palette);
}

size_t TotalPixels(const std::vector<PictureFrame>& frames) {
  size_t n = 0;
  for (const PictureFrame& f : frames) {
    EXPECT_EQ(f.pixels.size(), size_t(f.width) * f.height);
    n += f.pixels.size();
  }
  return n;
}

size_t TotalPixels(const Picture& pic) {
  return TotalPixels(pic.frames());
}

std::vector<Bytes> ValidFiles() {
  std::vector<Image> frames;
  for (int i = 0; i < 4; ++i) frames.push_back(Pattern(19, 9, i + 1));
  std::vector<Bytes> chunks{FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(frames[0])})};
  chunks.push_back(FrameChunk({WordDeltaChunk(frames[0], frames[1])}));
  chunks.push_back(FrameChunk({ByteDeltaChunk(frames[1], frames[2]), Colour64Full(TestPalette())}));
  chunks.push_back(FrameChunk({CopyChunk(frames[3])}));
  BmpOptions rle;
  rle.rle8 = true;
  return {WritePcx(frames[0], TestPalette()), WriteBmp(frames[0], TestPalette()),
          WriteBmp(frames[0], TestPalette(), rle), WriteFlc(19, 9, chunks),
          WriteAnm(19, 9, TestPalette(), AnmRecords(frames), 2, false)};
}

}  // namespace

TEST(HostileInput, EveryTruncationOfValidFilesIsSafe) {
  for (const Bytes& file : ValidFiles()) {
    // Every cut point near the header and the end, and a stride through the rest.
    for (size_t n = 0; n <= file.size(); n += (n < 3000 || n + 400 > file.size()) ? 1 : 97) {
      Bytes cut(file.begin(), file.begin() + n);
      std::vector<PictureFrame> frames;
      if (Decode(cut, frames)) {
        EXPECT_LE(TotalPixels(frames), size_t(19 + 5) * 9 * 4) << "length " << n;
      }
    }
  }
}

TEST(HostileInput, FlippedBytesNeverCrash) {
  uint32_t s = 12345;
  for (const Bytes& file : ValidFiles()) {
    for (int round = 0; round < 300; ++round) {
      Bytes bad = file;
      for (int k = 0; k < 6; ++k) {
        s = s * 1103515245u + 12345u;
        const size_t at = (s >> 8) % bad.size();
        bad[at] = static_cast<uint8_t>(s >> 3);
      }
      std::vector<PictureFrame> frames;
      if (Decode(bad, frames)) {
        EXPECT_LE(TotalPixels(frames), size_t(kMaxExpansion) * bad.size());
      }
    }
  }
}

TEST(HostileInput, SmallFilesAskingForHugePicturesAreRefused) {
  // PCX 32767 x 32767 in a few hundred bytes.
  Bytes pcx = WritePcx(Image(2, 2), TestPalette());
  Patch16(pcx, 8, 32766);
  Patch16(pcx, 10, 32766);
  Patch16(pcx, 66, 32768);
  // BMP with the largest sizes and the smallest.
  Bytes bmp = WriteBmp(Image(4, 4), TestPalette());
  Bytes bmpHuge = bmp, bmpMin = bmp, bmpZero = bmp;
  Patch32(bmpHuge, 18, 0x7FFFFFFF);
  Patch32(bmpHuge, 22, 0x7FFFFFFF);
  Patch32(bmpMin, 18, 0x80000000u);
  Patch32(bmpMin, 22, 0x80000000u);
  Patch32(bmpZero, 18, 0);
  // FLC with more frames than the file can hold, and negative sizes and counts.
  Bytes flc = WriteFlc(320, 200, {FrameChunk({})});
  Bytes flcFrames = flc, flcNegative = flc, flcZero = flc, flcNegFrames = flc;
  Patch16(flcFrames, 6, 30000);
  Patch16(flcNegative, 8, 0xFFF0);
  Patch16(flcZero, 10, 0);
  Patch16(flcNegFrames, 6, 0x8000);
  // ANM with 2^32 - 1 records.
  Bytes anm = WriteAnm(8, 8, TestPalette(), AnmRecords({Image(8, 8, 1)}));
  Patch32(anm, 8, 0xFFFFFFFFu);
  for (const Bytes* file :
       {&pcx, &bmpHuge, &bmpMin, &bmpZero, &flcFrames, &flcNegative, &flcZero, &flcNegFrames, &anm}) {
    Picture pic;
    EXPECT_FALSE(Load(pic, *file)) << "file " << (file - &pcx);
    EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
  }
}

TEST(HostileInput, AllocationStaysWithinWhatTheFileJustifies) {
  // A 128-byte FLC header alone may not ask for even one frame of any size.
  Bytes header(128, 0);
  Patch16(header, 4, 0xAF12);
  Patch16(header, 6, 1);
  Patch16(header, 8, 4000);
  Patch16(header, 10, 4000);
  Picture pic;
  EXPECT_FALSE(Load(pic, header));
  // One empty frame chunk may: its frame is small enough for the file size.
  Bytes flc = WriteFlc(60, 60, {FrameChunk({})});
  ASSERT_TRUE(Load(pic, flc));
  EXPECT_LE(TotalPixels(pic), size_t(kMaxExpansion) * flc.size());
  // A PCX may not ask for more pixels than its runs can code.
  Bytes pcx = WritePcx(Image(64, 64), TestPalette());
  Patch16(pcx, 8, 4095);
  Patch16(pcx, 10, 4095);
  Patch16(pcx, 66, 4096);
  EXPECT_FALSE(Load(pic, pcx));
}

TEST(HostileInput, RunsAndCopiesPastTheFrameStopAtItsEnd) {
  // PCX: one run of 63 into a 2 x 2 picture, then the palette.
  Bytes pcx = WritePcx(Image(2, 2), TestPalette());
  pcx.resize(128);
  Append(pcx, {0xFF, 0x04});
  U8(pcx, 0x0C);
  const Palette pal = TestPalette(8);
  pcx.insert(pcx.end(), pal.begin(), pal.end());
  Picture pic;
  ASSERT_TRUE(Load(pic, pcx));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({4, 4, 4, 4}));
  EXPECT_EQ(pic.palette().palette()[3], pal[3]);

  // FLC: packets that run past the row, rows past the frame, skips beyond it.
  Bytes lc;
  U16(lc, 1);  // first row
  U16(lc, 3);  // three rows, the last two outside a 2-row frame
  for (int r = 0; r < 3; ++r) {
    U8(lc, 2);
    Append(lc, {1, static_cast<uint8_t>(-100), 7});  // skip 1, run of 100 sevens
    Append(lc, {250, 2, 1, 2});                      // far past the row end
  }
  Bytes ss2;
  U16(ss2, 3);
  U16(ss2, 0xC000);  // skip 16384 rows, far below the frame
  U16(ss2, 0x8005);  // last pixel of a row outside the frame
  U16(ss2, 1);
  Append(ss2, {200, 1, 1, 1});
  Bytes brun;
  U8(brun, 3);
  Append(brun, {100, 6, static_cast<uint8_t>(-100)});  // a run of 100 ends row 0; row 1 is cut short
  Bytes flc = WriteFlc(4, 2, {FrameChunk({Chunk(12, lc), Chunk(7, ss2), Chunk(15, brun)})});
  ASSERT_TRUE(Load(pic, flc));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({6, 6, 6, 6, 0, 7, 7, 7}));
}

TEST(HostileInput, AnmRecordsOutsideAnyPageOrTooLargeForTheCache) {
  const Image f(8, 4, 5);
  Bytes anm = WriteAnm(8, 4, TestPalette(), AnmRecords({f, f}));
  Picture pic;
  ASSERT_TRUE(Load(pic, anm));
  // Record 1 in no large page: frame 1 equals frame 0.
  Bytes noPage = anm;
  Patch16(noPage, 1280 + 2, 1);  // page 0 now holds only record 0
  ASSERT_TRUE(Load(pic, noPage));
  ASSERT_EQ(pic.frameCount(), 2);
  EXPECT_EQ(pic.frames()[1].pixels, f.pixels);
  // A page whose table and data would not fit the cache is not decoded.
  Bytes tooLarge = anm;
  Patch16(tooLarge, 2816 + 2, 30000);
  Patch16(tooLarge, 2816 + 4, 20000);
  ASSERT_TRUE(Load(pic, tooLarge));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes(32, 0));
}

TEST(HostileInput, WordDeltaLastPixelWordsAreNotRowSkips) {
  // Two lines; each sets the last pixel of a 3-wide row and copies one pair.
  Bytes ss2;
  U16(ss2, 2);
  for (int y = 0; y < 2; ++y) {
    U16(ss2, 0x8000 | (0x40 + y));
    U16(ss2, 1);
    Append(ss2, {0, 1, static_cast<uint8_t>(y + 1), static_cast<uint8_t>(y + 2)});
  }
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(3, 2, {FrameChunk({Chunk(7, ss2)})})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({1, 2, 0x40, 2, 3, 0x41}));
}

TEST(HostileInput, WordDeltaLineWithoutPacketsStillEndsTheLine) {
  // Line 0 changes only its last pixel (packet count 0); line 1 copies one pair.
  Bytes ss2;
  U16(ss2, 2);
  U16(ss2, 0x8000 | 7);
  U16(ss2, 0);
  U16(ss2, 1);
  Append(ss2, {0, 1, 8, 9});
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(3, 2, {FrameChunk({Chunk(7, ss2)})})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({0, 0, 7, 8, 9, 0}));
}

TEST(PictureLoad, FailuresKeepThePreviousPicture) {
  const Image img = Pattern(10, 4);
  const Palette pal = TestPalette(6);
  std::vector<Image> frames = {img, Pattern(10, 4, 2), Pattern(10, 4, 3)};
  std::vector<Bytes> chunks;
  for (const Image& f : frames) chunks.push_back(FrameChunk({Colour256Full(pal), CopyChunk(f)}));
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(10, 4, chunks)));
  ASSERT_TRUE(pic.selectFrame(2));

  const Bytes junk = {'J', 'U', 'N', 'K', 0, 1, 2, 3};
  EXPECT_FALSE(Load(pic, junk));
  EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
  EXPECT_EQ(pic.frameCount(), 3);
  EXPECT_EQ(pic.currentFrame(), 2);
  EXPECT_EQ(pic.frames()[2].pixels, frames[2].pixels);
  EXPECT_EQ(pic.palette().palette()[100], pal[100]);
  EXPECT_EQ(pic.fileData(), junk);  // the rejected bytes are held
  EXPECT_EQ(pic.fileSize(), 8);

  EXPECT_FALSE(pic.load(std::filesystem::path(PLYK_SOURCE_DIR) / "no such picture.pcx"));
  EXPECT_STREQ(pic.lastError(), kPictureCannotOpen);
  EXPECT_EQ(pic.fileData(), junk);
  EXPECT_EQ(pic.frameCount(), 3);
}

TEST(PictureLoad, LoadsFromAFileAndBuildsTheMixTable) {
  const auto path = std::filesystem::temp_directory_path() / "cutter_test_picture.dat";
  const Image img = Pattern(6, 6);
  const Bytes pcx = WritePcx(img, TestPalette(1));
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(pcx.data()), static_cast<std::streamsize>(pcx.size()));
  }
  Picture pic;
  ASSERT_TRUE(pic.load(path));
  std::filesystem::remove(path);
  EXPECT_EQ(pic.fileSize(), static_cast<int32_t>(pcx.size()));
  PaletteBlock expected;
  std::copy(pic.palette().palette(), pic.palette().palette() + 768, expected.palette());
  BuildMixTable(expected);
  EXPECT_EQ(pic.palette().bytes, expected.bytes);
}

TEST(PictureLoad, SelectFrameAcceptsOnlyExistingFrames) {
  std::vector<Bytes> chunks(3, FrameChunk({CopyChunk(Image(4, 4, 1))}));
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(4, 4, chunks)));
  EXPECT_TRUE(pic.selectFrame(1));
  EXPECT_FALSE(pic.selectFrame(3));
  EXPECT_FALSE(pic.selectFrame(-1));
  EXPECT_EQ(pic.currentFrame(), 1);
  EXPECT_EQ(pic.current(), &pic.frames()[1]);
  // A new load starts at frame 0.
  ASSERT_TRUE(Load(pic, WriteFlc(4, 4, chunks)));
  EXPECT_EQ(pic.currentFrame(), 0);
}
