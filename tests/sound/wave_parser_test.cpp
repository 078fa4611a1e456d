#include "sound/wave_parser.h"

#include <gtest/gtest.h>

#include <vector>

#include "wave_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Wave(const std::vector<TestChunk>& chunks) {
  return RiffFile("WAVE", chunks);
}

constexpr ReadProblem kOk = ReadProblem::None, kNotWave = ReadProblem::NotThisKind,
                      kCut = ReadProblem::Truncated, kOver = ReadProblem::Overrun,
                      kDamaged = ReadProblem::Damaged, kMissing = ReadProblem::Missing;

}  // namespace

TEST(WaveParser, FindsTheFirstFormatAndDataPairOrRefuses) {
  const Bytes samples = Samples(100);
  const Bytes stereo = PcmFormat(2, 44100, 16);
  Bytes paddedFormat = PcmFormat();
  paddedFormat.insert(paddedFormat.end(), {0, 0, 9});  // 19 bytes: padded too
  Bytes shortFormat = PcmFormat();
  shortFormat.resize(14);
  const Bytes simple = SimpleWave(samples);
  Bytes rifx = simple;
  rifx[3] = 'X';
  Bytes cutHeader = RiffFile("WAVE", {{"fmt ", PcmFormat()}});
  cutHeader.insert(cutHeader.end(), {'d', 'a', 't', 'a', 4});
  SetU32(cutHeader, 4, static_cast<uint32_t>(cutHeader.size() + 100));
  struct Case {
    const char* name;
    Bytes file;
    ReadProblem result;
    Bytes format, data;   // expected views when kOk
    int64_t offset = -1;  // where the reason says the trouble is
  } cases[] = {
      {"data before fmt", Wave({{"data", samples}, {"fmt ", stereo}}), kOk, stereo, samples},
      // Reading the next id one byte early would see "\xEEdat" after the odd chunk.
      {"odd chunk with pad byte", Wave({{"fmt ", PcmFormat()}, {"LIST", {'a', 'b', 'c'}}, {"data", samples}}),
       kOk, PcmFormat(), samples},
      {"odd fmt chunk", Wave({{"fmt ", paddedFormat}, {"data", samples}}), kOk, paddedFormat, samples},
      {"first pair wins",
       Wave({{"fmt ", stereo}, {"data", samples}, {"fmt ", PcmFormat()}, {"data", Samples(4)}}), kOk, stereo,
       samples},
      {"empty data skipped", Wave({{"data", {}}, {"fmt ", PcmFormat()}, {"data", samples}}), kOk, PcmFormat(),
       samples},
      {"RIFF length past the file", WithWord(SimpleWave(samples), 4, 0xFFFFFFFFu), kOk, PcmFormat(), samples},
      {"AVI form", RiffFile("AVI ", {{"fmt ", PcmFormat()}, {"data", samples}}), kNotWave, {}, {}, 0},
      {"RIFX", rifx, kNotWave, {}, {}, 0},
      {"cut form type", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}, kNotWave, {}, {}, 0},
      {"empty", {}, kNotWave, {}, {}, 0},
      {"no data", Wave({{"fmt ", PcmFormat()}}), kMissing, {}, {}},
      {"no fmt", Wave({{"data", samples}}), kMissing, {}, {}},
      {"no chunks", Wave({}), kMissing, {}, {}},
      // The simple wave has its "fmt " chunk at 12 and its "data" chunk at 36.
      {"data one byte too long", WithWord(SimpleWave(samples), 40, 101), kOver, {}, {}, 36},
      {"data length wraps", WithWord(SimpleWave(samples), 40, 0xFFFFFFFFu), kOver, {}, {}, 36},
      {"fmt length wraps", WithWord(SimpleWave(samples), 16, 0xFFFFFFF8u), kOver, {}, {}, 12},
      {"cut chunk header", cutHeader, kCut, {}, {}, 41},
      {"cut in the data", Bytes(simple.begin(), simple.begin() + 50), kCut, {}, {}, 50},
      // The RIFF length promises one byte more than the file holds: cut short, not overrun.
      {"cut by one byte",
       WithWord(WithWord(simple, 40, 101), 4, uint32_t(simple.size() - 7)),
       kCut,
       {},
       {},
       int64_t(simple.size())},
      {"short fmt", Wave({{"fmt ", shortFormat}, {"data", samples}}), kDamaged, {}, {}, 12},
      {"short fmt last", Wave({{"data", samples}, {"fmt ", shortFormat}}), kDamaged, {}, {}, 120},
      {"empty data", Wave({{"fmt ", PcmFormat()}, {"data", {}}}), kMissing, {}, {}},
      {"RIFF ends before data", WithWord(SimpleWave(samples), 4, 4 + 8 + 16), kMissing, {}, {}},
  };
  for (const Case& c : cases) {
    WaveView view;
    const ReadResult result = ParseWave(c.file.data(), c.file.size(), view);
    ASSERT_EQ(result.problem, c.result) << "case " << c.name;
    EXPECT_EQ(result.offset, c.offset) << "case " << c.name;
    if (c.result != kOk) continue;
    EXPECT_EQ(Bytes(view.format, view.format + view.formatSize), c.format) << "case " << c.name;
    EXPECT_EQ(Bytes(view.data, view.data + view.dataSize), c.data) << "case " << c.name;
    EXPECT_TRUE(view.data >= c.file.data() && view.data + view.dataSize <= c.file.data() + c.file.size());
  }
}

TEST(WaveParser, EveryTruncationIsRefusedOrInside) {
  const Bytes file = RiffFile("WAVE", {{"LIST", {1, 2, 3}}, {"fmt ", PcmFormat()}, {"data", Samples(33)}});
  for (size_t n = 0; n <= file.size(); ++n) {
    const Bytes prefix(file.begin(), file.begin() + n);
    WaveView view;
    const ReadResult result = ParseWave(prefix.data(), prefix.size(), view);
    // The last pad byte is not needed; every other cut is told as one, where it is.
    const bool whole = n >= file.size() - 1;
    EXPECT_EQ(result.problem, n < 12 ? kNotWave : whole ? kOk : kCut) << n;
    EXPECT_EQ(result.offset, whole ? -1 : n < 12 ? 0 : int64_t(n)) << n;
  }
}
