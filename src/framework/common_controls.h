#pragma once
// Thin, non-owning wrappers over the common controls the frames carry: one line per
// message, texts in CP949.

#include <array>
#include <string>
#include <vector>

#include "framework/win32.h"
#include "ui/command_table.h"

// Loads the common controls once (status bar, tool bar, tool tips).
void InitCommonControlsOnce();

class StatusBar {
 public:
  StatusBar() = default;
  ~StatusBar();
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  void create(HWND parent, HINSTANCE instance, int id);
  // The parts' right edges; -1 runs to the end of the bar.
  void setParts(const std::array<int, 3>& rightEdges);
  void setText(int part, const std::string& text);
  // Follows the parent's new size (the bar places itself at the bottom).
  void resize();
  int height() const;
  HWND hwnd() const { return hwnd_; }

  // The bar of an owner-drawn item, or null when the item is not a StatusBar's part.
  static StatusBar* ofItem(const DRAWITEMSTRUCT& item);
  // Draws one part's text when the bar repaints (it has drawn the background and edges).
  void drawPart(const DRAWITEMSTRUCT& item);

  // The longest text a part holds, in UTF-16 units.
  static constexpr size_t kMaxText = 511;

 private:
  void drawText(HDC dc, RECT box, int part) const;
  // Keeps the bar's picture of itself with empty parts; false when it cannot be made.
  bool keepBackground(HDC dc);
  void forgetBackground();

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::array<std::string, 3> texts_;  // what each part shows, so unchanged texts are not rewritten
  // The texts as drawn. The parts are owner-drawn and the bar hands out a part's data
  // as its text, so each part's data points here, at a buffer that never moves.
  std::array<std::array<wchar_t, kMaxText + 1>, 3> shown_{};
  HDC backgroundDc_ = nullptr;  // holds background_, the bar painted without texts
  HBITMAP background_ = nullptr;
  bool capturing_ = false;           // the bar is painting background_
  std::array<RECT, 3> textBoxes_{};  // where the bar last had each part's text drawn
};

// One button of a tool bar: a command with its image, or a separator (command 0).
struct ToolButton {
  int image = 0;
  int command = 0;
};
inline ToolButton Separator() {
  return ToolButton{0, 0};
}

class ToolBar {
 public:
  // The images are 16 x 16 in the bitmap resource; buttons carry tool tips.
  void create(HWND parent, HINSTANCE instance, int id, int bitmapId, int imageCount,
              const std::vector<ToolButton>& buttons);
  void moveToTop(int width);
  int height() const;
  HWND hwnd() const { return hwnd_; }
  // Controls placed on the tool bar (a selector, a scroll bar) send their
  // notifications to it; from now on it passes their commands and scroll messages on
  // to its parent, the frame.
  void forwardChildMessages();
  // Greys and checks the buttons as the command table says.
  void applyState(const CommandTable& commands);

 private:
  HWND hwnd_ = nullptr;
  std::vector<int> commands_;
};

// Answers a tool bar's request for a tip text with the string resource whose number
// is the button's command id. Returns true when the notification was one.
bool AnswerToolTip(HINSTANCE instance, LPARAM notification);

// A drop-down list of texts (the bundle selector).
class ComboBox {
 public:
  void create(HWND parent, HINSTANCE instance, int id, int x, int y, int width, int height, HFONT font);
  // Replaces the entries and selects one (-1: none).
  void setItems(const std::vector<std::string>& items, int selected);
  int selection() const;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
  std::vector<std::string> items_;
};

// A scroll-bar control (the frame scroll bar).
class ScrollBarControl {
 public:
  void create(HWND parent, HINSTANCE instance, int id, int x, int y, int width, int height);
  // Range 0 ... max and position; disabled when `enabled` is false.
  void set(int max, int position, bool enabled);
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};
