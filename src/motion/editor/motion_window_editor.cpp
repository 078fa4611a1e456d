#include "motion/editor/motion_window_editor.h"

#include <string>

#include "graphics/contact_sheet.h"
#include "motion/resource_ids.h"

MotionWindowEditor::MotionWindowEditor(MotionDocument& doc, const ZorvSettings& settings,
                                       ZorvRepaint& repaint, ZorvWindowControl& windows)
    : ZorvList(repaint, windows), doc_(doc), settings_(settings) {
  const auto withMotion = [this] { return hasMotion(); };
  commands_
      .add(
          ID_ZORV_MOTION_COPY, [this] { mark(ClipboardMode::Copy); }, withMotion)
      .add(
          ID_ZORV_MOTION_COPY_INFO, [this] { mark(ClipboardMode::InfoOnly); }, withMotion)
      .add(
          ID_ZORV_MOTION_CUT, [this] { mark(ClipboardMode::Cut); }, withMotion)
      .add(
          ID_ZORV_MOTION_PASTE,
          [this] {
            takeFocus();
            change(doc_.paste());
          },
          [this] { return ready() && !doc_.clipboard.empty(); })
      .add(
          ID_ZORV_MOTION_DELETE,
          [this] {
            takeFocus();
            change(doc_.deleteMotion());
          },
          withMotion)
      .add(
          ID_ZORV_MOTION_SET_SHADOW,
          [this] {
            takeFocus();
            doc_.setShadow();
            repaint_.repaint(kRepaintAll);
          },
          withMotion)
      .add(
          ID_ZORV_KEY_PREV_MOTION, [this] { previous(); }, [this] { return ready(); })
      .add(
          ID_ZORV_KEY_NEXT_MOTION, [this] { next(); }, [this] { return ready(); })
      .alias(ID_ZORV_KEY_COPY, ID_ZORV_MOTION_COPY)
      .alias(ID_ZORV_KEY_COPY_INFO, ID_ZORV_MOTION_COPY_INFO)
      .alias(ID_ZORV_KEY_CUT, ID_ZORV_MOTION_CUT)
      .alias(ID_ZORV_KEY_PASTE, ID_ZORV_MOTION_PASTE)
      .alias(ID_ZORV_KEY_DELETE, ID_ZORV_MOTION_DELETE);
}

int MotionWindowEditor::itemCount() const {
  const MotionBundle* bundle = doc_.file.current();
  return bundle ? bundle->count() : 0;
}

int MotionWindowEditor::selection() const {
  const MotionBundle* bundle = doc_.file.current();
  return bundle ? bundle->currentIndex() : 0;
}

void MotionWindowEditor::select(int index) {
  if (MotionBundle* bundle = doc_.file.current()) bundle->select(index);
}

void MotionWindowEditor::mark(ClipboardMode mode) {
  takeFocus();
  doc_.mark(mode);
  ensureSelectionVisible();
}

void MotionWindowEditor::change(bool changed) {
  if (changed) {
    repaint_.repaint(kRepaintFrame);
    if (motionsChanged) motionsChanged();
  }
  relayout();
}

std::string MotionWindowEditor::title() const {
  const MotionBundle* bundle = doc_.file.current();
  if (!bundle) return "동작 창";
  return "'" + bundle->name.str() + "' 동작 창      [ " + std::to_string(bundle->count()) + "개, " +
         std::to_string(bundle->currentIndex()) + "번 선택 ]";
}

void MotionWindowEditor::paint(DrawContext& dc) const {
  const MotionBundle* bundle = doc_.file.current();
  if (!bundle) return;
  const int system = settings_.indices.system;
  const MotionClipboard& clip = doc_.clipboard;
  dc.setTextColour(system);
  const GridRange visible = grid_.visibleItems(bundle->count());
  for (int i = visible.first; i < visible.end; ++i) {
    const Motion* motion = bundle->get(i);
    const GridPoint cell = grid_.cellOrigin(i);
    const bool marked = !clip.empty() && clip.motion == motion;
    if (marked && clip.mode == ClipboardMode::Cut) {
      DrawThumbnail(dc, cell.x, cell.y, motion->sprite, kTranslucent);
    } else {
      DrawThumbnail(dc, cell.x, cell.y, motion->sprite);
      if (marked) DrawThumbnail(dc, cell.x, cell.y, motion->sprite, kTranslucent, system);
    }
    const char marks[3] = {motion->sound.empty() ? ' ' : 'w', doc_.shadow.motion == motion ? 's' : ' ', '\0'};
    dc.DrawText(cell.x, cell.y + 1, marks);
  }
  paintSelection(dc, system);
}
