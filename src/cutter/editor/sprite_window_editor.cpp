#include "cutter/editor/sprite_window_editor.h"

#include <cstdio>
#include <memory>

#include "cutter/editor/cutter_filters.h"
#include "cutter/editor/detail_window_editor.h"
#include "cutter/editor/pcx_export.h"
#include "cutter/editor/png_export.h"
#include "cutter/editor/sprite_file_ops.h"
#include "cutter/pcx_writer.h"
#include "cutter/resource_ids.h"
#include "cutter/sheet_png.h"
#include "graphics/contact_sheet.h"

CutterSpriteWindowEditor::CutterSpriteWindowEditor(CutterDocument& document, CutterSettings& settings,
                                                   DetailWindowEditor& detail, CutterHost& host)
    : doc_(document), settings_(settings), detail_(detail), host_(host) {
  buildCommands();
}

void CutterSpriteWindowEditor::buildCommands() {
  auto selected = [this] { return spriteSelected(); };
  commands_.add(ID_PLYK_PREV_SPRITE, [this] { selectNext(-1); })
      .add(ID_PLYK_NEXT_SPRITE, [this] { selectNext(1); })
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
            ExportPcx(host_, made, sheet, doc_.palette);
          },
          selected)
      .add(
          ID_PLYK_SPRITE_SAVE_PNG,
          [this] {
            SpriteSheet sheet;
            const bool made = MakeSingleSpriteSheet(*doc_.sprites.Current(), sheet, kMaxPngSide);
            ExportSheetPng(host_, made, sheet, doc_.palette);
          },
          selected)
      .alias(ID_PLYK_KEY_COPY, ID_PLYK_SPRITE_COPY)
      .alias(ID_PLYK_KEY_CUT, ID_PLYK_SPRITE_CUT)
      .alias(ID_PLYK_KEY_DELETE, ID_PLYK_SPRITE_DELETE)
      .alias(ID_PLYK_KEY_PASTE, ID_PLYK_SPRITE_PASTE);
}

void CutterSpriteWindowEditor::resize(int clientWidth, int clientHeight) {
  grid_.layout(clientWidth, clientHeight, doc_.sprites.Count(), selection());
  detail_.relayout();
  host_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::relayout() {
  resize(grid_.clientWidth(), grid_.clientHeight());
}

void CutterSpriteWindowEditor::ensureSelectionVisible() {
  grid_.ensureVisible(selection());
  detail_.relayout();
  host_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::scroll(int code, int thumb) {
  if (grid_.scroll(code, thumb)) host_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::wheel(int delta) {
  if (grid_.wheel(delta)) host_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::leftDown(int x, int y) {
  const int index = grid_.hitTest(x, y, doc_.sprites.Count());
  if (index < 0) return;
  doc_.sprites.SetCurrent(index);
  ensureSelectionVisible();
}

void CutterSpriteWindowEditor::rightDown(int x, int y) {
  leftDown(x, y);
  host_.showSpritePopup(x, y);
}

bool CutterSpriteWindowEditor::command(int id) {
  if (!host_.spriteWindowFocused()) host_.focusSpriteWindow();
  return commands_.execute(id);
}

void CutterSpriteWindowEditor::dropHold() {
  held_ = nullptr;
  mode_ = ClipboardMode::Empty;
}

void CutterSpriteWindowEditor::selectNext(int step) {
  const int next = selection() + step;
  if (next < 0) return;
  doc_.sprites.SetCurrent(next);  // beyond the last sprite: the end slot
  ensureSelectionVisible();
}

void CutterSpriteWindowEditor::hold(ClipboardMode mode) {
  held_ = doc_.sprites.Current();
  mode_ = mode;
  host_.repaint(kSpriteWindow);
}

void CutterSpriteWindowEditor::removeSelected() {
  if (held_ == doc_.sprites.Current()) dropHold();
  auto change = doc_.beginChange();
  const int32_t index = doc_.sprites.CurrentIndex();
  change->removed(index, doc_.sprites.Take(index));
  if (!change->empty()) {
    doc_.commit(std::move(change));
    host_.repaint(kFrameWindow);
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
  ChosenFile file{settings_.spritePath, settings_.spriteName};
  if (!host_.chooseOpenFile(SpriteFileFilter(), file)) return;
  settings_.spritePath = file.path;
  settings_.spriteName = file.name;
  SpriteSet read;
  ReadResult result;
  auto change = doc_.beginChange();
  {
    WaitCursor wait(host_);
    result = ReadWholeSpriteFile(file.path, read);
    if (result) {
      // The new sprites go one after another in front of the selection.
      const int32_t first = doc_.sprites.CurrentIndex();
      const int added = MergeSprites(doc_.sprites, read);
      for (int i = 0; i < added; ++i) change->inserted(first + i);
    }
  }
  if (!result && result.problem != ReadProblem::CannotOpen)
    host_.showError(InvalidSpriteFileText(file.name, true, result));
  if (!result) return;
  doc_.commit(std::move(change));
  // Even a file of sprites the set already holds counts as a change.
  changed();
}

void CutterSpriteWindowEditor::forgetHoldIfGone() {
  if (held_ && doc_.sprites.IndexOf(held_) < 0) dropHold();
}

void CutterSpriteWindowEditor::changed() {
  doc_.modified = true;
  host_.repaint(kFrameWindow);
  relayout();
}

std::string CutterSpriteWindowEditor::title() const {
  if (doc_.sprites.Count() == 0) return "스프라이트 창";
  char text[96];
  std::snprintf(text, sizeof(text), "스프라이트 창      [ %d개, %d번 선택 ]", doc_.sprites.Count(),
                selection());
  return text;
}

ScrollBarState CutterSpriteWindowEditor::scrollBar() const {
  return ScrollBarState{grid_.scrollable(), grid_.scrollMax(), grid_.scrollPos()};
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
  const GridPoint selected = grid_.cellOrigin(selection());
  dc.DrawRect(selected.x, selected.y, selected.x + kGridThumbnail, selected.y + kGridThumbnail,
              settings_.systemIndex, 1);
}
