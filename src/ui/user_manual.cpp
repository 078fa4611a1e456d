#include "ui/user_manual.h"

#include <fstream>

#include "base/path_text.h"

std::string UserManualPath(const std::string& programDirectory) {
  return programDirectory + "manual\\index.html";
}

void OpenUserManual(const std::string& programDirectory, UserPrompts& prompts) {
  const std::string path = UserManualPath(programDirectory);
  if (!std::ifstream(PathFromText(path))) {
    prompts.showError("'" + path + "'\n사용 설명서 파일이 없습니다.\n프로그램을 다시 설치하십시오.");
    return;
  }
  if (!prompts.openInBrowser(path))
    prompts.showError("'" + path + "'\n사용 설명서를 열 수 없습니다.\n웹 브라우저를 확인하십시오.");
}
