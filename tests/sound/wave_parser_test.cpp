#include "sound/wave_parser.h"

#include <gtest/gtest.h>

#include <vector>

#include "wave_bytes.h"

namespace {

WaveParse Parse(const std::vector<uint8_t>& bytes, WaveView& view) {
  return ParseWave(bytes.data(), bytes.size(), view);
}

std::vector<uint8_t> FormatOf(const WaveView& view) {
  return {view.format, view.format + view.formatSize};
}
std::vector<uint8_t> DataOf(const WaveView& view) {
  return {view.data, view.data + view.dataSize};
}

}  // namespace

TEST(WaveParser, FindsFormatThenData) {
  const std::vector<uint8_t> samples = Samples(100);
  const std::vector<uint8_t> file = SimpleWave(samples);
  WaveView view;
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(FormatOf(view), PcmFormat());
  EXPECT_EQ(DataOf(view), samples);
  // The views point into the given bytes: format at 20, data at 44.
  EXPECT_EQ(view.format, file.data() + 20);
  EXPECT_EQ(view.data, file.data() + 44);
}

TEST(WaveParser, FindsDataBeforeFormat) {
  const std::vector<uint8_t> samples = Samples(64, 3);
  const std::vector<uint8_t> format = PcmFormat(2, 44100, 16);
  const std::vector<uint8_t> file = RiffFile("WAVE", {{"data", samples}, {"fmt ", format}});
  WaveView view;
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(FormatOf(view), format);
  EXPECT_EQ(DataOf(view), samples);
}

TEST(WaveParser, SkipsPadByteOfOddChunk) {
  // A 3-byte chunk is followed by a pad byte; reading the next id one byte early
  // would see "\xEEdat" and never find the data.
  const std::vector<uint8_t> samples = Samples(10, 5);
  const std::vector<uint8_t> file =
      RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"LIST", {'a', 'b', 'c'}}, {"data", samples}});
  ASSERT_EQ(file[20 + 16 + 8 + 3], 0xEE);
  WaveView view;
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(DataOf(view), samples);
}

TEST(WaveParser, OddFormatChunkIsPaddedToo) {
  std::vector<uint8_t> format = PcmFormat();
  format.insert(format.end(), {0, 0, 9});  // cbSize 0 plus one stray byte: 19 bytes
  const std::vector<uint8_t> samples = Samples(8);
  const std::vector<uint8_t> file = RiffFile("WAVE", {{"fmt ", format}, {"data", samples}});
  WaveView view;
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(view.formatSize, 19u);
  EXPECT_EQ(DataOf(view), samples);
}

TEST(WaveParser, RefusesOtherFormsAsNotWave) {
  WaveView view;
  EXPECT_EQ(Parse(RiffFile("AVI ", {{"fmt ", PcmFormat()}, {"data", Samples(4)}}), view),
            WaveParse::kNotWave);
  std::vector<uint8_t> rifx = SimpleWave(Samples(4));
  rifx[3] = 'X';
  EXPECT_EQ(Parse(rifx, view), WaveParse::kNotWave);
  EXPECT_EQ(Parse({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}, view), WaveParse::kNotWave);
  EXPECT_EQ(Parse({}, view), WaveParse::kNotWave);
}

TEST(WaveParser, RefusesMissingChunksAsDamaged) {
  WaveView view;
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"fmt ", PcmFormat()}}), view), WaveParse::kDamaged);
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"data", Samples(4)}}), view), WaveParse::kDamaged);
  EXPECT_EQ(Parse(RiffFile("WAVE", {}), view), WaveParse::kDamaged);
}

