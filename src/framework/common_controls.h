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

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::array<std::string, 3> texts_;  // what each part shows, so unchanged texts are not rewritten
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
