// Damaged, hostile and unsupported picture files: no read outside the data, no write
// outside the frame, no allocation the file cannot justify, a clear refusal, and the
// previous picture survives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cutter/decode_picture.h"
#include "images/gif_writer.h"
#include "picture_checks.h"
#include "support/scratch_folder.h"

using namespace testpic;

namespace {

// Decodes b: the bytes of the frames' distinct buffers, or -1 when refused. Decoding
// without keeping the frames must come to the same figures.
int64_t HeldPixels(const Bytes& b, DecodedPicture& picture) {
  DecodedPicture counted;
  const bool countedOk = DecodePicture(b.data(), b.size(), counted, false);
  EXPECT_EQ(DecodePicture(b.data(), b.size(), picture), countedOk);
  if (!countedOk) return -1;
  int64_t n = 0;
  int32_t distinct = 0;
  for (size_t i = 0; i < picture.frames.size(); ++i) {
    const PictureFrame& f = picture.frames[i];
    EXPECT_EQ(f.pixels.size(), size_t(f.width) * f.height);
    if (i > 0 && f.pixels.sharesBufferWith(picture.frames[i - 1].pixels)) continue;
    n += int64_t(f.pixels.size());
    ++distinct;
  }
  EXPECT_EQ(picture.frameCount, static_cast<int32_t>(picture.frames.size()));
  EXPECT_EQ(std::tie(counted.frameCount, counted.distinctFrames, counted.damagedFrames, counted.palette),
            std::tie(picture.frameCount, picture.distinctFrames, picture.damagedFrames, picture.palette));
  EXPECT_EQ(picture.distinctFrames, distinct);
  EXPECT_TRUE(counted.frames.empty());
  return n;
}
int64_t HeldPixels(const Bytes& b) {
  DecodedPicture picture;
  return HeldPixels(b, picture);
}

// b with its n-byte field at `at` set to value.
Bytes Patched(Bytes b, size_t at, uint32_t value, int n = 2) {
  Patch(b, at, value, n);
  return b;
}

Bytes Head(const Bytes& b, size_t n) {
  return Bytes(b.begin(), b.begin() + long(n));
}

// One sample of every reader and variant, 19 x 9, four frames for the animations.
std::vector<Bytes> ValidFiles() {
  std::vector<Image> frames;
  for (int i = 0; i < 4; ++i) frames.push_back(Pattern(19, 9, i + 1));
  std::vector<Bytes> records = AnmRecords(frames);
  records.emplace_back();  // an empty ANM record: a frame that changes nothing
  std::vector<Bytes> chunks{FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(frames[0])}),
                            FrameChunk({WordDeltaChunk(frames[0], frames[1])}),
                            FrameChunk({ByteDeltaChunk(frames[1], frames[2]), Colour64Full(TestPalette())}),
                            FrameChunk({Chunk(13, {}), CopyChunk(frames[3])})};
  const std::vector<Image> fli = {frames[0], frames[1], Image(19, 9), frames[3]};
  // PNG and GIF files as ImageMagick wrote them first.
  return {FileBytes(PLYK_SOURCE_DIR "/tests/fuzz/corpus/picture/png_rgba.png"),
          FileBytes(PLYK_SOURCE_DIR "/tests/fuzz/corpus/picture/gif_anim.gif"),
          WritePcx(frames[0], TestPalette()),
          WriteBmp(frames[0], TestPalette()),
          WriteBmp(frames[0], TestPalette(), {0, false, false, 0, false, true}),
          WriteBmp(Pattern(19, 9, 5, 200), TestPalette(), {200, true}),
          WriteBmp(frames[0], TestPalette(), {0, false, true}),
          WriteFlc(19, 9, chunks),
          WriteFli(fli, TestPalette()),
          WriteAnm(19, 9, TestPalette(), records, 2, false)};
}

}  // namespace

