// Damaged, hostile and unsupported picture files: no read outside the data, no write
// outside the frame, no allocation the file cannot justify, a clear refusal, and the
// previous picture survives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cutter/picture_decoder.h"
#include "picture_checks.h"

using namespace testpic;

namespace {

// Decodes b and returns the pixels of all frames, or -1 when refused.
int64_t DecodedPixels(const Bytes& b) {
  std::vector<PictureFrame> frames;
  std::array<uint8_t, 768> palette{};
  if (!DecodePicture(b.data(), b.size(), frames, palette)) return -1;
  int64_t n = 0;
  for (const PictureFrame& f : frames) {
    EXPECT_EQ(f.pixels.size(), size_t(f.width) * f.height);
    n += static_cast<int64_t>(f.pixels.size());
  }
  return n;
}

std::vector<Bytes> ValidFiles() {
  std::vector<Image> frames;
  for (int i = 0; i < 4; ++i) frames.push_back(Pattern(19, 9, i + 1));
  std::vector<Bytes> chunks{FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(frames[0])}),
                            FrameChunk({WordDeltaChunk(frames[0], frames[1])}),
                            FrameChunk({ByteDeltaChunk(frames[1], frames[2]), Colour64Full(TestPalette())}),
                            FrameChunk({CopyChunk(frames[3])})};
  BmpOptions rle;
  rle.rle8 = true;
  return {WritePcx(frames[0], TestPalette()), WriteBmp(frames[0], TestPalette()),
          WriteBmp(frames[0], TestPalette(), rle), WriteFlc(19, 9, chunks),
          WriteAnm(19, 9, TestPalette(), AnmRecords(frames), 2, false)};
}

}  // namespace

TEST(HostileInput, TruncatedAndDamagedFilesAreSafe) {
  for (const Bytes& file : ValidFiles()) {
    // Every cut point near the header and the end, and a stride through the rest.
    for (size_t n = 0; n <= file.size(); n += (n < 3000 || n + 400 > file.size()) ? 1 : 97)
      EXPECT_LE(DecodedPixels(Bytes(file.begin(), file.begin() + n)), (19 + 5) * 9 * 4) << "length " << n;
  }
  uint32_t s = 12345;
  for (const Bytes& file : ValidFiles())
    for (int round = 0; round < 300; ++round) {
      Bytes bad = file;
      for (int k = 0; k < 6; ++k) {
        s = s * 1103515245u + 12345u;
        bad[(s >> 8) % bad.size()] = static_cast<uint8_t>(s >> 3);
      }
      EXPECT_LE(DecodedPixels(bad), kMaxExpansion * static_cast<int64_t>(bad.size()));
    }
}

