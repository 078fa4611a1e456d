// The file choosers, answered from a timer inside their own modal loop: the test
// types a name into the chooser's name field and confirms it, as a user would.

#include "framework/file_chooser.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/text_codec.h"

namespace {

std::wstring g_answer;  // the name typed into the chooser; empty: cancel it
bool g_answered = false;

BOOL CALLBACK FindEdit(HWND child, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (std::wstring(name) == L"Edit" && IsWindowVisible(child)) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindChooser(HWND window, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND chooser = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindChooser, reinterpret_cast<LPARAM>(&chooser));
  if (chooser == nullptr || g_answered) return;
  g_answered = true;
  KillTimer(nullptr, timer);
  if (g_answer.empty()) {
    PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  HWND edit = nullptr;
  EnumChildWindows(chooser, FindEdit, reinterpret_cast<LPARAM>(&edit));
  if (edit != nullptr) SetWindowTextW(edit, g_answer.c_str());
  PostMessageW(chooser, WM_COMMAND, IDOK, 0);
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

TEST(FileChooser, OpenGivesTheKoreanPathAndNameInCp949) {
  // "그림.plk" in a fresh file of the temporary folder.
  const std::wstring folder = TempFolder();
  const std::wstring path = folder + L"\xADF8\xB9BC.plk";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  FileChooser chooser;
  FilterEntries filter = {{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}};
  chooser.SetOwner(nullptr, &filter);
  char chosen[kPathBufferSize] = {};
  char title[kPathBufferSize] = {};
  int result =
      Answered(path, [&] { return chooser.ChooseOpen(chosen, title, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY); });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(std::string(title), "그림.plk");
  EXPECT_EQ(std::string(chosen), Narrow(path));
  DeleteFileW(path.c_str());
}

TEST(FileChooser, CancelGivesZero) {
  FileChooser chooser;
  char chosen[kPathBufferSize] = "unchanged";
  char title[kPathBufferSize] = {};
  EXPECT_EQ(Answered(L"", [&] { return chooser.ChooseOpen(chosen, title, OFN_FILEMUSTEXIST); }), 0);
}

TEST(FileChooser, SaveAddsTheFilterExtensionToABareName) {
  const std::wstring folder = TempFolder();
  FileChooser chooser;
  FilterEntries filter = {{"Zorv 파일(*.zrv)", "*.zrv"}, {"모든 파일(*.*)", "*.*"}};
  chooser.SetOwner(nullptr, &filter);
  char chosen[kPathBufferSize] = {};
  char title[kPathBufferSize] = {};
  int result = Answered(folder + L"\xC0C8 \xB3D9\xC791", [&] {  // "새 동작"
    return chooser.ChooseSave(chosen, title, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(std::string(title), "새 동작.zrv");
  EXPECT_EQ(std::string(chosen), Narrow(folder) + "새 동작.zrv");
}

TEST(FileChooser, NewChooserHasNoOwnerAndOffersAllFiles) {
  FileChooser chooser;
  EXPECT_EQ(chooser.owner(), nullptr);
  EXPECT_EQ(chooser.filter(), AllFilesFilter());
  // Setting the owner alone keeps the filter.
  FilterEntries filter = {{"팔레트 파일(*.pal)", "*.pal"}};
  chooser.SetOwner(nullptr, &filter);
  chooser.SetOwner(reinterpret_cast<HWND>(0x1234), nullptr);
  EXPECT_EQ(chooser.filter(), filter);
  EXPECT_EQ(chooser.owner(), reinterpret_cast<HWND>(0x1234));
}