TEST(HostileInput, TruncatedAndDamagedFilesAreSafe) {
  uint32_t s = 12345;
  for (const Bytes& file : ValidFiles()) {
    DecodedPicture whole;
    ASSERT_GT(HeldPixels(file, whole), 0);
    EXPECT_TRUE(whole.damagedFrames.empty()) << whole.format;
    // Every cut point near the header and the end, and a stride through the rest. A
    // cut that loses pixels or colours is refused or reported as damage.
    for (size_t n = 0; n < file.size(); n += (n < 3000 || n + 400 > file.size()) ? 1 : 97) {
      DecodedPicture cut;
      const int64_t held = HeldPixels(Head(file, n), cut);
      EXPECT_LE(held, (19 + 5) * 9 * 4) << whole.format << " length " << n;
      const bool lost =
          cut.palette != whole.palette || cut.frames.size() != whole.frames.size() ||
          !std::equal(cut.frames.begin(), cut.frames.end(), whole.frames.begin(),
                      [](const PictureFrame& a, const PictureFrame& b) { return a.pixels == b.pixels; });
      EXPECT_TRUE(held < 0 || !lost || !cut.damagedFrames.empty()) << whole.format << " length " << n;
    }
    for (int round = 0; round < 300; ++round) {  // six bytes changed at random
      Bytes bad = file;
      for (int k = 0; k < 6; ++k) {
        s = s * 1103515245u + 12345u;
        bad[(s >> 8) % bad.size()] = static_cast<uint8_t>(s >> 3);
      }
      EXPECT_LE(HeldPixels(bad), kMaxHeldPixels);
    }
  }
}

TEST(HostileInput, UnsupportedAndImpossibleFilesAreRefused) {
  // Each is refused by every decoder's open(); by its own before any frame is allocated.
  std::vector<std::pair<std::string, Bytes>> files;
  const Image img = Pattern(8, 8);
  for (auto [bits, planes] : {std::pair{4, 1}, {1, 4}, {8, 3}, {1, 1}})
    files.push_back({"pcx depth " + std::to_string(bits) + "x" + std::to_string(planes),
                     WritePcx(img, {}, {0, 0, -1, bits, planes})});
  files.push_back({"pcx scan line shorter than the image", WritePcx(Pattern(10, 3), {}, {0, 0, 6})});
  for (auto [bits, used] : {std::pair{8, 257}, {4, 0}, {4, 256}, {24, 0}, {1, 0}})
    files.push_back({"bmp " + std::to_string(bits) + " bits " + std::to_string(used),
                     WriteBmp(img, {}, {used, false, false, 0, false, false, false, bits})});
  for (int bits : {4, 24})
    files.push_back({"os/2 bmp " + std::to_string(bits) + " bits",
                     WriteBmp(img, {}, {0, false, true, 0, false, false, false, bits})});
  files.push_back({"bmp table cut short", Head(WriteBmp(Image(4, 4), {}, {16, true}), 14 + 40 + 15 * 4)});
  // Small files asking for huge, zero or negative sizes, or more frames than they hold:
  // a file and the fields changed in it (offset, value, bytes).
  const Bytes bmp = WriteBmp(Image(4, 4), {}), pcx = WritePcx(Image(2, 2), {});
  const Bytes anm = WriteAnm(8, 8, TestPalette(), AnmRecords({Image(8, 8, 1)}), 1000, false);
  using Fields = std::vector<std::tuple<size_t, uint32_t, int>>;
  std::vector<std::tuple<std::string, Bytes, Fields>> patched = {
      {"bmp compression 2 (RLE4)", WriteBmp(img, {}), {{30, 2, 4}}},
      {"bmp compression 3 (bit fields)", WriteBmp(img, {}), {{30, 3, 4}}},
      {"pcx 32767 squared", pcx, {{8, 32766, 2}, {10, 32766, 2}, {66, 32768, 2}}},
      // Still more pixels than its runs can code.
      {"pcx 4096 squared", pcx, {{8, 4095, 2}, {10, 4095, 2}, {66, 4096, 2}}},
      {"bmp huge width", bmp, {{18, 0x7FFFFFFF, 4}}},
      {"bmp most negative height", bmp, {{22, 0x80000000, 4}}},
      {"bmp zero width", bmp, {{18, 0, 4}}},
      {"bmp 3000 x 3000 in a small file", bmp, {{18, 3000, 4}, {22, 3000, 4}}},
      {"os/2 bmp 65535 squared",
       WriteBmp(Image(4, 4), {}, {0, false, true}),
       {{18, 0xFFFF, 2}, {20, 0xFFFF, 2}}},
      // A header alone may not ask for even one frame of any size.
      {"flc header only", Bytes(128, 0), {{4, 0xAF12, 2}, {6, 1, 2}, {8, 4000, 2}, {10, 4000, 2}}},
      {"anm 2^32-1 records", anm, {{8, 0xFFFFFFFF, 4}}},
      {"anm 65535 squared", anm, {{20, 0xFFFF, 2}, {22, 0xFFFF, 2}}},
  };
  for (unsigned magic : {0xAF12u, 0xAF11u}) {
    const Bytes flic = WriteFlc(320, 200, {FrameChunk({})}, {}, magic);
    const std::string kind = magic == 0xAF11u ? "fli " : "flc ";
    patched.insert(patched.end(), {{kind + "30000 frames", flic, {{6, 30000, 2}}},
                                   {kind + "negative frames", flic, {{6, 0x8000, 2}}},
                                   {kind + "negative width", flic, {{8, 0xFFF0, 2}}},
                                   {kind + "zero height", flic, {{10, 0, 2}}},
                                   {kind + "32767 squared", flic, {{8, 32767, 2}, {10, 32767, 2}}}});
  }
  for (auto [name, file, fields] : patched) {
    for (auto [at, value, bytes] : fields) Patch(file, at, value, bytes);
    files.push_back({name, file});
  }
  files.push_back({"flc 4000 x 4000 in a small file", WriteFlc(4000, 4000, {FrameChunk({})})});
  for (const auto& [name, file] : files) {
    Picture pic;
    EXPECT_FALSE(Load(pic, file)) << name;
    EXPECT_STREQ(pic.lastError(), kPictureUnsupported) << name;
    // Each format knows its own: the reason is more than "not a picture".
    EXPECT_FALSE(pic.reason().ok()) << name;
    EXPECT_NE(pic.reason().problem, ReadProblem::NotThisKind) << name << ": " << ReasonText(pic.reason());
    for (auto& decoder : MakePictureDecoders())
      EXPECT_FALSE(decoder->open(file.data(), file.size())) << name << " as " << decoder->format();
  }
  // Any file may ask for a frame up to 1920 x 1080; beyond that the file must justify it.
  for (auto [w, h, held] : {std::tuple{60, 60, 3600}, {1920, 1080, 1920 * 1080}, {1024, 768, 1024 * 768}})
    EXPECT_EQ(HeldPixels(WriteFlc(w, h, {FrameChunk({})})), held) << w << " x " << h;
  // The longest sides allowed.
  EXPECT_EQ(HeldPixels(WriteBmp(Image(32768, 1), {})), 32768);
  EXPECT_EQ(HeldPixels(WriteBmp(Image(1, 32768), {})), 4 * 32768);  // a BMP's rows keep their padding
}