TEST(HostileInput, UnsupportedAndImpossibleFilesAreRefused) {
  std::vector<std::pair<std::string, Bytes>> files;
  const Image img = Pattern(8, 8);
  for (auto [bits, planes] : {std::pair{4, 1}, {1, 4}, {8, 3}, {1, 1}}) {
    PcxOptions o;
    o.bitsPerPixel = bits;
    o.planes = planes;
    files.push_back(
        {"pcx depth " + std::to_string(bits) + "x" + std::to_string(planes), WritePcx(img, {}, o)});
  }
  PcxOptions shortLines;
  shortLines.bytesPerLine = 6;
  files.push_back({"pcx scan line shorter than the image", WritePcx(Pattern(10, 3), {}, shortLines)});
  for (auto [bits, used] : {std::pair{8, 16}, {4, 0}, {24, 0}, {1, 0}}) {
    BmpOptions o;
    o.bitsPerPixel = bits;
    o.coloursUsed = used;
    files.push_back({"bmp " + std::to_string(bits) + " bits " + std::to_string(used), WriteBmp(img, {}, o)});
  }
  for (uint32_t compression : {2u, 3u}) {  // RLE4, bit fields
    Bytes b = WriteBmp(img, {});
    Patch(b, 30, compression, 4);
    files.push_back({"bmp compression " + std::to_string(compression), b});
  }
  files.push_back({"fli magic", WriteFlc(4, 4, {FrameChunk({CopyChunk(Image(4, 4, 2))})}, {}, 0xAF11)});
  // Small files asking for huge, zero or negative sizes, or more frames than they hold.
  Bytes pcx = WritePcx(Image(2, 2), {});
  Patch(pcx, 8, 32766);
  Patch(pcx, 10, 32766);
  Patch(pcx, 66, 32768);
  files.push_back({"pcx 32767 squared", pcx});
  Patch(pcx, 8, 4095);  // still more pixels than its runs can code
  Patch(pcx, 10, 4095);
  Patch(pcx, 66, 4096);
  files.push_back({"pcx 4096 squared", pcx});
  for (auto [name, w, h] : {std::tuple{"bmp huge", 0x7FFFFFFFu, 0x7FFFFFFFu},
                            {"bmp most negative", 0x80000000u, 0x80000000u},
                            {"bmp zero width", 0u, 4u}}) {
    Bytes b = WriteBmp(Image(4, 4), {});
    Patch(b, 18, w, 4);
    Patch(b, 22, h, 4);
    files.push_back({name, b});
  }
  for (auto [name, at, value] : {std::tuple{"flc 30000 frames", 6, 30000},
                                 {"flc negative frames", 6, 0x8000},
                                 {"flc negative width", 8, 0xFFF0},
                                 {"flc zero height", 10, 0}}) {
    Bytes b = WriteFlc(320, 200, {FrameChunk({})});
    Patch(b, at, value);
    files.push_back({name, b});
  }
  Bytes header(128, 0);  // a header alone may not ask for even one frame of any size
  Patch(header, 4, 0xAF12);
  Patch(header, 6, 1);
  Patch(header, 8, 4000);
  Patch(header, 10, 4000);
  files.push_back({"flc header only", header});
  Bytes anm = WriteAnm(8, 8, TestPalette(), AnmRecords({Image(8, 8, 1)}));
  Patch(anm, 8, 0xFFFFFFFFu, 4);
  files.push_back({"anm 2^32-1 records", anm});
  for (const auto& [name, file] : files) {
    Picture pic;
    EXPECT_FALSE(Load(pic, file)) << name;
    EXPECT_STREQ(pic.lastError(), kPictureUnsupported) << name;
  }
  // One empty frame chunk may ask for a frame small enough for the file size.
  const Bytes flc = WriteFlc(60, 60, {FrameChunk({})});
  EXPECT_EQ(DecodedPixels(flc), 3600);
  EXPECT_LE(3600, kMaxExpansion * static_cast<int64_t>(flc.size()));
}

TEST(HostileInput, RunsCopiesAndSkipsPastTheFrameStopAtItsEnd) {
  // PCX: one run of 63 into a 2 x 2 picture, then the palette is still found.
  const Palette pal = TestPalette(8);
  Bytes pcx = WritePcx(Image(2, 2), pal);
  pcx.resize(128);
  Append(pcx, {0xFF, 0x04, 0x0C});
  pcx.insert(pcx.end(), pal.begin(), pal.end());
  Picture pic;
  ASSERT_TRUE(Load(pic, pcx));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({4, 4, 4, 4}));
  ExpectPalette(pic, pal);

  // FLC: packets that run past the row, rows past the frame, skips beyond it.
  Bytes lc = {1, 0, 3, 0};  // first row 1, three rows: the last two outside a 2-row frame
  for (int r = 0; r < 3; ++r) Append(lc, {2, 1, static_cast<uint8_t>(-100), 7, 250, 2, 1, 2});
  // Skip 16384 rows, the last pixel of a row outside the frame, a far skip.
  const Bytes ss2 = {3, 0, 0x00, 0xC0, 0x05, 0x80, 1, 0, 200, 1, 1, 1};
  const Bytes brun = {3, 100, 6, static_cast<uint8_t>(-100)};  // row 0 ends full; row 1 cut short
  ASSERT_TRUE(Load(pic, WriteFlc(4, 2, {FrameChunk({Chunk(12, lc), Chunk(7, ss2), Chunk(15, brun)})})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({6, 6, 6, 6, 0, 7, 7, 7}));

  // Words 0x8000..0xBFFF set a row's last pixel and are not row skips, also on a
  // line without packets.
  const Bytes lastPixel = {2, 0, 0x40, 0x80, 1, 0, 0, 1, 1, 2, 0x41, 0x80, 1, 0, 0, 1, 2, 3};
  ASSERT_TRUE(Load(pic, WriteFlc(3, 2, {FrameChunk({Chunk(7, lastPixel)})})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({1, 2, 0x40, 2, 3, 0x41}));
  const Bytes noPackets = {2, 0, 7, 0x80, 0, 0, 1, 0, 0, 1, 8, 9};
  ASSERT_TRUE(Load(pic, WriteFlc(3, 2, {FrameChunk({Chunk(7, noPackets)})})));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({0, 0, 7, 8, 9, 0}));
}

