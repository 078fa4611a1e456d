// plyktool info and resave for motion files (.zrv).
#include <cstdio>
#include <fstream>
#include <string>

#include "base/byte_reader.h"
#include "base/save_file.h"
#include "commands.h"
#include "display_text.h"
#include "motion/motion_file_io.h"

namespace {

bool Load(const std::string& path, MotionFile& file) {
  std::ifstream in(path, std::ios::binary);
  return in && ReadMotionFile(file, in);
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

// A motion file of another version is refused with its own message.
bool VersionKnown(const std::string& path, int32_t& version) {
  std::ifstream in(path, std::ios::binary);
  StreamReader reader(in);
  reader.skip(4);
  version = reader.s32();
  return !reader.ok() || version == kMotionFileVersion;
}

}  // namespace

int InfoMotionFile(const std::string& path, bool listMotions) {
  MotionFile file;
  int32_t version = 0;
  if (!VersionKnown(path, version))
    return Fail(path + ": motion file version " + std::to_string(version) + " is not supported");
  if (!Load(path, file)) return Fail(path + ": damaged motion file");
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
  int32_t version = 0;
  if (!VersionKnown(in, version))
    return Fail(in + ": motion file version " + std::to_string(version) + " is not supported");
  if (!Load(in, file)) return Fail(in + ": damaged motion file");
  if (!SaveFileSafely(out, [&](std::ostream& o) { return WriteMotionFile(file, o) != 0; }))
    return Fail(out + ": cannot write the file");
  return 0;
}
