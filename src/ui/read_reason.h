#pragma once
// The reason a file could not be read, in Korean for the programs' message boxes
// (CP949 once compiled). plyktool and the tests use the English ReasonText.

#include <string>

#include "base/read_result.h"

// A Korean sentence, e.g. "파일이 1234 바이트에서 끊겼습니다 (스프라이트 17/40)."
// Empty for Ok.
std::string KoreanReason(const ReadResult& result);

// A message box text: the usual message, then the reason on a line of its own.
std::string WithReason(const std::string& message, const ReadResult& result);
