#include "motion/editor/sprite_window_editor.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "graphics/contact_sheet.h"
#include "motion/resource_ids.h"
#include "sprites/sprite_file.h"
#include "ui/editor_files.h"
#include "ui/read_reason.h"

SpriteWindowEditor::SpriteWindowEditor(MotionDocument& doc, ZorvSettings& settings, ZorvRepaint& repaint,
                                       ZorvWindowControl& windows, UserPrompts& prompts)
    : ZorvList(repaint, windows), doc_(doc), settings_(settings), prompts_(prompts) {
  const auto never = [] { return false; };
  for (int id : {ID_ZORV_SPRITE_COPY, ID_ZORV_SPRITE_CUT, ID_ZORV_SPRITE_PASTE, ID_ZORV_SPRITE_DELETE})
    commands_.add(id, {}, never);
  commands_.add(ID_ZORV_SPRITE_ADD, [this] { addSpriteFile(); })
      .add(ID_ZORV_KEY_NEXT_SPRITE, [this] { next(); })
      .add(ID_ZORV_KEY_PREV_SPRITE, [this] { previous(); });
}

std::string SpriteWindowEditor::title() const {
  return SpriteWindowTitle(doc_.file.sprites);
}

void SpriteWindowEditor::paint(DrawContext& dc) const {
  const SpriteSet& set = doc_.file.sprites;
  const GridRange visible = grid_.visibleItems(set.Count());
  for (int i = visible.first; i < visible.end; ++i) {
    const GridPoint cell = grid_.cellOrigin(i);
    DrawThumbnail(dc, cell.x, cell.y, set.Get(i));
  }
  paintSelection(dc, settings_.indices.system);
}

bool SpriteWindowEditor::addSpriteFile() {
  takeFocus();
  ChosenFile file;
  if (!ChooseAndRemember(prompts_, Chooser::Open, SpriteFileOnlyFilter(),
                         {settings_.spriteFilePath, settings_.spriteFileName}, file))
    return false;
  return AddSpriteFile(prompts_, file, [this](SpriteSet& read) {
    std::vector<std::unique_ptr<Sprite>> sprites;
    while (read.Count() > 0) sprites.push_back(read.Take(read.Count() - 1));
    std::reverse(sprites.begin(), sprites.end());
    doc_.addSprites(std::move(sprites));
    repaint_.repaint(kRepaintFrame);
    relayout();
  });
}

void SpriteWindowEditor::closeRequested() {
  settings_.spriteWindowShown = false;
  windows_.showSpriteWindow(false);
  windows_.focus(ZorvWindow::Frame);
}
