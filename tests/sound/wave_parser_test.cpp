#include "sound/wave_parser.h"

#include <gtest/gtest.h>

#include <vector>

#include "wave_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes WithU32(Bytes bytes, size_t at, uint32_t value) {
  SetU32(bytes, at, value);
  return bytes;
}

}  // namespace

TEST(WaveParser, FindsTheFirstFormatAndDataPairOrRefuses) {
  const Bytes samples = Samples(100);
  const Bytes stereo = PcmFormat(2, 44100, 16);
  Bytes paddedFormat = PcmFormat();
  paddedFormat.insert(paddedFormat.end(), {0, 0, 9});  // 19 bytes: padded too
  Bytes shortFormat = PcmFormat();
  shortFormat.resize(14);
  Bytes rifx = SimpleWave(samples);
  rifx[3] = 'X';
  Bytes cutHeader = RiffFile("WAVE", {{"fmt ", PcmFormat()}});
  cutHeader.insert(cutHeader.end(), {'d', 'a', 't', 'a', 4});
  SetU32(cutHeader, 4, static_cast<uint32_t>(cutHeader.size() + 100));
  struct Case {
    const char* name;
    Bytes file;
    WaveParse result;
    Bytes format, data;  // expected views when kOk
  } cases[] = {
      {"fmt then data", SimpleWave(samples), WaveParse::kOk, PcmFormat(), samples},
      {"data before fmt", RiffFile("WAVE", {{"data", samples}, {"fmt ", stereo}}), WaveParse::kOk, stereo,
       samples},
      // Reading the next id one byte early would see "\xEEdat" after the odd chunk.
      {"odd chunk with pad byte",
       RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"LIST", {'a', 'b', 'c'}}, {"data", samples}}),
       WaveParse::kOk, PcmFormat(), samples},
      {"odd fmt chunk", RiffFile("WAVE", {{"fmt ", paddedFormat}, {"data", samples}}), WaveParse::kOk,
       paddedFormat, samples},
      {"first pair wins",
       RiffFile("WAVE", {{"fmt ", stereo}, {"data", samples}, {"fmt ", PcmFormat()}, {"data", Samples(4)}}),
       WaveParse::kOk, stereo, samples},
      {"empty data skipped", RiffFile("WAVE", {{"data", {}}, {"fmt ", PcmFormat()}, {"data", samples}}),
       WaveParse::kOk, PcmFormat(), samples},
      {"RIFF length past the file", WithU32(SimpleWave(samples), 4, 0xFFFFFFFFu), WaveParse::kOk, PcmFormat(),
       samples},
      {"AVI form", RiffFile("AVI ", {{"fmt ", PcmFormat()}, {"data", samples}}), WaveParse::kNotWave, {}, {}},
      {"RIFX", rifx, WaveParse::kNotWave, {}, {}},
      {"cut form type", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}, WaveParse::kNotWave, {}, {}},
      {"empty", {}, WaveParse::kNotWave, {}, {}},
      {"no data", RiffFile("WAVE", {{"fmt ", PcmFormat()}}), WaveParse::kDamaged, {}, {}},
      {"no fmt", RiffFile("WAVE", {{"data", samples}}), WaveParse::kDamaged, {}, {}},
      {"no chunks", RiffFile("WAVE", {}), WaveParse::kDamaged, {}, {}},
      {"data one byte too long", WithU32(SimpleWave(samples), 40, 101), WaveParse::kDamaged, {}, {}},
      {"data length wraps", WithU32(SimpleWave(samples), 40, 0xFFFFFFFFu), WaveParse::kDamaged, {}, {}},
      {"fmt length wraps", WithU32(SimpleWave(samples), 16, 0xFFFFFFF8u), WaveParse::kDamaged, {}, {}},
      {"cut chunk header", cutHeader, WaveParse::kDamaged, {}, {}},
      {"short fmt",
       RiffFile("WAVE", {{"fmt ", shortFormat}, {"data", samples}}),
       WaveParse::kDamaged,
       {},
       {}},
      {"short fmt after data",
       RiffFile("WAVE", {{"data", samples}, {"fmt ", shortFormat}}),
       WaveParse::kDamaged,
       {},
       {}},
      {"empty data", RiffFile("WAVE", {{"fmt ", PcmFormat()}, {"data", {}}}), WaveParse::kDamaged, {}, {}},
      {"RIFF ends before data", WithU32(SimpleWave(samples), 4, 4 + 8 + 16), WaveParse::kDamaged, {}, {}},
  };
  for (const Case& c : cases) {
    WaveView view;
    ASSERT_EQ(ParseWave(c.file.data(), c.file.size(), view), c.result) << "case " << c.name;
    if (c.result != WaveParse::kOk) continue;
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
    const WaveParse result = ParseWave(prefix.data(), prefix.size(), view);
    // The last pad byte is not needed.
    EXPECT_EQ(result == WaveParse::kOk, n >= file.size() - 1) << n;
    EXPECT_EQ(result == WaveParse::kNotWave, n < 12) << n;
  }
}
