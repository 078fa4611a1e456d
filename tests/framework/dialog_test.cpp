// Modal dialogs from a resource, the colour chooser's refusals and resource access.

#include "framework/dialog_base.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/colour_chooser.h"
#include "framework/resource_data.h"
#include "framework/text_codec.h"
#include "test_resources.h"

namespace {

// Answers itself once it is open, with the message given.
class SelfAnsweringDialog : public DialogBase {
 public:
  SelfAnsweringDialog(int resource, UINT message, WPARAM wParam)
      : DialogBase(resource), message(message), wParam(wParam) {}
  void OnInitDialog() override {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd(), text, 64);
    caption = Narrow(text);
    PostMessageW(hwnd(), message, wParam, 0);
  }
  void OnCommand(WPARAM wParam) override {
    commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == IDC_TEST_END_WITH_42) End(42);
    DialogBase::OnCommand(wParam);
  }
  UINT message;
  WPARAM wParam;
  std::string caption;
  std::vector<int> commands;
};

// Its OK hook refuses a number below 1 (as a range check would), then the test types
// a valid one and confirms again.
class CheckedDialog : public DialogBase {
 public:
  CheckedDialog() : DialogBase(IDD_TEST_CHECKED_DIALOG) {}
  void OnInitDialog() override {
    setItemText(IDC_TEST_NUMBER, "abc");
    checkButton(IDC_TEST_CHECK, true);
    setSwatch(IDC_TEST_SWATCH, 0x000000FF);  // red
    selectAllText(IDC_TEST_NUMBER);
    SetTimer(hwnd(), 1, 100, nullptr);  // confirms once the dialog shows
  }
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER) return DialogBase::DialogProc(message, wParam, lParam);
    KillTimer(hwnd(), 1);
    PostMessageW(hwnd(), WM_COMMAND, IDOK, 0);
    return 1;
  }
  bool OnOK() override {
    ++okCalls;
    value = itemInt(IDC_TEST_NUMBER);
    checked = isButtonChecked(IDC_TEST_CHECK);
    HWND swatch = GetDlgItem(hwnd(), IDC_TEST_SWATCH);
    UpdateWindow(swatch);
    HDC dc = GetDC(swatch);
    swatchColour = GetPixel(dc, 3, 3);
    ReleaseDC(swatch, dc);
    if (value < 1) {
      setItemInt(IDC_TEST_NUMBER, 1000);
      SetTimer(hwnd(), 1, 100, nullptr);
      return false;
    }
    return true;
  }
  int okCalls = 0;
  int value = -1;
  bool checked = false;
  COLORREF swatchColour = 0;
};

}  // namespace

TEST(ShowDialog, EndsWithTheAnswerAndTheCloseBoxActsAsCancel) {
  EXPECT_EQ(ShowDialog(nullptr, nullptr), -1);
  const struct {
    const char* name;
    int resource;
    UINT message;
    WPARAM wParam;
    INT_PTR result;
    std::vector<int> commands;
  } cases[] = {
      {"close box", IDD_TEST_DIALOG, WM_CLOSE, 0, kDialogCancel, {IDCANCEL}},
      {"confirm", IDD_TEST_DIALOG, WM_COMMAND, IDOK, kDialogOk, {IDOK}},
      {"own end value", IDD_TEST_DIALOG, WM_COMMAND, IDC_TEST_END_WITH_42, 42, {IDC_TEST_END_WITH_42}},
      {"missing resource", 9999, WM_COMMAND, IDOK, -1, {}}};
  for (const auto& c : cases) {
    SelfAnsweringDialog dialog(c.resource, c.message, c.wParam);
    EXPECT_EQ(ShowDialog(nullptr, &dialog), c.result) << "case " << c.name;
    EXPECT_EQ(dialog.commands, c.commands) << "case " << c.name;
    EXPECT_EQ(dialog.caption, c.result == -1 ? "" : "시험 대화 상자") << "case " << c.name;
  }
}

TEST(DialogBase, OkHookRefusesOnceThenAccepts) {
  CheckedDialog dialog;
  EXPECT_EQ(ShowDialog(nullptr, &dialog), kDialogOk);
  EXPECT_EQ(dialog.okCalls, 2) << "the first OK was refused and the dialog stayed open";
  EXPECT_EQ(dialog.value, 1000);
  EXPECT_TRUE(dialog.checked);
  EXPECT_EQ(dialog.swatchColour, RGB(255, 0, 0)) << "the owner-drawn swatch shows its colour";
}

TEST(ChooseColorAndResourceData, RefuseWhatIsMissingAndFindWhatIsThere) {
  uint32_t colour = 0x123456;
  uint32_t custom[16] = {};
  EXPECT_EQ(ChooseColor(nullptr, &colour, nullptr), 0);
  EXPECT_EQ(ChooseColor(nullptr, nullptr, custom), 0);
  EXPECT_EQ(colour, 0x123456u);

  // Resource data is found by id and type name and used in place.
  HINSTANCE instance = GetModuleHandleW(nullptr);
  ResourceBytes bytes = LoadResourceBytes(instance, IDR_TEST_BYTES, "PALETTE");
  ASSERT_NE(bytes.data, nullptr);
  ASSERT_EQ(bytes.size, 7u);
  EXPECT_EQ(std::memcmp(bytes.data, "\x01\x02\x03\x04xy", 7), 0);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, "PALETTE"), bytes.data);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, "FONTS"), nullptr);
  EXPECT_EQ(LoadResourceData(instance, 301, "PALETTE"), nullptr);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, nullptr), nullptr);
  // A palette resource missing or too short for a block: the built-in block stands in.
  for (int id : {301, int(IDR_TEST_BYTES)})
    EXPECT_EQ(LoadPaletteResource(instance, id, "PALETTE").bytes, BuiltinPaletteBlock().bytes) << id;
}
