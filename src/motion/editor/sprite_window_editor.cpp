#include "motion/editor/sprite_window_editor.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <unordered_set>
#include <vector>

#include "base/path_text.h"
#include "graphics/contact_sheet.h"
#include "motion/resource_ids.h"
#include "sprites/sprite_file.h"
#include "ui/read_reason.h"

SpriteWindowEditor::SpriteWindowEditor(MotionDocument& doc, ZorvSettings& settings, ZorvHost& host)
    : ThumbnailList(host), doc_(doc), settings_(settings) {
  const auto never = [] { return false; };
  for (int id : {ID_ZORV_SPRITE_COPY, ID_ZORV_SPRITE_CUT, ID_ZORV_SPRITE_PASTE, ID_ZORV_SPRITE_DELETE})
    commands_.add(id, {}, never);
  commands_.add(ID_ZORV_SPRITE_ADD, [this] { addSpriteFile(); })
      .add(ID_ZORV_KEY_NEXT_SPRITE, [this] { next(); })
      .add(ID_ZORV_KEY_PREV_SPRITE, [this] { previous(); });
}

std::string SpriteWindowEditor::title() const {
  const SpriteSet& set = doc_.file.sprites;
  if (set.Count() == 0) return "스프라이트 창";
  char text[96];
  std::snprintf(text, sizeof text, "스프라이트 창      [ %d개, %d번 선택 ]", set.Count(), set.CurrentIndex());
  return text;
}

void SpriteWindowEditor::paint(DrawContext& dc) const {
  const SpriteSet& set = doc_.file.sprites;
  const GridRange visible = grid_.visibleItems(set.Count());
  for (int i = visible.first; i < visible.end; ++i) {
    const GridPoint cell = grid_.cellOrigin(i);
    DrawThumbnail(dc, cell.x, cell.y, set.Get(i), 0, -1);
  }
  paintSelection(dc, settings_.indices.system);
}

bool SpriteWindowEditor::addSpriteFile() {
  takeFocus();
  ChosenFile file{settings_.spriteFilePath, settings_.spriteFileName};
  if (!host_.chooseOpenFile({{"Plyk 파일(*.plk)", "*.plk"}}, file)) return false;
  settings_.spriteFilePath = file.path;
  settings_.spriteFileName = file.name;
  WaitCursor wait(host_);
  return addSprites(file.path, file.name);
}

bool SpriteWindowEditor::addSprites(const std::string& path, const std::string& name) {
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return false;
  // The file goes into a set of its own first, so a damaged one adds nothing.
  SpriteSet read;
  if (const ReadResult result = ReadSpritesWithReason(read, in, true); !result) {
    char text[400];
    std::snprintf(text, sizeof text, "'%s'\n올바른 Plyk 파일이 아닙니다.\n\t확인후 다시 하십시오.",
                  name.c_str());
    host_.showError(WithReason(text, result));
    return false;
  }
  std::vector<std::unique_ptr<Sprite>> sprites;
  while (read.Count() > 0) sprites.push_back(read.Take(read.Count() - 1));
  std::reverse(sprites.begin(), sprites.end());
  doc_.addSprites(std::move(sprites));
  host_.repaint(kRepaintFrame);
  refresh();
  return true;
}

void SpriteWindowEditor::closeRequested() {
  settings_.spriteWindowShown = false;
  host_.showSpriteWindow(false);
  host_.focus(ZorvWindow::Frame);
}
