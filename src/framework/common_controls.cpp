#include "framework/common_controls.h"

#include <algorithm>

#include "framework/text_codec.h"

void InitCommonControlsOnce() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_BAR_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  done = true;
}

void StatusBar::create(HWND parent, HINSTANCE instance, int id) {
  InitCommonControlsOnce();
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (hwnd_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The texts are Hangul: in a face that holds it the bar draws them at once, where
  // the system's status font goes through its fallback fonts for every character,
  // which under Wine costs more than the rest of a mouse move's repaint.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (hwnd_ != nullptr && SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTW face = metrics.lfStatusFont;
    face.lfCharSet = HANGUL_CHARSET;
    wcscpy_s(face.lfFaceName, L"굴림");
    font_ = CreateFontIndirectW(&face);
    if (font_ != nullptr) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  // The three parts exist from the start: a text set before the first layout would
  // otherwise go to a part the bar does not have yet, and be lost.
  setParts({0, 0, -1});
  for (int part = 0; part < 3; ++part) {
    SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(part) | SBT_OWNERDRAW,
                 reinterpret_cast<LPARAM>(shown_[part].data()));
  }
}

StatusBar::~StatusBar() {
  forgetBackground();
  if (font_ != nullptr) DeleteObject(font_);
}

void StatusBar::setParts(const std::array<int, 3>& rightEdges) {
  int edges[3] = {rightEdges[0], rightEdges[1], rightEdges[2]};
  forgetBackground();
  if (hwnd_ != nullptr) SendMessageW(hwnd_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::setText(int part, const std::string& text) {
  if (hwnd_ == nullptr || part < 0 || part >= 3 || texts_[part] == text) return;
  texts_[part] = text;
  const std::wstring wide = Widen(text);
  const size_t length = std::min(wide.size(), kMaxText);
  std::copy_n(wide.begin(), length, shown_[part].begin());
  shown_[part][length] = L'\0';
  // The new text is drawn straight over the bar's own picture of its empty parts.
  // Having the bar repaint the part, as SB_SETTEXT does, draws the theme's background
  // again on every mouse move, which under Wine costs more than the rest of the move.
  HDC dc = GetDC(hwnd_);
  if (dc != nullptr && keepBackground(dc) && !IsRectEmpty(&textBoxes_[part])) {
    const RECT& box = textBoxes_[part];
    BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, backgroundDc_, box.left,
           box.top, SRCCOPY);
    drawText(dc, box, part);
  } else {
    RECT box{};
    SendMessageW(hwnd_, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&box));
    InvalidateRect(hwnd_, &box, TRUE);
    UpdateWindow(hwnd_);
  }
  if (dc != nullptr) ReleaseDC(hwnd_, dc);
}

StatusBar* StatusBar::ofItem(const DRAWITEMSTRUCT& item) {
  wchar_t name[32] = {};
  if (item.hwndItem == nullptr || GetClassNameW(item.hwndItem, name, 32) == 0 ||
      lstrcmpiW(name, STATUSCLASSNAMEW) != 0) {
    return nullptr;
  }
  return reinterpret_cast<StatusBar*>(GetWindowLongPtrW(item.hwndItem, GWLP_USERDATA));
}

void StatusBar::drawPart(const DRAWITEMSTRUCT& item) {
  if (item.itemID >= shown_.size()) return;
  textBoxes_[item.itemID] = item.rcItem;
  if (capturing_) return;
  // The bar repainted itself: its size, parts, colours or theme may be new.
  forgetBackground();
  drawText(item.hDC, item.rcItem, static_cast<int>(item.itemID));
}

bool StatusBar::keepBackground(HDC dc) {
  if (background_ != nullptr) return true;
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (IsRectEmpty(&client)) return false;
  backgroundDc_ = CreateCompatibleDC(dc);
  background_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
  if (backgroundDc_ == nullptr || background_ == nullptr) {
    forgetBackground();
    return false;
  }
  SelectObject(backgroundDc_, background_);
  // The bar paints itself into the bitmap; its parts, asked for their texts, leave
  // them out and say where they go. A bar that cannot paint into a bitmap asks for
  // no part, and each text then has the bar repaint its part.
  textBoxes_ = {};
  capturing_ = true;
  SendMessageW(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(backgroundDc_), PRF_CLIENT | PRF_ERASEBKGND);
  capturing_ = false;
  return true;
}

void StatusBar::forgetBackground() {
  if (backgroundDc_ != nullptr) DeleteDC(backgroundDc_);
  if (background_ != nullptr) DeleteObject(background_);
  backgroundDc_ = nullptr;
  background_ = nullptr;
}

