// The file choosers, answered from a timer inside their own modal loop: the test
// types a name into the chooser's name field and confirms it, as a user would.

#include "framework/file_chooser.h"

#include <gtest/gtest.h>

#include <string>

#include <dlgs.h>

#include "framework/text_codec.h"

namespace {

std::wstring g_answer;  // the name typed into the chooser; empty: cancel it
bool g_answered = false;

void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND chooser = FindWindowW(L"#32770", nullptr);
  if (chooser == nullptr || !IsWindowVisible(chooser) || g_answered) return;
  g_answered = true;
  KillTimer(nullptr, timer);
  // The name field: an edit in older choosers, a combo box with an edit in newer ones.
  if (!g_answer.empty() && !SetDlgItemTextW(chooser, edt1, g_answer.c_str()))
    SetDlgItemTextW(chooser, cmb13, g_answer.c_str());
  PostMessageW(chooser, WM_COMMAND, g_answer.empty() ? IDCANCEL : IDOK, 0);
}

// Runs `choose` with the answer typed into the chooser once it shows.
template <typename Choose>
int Answered(const std::wstring& answer, Choose choose) {
  g_answer = answer;
  g_answered = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 200, AnswerChooser);
  int result = choose();
  KillTimer(nullptr, timer);
  return result;
}

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return temp;
}

}  // namespace

TEST(FileChooser, OpenGivesTheKoreanPathAndNameInCp949AndSaveAddsTheExtension) {
  const std::wstring path = TempFolder() + L"\xADF8\xB9BC.plk";  // "그림.plk"
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  // Wine makes the Unix name through the locale's character set: Hangul needs a UTF-8
  // locale (the test scripts set LC_ALL=C.UTF-8).
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create the file, error " << GetLastError();
  CloseHandle(file);

  FileChooser chooser;
  EXPECT_EQ(chooser.filter(), AllFilesFilter());
  FilterEntries filter = {{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}};
  chooser.SetOwner(nullptr, &filter);
  char chosen[kPathBufferSize] = {};
  char title[kPathBufferSize] = {};
  EXPECT_EQ(
      Answered(path, [&] { return chooser.ChooseOpen(chosen, title, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY); }),
      1);
  EXPECT_EQ(std::string(title), "그림.plk");
  EXPECT_EQ(std::string(chosen), Narrow(path));
  DeleteFileW(path.c_str());
  EXPECT_EQ(Answered(L"", [&] { return chooser.ChooseOpen(chosen, title, OFN_FILEMUSTEXIST); }), 0)
      << "cancel";

  // Save adds the filter's extension to a bare name.
  const std::wstring folder = TempFolder();
  FilterEntries zorv = {{"Zorv 파일(*.zrv)", "*.zrv"}, {"모든 파일(*.*)", "*.*"}};
  chooser.SetOwner(nullptr, &zorv);
  chooser.SetOwner(nullptr);                                    // the owner alone keeps the filter
  int result = Answered(folder + L"\xC0C8 \xB3D9\xC791", [&] {  // "새 동작"
    return chooser.ChooseSave(chosen, title, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(std::string(title), "새 동작.zrv");
  EXPECT_EQ(std::string(chosen), Narrow(folder) + "새 동작.zrv");
}
