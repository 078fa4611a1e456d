#pragma once
// The base of every modal dialog of both programs, built from a dialog resource.
// Each dialog is then its fields and its checks: the helpers read and write item
// texts and numbers, check boxes and enabled states, paint owner-drawn colour
// swatches, and an OK hook may refuse (after a warning, the dialog stays open).

#include <cstdint>
#include <map>
#include <string>

#include "framework/win32.h"

class BaseWindow;

// What ShowDialog returns for the two buttons every dialog has.
constexpr INT_PTR kDialogOk = 1;
constexpr INT_PTR kDialogCancel = 0;

class DialogBase {
 public:
  DialogBase() = default;
  explicit DialogBase(int resourceId) : resourceId_(resourceId) {}
  virtual ~DialogBase() = default;
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;

  // Non-zero when handled. The default: initialisation → OnInitDialog; the close box
  // (or Alt+F4) → OnCommand(2), exactly as the cancel button; commands → OnCommand;
  // owner-drawn swatches are painted.
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnInitDialog() {}
  // The default: "확인" (1) asks OnOK and ends with kDialogOk when it agrees; "취소"
  // (2) calls OnCancel and ends with kDialogCancel.
  virtual void OnCommand(WPARAM wParam);
  // Reads the fields and checks them; false keeps the dialog open.
  virtual bool OnOK() { return true; }
  virtual void OnCancel() {}

  int resourceId() const { return resourceId_; }
  HWND hwnd() const { return hwnd_; }
  BaseWindow* owner() const { return owner_; }
  UINT lastMessage() const { return lastMessage_; }

  // Stores the message and calls DialogProc; what the shared procedure calls.
  INT_PTR Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void setOwner(BaseWindow* owner) { owner_ = owner; }

 protected:
  // Ends the modal dialog; ShowDialog returns `result`.
  void End(INT_PTR result);

  // CP949 texts of controls.
  void setItemText(int id, const std::string& text);
  std::string itemText(int id) const;
  // Numbers in edit fields, read by ParseIntOrZero (text that is not a number is 0).
  int32_t itemInt(int id) const;
  void setItemInt(int id, int32_t value);
  void checkButton(int id, bool checked);
  bool isButtonChecked(int id) const;
  void enableItem(int id, bool enabled);
  // Gives the edit field the keyboard focus with all of its text selected.
  void selectAllText(int id);
  // An owner-drawn button shown as a swatch of `colour` (0x00BBGGRR), repainted now.
  void setSwatch(int id, uint32_t colour);
  // A message box owned by the dialog.
  int messageBox(const std::string& text, const std::string& caption, UINT flags);

 private:
  bool drawSwatch(const DRAWITEMSTRUCT& item);

  BaseWindow* owner_ = nullptr;
  HWND hwnd_ = nullptr;
  int resourceId_ = 0;
  UINT lastMessage_ = 0;
  WPARAM lastWParam_ = 0;
  LPARAM lastLParam_ = 0;
  std::map<int, uint32_t> swatches_;
};

// Runs the dialog modally over the window: -1 without a dialog, otherwise the value
// with which the dialog ended (-1 too when the resource is missing).
INT_PTR ShowDialog(BaseWindow* window, DialogBase* dialog);

// Runs the dialog modally over the window; true when it ended with OK.
bool runDialog(BaseWindow& owner, DialogBase& dialog);
// The same for a dialog window made over its rules object for this one showing.
template <typename Window, typename Rules>
bool runDialog(BaseWindow& owner, Rules& rules) {
  Window window(rules);
  return runDialog(owner, window);
}

// A message box with CP949 texts.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);
