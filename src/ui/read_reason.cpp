#include "ui/read_reason.h"

namespace {

const char* PartWords(FilePart part) {
  switch (part) {
    case FilePart::None:
      return "";
    case FilePart::Header:
      return "머리말";
    case FilePart::OffsetTable:
      return "오프셋 표";
    case FilePart::Sprite:
      return "스프라이트";
    case FilePart::SpriteSection:
      return "스프라이트 부분";
    case FilePart::Bundle:
      return "동작 묶음";
    case FilePart::Motion:
      return "동작";
    case FilePart::Chunk:
      return "청크";
    case FilePart::WaveChunks:
      return "\"fmt \"와 \"data\" 청크";
    case FilePart::Frame:
      return "프레임";
    case FilePart::Page:
      return "페이지";
    case FilePart::Palette:
      return "팔레트";
    case FilePart::Pixels:
      return "그림 데이터";
  }
  return "";
}

const char* FeatureWords(FileFeature feature) {
  switch (feature) {
    case FileFeature::Version:
      return "버전";
    case FileFeature::Depth:
      return "색 깊이(비트)";
    case FileFeature::Colours:
      return "색 수";
    case FileFeature::Compression:
      return "압축 방식";
    case FileFeature::Planes:
      return "색 평면 수";
    case FileFeature::Size:
      return "크기";
    case FileFeature::Variant:
      return "형식";
  }
  return "";
}

std::string Num(int64_t n) {
  return std::to_string(n);
}

// "스프라이트 17/40", "청크 3", "머리말".
std::string PartRef(const ReadResult& r) {
  std::string text = PartWords(r.part);
  if (r.index < 0) return text;
  text += " " + Num(r.index + 1);
  if (r.count > 0) text += "/" + Num(r.count);
  return text;
}

// "(N 바이트)", or nothing when the place is not known.
std::string At(const ReadResult& r) {
  return r.offset < 0 ? "" : "(" + Num(r.offset) + " 바이트)";
}

}  // namespace

std::string KoreanReason(const ReadResult& r) {
  if (!r.detail.empty()) return "손상된 파일입니다 (" + r.detail + ").";
  const std::string ref = PartRef(r);
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
      return std::string("지원하지 않는 ") + FeatureWords(r.feature) + "(" + Num(r.value) + ")입니다.";
    case ReadProblem::Overrun:
      return ref + At(r) + "의 크기 " + Num(r.value) + " 바이트가 남은 " + Num(r.limit) +
             " 바이트보다 큽니다.";
    case ReadProblem::Damaged:
      return "손상된 " + ref + At(r) + "입니다.";
    case ReadProblem::Missing:
      return ref + "를 찾을 수 없습니다.";
    case ReadProblem::TooLarge:
      return (ref.empty() ? "파일" : ref) + " 크기가 너무 큽니다 (" + Num(r.value) + " 바이트, 최대 " +
             Num(r.limit) + " 바이트).";
  }
  return "";
}

std::string WithReason(const std::string& message, const ReadResult& result) {
  // The message of a file that cannot be opened says all there is.
  if (result.ok() || result.problem == ReadProblem::CannotOpen) return message;
  return message + "\n" + KoreanReason(result);
}
