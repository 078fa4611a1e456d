// F1 and "사용 설명서": the manual beside the program opens in the browser; a missing
// page or a browser that does not start is reported.
#include <gtest/gtest.h>

#include "base/path_text.h"
#include "cutter/resource_ids.h"
#include "editor_support.h"
#include "ui/user_manual.h"

TEST(UserManual, OpensTheInstalledPageOrSaysWhyNot) {
  EXPECT_EQ(UserManualPath("C:\\Programs\\PlykZorv\\"), "C:\\Programs\\PlykZorv\\manual\\index.html");
  const struct {
    bool installed, browserWorks;
    std::string error;  // the message after the page's name; empty: none
  } cases[] = {
      {true, true, ""},
      {false, true, "사용 설명서 파일이 없습니다.\n프로그램을 다시 설치하십시오."},
      {true, false, "사용 설명서를 열 수 없습니다.\n웹 브라우저를 확인하십시오."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.installed ? "installed" : "missing");
    ScratchFolder folder("plyk_manual");
    const std::string programDirectory = TextFromPath(folder.dir) + "/";
    const std::string page = UserManualPath(programDirectory);
    if (c.installed) {
      std::filesystem::create_directories(PathFromText(page).parent_path());
      std::ofstream(PathFromText(page)) << "<html></html>";
    }
    edtest::Frame frame;
    frame.host.browserWorks = c.browserWorks;
    frame.editor.setProgramDirectory(programDirectory);
    EXPECT_TRUE(frame.editor.command(ID_PLYK_MANUAL));
    EXPECT_EQ(frame.host.browsed, c.installed ? std::vector<std::string>{page} : std::vector<std::string>{});
    EXPECT_EQ(frame.host.errors, c.error.empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{"'" + page + "'\n" + c.error});
  }
}
