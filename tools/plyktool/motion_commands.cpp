// plyktool info and resave for motion files (.zrv).
#include <cstdio>
#include <fstream>
#include <string>

#include "base/save_file.h"
#include "commands.h"
#include "display_text.h"
#include "motion/motion_file_io.h"

namespace {

ReadResult Load(const std::string& path, MotionFile& file) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::CannotOpen();
  return ReadMotionFileWithReason(file, in);
}

// All fields of one motion on one line; unset boxes and points show as "-".
void PrintMotion(int32_t index, const Motion& m) {
  std::printf("    %4d  sprite %d  rel %d,%d  delay %d  effects %d  boxes", index, m.spriteIndex, m.relX,
              m.relY, m.delay, m.effects);
  for (const MotionBox& b : m.boxes) {
    if (b.isSet())
      std::printf(" %d,%d,%d,%d", b.x1, b.y1, b.x2, b.y2);
    else
      std::printf(" -");
  }
  std::printf("  points");
  for (const MotionPoint& p : m.points) {
    if (p.isSet())
      std::printf(" %d,%d", p.x, p.y);
    else
      std::printf(" -");
  }
  std::printf("  flags");
  for (int32_t f : m.flags) std::printf(" %d", f);
  std::printf("  reserved ");
  for (uint8_t r : m.reserved) std::printf("%02x", r);
  std::printf("  sound \"%s\"\n", DisplayText(m.sound.str()).c_str());
}

}  // namespace

int InfoMotionFile(const std::string& path, bool listMotions) {
  MotionFile file;
  const ReadResult read = Load(path, file);
  if (!read) return FailRead(path, read);
  std::printf("motion file %s\n", path.c_str());
  std::printf("bundles %d\n", file.count());
  for (int32_t b = 0; b < file.count(); ++b) {
    const MotionBundle& bundle = *file.get(b);
    std::printf("%5d  \"%s\"  %d motions\n", b, DisplayText(bundle.name.str()).c_str(), bundle.count());
    if (!listMotions) continue;
    for (int32_t i = 0; i < bundle.count(); ++i) PrintMotion(i, *bundle.get(i));
  }
  std::printf("sprites %d\n", file.sprites.Count());
  return 0;
}

int ResaveMotionFile(const std::string& in, const std::string& out) {
  MotionFile file;
  const ReadResult read = Load(in, file);
  if (!read) return FailRead(in, read);
  if (!SaveFileSafely(out, [&](std::ostream& o) { return WriteMotionFile(file, o) != 0; }))
    return Fail(out + ": cannot write the file");
  return 0;
}
