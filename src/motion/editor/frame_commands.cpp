// The frame's command table and the commands behind its dialogs.
#include <cstdio>

#include "motion/editor/frame_editor.h"
#include "motion/editor/zorv_colours.h"
#include "motion/resource_ids.h"
#include "ui/colour_dialog.h"
#include "ui/editor_files.h"
#include "ui/user_manual.h"

void MotionFrameEditor::addViewToggle(int id, bool ZorvSettings::*flag) {
  commands_.add(
      id,
      [this, flag] {
        settings_.*flag = !(settings_.*flag);
        host_.repaint(kRepaintFrame | kRepaintCanvas);
      },
      {}, [this, flag] { return settings_.*flag; });
}

void MotionFrameEditor::buildCommands() {
  CommandTable& t = commands_;
  const auto hasContent = [this] { return !doc_.file.empty(); };
  t.add(
       ID_ZORV_FILE_NEW, [this] { newFile(); }, hasContent)
      .add(ID_ZORV_FILE_OPEN, [this] { openWithChooser(); })
      .add(
          ID_ZORV_FILE_SAVE, [this] { save(false); }, [this] { return !documentName_.empty(); })
      // The key saves whenever there is something to save; without a name it asks for one.
      .add(
          ID_ZORV_KEY_SAVE, [this] { save(false); }, hasContent)
      .add(
          ID_ZORV_FILE_SAVE_AS, [this] { save(true); }, hasContent)
      .add(
          ID_ZORV_EXPORT_GIF, [this] { exportGif(); }, [this] { return doc_.file.current() != nullptr; })
      .add(
          ID_ZORV_EXPORT_JSON, [this] { exportJson(); }, hasContent)
      .add(ID_ZORV_READ_PALETTE, [this] { choosePalette(); })
      .add(ID_ZORV_DEFAULT_PALETTE, [this] { restorePalette(); })
      .add(
          ID_ZORV_CLEAN_SPRITES, [this] { cleanSprites(); }, [this] { return doc_.file.sprites.Count() > 0; })
      .add(ID_ZORV_EXIT, [this] { close(); })
      .add(
          ID_ZORV_UNDO, [this] { stepHistory(false); }, [this] { return doc_.history.canUndo(); })
      .add(
          ID_ZORV_REDO, [this] { stepHistory(true); }, [this] { return doc_.history.canRedo(); });

  const std::pair<int, int> tools[] = {{ID_ZORV_TOOL_STAMP, kToolStamp},
                                       {ID_ZORV_TOOL_DRAG, kToolDrag},
                                       {ID_ZORV_TOOL_BOX, kToolBox},
                                       {ID_ZORV_TOOL_POINT, kToolPoint},
                                       {ID_ZORV_TOOL_BASE_LINE, kToolBaseLine},
                                       {ID_ZORV_TOOL_INFO, kToolInfo}};
  for (const auto& [id, tool] : tools) {
    const int chosen = tool;
    t.add(
        id, [this, chosen] { canvas_.chooseTool(chosen); }, {},
        [this, chosen] { return canvas_.tool() == chosen; });
  }
  for (int n = 1; n <= kMotionBoxCount; ++n) {
    t.add(
        ID_ZORV_TOOL_NUMBER_1 + n - 1, [this, n] { canvas_.setToolNumber(n); }, {},
        [this, n] { return canvas_.toolNumber() == n; });
  }

  t.add(ID_ZORV_FLAGS, [this] { editFlags(); })
      .add(ID_ZORV_SOUND, [this] { editSound(); })
      .add(ID_ZORV_DELAY, [this] { editDelay(); })
      .add(ID_ZORV_EFFECTS, [this] { editEffects(); })
      .add(ID_ZORV_NEXT_BUNDLE, [this] { nextBundle(); })
      .add(ID_ZORV_NEW_BUNDLE, [this] { newBundle(); })
      .add(
          ID_ZORV_DELETE_BUNDLE, [this] { deleteBundle(); },
          [this] { return doc_.file.current() != nullptr; })
      .add(ID_ZORV_PLAY, [this] { canvas_.startPlayback(); });

  addViewToggle(ID_ZORV_VIEW_BOXES, &ZorvSettings::showBoxes);
  addViewToggle(ID_ZORV_VIEW_POINTS, &ZorvSettings::showPoints);
  addViewToggle(ID_ZORV_VIEW_INFO, &ZorvSettings::showInfo);
  addViewToggle(ID_ZORV_VIEW_BASE_LINE, &ZorvSettings::showBaseLine);
  addViewToggle(ID_ZORV_REPEAT_PLAYBACK, &ZorvSettings::repeatPlayback);
  t.add(
      ID_ZORV_VIEW_SPRITE_WINDOW,
      [this] {
        settings_.spriteWindowShown = !settings_.spriteWindowShown;
        host_.showSpriteWindow(settings_.spriteWindowShown);
      },
      {}, [this] { return settings_.spriteWindowShown; });
  t.add(ID_ZORV_ZOOM_IN, [this] { canvas_.zoomIn(); })
      .add(ID_ZORV_ZOOM_OUT, [this] { canvas_.zoomOut(); })
      .add(
          ID_ZORV_SELECT_ALL, [this] { canvas_.toggleSelectAll(); }, {},
          [this] { return canvas_.selectAll(); })
      .add(
          ID_ZORV_AUTO_SHADOW,
          [this] {
            doc_.autoShadow = !doc_.autoShadow;
            host_.repaint(kRepaintFrame);
          },
          {}, [this] { return doc_.autoShadow; })
      .add(ID_ZORV_COLOURS, [this] { editColours(); })
      .add(ID_ZORV_ABOUT, [this] { host_.showAbout(); })
      .add(ID_ZORV_MANUAL, [this] { OpenUserManual(programDirectory_, host_); });

  t.add(ID_ZORV_POINTER_LEFT, [this] { canvas_.stepPointer(-1, 0); })
      .add(ID_ZORV_POINTER_RIGHT, [this] { canvas_.stepPointer(1, 0); })
      .add(ID_ZORV_POINTER_UP, [this] { canvas_.stepPointer(0, -1); })
      .add(ID_ZORV_POINTER_DOWN, [this] { canvas_.stepPointer(0, 1); });
  for (int id : {ID_ZORV_KEY_PREV_MOTION, ID_ZORV_KEY_NEXT_MOTION})
    t.add(id, [this, id] { motionWindow_.commands().execute(id); });
  // Delete, C, X, V and A act in the motion window when it has the focus; the sprite
  // window takes them without an action.
  for (int id :
       {ID_ZORV_KEY_DELETE, ID_ZORV_KEY_COPY, ID_ZORV_KEY_CUT, ID_ZORV_KEY_PASTE, ID_ZORV_KEY_COPY_INFO}) {
    t.add(id, [this, id] {
      if (host_.focusedWindow() == ZorvWindow::MotionWindow) motionWindow_.commands().execute(id);
    });
  }
  for (int id : {ID_ZORV_KEY_NEXT_SPRITE, ID_ZORV_KEY_PREV_SPRITE})
    t.add(id, [this, id] { spriteWindow_.commands().execute(id); });
  t.add(IDC_ZORV_BUNDLE_SELECTOR, [this] {
     bundleSelected(host_.bundleSelectorIndex());
   }).add(ID_ZORV_MOTION_CHANGED, [this] { canvas_.stopPlayback(); });
}

