// plyktool info FILE: recognises the file by its magic and prints its figures, or
// fails with the reason the file cannot be read. A file of none of our formats is
// tried as a picture; every frame is decoded, so this is also the quick check of a
// picture file.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "base/byte_reader.h"
#include "commands.h"
#include "cutter/decode_picture.h"
#include "file_kind.h"
#include "sound/wave_cache.h"
#include "sound/wave_parser.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

namespace {

int InfoSprites(const std::string& path, const std::vector<uint8_t>& bytes) {
  SpriteSet set;
  // Duplicates are kept so the figures describe the file as it is.
  const ReadResult read = ReadSpritesWithReason(set, bytes.data(), bytes.size(), false);
  if (!read) return FailRead(path, read);
  std::printf("sprite file %s\n", path.c_str());
  std::printf("count %d\n", LoadS32(&bytes[28]));
  std::printf("total length %d (file %zu bytes)\n", LoadS32(&bytes[32]), bytes.size());
  for (int32_t i = 0; i < set.Count(); ++i)
    std::printf("%5d  %d x %d\n", i, set.Get(i)->width, set.Get(i)->height);
  return 0;
}

int InfoPalette(const std::string& path) {
  PaletteBlock block;
  std::ifstream in(path, std::ios::binary);
  const ReadResult read = ReadPaletteFileWithReason(block, in);
  if (!read) return FailRead(path, read);
  std::printf("palette file %s\n", path.c_str());
  for (int i = 0; i < 16; ++i) {
    const uint8_t* c = block.palette() + 3 * i;
    std::printf("%3d  %3d %3d %3d\n", i, c[0], c[1], c[2]);
  }
  return 0;
}

// The format block's figures and the length of the samples. A file the player would
// refuse (too large for its cache, or not parsed) fails with the reason.
int InfoWave(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (bytes.size() > WaveCache::kCapacity)
    return FailRead(path, ReadResult::TooLarge(int64_t(bytes.size()), int64_t(WaveCache::kCapacity)));
  WaveView wave;
  const ReadResult read = ParseWave(bytes.data(), bytes.size(), wave);
  if (!read) return FailRead(path, read);
  ByteReader format(wave.format, wave.formatSize);
  const uint16_t tag = format.u16(), channels = format.u16();
  const uint32_t rate = format.u32(), byteRate = format.u32();
  format.u16();  // block align
  const uint16_t bits = format.u16();
  std::printf("wave file %s\n", path.c_str());
  std::printf("format tag %u, %u channels, %u Hz, %u bits\n", tag, channels, rate, bits);
  std::printf("data %u bytes", wave.dataSize);
  if (byteRate) std::printf(" (%u ms)", static_cast<unsigned>(uint64_t(wave.dataSize) * 1000 / byteRate));
  std::printf("\n");
  return 0;
}

// Format, size and frames; damaged frames are listed and make the command fail.
int InfoPicture(const std::string& path, const std::vector<uint8_t>& bytes) {
  DecodedPicture picture;
  // Every frame is decoded as a load would, but none is kept.
  ReadResult reason;
  if (!DecodePicture(bytes.data(), bytes.size(), picture, false, nullptr, &reason)) {
    if (reason.problem == ReadProblem::NotThisKind)
      return Fail(path + ": not a sprite, palette, motion or picture file that can be read");
    return FailRead(path, reason);
  }
  std::printf("picture file %s\n", path.c_str());
  std::printf("format %s, %zu bytes\n", picture.format, bytes.size());
  std::printf("size %d x %d\n", picture.width, picture.height);
  if (picture.coloursMapped) std::printf("colours mapped to the built-in palette\n");
  if (picture.frameCount == 1)
    std::printf("frames 1\n");
  else
    std::printf("frames %d (%d distinct)\n", picture.frameCount, picture.distinctFrames);
  const size_t damaged = picture.damagedFrames.size();
  if (damaged == 0) {
    std::printf("every frame decoded\n");
    return 0;
  }
  std::printf("damaged frames");
  for (size_t i = 0; i < damaged && i < 20; ++i) std::printf(" %d", picture.damagedFrames[i]);
  std::printf(damaged > 20 ? " ...\n" : "\n");
  return Fail(path + ": " + ReasonText(picture.firstDamage) + "; " + std::to_string(damaged) + " of " +
              std::to_string(picture.frameCount) + " frames damaged");
}

}  // namespace

int RunInfo(Args args) {
  bool listMotions = TakeFlag(args, "--motions");
  if (args.size() != 1) return Fail("usage: plyktool info [--motions] FILE");
  const std::string& path = args[0];
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return Fail(path + ": cannot read the file");
  switch (KindOf(bytes, path)) {
    case FileKind::Sprites:
      return InfoSprites(path, bytes);
    case FileKind::Palette:
      return InfoPalette(path);
    case FileKind::Motions:
      return InfoMotionFile(path, listMotions);
    case FileKind::Wave:
      return InfoWave(path, bytes);
    default:
      return InfoPicture(path, bytes);
  }
}
