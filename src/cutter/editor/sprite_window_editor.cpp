#include "cutter/editor/sprite_window_editor.h"

#include <memory>

#include "cutter/editor/detail_window_editor.h"
#include "cutter/editor/pcx_export.h"
#include "cutter/editor/png_export.h"
#include "cutter/pcx_writer.h"
#include "cutter/resource_ids.h"
#include "cutter/sheet_png.h"
#include "graphics/contact_sheet.h"
#include "ui/editor_files.h"
#include "ui/file_filter.h"

CutterSpriteWindowEditor::CutterSpriteWindowEditor(CutterDocument& document, CutterSettings& settings,
                                                   DetailWindowEditor& detail, CutterRepaint& repaint,
                                                   CutterWindowControl& windows, UserPrompts& prompts)
    : doc_(document),
      settings_(settings),
      detail_(detail),
      repaint_(repaint),
      windows_(windows),
      prompts_(prompts) {
  buildCommands();
}

void CutterSpriteWindowEditor::buildCommands() {
  auto selected = [this] { return spriteSelected(); };
  // At the first sprite the previous key does nothing at all.
  commands_
      .add(ID_PLYK_PREV_SPRITE,
           [this] {
             if (selection() > 0) previous();
           })
      .add(ID_PLYK_NEXT_SPRITE, [this] { next(); })
      .add(
          ID_PLYK_SPRITE_COPY, [this] { hold(ClipboardMode::Copy); }, selected)
      .add(
          ID_PLYK_SPRITE_CUT, [this] { hold(ClipboardMode::Cut); }, selected)
      .add(
          ID_PLYK_SPRITE_DELETE, [this] { removeSelected(); }, selected)
      .add(
          ID_PLYK_SPRITE_PASTE, [this] { paste(); }, [this] { return held_ != nullptr; })
      .add(ID_PLYK_SPRITE_ADD, [this] { merge(); })
      .add(
          ID_PLYK_SPRITE_SAVE_PCX,
          [this] {
            SpriteSheet sheet;
            const bool made = MakeSingleSpriteSheet(*doc_.sprites.Current(), sheet, kMaxPcxSide);
            ExportPcx(prompts_, made, sheet, doc_.palette);
          },
          selected)
      .add(
          ID_PLYK_SPRITE_SAVE_PNG,
          [this] {
            SpriteSheet sheet;
            const bool made = MakeSingleSpriteSheet(*doc_.sprites.Current(), sheet, kMaxPngSide);
            ExportSheetPng(prompts_, made, sheet, doc_.palette);
          },
          selected)
      .alias(ID_PLYK_KEY_COPY, ID_PLYK_SPRITE_COPY)
      .alias(ID_PLYK_KEY_CUT, ID_PLYK_SPRITE_CUT)
      .alias(ID_PLYK_KEY_DELETE, ID_PLYK_SPRITE_DELETE)
      .alias(ID_PLYK_KEY_PASTE, ID_PLYK_SPRITE_PASTE);
}

void CutterSpriteWindowEditor::takeFocus() {
  if (!windows_.spriteWindowFocused()) windows_.focusSpriteWindow();
}

void CutterSpriteWindowEditor::repaintList() {
  repaint_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::laidOut() {
  detail_.relayout();
  repaint_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::rightDown(int x, int y) {
  leftDown(x, y);
  windows_.showSpritePopup(x, y);
}

bool CutterSpriteWindowEditor::command(int id) {
  takeFocus();
  return commands_.execute(id);
}

void CutterSpriteWindowEditor::dropHold() {
  held_ = nullptr;
  mode_ = ClipboardMode::Empty;
}

void CutterSpriteWindowEditor::hold(ClipboardMode mode) {
  held_ = doc_.sprites.Current();
  mode_ = mode;
  repaint_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::removeSelected() {
  if (held_ == doc_.sprites.Current()) dropHold();
  auto change = doc_.beginChange();
  const int32_t index = doc_.sprites.CurrentIndex();
  change->removed(index, doc_.sprites.Take(index));
  if (!change->empty()) {
    doc_.commit(std::move(change));
    repaint_.repaint(kFrameWindow);
  }
  relayout();
}

void CutterSpriteWindowEditor::paste() {
  auto change = doc_.beginChange();
  doc_.sprites.Insert(std::make_unique<Sprite>(held_->width, held_->height, held_->pixels), -1);
  change->inserted(doc_.sprites.CurrentIndex() - 1);
  if (mode_ == ClipboardMode::Cut) {
    // The selection moves to where the original was.
    const int32_t index = doc_.sprites.IndexOf(held_);
    change->removed(index, doc_.sprites.Take(index));
    dropHold();
  }
  doc_.commit(std::move(change));
  changed();
}

void CutterSpriteWindowEditor::merge() {
  ChosenFile file;
  if (!ChooseAndRemember(prompts_, Chooser::Open, SpriteFileFilter(),
                         {settings_.spritePath, settings_.spriteName}, file))
    return;
  auto change = doc_.beginChange();
  const bool added = AddSpriteFile(prompts_, file, [&](SpriteSet& read) {
    // The new sprites go one after another in front of the selection.
    const int32_t first = doc_.sprites.CurrentIndex();
    const int count = MergeSprites(doc_.sprites, read);
    for (int i = 0; i < count; ++i) change->inserted(first + i);
  });
  if (!added) return;
  doc_.commit(std::move(change));
  // Even a file of sprites the set already holds counts as a change.
  changed();
}

void CutterSpriteWindowEditor::forgetHoldIfGone() {
  if (held_ && doc_.sprites.IndexOf(held_) < 0) dropHold();
}

void CutterSpriteWindowEditor::changed() {
  doc_.modified = true;
  repaint_.repaint(kFrameWindow);
  relayout();
}

std::string CutterSpriteWindowEditor::title() const {
  return SpriteWindowTitle(doc_.sprites);
}

void CutterSpriteWindowEditor::paint(DrawContext& dc) const {
  if (grid_.clientWidth() <= 0 || grid_.clientHeight() <= 0) return;
  dc.FillRect(0, 0, grid_.clientWidth() - 1, grid_.clientHeight() - 1, settings_.backgroundIndex, 0);
  const GridRange visible = grid_.visibleItems(doc_.sprites.Count());
  for (int i = visible.first; i < visible.end; ++i) {
    const Sprite* sprite = doc_.sprites.Get(i);
    const GridPoint cell = grid_.cellOrigin(i);
    if (sprite != held_ || mode_ == ClipboardMode::Empty) {
      DrawThumbnail(dc, cell.x, cell.y, sprite);
    } else if (mode_ == ClipboardMode::Cut) {
      DrawThumbnail(dc, cell.x, cell.y, sprite, kTranslucent);
    } else {
      // A copied sprite is tinted with the system colour.
      DrawThumbnail(dc, cell.x, cell.y, sprite);
      DrawThumbnail(dc, cell.x, cell.y, sprite, kTranslucent, settings_.systemIndex);
    }
  }
  paintSelection(dc, settings_.systemIndex);
}
