#include "base/byte_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/scratch_folder.h"

TEST(ByteReader, ReadsLittleEndianAndStopsForGoodAtTheEnd) {
  const uint8_t data[] = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0x7F};
  ByteReader r(data, sizeof data);
  EXPECT_EQ(r.u32(), 0x04030201u);
  EXPECT_EQ(r.s16(), -2);
  EXPECT_EQ(r.remaining(), 1u);
  EXPECT_EQ(r.u16(), 0);  // short: fails, and every later read fails too
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.u8(), 0);
  EXPECT_EQ(r.remaining(), 0u);
  EXPECT_EQ(r.take(0), nullptr);
  uint8_t out[2] = {7, 7};
  EXPECT_FALSE(r.bytes(out, 2));
  EXPECT_EQ(out[0] | out[1], 0);  // a failed copy leaves zeros
  ByteReader empty(nullptr, 0);
  EXPECT_TRUE(empty.bytes(nullptr, 0));  // an empty read of an empty buffer is fine
  // A huge skip fails; a seek may go to the end, not past it.
  ByteReader skipping(data, sizeof data), seeking(data, sizeof data);
  EXPECT_FALSE(skipping.skip(SIZE_MAX));
  EXPECT_TRUE(seeking.seek(7));
  EXPECT_FALSE(seeking.seek(8));
}

TEST(StreamReader, ReadVectorOnlyGrowsWithTheData) {
  std::istringstream in(std::string(100, 'x'));
  StreamReader r(in);
  std::vector<uint8_t> v;
  // A count far beyond the stream fails without reserving that much memory.
  EXPECT_FALSE(r.readVector(v, SIZE_MAX / 2));
  EXPECT_TRUE(v.empty());
  EXPECT_FALSE(r.ok());
  std::istringstream in2(std::string("\x05\x00\x00\x00hello", 9));
  StreamReader r2(in2);
  uint32_t n = r2.u32();
  EXPECT_TRUE(r2.readVector(v, n));
  EXPECT_EQ(std::string(v.begin(), v.end()), "hello");
}

TEST(ReadFileBytes, AFileLargerThanTheLimitOrHoldingLessThanItsStatedSizeIsRefused) {
  ScratchFolder folder{"read_file_bytes"};
  const std::filesystem::path five = PathFromText(folder.write("five", {1, 2, 3, 4, 5}));
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(ReadFileBytes(five, bytes, 4));
  EXPECT_TRUE(ReadFileBytes(five, bytes, 5));
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  // A sysfs file states 4096 bytes and holds a few, as a file cut while it is read does.
  const std::filesystem::path path = "/sys/kernel/uevent_seqnum";
  std::ifstream in(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::error_code error;
  const uintmax_t stated = std::filesystem::file_size(path, error);
  if (error || text.empty() || text.size() >= stated) GTEST_SKIP() << "no file holding less than its size";
  bytes = {1};
  EXPECT_FALSE(ReadFileBytes(path, bytes));
  EXPECT_TRUE(bytes.empty());
}
