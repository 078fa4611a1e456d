#include "base/read_result.h"

namespace {

const char* PartWords(FilePart part) {
  switch (part) {
    case FilePart::None:
      return "";
    case FilePart::Header:
      return "header";
    case FilePart::OffsetTable:
      return "offset table";
    case FilePart::Sprite:
      return "sprite";
    case FilePart::SpriteSection:
      return "sprite section";
    case FilePart::Bundle:
      return "bundle";
    case FilePart::Motion:
      return "motion";
    case FilePart::Chunk:
      return "chunk";
    case FilePart::WaveChunks:
      return "\"fmt \" and \"data\" chunks";
    case FilePart::Frame:
      return "frame";
    case FilePart::Page:
      return "large page";
    case FilePart::Palette:
      return "palette";
    case FilePart::Pixels:
      return "pixel data";
  }
  return "";
}

const char* FeatureWords(FileFeature feature) {
  switch (feature) {
    case FileFeature::Version:
      return "version";
    case FileFeature::Depth:
      return "bits per pixel";
    case FileFeature::Colours:
      return "colour count";
    case FileFeature::Compression:
      return "compression";
    case FileFeature::Planes:
      return "plane count";
    case FileFeature::Size:
      return "size";
    case FileFeature::Variant:
      return "type";
  }
  return "";
}

std::string Num(int64_t n) {
  return std::to_string(n);
}

// "sprite 17 of 40", "chunk 3", "header".
std::string PartRef(const ReadResult& r) {
  std::string text = PartWords(r.part);
  if (r.index < 0) return text;
  text += " " + Num(r.index + 1);
  if (r.count > 0) text += " of " + Num(r.count);
  return text;
}

// " at byte N", or nothing when the place is not known.
std::string At(const ReadResult& r) {
  return r.offset < 0 ? "" : " at byte " + Num(r.offset);
}

}  // namespace

ReadResult ReadResult::CannotOpen() {
  ReadResult r;
  r.problem = ReadProblem::CannotOpen;
  return r;
}

ReadResult ReadResult::NotThisKind(const char* kind) {
  ReadResult r;
  r.problem = ReadProblem::NotThisKind;
  r.kind = kind;
  r.offset = 0;
  return r;
}

ReadResult ReadResult::Truncated(int64_t offset, FilePart part, int64_t index, int64_t count) {
  ReadResult r;
  r.problem = ReadProblem::Truncated;
  r.offset = offset;
  r.part = part;
  r.index = index;
  r.count = count;
  return r;
}

ReadResult ReadResult::Unsupported(FileFeature feature, int64_t value, int64_t offset) {
  ReadResult r;
  r.problem = ReadProblem::Unsupported;
  r.feature = feature;
  r.value = value;
  r.offset = offset;
  return r;
}

ReadResult ReadResult::Overrun(FilePart part, int64_t offset, int64_t claimed, int64_t left, int64_t index,
                               int64_t count) {
  ReadResult r = Truncated(offset, part, index, count);
  r.problem = ReadProblem::Overrun;
  r.value = claimed;
  r.limit = left;
  return r;
}

ReadResult ReadResult::Damaged(FilePart part, int64_t offset, int64_t index, int64_t count) {
  ReadResult r = Truncated(offset, part, index, count);
  r.problem = ReadProblem::Damaged;
  return r;
}

ReadResult ReadResult::Missing(FilePart part) {
  ReadResult r;
  r.problem = ReadProblem::Missing;
  r.part = part;
  return r;
}

ReadResult ReadResult::TooLarge(int64_t size, int64_t most, FilePart part) {
  ReadResult r;
  r.problem = ReadProblem::TooLarge;
  r.value = size;
  r.limit = most;
  r.part = part;
  return r;
}

ReadResult ReadResult::Described(std::string detail) {
  ReadResult r;
  r.problem = ReadProblem::Damaged;
  r.detail = std::move(detail);
  return r;
}

ReadResult& ReadResult::shifted(int64_t base) {
  if (offset >= 0) offset += base;
  return *this;
}

std::string ReasonText(const ReadResult& r) {
  if (!r.detail.empty()) return r.detail;
  const std::string ref = PartRef(r);
  const std::string context = ref.empty() ? "" : " (" + ref + ")";
  switch (r.problem) {
    case ReadProblem::None:
      return "";
    case ReadProblem::CannotOpen:
      return "cannot read the file";
    case ReadProblem::NotThisKind:
      return std::string("not a ") + r.kind;
    case ReadProblem::Truncated:
      return "truncated at byte " + Num(r.offset) + context;
    case ReadProblem::Unsupported:
      return std::string("unsupported ") + FeatureWords(r.feature) + " " + Num(r.value);
    case ReadProblem::Overrun:
      return ref + At(r) + " claims " + Num(r.value) + " bytes; " + Num(r.limit) + " are left";
    case ReadProblem::Damaged:
      return "damaged " + ref + At(r);
    case ReadProblem::Missing:
      return "no " + ref;
    case ReadProblem::TooLarge:
      return (ref.empty() ? "" : ref + " ") + "too large: " + Num(r.value) + " bytes, at most " +
             Num(r.limit);
  }
  return "";
}
