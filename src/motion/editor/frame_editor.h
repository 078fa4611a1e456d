#pragma once
// The motion editor's main frame without its window: it owns the document, the
// settings, the palette, the canvas, the playback, the motion and sprite windows'
// editors and the dialogs' values, and answers the frame's commands (run, enabled =
// menu state, checked), its title, its status texts and its bundle selector. New,
// open, save, save as, the save prompt, dropped files, palettes, close and the idle
// tick live here; whatever needs the user or the system goes through ZorvHost.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "motion/editor/editor_host.h"
#include "motion/editor/motion_canvas.h"
#include "motion/editor/motion_dialogs.h"
#include "motion/editor/motion_window_editor.h"
#include "motion/editor/sprite_window_editor.h"
#include "motion/editor/zorv_settings.h"
#include "motion/motion_document.h"
#include "sprites/palette.h"
#include "ui/command_table.h"
#include "ui/frame_layout.h"

class MotionFrameEditor {
 public:
  // builtinPalette: the "PALETTE" resource, also the palette the windows start with.
  MotionFrameEditor(ZorvHost& host, const ZorvSettings& settings, const PaletteBlock& builtinPalette);
  MotionFrameEditor(const MotionFrameEditor&) = delete;
  MotionFrameEditor& operator=(const MotionFrameEditor&) = delete;

  // Once the windows exist: clear colours, the canvas hidden, the sprite window as
  // the setting says, and the palette file of the settings loaded.
  void start();
  // The wave player could not start; the editor goes on without sound.
  void soundUnavailable(const std::string& message) { host_.showWarning(message); }

  // Every command of the menu, the tool bar and the accelerators, and the
  // notifications 1000 (motion window changed) and 1025 (bundle selector).
  const CommandTable& commands() const { return commands_; }
  std::string title() const;
  std::array<std::string, 3> statusTexts() const { return canvas_.statusTexts(); }
  std::vector<std::string> bundleNames() const;
  // The selector's row: the current bundle, or -1.
  int currentBundleIndex() const;
  void bundleSelected(int index);

  // Opens a motion file (open, dropped files, command line); a file that cannot be
  // opened is passed over silently, an invalid one is reported. A failed open
  // changes nothing.
  bool openFile(const std::string& path, const std::string& name);
  // Dropped files: the first one that opens (folders skipped), after the save prompt.
  bool dropFiles(const std::vector<std::string>& paths);
  // True when the document was written; a failure is reported and keeps the old
  // file and the modified flag.
  bool save(bool saveAs);
  // Asks about unsaved work; false when the command must stop.
  bool askToSave();
  // The close box and "나가기": the frame closes unless the prompt stops it.
  bool close();
  bool loadPalette(const std::string& path);
  void restorePalette();
  // The playback tick; true while playing, so the loop keeps calling.
  bool idle() { return canvas_.idle(); }
  // The frame's client area changed size: the maximised setting follows it (a
  // minimised frame keeps it) and the canvas goes between the tool bar and the
  // status bar.
  void resize(SizeKind kind, int clientWidth, int clientHeight);
  // The right edges of the status bar's three parts.
  std::array<int, 3> statusPartEdges() const;
  // The frame is going: its restored rectangle (screen) is kept unless it was
  // maximised, so the next run starts where this one was.
  void frameClosing(const WindowRect& restored) {
    if (!settings_.maximised) settings_.mainWindow = restored;
  }

  // The folder of the program (ending in a backslash), where the manual ships.
  void setProgramDirectory(const std::string& directory) { programDirectory_ = directory; }

  MotionDocument& document() { return doc_; }
  ZorvSettings& settings() { return settings_; }
  const PaletteBlock& palette() const { return *palette_; }
  MotionCanvas& canvas() { return canvas_; }
  MotionWindowEditor& motionWindow() { return motionWindow_; }
  SpriteWindowEditor& spriteWindow() { return spriteWindow_; }
  const std::string& documentName() const { return documentName_; }
  const std::string& documentPath() const { return documentPath_; }

 private:
  void buildCommands();
  void addViewToggle(int id, bool ZorvSettings::*flag);
  void newFile();
  void openWithChooser();
  void choosePalette();
  void cleanSprites();
  // Undo (false) or redo (true) one step of the document's history.
  void stepHistory(bool redo);
  void newBundle();
  void deleteBundle();
  void nextBundle();
  // The dialogs on the current motion; nothing happens without one.
  void editFlags();
  void editSound();
  void editDelay();
  void editEffects();
  void editColours();
  // The current bundle as an animated GIF; the whole document as JSON with its atlas.
  void exportGif();
  void exportJson();
  void dialogAccepted();
  // After the current bundle changed: motion window, playback, selector, repaint.
  void bundlesChanged();
  void usePalette();
  void convertColours();

  ZorvHost& host_;
  ZorvSettings settings_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  MotionDocument doc_;
  std::unique_ptr<PaletteBlock> builtin_;
  std::unique_ptr<PaletteBlock> palette_;
  MotionCanvas canvas_;
  MotionWindowEditor motionWindow_;
  SpriteWindowEditor spriteWindow_;
  NewBundleDialog newBundleDialog_;
  DelayDialog delayDialog_;
  SoundDialog soundDialog_;
  FlagsDialog flagsDialog_;
  EffectsDialog effectsDialog_;
  GifExportDialog gifDialog_;
  std::string documentName_;  // without folder; empty for a new document
  std::string programDirectory_;
  std::string documentPath_;  // where "쓰기" writes
  CommandTable commands_;
};