void StatusBar::drawText(HDC dc, RECT box, int part) const {
  const wchar_t* text = shown_[part].data();
  box.left += 3;  // where the bar itself starts a text
  HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, text, -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void StatusBar::resize() {
  forgetBackground();
  if (hwnd_ != nullptr) SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

int StatusBar::height() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

void ToolBar::create(HWND parent, HINSTANCE instance, int id, int bitmapId, int imageCount,
                     const std::vector<ToolButton>& buttons) {
  InitCommonControlsOnce();
  std::vector<TBBUTTON> records;
  for (const ToolButton& button : buttons) {
    TBBUTTON record{};
    record.iBitmap = button.command == 0 ? 0 : button.image;
    record.idCommand = button.command;
    record.fsState = TBSTATE_ENABLED;
    record.fsStyle = button.command == 0 ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    records.push_back(record);
  }
  commands_.clear();
  for (const ToolButton& button : buttons) {
    if (button.command != 0) commands_.push_back(button.command);
  }
  hwnd_ = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, static_cast<UINT>(id), imageCount,
                          instance, static_cast<UINT_PTR>(bitmapId), records.data(),
                          static_cast<int>(records.size()), 16, 16, 16, 16, sizeof(TBBUTTON));
}

void ToolBar::moveToTop(int width) {
  if (hwnd_ != nullptr) MoveWindow(hwnd_, 0, 0, width, height(), TRUE);
}

int ToolBar::height() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

namespace {

const wchar_t kOwnProcProperty[] = L"PlykToolBarProc";

// Passes the notifications of the tool bar's own child controls to the frame; every
// message then goes on to the tool bar's procedure, except a child's command, which
// the tool bar would not understand.
LRESULT CALLBACK ForwardingToolBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto own = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOwnProcProperty));
  if (message == WM_COMMAND && lParam != 0 && reinterpret_cast<HWND>(lParam) != hwnd) {
    return SendMessageW(GetParent(hwnd), WM_COMMAND, wParam, lParam);
  }
  if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam != 0) {
    SendMessageW(GetParent(hwnd), message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    RemovePropW(hwnd, kOwnProcProperty);
  }
  return own != nullptr ? CallWindowProcW(own, hwnd, message, wParam, lParam)
                        : DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void ToolBar::forwardChildMessages() {
  if (hwnd_ == nullptr || GetPropW(hwnd_, kOwnProcProperty) != nullptr) return;
  auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
  SetPropW(hwnd_, kOwnProcProperty, reinterpret_cast<HANDLE>(own));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingToolBarProc));
}

void ToolBar::applyState(const CommandTable& commands) {
  if (hwnd_ == nullptr) return;
  for (int id : commands_) {
    if (!commands.contains(id)) continue;
    SendMessageW(hwnd_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(commands.enabled(id), 0));
    SendMessageW(hwnd_, TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(commands.checked(id), 0));
  }
}

bool AnswerToolTip(HINSTANCE instance, LPARAM notification) {
  auto* header = reinterpret_cast<NMHDR*>(notification);
  if (header == nullptr || header->code != TTN_GETDISPINFOW) return false;
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(notification);
  // The tip is copied into the record's own buffer, so it outlives this call.
  int length = LoadStringW(instance, static_cast<UINT>(header->idFrom), info->szText,
                           static_cast<int>(sizeof(info->szText) / sizeof(info->szText[0])));
  if (length <= 0) info->szText[0] = L'\0';
  info->lpszText = info->szText;
  info->hinst = nullptr;
  return true;
}

void ComboBox::create(HWND parent, HINSTANCE instance, int id, int x, int y, int width, int height,
                      HFONT font) {
  hwnd_ = CreateWindowExW(0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, x,
                          y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          instance, nullptr);
  if (hwnd_ != nullptr && font != nullptr)
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ComboBox::setItems(const std::vector<std::string>& items, int selected) {
  if (hwnd_ == nullptr) return;
  if (items != items_) {
    items_ = items;
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      std::wstring wide = Widen(item);
      SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
  }
  SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int ComboBox::selection() const {
  return hwnd_ != nullptr ? static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)) : -1;
}

void ScrollBarControl::create(HWND parent, HINSTANCE instance, int id, int x, int y, int width, int height) {
  hwnd_ = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, x, y, width, height,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void ScrollBarControl::set(int max, int position, bool enabled) {
  if (hwnd_ == nullptr) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_POS;
  info.nMin = 0;
  info.nMax = max > 0 ? max : 0;
  info.nPos = position;
  SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}
