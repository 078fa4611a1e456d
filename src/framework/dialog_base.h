#pragma once
// The base of every modal dialog of both programs, built from a dialog resource.

#include <string>

#include "framework/win32.h"

class BaseWindow;

class DialogBase {
 public:
  DialogBase() = default;
  explicit DialogBase(int resourceId) : resourceId_(resourceId) {}
  virtual ~DialogBase() = default;
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;

  // Non-zero when handled. The default: initialisation → OnInitDialog; the close box
  // (or Alt+F4) → OnCommand(2), exactly as the cancel button; commands → OnCommand.
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnInitDialog() {}
  // The default closes the dialog on "확인" (1) and "취소" (2) with that id.
  virtual void OnCommand(WPARAM wParam);

  int resourceId() const { return resourceId_; }
  HWND hwnd() const { return hwnd_; }
  BaseWindow* owner() const { return owner_; }
  UINT lastMessage() const { return lastMessage_; }

  // Stores the message and calls DialogProc; what the shared procedure calls.
  INT_PTR Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void setOwner(BaseWindow* owner) { owner_ = owner; }

 protected:
  void setResourceId(int id) { resourceId_ = id; }
  // Ends the modal dialog; ShowDialog returns `result`.
  void End(INT_PTR result);
  // CP949 texts of controls.
  void setItemText(int id, const std::string& text);
  std::string itemText(int id) const;

 private:
  BaseWindow* owner_ = nullptr;
  HWND hwnd_ = nullptr;
  int resourceId_ = 0;
  UINT lastMessage_ = 0;
  WPARAM lastWParam_ = 0;
  LPARAM lastLParam_ = 0;
};

// Runs the dialog modally over the window: -1 without a dialog, otherwise the value
// with which the dialog ended (-1 too when the resource is missing).
INT_PTR ShowDialog(BaseWindow* window, DialogBase* dialog);

// A message box with CP949 texts.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);