TEST(HostileInput, FramesBeyondTheMemoryCapAreRefused) {
  // Every frame differs from the one before: a pixel, then black again. Held frames
  // would cost nothing; these each take a frame's worth until the cap is reached.
  const int w = 2048, h = 1024;
  const int64_t fit = kMaxHeldPixels / (int64_t(w) * h);
  Bytes dot = {0, 0, 1, 0, 1, 0, 1, 9};  // first row 0, one row: one packet, 1 literal
  std::vector<Bytes> chunks;
  for (int64_t i = 0; i <= fit; ++i) chunks.push_back(FrameChunk({i % 2 ? Chunk(13, {}) : Chunk(12, dot)}));
  Bytes flc = WriteFlc(w, h, chunks);
  EXPECT_EQ(HeldPixels(flc), -1);
  Patch(flc, 6, static_cast<uint32_t>(fit));  // one frame fewer fits
  EXPECT_EQ(HeldPixels(flc), fit * w * h);
}

TEST(HostileInput, AnmRecordsOutsideAnyPageOrTooLargeForTheCache) {
  const Image f(8, 4, 5);
  const Bytes anm = WriteAnm(8, 4, TestPalette(), AnmRecords({f, f}));
  Picture pic;
  ASSERT_TRUE(Load(pic, Patched(anm, 1280 + 2, 1)));  // page 0 holds only record 0: frame 1 equals frame 0
  ExpectFrames(pic, {f, f});
  // A page whose table and data would not fit the cache is not decoded.
  const Bytes tooLarge = Patched(Patched(anm, 2816 + 2, 30000), 2816 + 4, 20000);
  DecodedPicture decoded;
  ASSERT_TRUE(DecodePicture(tooLarge.data(), tooLarge.size(), decoded));
  EXPECT_EQ(decoded.frames[0].pixels, Bytes(32, 0));
  EXPECT_EQ(decoded.damagedFrames, (std::vector<int32_t>{0, 1}));
}

