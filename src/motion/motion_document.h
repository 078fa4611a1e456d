#pragma once
// The motion editor's document with the editor-wide state that refers into it (the
// clipboard, the shadow, automatic shadowing and the modified flag), and the editing
// operations the canvas, the motion window and the main frame call. Questions to the
// user stay in the windows; these operations only act.
//
// Every operation returns whether it changed the document, and then sets modified.
// The few that only select or mark (nextBundle, selectBundle, mark, setShadow) never
// change the document: their result says whether they did anything.

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <string_view>
#include <vector>

#include "base/read_result.h"
#include "motion/motion_change.h"
#include "motion/motion_file.h"
#include "ui/clipboard_mode.h"
#include "ui/undo_history.h"

// Marking copies nothing: it records the source and what a paste should do with it.
struct MotionClipboard {
  MotionBundle* bundle = nullptr;
  Motion* motion = nullptr;
  ClipboardMode mode = ClipboardMode::Empty;

  bool empty() const { return mode == ClipboardMode::Empty; }
  void clear() { *this = MotionClipboard(); }
};

// The motion the canvas draws under the current one.
struct MotionShadow {
  MotionBundle* bundle = nullptr;
  Motion* motion = nullptr;

  bool isSet() const { return motion != nullptr; }
  void clear() { *this = MotionShadow(); }
};

class MotionDocument : public MotionReferences {
 public:
  MotionDocument() = default;
  MotionDocument(const MotionDocument&) = delete;
  MotionDocument& operator=(const MotionDocument&) = delete;

  MotionFile file;
  MotionClipboard clipboard;
  MotionShadow shadow;
  bool autoShadow = true;  // every stamped motion becomes the shadow
  bool modified = false;
  // The delay of stamped motions; the frame keeps it in the settings.
  int32_t defaultDelay = kDefaultMotionDelay;

  // The current bundle's current motion, or null.
  Motion* currentMotion() const;

  // Stamps a new motion with the sprite set's current sprite centred on the mouse
  // (relative to the base point) in front of the current motion of the current bundle.
  bool stampMotion(int32_t mouseX, int32_t mouseY);
  // Appends an empty bundle named CutName(name) and makes it current. False for an
  // empty name or one already taken (the dialog warns about that case).
  bool newBundle(std::string_view name);
  // Deletes the current bundle (the question is the window's); the last bundle becomes
  // current when none followed it. Clears a clipboard or shadow that pointed into it.
  bool deleteBundle();
  // Selects the next bundle, wrapping to the first; only with two bundles or more.
  bool nextBundle();
  bool selectBundle(int32_t index);

  // Marks the current motion for copy, cut or info-only copy.
  bool mark(ClipboardMode mode);
  // Pastes according to the clipboard into the current bundle: copy inserts a copy in
  // front of the current motion and keeps the clipboard; cut does the same, removes
  // the source and empties the clipboard; info-only overwrites the current motion's
  // values but not its sprite and reserved bytes, and keeps the clipboard.
  bool paste();
  // Deletes the current motion, clearing a clipboard or shadow that pointed at it.
  bool deleteMotion();
  // Makes the current motion the shadow and turns automatic shadowing off.
  bool setShadow();

  // Moves the current motion (all: every motion of the current bundle).
  bool moveMotions(int32_t dx, int32_t dy, bool all);
  // Box n (1 to 6) from a drag between two corners, normalised; a rectangle without
  // width or height changes nothing.
  bool setBox(int n, int32_t xa, int32_t ya, int32_t xb, int32_t yb, bool all);
  bool setPoint(int n, int32_t x, int32_t y, bool all);
  // Clearing acts on the current motion only, whatever all would say.
  bool clearBox(int n);
  bool clearPoint(int n);
  // Both values must lie in 1 to 60; the default delay is stored as well.
  bool setDelay(int32_t delay, int32_t newDefaultDelay, bool all);
  bool setFlags(const MotionFlags& flags);
  bool setSound(std::string_view name);
  bool setEffects(bool flipLeftRight, bool flipUpDown, bool translucent);
  // Removes every sprite no motion uses; sets modified even when none was removed.
  bool cleanSprites();
  // Inserts the sprites in front of the current sprite, in order, leaving out those
  // equal to a sprite already in the set; sets modified even when none was new.
  bool addSprites(std::vector<std::unique_ptr<Sprite>> sprites);

  // Every change above is one step of the history (a select-all edit too). Opening a
  // file and a new document clear it; undoing back to the state last saved or opened
  // clears `modified`, redoing away from it sets it again.
  UndoHistory history;
  bool undo();
  bool redo();

  // Empties the clipboard and the shadow that refer to a motion or bundle leaving
  // the document.
  void forgetMotion(const Motion* motion) override;
  void forgetBundle(const MotionBundle* bundle) override;
  // New file: an empty document, not modified, no clipboard, no shadow.
  bool clearDocument();

  // Opens a motion file. Only a file read whole replaces the document (then it is
  // not modified and clipboard and shadow are cleared); a failed open leaves
  // everything as it was.
  ReadResult open(std::istream& in);
  // Saves through a temporary file; clears modified on success.
  bool saveFile(const std::filesystem::path& path);

 private:
  // The motions an edit applies to: the current one, or all of its bundle.
  template <typename Edit>
  bool editMotions(bool all, Edit edit);
  bool changed();

  // The step an operation records into; the outermost operation commits it.
  class Recording {
   public:
    explicit Recording(MotionDocument& doc);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
    MotionChange& change() { return *doc_.change_; }

   private:
    MotionDocument& doc_;
    bool outermost_;
  };
  std::unique_ptr<MotionChange> change_;
};
