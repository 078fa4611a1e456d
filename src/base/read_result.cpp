#include "base/read_result.h"

namespace {

struct Words {
  const char* english;
  const char* korean;
};

Words PartWords(FilePart part) {
  switch (part) {
    case FilePart::None:
      return {"", ""};
    case FilePart::Header:
      return {"header", "머리말"};
    case FilePart::OffsetTable:
      return {"offset table", "오프셋 표"};
    case FilePart::Sprite:
      return {"sprite", "스프라이트"};
    case FilePart::SpriteSection:
      return {"sprite section", "스프라이트 부분"};
    case FilePart::Bundle:
      return {"bundle", "동작 묶음"};
    case FilePart::Motion:
      return {"motion", "동작"};
    case FilePart::Chunk:
      return {"chunk", "청크"};
    case FilePart::WaveChunks:
      return {"\"fmt \" and \"data\" chunks", "\"fmt \"와 \"data\" 청크"};
    case FilePart::Frame:
      return {"frame", "프레임"};
    case FilePart::Page:
      return {"large page", "페이지"};
    case FilePart::Palette:
      return {"palette", "팔레트"};
    case FilePart::Pixels:
      return {"pixel data", "그림 데이터"};
  }
  return {"", ""};
}

Words FeatureWords(FileFeature feature) {
  switch (feature) {
    case FileFeature::Version:
      return {"version", "버전"};
    case FileFeature::Depth:
      return {"bits per pixel", "색 깊이(비트)"};
    case FileFeature::Colours:
      return {"colour count", "색 수"};
    case FileFeature::Compression:
      return {"compression", "압축 방식"};
    case FileFeature::Planes:
      return {"plane count", "색 평면 수"};
    case FileFeature::Size:
      return {"size", "크기"};
    case FileFeature::Variant:
      return {"type", "형식"};
  }
  return {"", ""};
}

std::string Num(int64_t n) {
  return std::to_string(n);
}

// "sprite 17 of 40", "chunk 3", "header"; Korean "스프라이트 17/40".
std::string PartRef(const ReadResult& r, bool korean) {
  const Words w = PartWords(r.part);
  std::string text = korean ? w.korean : w.english;
  if (r.index < 0) return text;
  text += " " + Num(r.index + 1);
  if (r.count > 0) text += (korean ? "/" : " of ") + Num(r.count);
  return text;
}

// " at byte N", or nothing when the place is not known.
std::string At(const ReadResult& r, bool korean) {
  if (r.offset < 0) return "";
  return korean ? "(" + Num(r.offset) + " 바이트)" : " at byte " + Num(r.offset);
}

std::string English(const ReadResult& r) {
  if (!r.detail.empty()) return r.detail;
  const std::string ref = PartRef(r, false);
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
      return std::string("unsupported ") + FeatureWords(r.feature).english + " " + Num(r.value);
    case ReadProblem::Overrun:
      return ref + At(r, false) + " claims " + Num(r.value) + " bytes; " + Num(r.limit) + " are left";
    case ReadProblem::Damaged:
      return "damaged " + ref + At(r, false);
    case ReadProblem::Missing:
      return "no " + ref;
    case ReadProblem::TooLarge:
      return (ref.empty() ? "" : ref + " ") + "too large: " + Num(r.value) + " bytes, at most " +
             Num(r.limit);
  }
  return "";
}

std::string Korean(const ReadResult& r) {
  if (!r.detail.empty()) return "손상된 파일입니다 (" + r.detail + ").";
  const std::string ref = PartRef(r, true);
  const std::string context = ref.empty() ? "" : " (" + ref + ")";
  switch (r.problem) {
    case ReadProblem::None:
      return "";
    case ReadProblem::CannotOpen:
      return "파일을 읽을 수 없습니다.";
    case ReadProblem::NotThisKind:
      return "다른 종류의 파일입니다.";
    case ReadProblem::Truncated:
      return "파일이 " + Num(r.offset) + " 바이트에서 끊겼습니다" + context + ".";
    case ReadProblem::Unsupported:
      return std::string("지원하지 않는 ") + FeatureWords(r.feature).korean + "(" + Num(r.value) + ")입니다.";
    case ReadProblem::Overrun:
      return ref + At(r, true) + "의 크기 " + Num(r.value) + " 바이트가 남은 " + Num(r.limit) +
             " 바이트보다 큽니다.";
    case ReadProblem::Damaged:
      return "손상된 " + ref + At(r, true) + "입니다.";
    case ReadProblem::Missing:
      return ref + "를 찾을 수 없습니다.";
    case ReadProblem::TooLarge:
      return (ref.empty() ? "파일" : ref) + " 크기가 너무 큽니다 (" + Num(r.value) + " 바이트, 최대 " +
             Num(r.limit) + " 바이트).";
  }
  return "";
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

std::string ReasonText(const ReadResult& result, TextLanguage language) {
  return language == TextLanguage::Korean ? Korean(result) : English(result);
}

std::string WithReason(const std::string& message, const ReadResult& result) {
  // The message of a file that cannot be opened says all there is.
  if (result.ok() || result.problem == ReadProblem::CannotOpen) return message;
  return message + "\n" + ReasonText(result, TextLanguage::Korean);
}