void MotionFrameEditor::newFile() {
  if (!askToSave()) return;
  canvas_.stopPlayback();
  doc_.clearDocument();
  canvas_.show(false);
  documentName_.clear();
  documentPath_.clear();
  spriteWindow_.relayout();
  bundlesChanged();
}

void MotionFrameEditor::openWithChooser() {
  if (!askToSave()) return;
  ChosenFile chosen{settings_.motionFilePath, settings_.motionFileName};
  if (!host_.chooseOpenFile(MotionFileFilter(), chosen)) return;
  WaitCursor wait(host_);
  openFile(chosen.path, chosen.name);
}

void MotionFrameEditor::choosePalette() {
  ChosenFile chosen;
  if (!ChooseAndRemember(host_, Chooser::Open, PaletteFileFilter(),
                         {settings_.paletteFilePath, settings_.paletteFileName}, chosen))
    return;
  loadPalette(chosen.path);
}

void MotionFrameEditor::cleanSprites() {
  if (!host_.askYesNo("동작에 쓰이지 않는 스프라이트를 정리합니다.\n\t정리하시겠습니까?")) return;
  {
    WaitCursor wait(host_);
    doc_.cleanSprites();
  }
  spriteWindow_.relayout();
  host_.repaint(kRepaintAll);
}

