#pragma once
// What became of reading a file: fine, or what went wrong and where. Every reader of
// our files (sprites, palettes, motions, pictures, waves) answers with one of these,
// so the programs and plyktool tell the user the same cause.
//
// ReasonText turns it into one short English line for plyktool and the tests; the
// programs' message boxes say it in Korean (ui/read_reason.h).

#include <cstdint>
#include <string>

enum class ReadProblem : uint8_t {
  None,
  CannotOpen,   // the file could not be opened or read at all
  NotThisKind,  // the first bytes are not this format's
  Truncated,    // the data ends at `offset` inside `record`
  Unsupported,  // `feature` holds `value`, which the reader does not read
  Overrun,      // `record` at `offset` claims `value` bytes; only `limit` remain
  Damaged,      // `record` at `offset` does not hold together
  Missing,      // the file lacks `record` altogether
  TooLarge,     // the file or `record` needs `value` bytes; at most `limit` are read
};

// The part of a file a reason is about.
enum class FilePart : uint8_t {
  None,
  Header,
  OffsetTable,
  Sprite,
  SpriteSection,  // the sprite set inside a motion file
  Bundle,
  Motion,
  Chunk,
  WaveChunks,  // the "fmt " and "data" chunks a wave file needs
  Frame,
  Page,
  Palette,
  Pixels,
};

// What an Unsupported value is.
enum class FileFeature : uint8_t { Version, Depth, Colours, Compression, Planes, Size, Variant };

struct ReadResult {
  ReadProblem problem = ReadProblem::None;
  // The format named by NotThisKind ("sprite file", "PCX picture"); plain ASCII.
  const char* kind = "";
  FilePart part = FilePart::None;
  int64_t offset = -1;  // byte of the file where the problem lies, -1 when none
  int64_t index = -1;   // 0-based number of the record, -1 when none
  int64_t count = 0;    // records of this part the file announces, 0 when unknown
  FileFeature feature = FileFeature::Version;
  int64_t value = 0;  // the unsupported value, the bytes claimed or needed
  int64_t limit = 0;  // the bytes that remain, or the most that is read
  // English words of a reader that describes the damage itself (the PNG and GIF
  // readers), used instead of the part and offset.
  std::string detail;

  explicit operator bool() const { return problem == ReadProblem::None; }
  bool ok() const { return problem == ReadProblem::None; }

  static ReadResult Ok() { return {}; }
  static ReadResult CannotOpen();
  static ReadResult NotThisKind(const char* kind);
  static ReadResult Truncated(int64_t offset, FilePart part, int64_t index = -1, int64_t count = 0);
  static ReadResult Unsupported(FileFeature feature, int64_t value, int64_t offset = -1);
  static ReadResult Overrun(FilePart part, int64_t offset, int64_t claimed, int64_t left, int64_t index = -1,
                            int64_t count = 0);
  static ReadResult Damaged(FilePart part, int64_t offset, int64_t index = -1, int64_t count = 0);
  static ReadResult Missing(FilePart part);
  static ReadResult TooLarge(int64_t size, int64_t most, FilePart part = FilePart::None);
  static ReadResult Described(std::string detail);

  // Moves the byte offset on by base, for a part read from inside a larger file.
  ReadResult& shifted(int64_t base);
};

// One line, e.g. "truncated at byte 1234 (sprite 17 of 40)", without a full stop, to
// follow "FILE: ". Empty for Ok.
std::string ReasonText(const ReadResult& result);
