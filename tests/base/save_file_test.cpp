#include "base/save_file.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p) {
  const std::vector<uint8_t> bytes = FileBytes(p);
  return std::string(bytes.begin(), bytes.end());
}

TEST(SaveFileSafely, ReplacesTheFileOnlyWhenTheWriteSucceeded) {
  const ScratchFolder scratch("plyk_save_test");
  const fs::path& dir = scratch.dir;
  fs::path target = dir / "doc.bin";
  ASSERT_TRUE(SaveFileSafely(target, [](std::ostream& out) { return bool(out << "first"); }));
  EXPECT_EQ(Slurp(target), "first");

  EXPECT_FALSE(SaveFileSafely(target, [](std::ostream& out) {
    out << "half";
    return false;
  }));
  EXPECT_EQ(Slurp(target), "first");
  EXPECT_FALSE(SaveFileSafely(target, [](std::ostream& out) {
    out.setstate(std::ios::badbit);
    return true;
  }));
  EXPECT_EQ(Slurp(target), "first");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  ASSERT_TRUE(SaveFileSafely(target, [](std::ostream& out) { return bool(out << "second"); }));
  EXPECT_EQ(Slurp(target), "second");
  EXPECT_FALSE(SaveFileSafely(dir / "missing" / "x.bin", [](std::ostream&) { return true; }));
}

}  // namespace