void MotionFrameEditor::stepHistory(bool redo) {
  canvas_.stopPlayback();
  if (!(redo ? doc_.redo() : doc_.undo())) return;
  // A step may bring back or take away the current bundle and any sprite.
  canvas_.show(doc_.file.current() != nullptr);
  spriteWindow_.relayout();
  bundlesChanged();
}

void MotionFrameEditor::newBundle() {
  if (!host_.runNewBundleDialog(newBundleDialog_)) return;
  if (!doc_.newBundle(newBundleDialog_.bundleName())) return;
  canvas_.show(true);
  bundlesChanged();
}

void MotionFrameEditor::deleteBundle() {
  const MotionBundle* bundle = doc_.file.current();
  if (!bundle) return;
  char question[160];
  std::snprintf(question, sizeof question, "'%s' 동작.\n이 동작 묶음을 지우겠습니까?",
                bundle->name.str().c_str());
  if (!host_.askYesNo(question)) return;
  doc_.deleteBundle();
  if (!doc_.file.current()) canvas_.show(false);
  bundlesChanged();
}

void MotionFrameEditor::nextBundle() {
  doc_.nextBundle();
  if (doc_.file.current()) canvas_.show(true);
  bundlesChanged();
}

void MotionFrameEditor::dialogAccepted() {
  // An accepted dialog counts as a change even when the values stayed the same.
  doc_.modified = true;
  host_.repaint(kRepaintAll);
}

void MotionFrameEditor::editFlags() {
  const Motion* motion = doc_.currentMotion();
  if (!motion) return;
  flagsDialog_.values = motion->flags;
  if (!host_.runFlagsDialog(flagsDialog_)) return;
  doc_.setFlags(flagsDialog_.values);
  dialogAccepted();
}

void MotionFrameEditor::editSound() {
  const Motion* motion = doc_.currentMotion();
  if (!motion) return;
  soundDialog_.name = motion->sound.str();
  soundDialog_.folderPath = settings_.waveDirectory;
  if (!host_.runSoundDialog(soundDialog_)) return;
  doc_.setSound(soundDialog_.name);
  settings_.waveDirectory = soundDialog_.folderPath;
  dialogAccepted();
}

void MotionFrameEditor::editDelay() {
  const Motion* motion = doc_.currentMotion();
  if (!motion) return;
  delayDialog_.currentDelay = motion->delay;
  delayDialog_.defaultDelay = doc_.defaultDelay;
  if (!host_.runDelayDialog(delayDialog_)) return;
  doc_.setDelay(delayDialog_.currentDelay, delayDialog_.defaultDelay, delayDialog_.wholeBundle);
  settings_.defaultDelay = doc_.defaultDelay;
  dialogAccepted();
}

void MotionFrameEditor::editEffects() {
  const Motion* motion = doc_.currentMotion();
  if (!motion) return;
  effectsDialog_.load(motion->effects);
  if (!host_.runEffectsDialog(effectsDialog_)) return;
  doc_.setEffects(effectsDialog_.flipLeftRight, effectsDialog_.flipUpDown, effectsDialog_.translucent);
  dialogAccepted();
}

void MotionFrameEditor::editColours() {
  ColourDialog dialog(ZorvColours(settings_), settings_.customColours);
  if (!host_.runColourDialog(dialog)) return;
  convertColours();
}
