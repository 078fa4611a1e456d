// Modal dialogs from a resource, the colour chooser's refusals and resource access.

#include "framework/dialog_base.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/color_chooser.h"
#include "framework/resource_data.h"
#include "framework/text_codec.h"
#include "test_resources.h"

namespace {

// Answers itself once it is open, with the message given.
class SelfAnsweringDialog : public DialogBase {
 public:
  SelfAnsweringDialog(UINT message, WPARAM wParam)
      : DialogBase(IDD_TEST_DIALOG), message_(message), wParam_(wParam) {}
  void OnInitDialog() override {
    initialised = true;
    wchar_t text[64] = {};
    GetWindowTextW(hwnd(), text, 64);
    caption = Narrow(text);
    PostMessageW(hwnd(), message_, wParam_, 0);
  }
  void OnCommand(WPARAM wParam) override {
    commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == IDC_TEST_END_WITH_42) End(42);
    DialogBase::OnCommand(wParam);
  }
  bool initialised = false;
  std::string caption;
  std::vector<int> commands;

 private:
  UINT message_;
  WPARAM wParam_;
};

}  // namespace

TEST(ShowDialog, NoDialogGivesMinusOne) {
  EXPECT_EQ(ShowDialog(nullptr, nullptr), -1);
}

TEST(ShowDialog, CloseBoxActsAsCancel) {
  SelfAnsweringDialog dialog(WM_CLOSE, 0);
  EXPECT_EQ(ShowDialog(nullptr, &dialog), IDCANCEL);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(dialog.caption, "시험 대화 상자");
  EXPECT_EQ(dialog.commands, std::vector<int>{IDCANCEL});
}

TEST(ShowDialog, ConfirmButtonEndsWithOne) {
  SelfAnsweringDialog dialog(WM_COMMAND, IDOK);
  EXPECT_EQ(ShowDialog(nullptr, &dialog), IDOK);
  EXPECT_EQ(dialog.commands, std::vector<int>{IDOK});
}

TEST(ShowDialog, SubclassChoosesTheEndValue) {
  SelfAnsweringDialog dialog(WM_COMMAND, IDC_TEST_END_WITH_42);
  EXPECT_EQ(ShowDialog(nullptr, &dialog), 42);
}

TEST(ShowDialog, MissingResourceGivesMinusOne) {
  class Missing : public DialogBase {
   public:
    Missing() : DialogBase(9999) {}
  } dialog;
  EXPECT_EQ(ShowDialog(nullptr, &dialog), -1);
}

TEST(ChooseColor, MissingOutputOrCustomColoursShowsNothing) {
  uint32_t colour = 0x123456;
  uint32_t custom[16] = {};
  EXPECT_EQ(ChooseColor(nullptr, &colour, nullptr), 0);
  EXPECT_EQ(ChooseColor(nullptr, nullptr, custom), 0);
  EXPECT_EQ(colour, 0x123456u);
}

TEST(ResourceData, FoundByIdAndTypeNameAndUsedInPlace) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  ResourceBytes bytes = LoadResourceBytes(instance, IDR_TEST_BYTES, "PALETTE");
  ASSERT_NE(bytes.data, nullptr);
  ASSERT_EQ(bytes.size, 7u);
  const uint8_t expected[7] = {1, 2, 3, 4, 'x', 'y', 0};
  EXPECT_EQ(std::memcmp(bytes.data, expected, 7), 0);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, "PALETTE"), bytes.data);
}

TEST(ResourceData, MissingResourceIsNull) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, "FONTS"), nullptr);
  EXPECT_EQ(LoadResourceData(instance, 301, "PALETTE"), nullptr);
  EXPECT_EQ(LoadResourceData(instance, IDR_TEST_BYTES, nullptr), nullptr);
}
