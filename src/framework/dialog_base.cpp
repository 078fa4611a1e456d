#include "framework/dialog_base.h"

#include <string>

#include "framework/base_window.h"
#include "framework/text_codec.h"
#include "ui/dialog_text.h"

namespace {

// The dialog being opened: it receives the messages that arrive before the
// initialisation message hands over its object.
DialogBase* g_opening = nullptr;

INT_PTR CALLBACK SharedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    DialogBase* dialog = nullptr;
    if (message == WM_INITDIALOG) {
      dialog = reinterpret_cast<DialogBase*>(lParam);
      SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
      dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
      if (dialog == nullptr) dialog = g_opening;
    }
    return dialog != nullptr ? dialog->Dispatch(hwnd, message, wParam, lParam) : 0;
  } catch (...) {
    return 0;  // no exception may unwind through the system's frames
  }
}

}  // namespace

INT_PTR DialogBase::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  hwnd_ = hwnd;
  lastMessage_ = message;
  lastWParam_ = wParam;
  lastLParam_ = lParam;
  return DialogProc(message, wParam, lParam);
}

INT_PTR DialogBase::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item != nullptr && drawSwatch(*item) ? 1 : 0;
    }
    case WM_INITDIALOG:
      OnInitDialog();
      return 1;
    case WM_CLOSE:
      OnCommand(IDCANCEL);
      return 1;
    case WM_COMMAND:
      OnCommand(wParam);
      return 1;
    default:
      return 0;
  }
}

void DialogBase::OnCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case IDOK:
      if (OnOK()) End(kDialogOk);
      break;
    case IDCANCEL:
      OnCancel();
      End(kDialogCancel);
      break;
    default:
      break;
  }
}

void DialogBase::End(INT_PTR result) {
  if (hwnd_ != nullptr) EndDialog(hwnd_, result);
}

void DialogBase::setItemText(int id, const std::string& text) {
  SetDlgItemTextW(hwnd_, id, Widen(text).c_str());
}

std::string DialogBase::itemText(int id) const {
  HWND item = GetDlgItem(hwnd_, id);
  if (item == nullptr) return {};
  int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(item, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

int32_t DialogBase::itemInt(int id) const {
  return ParseIntOrZero(itemText(id));
}

void DialogBase::setItemInt(int id, int32_t value) {
  setItemText(id, std::to_string(value));
}

void DialogBase::checkButton(int id, bool checked) {
  CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool DialogBase::isButtonChecked(int id) const {
  return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED;
}

void DialogBase::enableItem(int id, bool enabled) {
  if (HWND item = GetDlgItem(hwnd_, id)) EnableWindow(item, enabled ? TRUE : FALSE);
}

void DialogBase::selectAllText(int id) {
  HWND item = GetDlgItem(hwnd_, id);
  if (item == nullptr) return;
  SetFocus(item);
  SendMessageW(item, EM_SETSEL, 0, -1);
}

void DialogBase::setSwatch(int id, uint32_t colour) {
  swatches_[id] = colour;
  if (HWND item = GetDlgItem(hwnd_, id)) InvalidateRect(item, nullptr, TRUE);
}

bool DialogBase::drawSwatch(const DRAWITEMSTRUCT& item) {
  auto it = swatches_.find(static_cast<int>(item.CtlID));
  if (it == swatches_.end()) return false;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(it->second));
  FillRect(item.hDC, &item.rcItem, brush);
  DeleteObject(brush);
  return true;
}

int DialogBase::messageBox(const std::string& text, const std::string& caption, UINT flags) {
  return ShowMessage(hwnd_, text, caption, flags);
}

INT_PTR ShowDialog(BaseWindow* window, DialogBase* dialog) {
  if (dialog == nullptr) return -1;
  dialog->setOwner(window);
  HINSTANCE instance = window != nullptr ? window->instance() : GetModuleHandleW(nullptr);
  HWND owner = window != nullptr ? window->hwnd() : nullptr;
  DialogBase* outer = g_opening;
  g_opening = dialog;
  INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(dialog->resourceId()), owner, SharedDialogProc,
                                   reinterpret_cast<LPARAM>(dialog));
  g_opening = outer;
  return result;
}

bool runDialog(BaseWindow& owner, DialogBase& dialog) {
  return ShowDialog(&owner, &dialog) == kDialogOk;
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}