TEST(WaveParser, RefusesChunkReachingPastTheBytes) {
  std::vector<uint8_t> file = SimpleWave(Samples(100));
  SetU32(file, 40, 101);  // data length one more than the bytes hold
  WaveView view;
  EXPECT_EQ(Parse(file, view), WaveParse::kDamaged);
  SetU32(file, 40, 0xFFFFFFFFu);  // must not wrap around to a small end
  EXPECT_EQ(Parse(file, view), WaveParse::kDamaged);

  std::vector<uint8_t> longFormat = SimpleWave(Samples(100));
  SetU32(longFormat, 16, 0xFFFFFFF8u);
  EXPECT_EQ(Parse(longFormat, view), WaveParse::kDamaged);
}

TEST(WaveParser, RefusesTruncatedChunkHeader) {
  std::vector<uint8_t> file = RiffFile("WAVE", {{"fmt ", PcmFormat()}});
  file.insert(file.end(), {'d', 'a', 't', 'a', 4});  // header cut short
  SetU32(file, 4, static_cast<uint32_t>(file.size() + 100));
  WaveView view;
  EXPECT_EQ(Parse(file, view), WaveParse::kDamaged);
}

TEST(WaveParser, RefusesFormatShorterThanFormatBlock) {
  std::vector<uint8_t> shortFormat = PcmFormat();
  shortFormat.resize(14);
  WaveView view;
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"fmt ", shortFormat}, {"data", Samples(8)}}), view),
            WaveParse::kDamaged);
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"data", Samples(8)}, {"fmt ", shortFormat}}), view),
            WaveParse::kDamaged);
}

TEST(WaveParser, EmptyDataChunkNeverCounts) {
  WaveView view;
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", {}}}), view), WaveParse::kDamaged);
  EXPECT_EQ(Parse(RiffFile("WAVE", {{"data", {}}, {"fmt ", PcmFormat()}}), view), WaveParse::kDamaged);
  // A later non-empty data chunk is still found.
  const std::vector<uint8_t> samples = Samples(6);
  const std::vector<uint8_t> file =
      RiffFile("WAVE", {{"data", {}}, {"fmt ", PcmFormat()}, {"data", samples}});
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(DataOf(view), samples);
}

TEST(WaveParser, WalkStopsAtRiffLength) {
  std::vector<uint8_t> file = SimpleWave(Samples(20));
  SetU32(file, 4, 4 + 8 + 16);  // the RIFF form ends after the format chunk
  WaveView view;
  EXPECT_EQ(Parse(file, view), WaveParse::kDamaged);
  // A RIFF length larger than the file is fine while the chunks lie inside it.
  SetU32(file, 4, 0xFFFFFFFFu);
  EXPECT_EQ(Parse(file, view), WaveParse::kOk);
}

TEST(WaveParser, FirstPairWins) {
  const std::vector<uint8_t> first = Samples(4, 1);
  const std::vector<uint8_t> second = Samples(4, 2);
  const std::vector<uint8_t> file =
      RiffFile("WAVE", {{"fmt ", PcmFormat(1)}, {"data", first}, {"fmt ", PcmFormat(2)}, {"data", second}});
  WaveView view;
  ASSERT_EQ(Parse(file, view), WaveParse::kOk);
  EXPECT_EQ(DataOf(view), first);
  EXPECT_EQ(FormatOf(view), PcmFormat(1));
}

TEST(WaveParser, EveryTruncationIsRefusedOrInside) {
  // Cut a valid file at every length: each prefix either parses to views inside
  // the prefix or is refused, never anything else.
  const std::vector<uint8_t> file =
      RiffFile("WAVE", {{"LIST", {1, 2, 3}}, {"fmt ", PcmFormat()}, {"data", Samples(33)}});
  for (size_t n = 0; n <= file.size(); ++n) {
    const std::vector<uint8_t> prefix(file.begin(), file.begin() + n);
    WaveView view;
    const WaveParse result = Parse(prefix, view);
    if (n == file.size() || n == file.size() - 1) {
      EXPECT_EQ(result, WaveParse::kOk) << n;  // the last pad byte is not needed
    } else {
      EXPECT_NE(result, WaveParse::kOk) << n;
    }
    EXPECT_EQ(result == WaveParse::kNotWave, n < 12) << n;
  }
}
