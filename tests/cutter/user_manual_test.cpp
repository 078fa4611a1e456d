// F1 and "사용 설명서": the manual beside the program opens in the browser; a missing
// page or a browser that does not start is reported.
#include <gtest/gtest.h>

#include "base/path_text.h"
#include "cutter/resource_ids.h"
#include "editor_support.h"
#include "ui/user_manual.h"

namespace {

struct ManualCase {
  bool installed;
  bool browserWorks;
  bool opened;            // the browser was asked
  const char* errorText;  // nullptr: no message
};

TEST(UserManual, OpensTheInstalledPageOrSaysWhyNot) {
  const ManualCase cases[] = {
      {true, true, true, nullptr},
      {false, true, false, "사용 설명서 파일이 없습니다."},
      {true, false, true, "사용 설명서를 열 수 없습니다."},
  };
  for (const ManualCase& c : cases) {
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
    SCOPED_TRACE(c.installed ? "installed" : "missing");
    EXPECT_EQ(frame.host.browsed, c.opened ? std::vector<std::string>{page} : std::vector<std::string>{});
    if (c.errorText == nullptr) {
      EXPECT_TRUE(frame.host.errors.empty());
    } else {
      ASSERT_EQ(frame.host.errors.size(), 1u);
      EXPECT_NE(frame.host.errors[0].find(page), std::string::npos);
      EXPECT_NE(frame.host.errors[0].find(c.errorText), std::string::npos);
    }
  }
}

TEST(UserManual, LivesInTheManualFolderBesideThePrograms) {
  EXPECT_EQ(UserManualPath("C:\\Programs\\PlykZorv\\"), "C:\\Programs\\PlykZorv\\manual\\index.html");
}

}  // namespace