// Broken copies give their reason: refused ones from the load, cut-off ones from
// the first damaged frame.
TEST(PictureReasons, BrokenCopiesSayWhyAndWhere) {
  const Image img = Pattern(8, 8);
  const Bytes bmp = WriteBmp(img, {}), rle = WriteBmp(img, {}, {0, false, false, 0, false, true});
  const Bytes anm = WriteAnm(8, 8, TestPalette(), AnmRecords({img})), pcx = WritePcx(img, TestPalette());
  const Bytes flc = WriteFlc(16, 8, {FrameChunk({ByteRunChunk(Pattern(16, 8))})});
  const struct {
    const char* name;
    Bytes file;
    ReadProblem problem;
    int64_t offset;
    int64_t value;  // the unsupported value or the bytes claimed
  } cases[] = {
      {"text", Bytes(200, 'x'), ReadProblem::NotThisKind, 0, 0},
      {"pcx 4 bits", WritePcx(img, {}, {0, 0, -1, 4, 1}), ReadProblem::Unsupported, 3, 4},
      {"bmp 24 bits", Patched(bmp, 28, 24), ReadProblem::Unsupported, 28, 24},
      {"os/2 bmp 4 bits", WriteBmp(img, {}, {0, false, true, 0, false, false, false, 4}),
       ReadProblem::Unsupported, 24, 4},
      {"bmp bit fields", Patched(bmp, 30, 3, 4), ReadProblem::Unsupported, 30, 3},
      // Shorter than the information header: another layout.
      {"bmp header of 39 bytes", Patched(bmp, 14, 39, 4), ReadProblem::NotThisKind, 0, 0},
      // The last row ends the pixels: nothing is missing.
      {"bmp rle8 without end of bitmap", Head(rle, rle.size() - 2), ReadProblem::None, -1, 0},
      // The one page is not counted: its record lies in no page.
      {"anm record in no counted page", Patched(anm, 6, 0), ReadProblem::Damaged, -1, 0},
      {"anm cut after its size table", Head(anm, 2816 + 8 + 2), ReadProblem::Damaged, -1, 0},
      {"flc 30000 frames", Patched(flc, 6, 30000), ReadProblem::Overrun, 6, 30000 * 16},
      {"pcx header only", Head(pcx, 128), ReadProblem::Truncated, 128, 0},
      {"pcx cut in its pixels", Head(pcx, 140), ReadProblem::Truncated, 140, 0},
      // 4096 pixels a byte: the most a file may ask.
      {"pcx at the size limit", Head(WritePcx(Image(2048, 2048), TestPalette()), 1024),
       ReadProblem::Truncated, 1024, 0},
      {"gif one row too wide", EncodeGif({40000, 1, {0}, -1, true, {{Bytes(40000), 0}}}),
       ReadProblem::TooLarge, -1, 40000},
      {"flc cut in its frame", Head(flc, 150), ReadProblem::Truncated, 150, 0},
      // The frame chunk claims more than the file holds.
      {"flc frame past the end", Patched(flc, 128, 5000, 4), ReadProblem::Overrun, 128, 5000},
  };
  for (const auto& c : cases) {
    DecodedPicture picture;
    ReadResult refused;
    const bool read = DecodePicture(c.file.data(), c.file.size(), picture, false, nullptr, &refused);
    const ReadResult& why = read ? picture.firstDamage : refused;
    EXPECT_EQ(std::tie(why.problem, why.offset, why.value), std::tie(c.problem, c.offset, c.value))
        << c.name << ": " << ReasonText(why);
  }
}

TEST(PictureLoad, FailuresKeepThePreviousPictureAndFramesAreSelectable) {
  const Palette pal = TestPalette(6);
  const std::vector<Image> frames = {Pattern(10, 4), Pattern(10, 4, 2), Pattern(10, 4, 3)};
  std::vector<Bytes> chunks;
  for (const Image& f : frames) chunks.push_back(FrameChunk({Colour256Full(pal), CopyChunk(f)}));
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteFlc(10, 4, chunks)));
  EXPECT_EQ(pic.currentFrame(), 0);
  EXPECT_FALSE(pic.selectFrame(3) || pic.selectFrame(-1));
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
  ASSERT_TRUE(Load(pic, WriteFlc(10, 4, {})));  // no frames: no frame index left over
  EXPECT_EQ(pic.currentFrame(), 0);
  // A new load starts at frame 0, holds the file's bytes and builds the mix table.
  const ScratchFolder folder("cutter_reload");
  const Bytes flc = WriteFlc(10, 4, chunks);
  ASSERT_TRUE(pic.load(PathFromText(folder.write("picture.dat", flc))));
  EXPECT_EQ(pic.currentFrame(), 0);
  EXPECT_EQ(pic.fileData(), flc);
  PaletteBlock expected;
  std::copy(pic.palette().palette(), pic.palette().palette() + 768, expected.palette());
  BuildMixTable(expected);
  EXPECT_EQ(pic.palette().bytes, expected.bytes);
}
