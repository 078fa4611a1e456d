#pragma once
// The sprite cutter's main frame as plain rules: it owns the document, the settings
// and the editors of the canvas, sprite window and detail window; carries out every
// command of the menu, tool bar and keys through one table (whose rows also answer
// the menu's grey and check marks, so a greyed command's key does nothing); keeps
// the title, the status texts, the canvas placement and the frame scroll bar; and
// does the file work. Everything it needs from the user or the windows goes
// through the CutterHost.

#include <array>
#include <string>
#include <vector>

#include "cutter/editor/canvas_editor.h"
#include "cutter/editor/cutter_document.h"
#include "cutter/editor/cutter_host.h"
#include "cutter/editor/cutter_settings.h"
#include "cutter/editor/detail_window_editor.h"
#include "cutter/editor/sprite_window_editor.h"
#include "sprites/palette.h"
#include "ui/command_table.h"
#include "ui/frame_layout.h"
#include "ui/scroll_bar_state.h"
#include "ui/wheel_notches.h"

extern const char* const kUnsavedWorkQuestion;
// In the status bar after a picture without a palette was mapped to the current one,
// until a tool is chosen.
extern const char* const kColoursMappedText;

// What the sprite file named on the command line did.
enum class CommandLineOutcome {
  NothingToOpen,  // no name: run as usual
  Opened,
  EndProgram,  // unreadable or not a sprite file: end at once, without writing settings
};

class FrameEditor {
 public:
  // `builtinPalette` is the program's own palette block, which "기본 색상표로 바꿈"
  // restores.
  FrameEditor(CutterHost& host, const CutterSettings& settings, const PaletteBlock& builtinPalette);
  FrameEditor(const FrameEditor&) = delete;
  FrameEditor& operator=(const FrameEditor&) = delete;

  // Once the windows exist: the built-in palette, then the remembered palette file.
  void create();
  CommandLineOutcome openCommandLine(const std::string& path, const std::string& name);

  // A menu, tool-bar or key command; false when unknown or greyed.
  bool command(int id);
  const CommandTable& commands() const { return commands_; }

  void resize(SizeKind kind, int clientWidth, int clientHeight);
  // The frame scroll bar in the tool bar, over the picture's frames.
  void frameScroll(int code, int thumb);
  // The mouse wheel over the canvas: it scrolls the picture vertically (with Shift
  // horizontally) three lines per notch; with Ctrl each notch zooms, within 1 to 4.
  void canvasWheel(int delta, bool shift, bool ctrl);
  ScrollBarState frameBar() const;
  // Full paths of files dropped on the frame, in order.
  void dropFiles(const std::vector<std::string>& paths);
  // The close box (and Ctrl+X): the unsaved-work question, then the host closes.
  void close();
  // The windows' screen rectangles as they are destroyed; the frame's is kept only
  // when it is not maximised.
  void storeWindowRects(const WindowRect& frame, const WindowRect& spriteWindow,
                        const WindowRect& detailWindow);
  // The unsaved-work question; true when the action may go on.
  bool askToSave();

  std::string title() const;
  std::array<std::string, 3> statusTexts() const;
  std::array<int, 3> statusPartEdges() const;

  // File operations without choosers (the commands choose the file first).
  bool save(bool askName);
  bool openSpriteFile(const std::string& path, const std::string& name);
  bool importPicture(const std::string& path, const std::string& name);
  void readPalette(const std::string& path, const std::string& name);
  void writePalette(const std::string& path, const std::string& name);

  // The folder of the program (ending in a backslash), where the manual ships.
  void setProgramDirectory(const std::string& directory) { programDirectory_ = directory; }

  CutterDocument& document() { return doc_; }
  const CutterDocument& document() const { return doc_; }
  CutterSettings& settings() { return settings_; }
  CanvasEditor& canvas() { return canvas_; }
  CutterSpriteWindowEditor& spriteWindow() { return sprites_; }
  DetailWindowEditor& detailWindow() { return detail_; }

 private:
  WheelNotches wheel_;
  std::string programDirectory_;
  void buildCommands();
  void layout();
  void newFile();
  // Undo (false) or redo (true) one step of the sprite set's history.
  void stepHistory(bool redo);
  void chooseAndOpen();
  void chooseAndImport();
  // Reads (false) or writes (true) a palette file the user chooses.
  void chooseAndUsePaletteFile(bool write);
  void restorePalette();
  void paletteChanged();
  void changeCutSize();
  void changeColours();
  void toggleDetailWindow();
  void nextFrame();
  void showFrame(int index);
  void zoom(int step);
  void exportSheet();
  void exportSheetPng();
  bool forwardedKeyEnabled(int id) const;

  CutterHost& host_;
  CutterSettings settings_;
  const PaletteBlock builtin_;
  CutterDocument doc_;
  DetailWindowEditor detail_;
  CutterSpriteWindowEditor sprites_;
  CanvasEditor canvas_;
  std::string notice_;  // replaces the tool caption in the status bar while set
  CommandTable commands_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
};