TEST(HostileInput, AnmRecordsOutsideAnyPageOrTooLargeForTheCache) {
  const Image f(8, 4, 5);
  const Bytes anm = WriteAnm(8, 4, TestPalette(), AnmRecords({f, f}));
  Picture pic;
  Bytes noPage = anm;
  Patch(noPage, 1280 + 2, 1);  // page 0 now holds only record 0: frame 1 equals frame 0
  ASSERT_TRUE(Load(pic, noPage));
  ExpectFrames(pic, {f, f});
  Bytes tooLarge = anm;  // a page whose table and data would not fit the cache is not decoded
  Patch(tooLarge, 2816 + 2, 30000);
  Patch(tooLarge, 2816 + 4, 20000);
  ASSERT_TRUE(Load(pic, tooLarge));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes(32, 0));
}

TEST(PictureLoad, FailuresKeepThePreviousPictureAndFramesAreSelectable) {
  const Palette pal = TestPalette(6);
  const std::vector<Image> frames = {Pattern(10, 4), Pattern(10, 4, 2), Pattern(10, 4, 3)};
  std::vector<Bytes> chunks;
  for (const Image& f : frames) chunks.push_back(FrameChunk({Colour256Full(pal), CopyChunk(f)}));
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(10, 4, chunks)));
  EXPECT_EQ(pic.currentFrame(), 0);
  EXPECT_FALSE(pic.selectFrame(3));
  EXPECT_FALSE(pic.selectFrame(-1));
  ASSERT_TRUE(pic.selectFrame(2));
  EXPECT_EQ(pic.current(), &pic.frames()[2]);

  const Bytes junk = {'J', 'U', 'N', 'K', 0, 1, 2, 3};
  EXPECT_FALSE(Load(pic, junk));
  EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
  EXPECT_EQ(pic.currentFrame(), 2);
  ExpectFrames(pic, frames);
  ExpectPalette(pic, pal);
  EXPECT_EQ(pic.fileData(), junk);  // the rejected bytes are held
  EXPECT_FALSE(pic.load(std::filesystem::path(PLYK_SOURCE_DIR) / "no such picture.pcx"));
  EXPECT_STREQ(pic.lastError(), kPictureCannotOpen);
  EXPECT_EQ(pic.fileData(), junk);
  EXPECT_EQ(pic.frameCount(), 3);
  ASSERT_TRUE(Load(pic, WriteFlc(10, 4, chunks)));  // a new load starts at frame 0
  EXPECT_EQ(pic.currentFrame(), 0);
}

TEST(PictureLoad, LoadsFromAFileAndBuildsTheMixTable) {
  const auto path = std::filesystem::temp_directory_path() / "cutter_test_picture.dat";
  const Bytes pcx = WritePcx(Pattern(6, 6), TestPalette(1));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(pcx.data()), pcx.size());
  Picture pic;
  ASSERT_TRUE(pic.load(path));
  std::filesystem::remove(path);
  EXPECT_EQ(pic.fileData(), pcx);
  PaletteBlock expected;
  std::copy(pic.palette().palette(), pic.palette().palette() + 768, expected.palette());
  BuildMixTable(expected);
  EXPECT_EQ(pic.palette().bytes, expected.bytes);
}
