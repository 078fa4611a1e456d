#include "ui/editor_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"
#include "support/sprite_file_bytes.h"

TEST(EditorFiles, ReadingAPaletteFileTellsWhyItWasNot) {
  ScratchFolder folder("editor_files");
  PaletteBlock written = BuiltinPaletteBlock();
  written.palette()[0] = 77;
  std::ostringstream out;
  ASSERT_EQ(WritePaletteFile(written, out), 1);
  const std::string bytes = out.str();
  const struct {
    std::string path;
    bool read;
    std::vector<std::string> errors;
  } cases[] = {
      {folder.write("good.pal", {bytes.begin(), bytes.end()}), true, {}},
      {folder.write("short.pal", {'P', 'A', 'L'}),
       false,
       {"팔레트 파일이 아닙니다.\n확인후 다시 하십시오.\n파일이 3 바이트에서 끊겼습니다 (머리말)."}},
      {folder.path("missing.pal"), false, {}},  // passed over silently
  };
  for (const auto& c : cases) {
    ScriptedPrompts<UserPrompts> log;
    PaletteBlock block;
    EXPECT_EQ(ReadPaletteFileReporting(log, c.path, block), c.read) << c.path;
    EXPECT_EQ(log.errors, c.errors) << c.path;
    if (c.read) {
      EXPECT_EQ(block.bytes, written.bytes);
    }
  }
}

TEST(EditorFiles, AddingASpriteFileIsAllOrNothing) {
  ScratchFolder folder("editor_files");
  std::vector<uint8_t> cut = RawSpriteFile({SolidRaw(4, 2, 12), SolidRaw(4, 2, 13)});
  cut.pop_back();  // the last sprite cut short
  const struct {
    std::string path;
    std::optional<std::vector<int>> appended;  // the first pixel of each sprite handed on
    std::vector<std::string> errors;
  } cases[] = {
      {folder.write("dup.plk", RawSpriteFile({SolidRaw(4, 2, 1), SolidRaw(4, 2, 2), SolidRaw(4, 2, 1)})),
       std::vector<int>{1, 2},
       {}},
      {folder.write("short.plk", cut),
       std::nullopt,
       {"'short.plk'\n올바른 Plyk 파일이 아닙니다.\n\t확인후 다시 하십시오.\n"
        "파일이 83 바이트에서 끊겼습니다 (스프라이트 2/2)."}},
      {folder.path("missing.plk"), std::nullopt, {}},  // passed over silently
  };
  for (const auto& c : cases) {
    ScriptedPrompts<UserPrompts> log;
    std::optional<std::vector<int>> appended;
    const bool added = AddSpriteFile(log, ChosenFile{c.path, "short.plk"}, [&](SpriteSet& read) {
      appended.emplace();
      for (int i = 0; i < read.Count(); ++i) appended->push_back(read.Get(i)->pixels[0]);
    });
    EXPECT_EQ(added, c.appended.has_value()) << c.path;
    EXPECT_EQ(appended, c.appended) << c.path;
    EXPECT_EQ(log.errors, c.errors) << c.path;
    EXPECT_EQ(log.busy, (std::vector<bool>{true, false})) << c.path;
  }
}

TEST(EditorFiles, AChooserStartsAtTheRememberedFileAndTheSettingFollowsTheChoice) {
  const ChosenFile remembered{"C:\\old\\a.spr", "a.spr"}, document{"D:\\doc.spr", "doc.spr"},
      picked{"E:\\new.spr", "new.spr"};
  const struct {
    Chooser chooser;
    ChosenFile start;
    std::optional<ChosenFile> reply;  // nullopt: cancelled
    ChosenFile offered, kept;
  } cases[] = {
      {Chooser::Open, {}, picked, remembered, picked},
      {Chooser::Save, {}, picked, remembered, picked},
      {Chooser::Save, document, picked, document, picked},
      {Chooser::Open, {}, std::nullopt, remembered, remembered},
  };
  for (const auto& c : cases) {
    ScriptedPrompts<UserPrompts> log;
    log.files.push_back(c.reply);
    std::string path = remembered.path, name = remembered.name;
    ChosenFile file = c.start;
    EXPECT_EQ(ChooseAndRemember(log, c.chooser, SpriteFileFilter(), {path, name}, file), c.reply.has_value());
    ASSERT_EQ(log.offered.size(), 1u);
    EXPECT_EQ(std::pair(log.offered[0].path, log.offered[0].name), std::pair(c.offered.path, c.offered.name));
    EXPECT_EQ(log.saveChoosers, c.chooser == Chooser::Save ? 1 : 0);
    EXPECT_EQ(std::pair(path, name), std::pair(c.kept.path, c.kept.name));
  }
}

TEST(EditorFiles, SpriteWindowTitleCountsOnlyWhenThereAreSprites) {
  SpriteSet set;
  EXPECT_EQ(SpriteWindowTitle(set), "스프라이트 창");
  for (uint8_t v : {1, 2, 3}) set.Append(std::make_unique<Sprite>(1, 1, std::vector<uint8_t>{v}));
  set.SetCurrent(2);
  EXPECT_EQ(SpriteWindowTitle(set), "스프라이트 창      [ 3개, 2번 선택 ]");
}
