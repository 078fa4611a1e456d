// The main frame's rules through its commands: titles, menu state, the unsaved-work
// question, sprite files (with the faults of opening, saving and dropping mended),
// picture import, palettes, the dialogs, frames and the PCX export.
#include "cutter/editor/frame_editor.h"

#include <gtest/gtest.h>
#include <cstdlib>

#include <set>

#include "base/byte_reader.h"
#include "base/path_text.h"
#include "cutter/editor/cut_size_dialog.h"
#include "cutter/resource_ids.h"
#include "editor_support.h"
#include "picture_writers.h"
#include "ui/colour_dialog.h"
#include "ui/editor_files.h"
#include "ui/file_filter.h"

using namespace edtest;

namespace {

class FrameTest : public ::testing::Test {
 protected:
  Frame f;
  ScratchFolder dir{"frame_test"};
  FrameEditor& frame() { return f.editor; }
  CutterDocument& doc() { return f.doc(); }

  // A document of `count` sprites saved as "a.plk", then changed.
  void NamedAndModified(int count) {
    const std::string path = dir.write("a.plk", SpriteFile(count));
    ASSERT_TRUE(frame().openSpriteFile(path, "a.plk"));
    doc().modified = true;
  }
  bool ImportPcx(const std::string& name, int w, int h, uint8_t background = 3) {
    return frame().importPicture(
        dir.write(name, PcxPicture(w, h, [=](int x, int y) { return uint8_t(x == y + 1 ? 9 : background); })),
        name);
  }
};

}  // namespace

TEST_F(FrameTest, TitleInItsThreeForms) {
  EXPECT_EQ(frame().title(), "PlykII");
  ASSERT_TRUE(ImportPcx("a.pcx", 320, 200));
  EXPECT_EQ(frame().title(), "PlykII       [새 파일]   - a.pcx[320x200]  (1/1)");
  doc().modified = true;
  EXPECT_EQ(frame().title(), "PlykII       [새 파일 *]   - a.pcx[320x200]  (1/1)");

  Frame g;  // sprites without a picture: the short form
  ASSERT_TRUE(g.editor.openSpriteFile(dir.write("b.plk", SpriteFile(2)), "b.plk"));
  EXPECT_EQ(g.editor.title(), "PlykII       [b.plk]");
  g.editor.spriteWindow().command(ID_PLYK_SPRITE_DELETE);
  EXPECT_EQ(g.editor.title(), "PlykII       [b.plk *]");
}

TEST_F(FrameTest, MenuStateAndGreyedKeys) {
  // Every command of the menus and keys is in the table. Empty and unnamed, Ctrl+S
  // and Ctrl+N are greyed: a greyed command not running is the table's own rule.
  const std::set<int> greyed = {ID_PLYK_FILE_SAVE,  ID_PLYK_FILE_NEW,   ID_PLYK_FILE_SAVE_AS,
                                ID_PLYK_SAVE_PCX,   ID_PLYK_NEXT_FRAME, ID_PLYK_KEY_COPY,
                                ID_PLYK_KEY_DELETE, ID_PLYK_KEY_PASTE,  ID_PLYK_KEY_CUT};
  for (int id = ID_PLYK_ABOUT; id <= ID_PLYK_SAVE_PCX; ++id) {
    const bool known = id != 40007 && id != ID_PLYK_SPRITE_SAVE_PCX && (id <= 40021 || id >= 40031);
    EXPECT_EQ(frame().commands().contains(id), known) << id;
    EXPECT_EQ(frame().commands().enabled(id), known && !greyed.count(id)) << id;
  }

  NamedAndModified(3);
  doc().sprites.SetCurrent(0);
  for (int id : {ID_PLYK_FILE_SAVE, ID_PLYK_FILE_NEW, ID_PLYK_FILE_SAVE_AS, ID_PLYK_SAVE_PCX})
    EXPECT_TRUE(frame().commands().enabled(id)) << id;
  EXPECT_FALSE(frame().commands().enabled(ID_PLYK_KEY_COPY));  // the sprite window lacks the focus
  f.host.focused = true;
  EXPECT_TRUE(frame().commands().enabled(ID_PLYK_KEY_COPY));
  EXPECT_FALSE(frame().commands().enabled(ID_PLYK_KEY_PASTE));  // nothing held

  // Check marks: the current tool, the detail window, "투명색 무시".
  for (int id : {ID_PLYK_TOOL_GRID_CUT, ID_PLYK_IGNORE_TRANSPARENT, ID_PLYK_DETAIL_WINDOW})
    frame().command(id);
  for (int id :
       {ID_PLYK_TOOL_OUTWARD_CUT, ID_PLYK_TOOL_GRID_CUT, ID_PLYK_IGNORE_TRANSPARENT, ID_PLYK_DETAIL_WINDOW})
    EXPECT_EQ(frame().commands().checked(id), id != ID_PLYK_TOOL_OUTWARD_CUT && id != ID_PLYK_DETAIL_WINDOW)
        << id;
  EXPECT_EQ(f.host.detailShown, false);
  EXPECT_EQ(frame().statusTexts()[2], "");  // no canvas yet

  // Shift+arrows move the pointer by one picture pixel; ] goes to the sprite window.
  for (int id : {ID_PLYK_ZOOM_IN, ID_PLYK_POINTER_LEFT, ID_PLYK_POINTER_DOWN, ID_PLYK_POINTER_DOWN,
                 ID_PLYK_POINTER_UP, ID_PLYK_NEXT_SPRITE, ID_PLYK_ABOUT})
    frame().command(id);
  EXPECT_EQ(std::make_pair(f.host.pointerX, f.host.pointerY), std::make_pair(-2, 2));
  EXPECT_EQ(frame().spriteWindow().selection(), 1);
  EXPECT_EQ(f.host.abouts, 1);
}

TEST_F(FrameTest, UnsavedWorkQuestion) {
  const struct {
    int command, sprites;
    Answer answer;
    bool saveFails, goesOn, saved;
  } cases[] = {
      // Every answer is the shared question's, checked with it; here what each does
      // to the file and to the command.
      {ID_PLYK_EXIT, 3, Answer::Cancel, false, false, false},
      {ID_PLYK_EXIT, 3, Answer::Yes, true, false, false},
      {ID_PLYK_FILE_NEW, 3, Answer::Yes, false, true, true},
      // An empty set is never written: Yes has nothing to save and goes on as No.
      // (New is greyed for an empty set.)
      {ID_PLYK_EXIT, 1, Answer::Yes, false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    Frame g;
    const std::vector<uint8_t> original = SpriteFile(c.sprites);
    ASSERT_TRUE(g.editor.openSpriteFile(dir.write("q.plk", original), "q.plk"));
    g.editor.spriteWindow().command(ID_PLYK_SPRITE_DELETE);
    const std::vector<uint8_t> changed = SpriteFileBytes(g.editor.document().sprites);
    std::filesystem::remove_all(dir.dir / "q.plk.saving");
    if (c.saveFails) std::filesystem::create_directory(dir.dir / "q.plk.saving");  // blocks the write
    g.host.answers.push_back(c.answer);
    g.editor.command(c.command);
    ASSERT_EQ(g.host.questions, std::vector<std::string>{kUnsavedWorkQuestion});
    const bool wentOn =
        c.command == ID_PLYK_EXIT ? g.host.closed == 1 : g.editor.document().sprites.Count() == 0;
    EXPECT_EQ(wentOn, c.goesOn);
    EXPECT_EQ(dir.read("q.plk"), c.saved ? changed : original);
    EXPECT_EQ(g.host.errors.size(), c.saveFails ? 1u : 0u);
  }
  std::filesystem::remove_all(dir.dir / "q.plk.saving");
  // An unmodified document asks nothing.
  frame().command(ID_PLYK_EXIT);
  EXPECT_EQ(f.host.closed, 1);
}

TEST_F(FrameTest, SavingAsksForANameAndKeepsTheOldFileWhenItFails) {
  NamedAndModified(2);
  // Save as: a name is asked for; a cancelled chooser writes nothing.
  f.host.files.push_back(std::nullopt);
  frame().command(ID_PLYK_FILE_SAVE_AS);
  EXPECT_TRUE(doc().modified);
  const std::string target = dir.path("새 이름.plk");
  f.host.files.push_back(ChosenFile{target, "새 이름.plk"});
  frame().command(ID_PLYK_FILE_SAVE_AS);
  EXPECT_EQ(f.host.filters.back(), (FilterEntries{{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}}));
  EXPECT_FALSE(doc().modified);
  EXPECT_EQ(doc().spriteName, "새 이름.plk");
  EXPECT_EQ(frame().settings().spriteName, "새 이름.plk");
  const std::vector<uint8_t> before = dir.read("새 이름.plk");
  EXPECT_EQ(before, SpriteFile(2));

  // A failed write leaves the old file, the name and the modified flag, and says so.
  std::filesystem::create_directory(PathFromText(target + ".saving"));  // blocks the write
  doc().sprites.SetCurrent(0);
  frame().spriteWindow().command(ID_PLYK_SPRITE_DELETE);
  EXPECT_FALSE(frame().save(false));
  EXPECT_EQ(dir.read("새 이름.plk"), before);
  EXPECT_TRUE(doc().modified);
  EXPECT_EQ(doc().spriteName, "새 이름.plk");
  ASSERT_FALSE(f.host.errors.empty());
  EXPECT_NE(f.host.errors.back().find("새 이름.plk"), std::string::npos);
  // An empty set is never written, and says nothing.
  Frame empty;
  EXPECT_FALSE(empty.editor.save(true));
  EXPECT_TRUE(empty.host.errors.empty());
}

TEST_F(FrameTest, AFailedOpenChangesNothing) {
  NamedAndModified(4);
  doc().sprites.SetCurrent(2);
  frame().spriteWindow().command(ID_PLYK_SPRITE_COPY);
  const Sprite* held = frame().spriteWindow().heldSprite();
  std::vector<uint8_t> damaged = SpriteFile(1, 50);
  damaged.pop_back();
  // The message, then why.
  for (const auto& [name, bytes, reason] :
       {std::tuple<std::string, std::vector<uint8_t>, std::string>{
            "text.plk", {'a', 'b', 'c'}, "다른 종류의 파일입니다."},
        {"short.plk", damaged, "파일이 57 바이트에서 끊겼습니다 (스프라이트 1/1)."}}) {
    f.host.answers.push_back(Answer::No);
    f.host.files.push_back(ChosenFile{dir.write(name, bytes), name});
    frame().command(ID_PLYK_FILE_OPEN);
    EXPECT_EQ(f.host.errors.back(),
              "'" + name + "'\n올바른 Plyk 파일이 아닙니다.\n확인후 다시 하십시오.\n" + reason);
    EXPECT_EQ(doc().sprites.Count(), 4);
    EXPECT_EQ(frame().spriteWindow().selection(), 2);
    EXPECT_EQ(frame().spriteWindow().heldSprite(), held);
    EXPECT_EQ(doc().spriteName, "a.plk");
    EXPECT_TRUE(doc().modified);
  }
  // A good file replaces the set and drops the hold.
  f.host.answers.push_back(Answer::No);
  f.host.files.push_back(ChosenFile{dir.write("b.plk", SpriteFile(2, 70)), "b.plk"});
  frame().command(ID_PLYK_FILE_OPEN);
  EXPECT_EQ(doc().sprites.Count(), 2);
  EXPECT_EQ(frame().spriteWindow().selection(), 0);
  EXPECT_EQ(frame().spriteWindow().heldSprite(), nullptr);
  EXPECT_EQ(doc().spriteName, "b.plk");
  EXPECT_EQ(frame().settings().spritePath, dir.path("b.plk"));  // where the next chooser starts
  EXPECT_FALSE(doc().modified);
  // "새 파일" empties it, and the hold goes with it.
  frame().spriteWindow().command(ID_PLYK_SPRITE_CUT);
  frame().command(ID_PLYK_FILE_NEW);
  EXPECT_EQ(frame().spriteWindow().heldSprite(), nullptr);
  EXPECT_EQ(frame().title(), "PlykII");
}

TEST_F(FrameTest, DroppedFilesAndTheCommandLine) {
  std::filesystem::create_directory(dir.dir / "folder");
  const std::string good = dir.write("good.plk", SpriteFile(2)),
                    other = dir.write("other.plk", SpriteFile(5));
  const std::string text = dir.write("text.plk", {'x'});
  doc().modified = true;  // asked once, however many files fail
  f.host.answers.push_back(Answer::No);
  frame().dropFiles({dir.path("folder"), text, good, other});
  EXPECT_EQ(doc().sprites.Count(), 2);
  EXPECT_EQ(doc().spriteName, "good.plk");
  EXPECT_EQ(f.host.errors.size(), 1u);
  // On a modified document the question comes first; Cancel keeps the work.
  doc().modified = true;
  f.host.answers.push_back(Answer::Cancel);
  frame().dropFiles({other});
  EXPECT_EQ(doc().sprites.Count(), 2);
  frame().dropFiles({dir.path("folder")});  // only folders: nothing to ask
  EXPECT_EQ(f.host.questions.size(), 2u);

  const struct {
    std::string path, name;
    CommandLineOutcome outcome;
    size_t errors;
  } lines[] = {{"", "", CommandLineOutcome::NothingToOpen, 0},
               {dir.path("missing.plk"), "missing.plk", CommandLineOutcome::EndProgram, 0},
               {text, "text.plk", CommandLineOutcome::EndProgram, 1},
               {other, "other.plk", CommandLineOutcome::Opened, 0}};
  for (const auto& l : lines) {
    Frame g;
    EXPECT_EQ(g.editor.openCommandLine(l.path, l.name), l.outcome) << l.path;
    EXPECT_EQ(g.host.errors.size(), l.errors) << l.path;
    EXPECT_EQ(g.editor.settings().spritePath, l.outcome == CommandLineOutcome::Opened ? l.path : "");
    EXPECT_EQ(g.editor.settings().spriteName, l.outcome == CommandLineOutcome::Opened ? l.name : "");
  }
}

TEST_F(FrameTest, ImportPaletteAndColourIndices) {
  frame().resize(SizeKind::Maximized, 1300, 700);
  EXPECT_TRUE(frame().settings().maximised);
  EXPECT_EQ(frame().statusPartEdges(), (std::array<int, 3>{600, 700, -1}));
  // The picture's palette, grey everywhere but entry 40, which is pure red.
  testpic::Palette grey{};
  for (int i = 0; i < 768; ++i) grey[i] = static_cast<uint8_t>(i / 3);
  grey[120] = 255, grey[121] = grey[122] = 0;
  testpic::Image img(30, 20, 6);
  img.at(0, 0) = 7;
  frame().settings().backgroundColour = 0x000000FF;
  f.host.files.push_back(ChosenFile{dir.write("p.pcx", testpic::WritePcx(img, grey)), "p.pcx"});
  frame().command(ID_PLYK_IMPORT_PICTURE);
  // Every format the import reads is listed, FLI included.
  EXPECT_EQ(
      f.host.filters.back(),
      (FilterEntries{{"그림 파일(pcx,bmp,flc,fli,anm,png,gif)", "*.pcx;*.bmp;*.flc;*.fli;*.anm;*.png;*.gif"},
                     {"모든 파일(*.*)", "*.*"}}));
  EXPECT_EQ(doc().cut.transparentIndex, 7);  // the top-left pixel
  EXPECT_EQ(frame().settings().backgroundIndex, 40);
  EXPECT_EQ(f.host.palettes, 1);
  EXPECT_EQ(f.host.canvasShown, true);
  EXPECT_EQ(frame().settings().pictureName, "p.pcx");
  EXPECT_EQ(frame().statusTexts()[2], " 마우스 : --- , ---");
  f.host.files.push_back(ChosenFile{dir.path("nothing.pcx"), "nothing.pcx"});
  frame().command(ID_PLYK_IMPORT_PICTURE);
  EXPECT_EQ(f.host.errors.back(), "파일을 열수 없습니다.");

  // Write the palette, restore the built-in one, read it back.
  const int builtinRed = NearestColor(BuiltinPaletteBlock(), 0x000000FF);
  const std::string pal = dir.path("p.pal"), bad = dir.write("bad.pal", {'P', 'A', 'L'});
  for (auto [command, file, index] : {std::tuple{ID_PLYK_WRITE_PALETTE, pal, 40},
                                      {ID_PLYK_DEFAULT_PALETTE, pal, builtinRed},
                                      {ID_PLYK_READ_PALETTE, pal, 40},
                                      {ID_PLYK_READ_PALETTE, bad, 40}}) {
    if (command != ID_PLYK_DEFAULT_PALETTE) f.host.files.push_back(ChosenFile{file, "p.pal"});
    frame().command(command);
    EXPECT_EQ(frame().settings().backgroundIndex, index) << command;
    EXPECT_EQ((std::pair{frame().settings().palettePath, frame().settings().paletteName}),
              (std::pair{file, std::string("p.pal")}))
        << command;
  }
  EXPECT_EQ(dir.read("p.pal").size(), kPaletteFileSize);
  EXPECT_EQ(f.host.errors.back().rfind(kNotPaletteFileText, 0), 0u);
  // The remembered palette is read when the frame is created.
  CutterSettings remembered;
  remembered.palettePath = pal;
  FakeHost host;
  FrameEditor next(host, remembered, BuiltinPaletteBlock());
  next.create();
  EXPECT_EQ(next.document().palette.palette()[120], 255);
  EXPECT_EQ(next.settings().backgroundIndex, 255);  // white: the grey ramp's end
}

TEST_F(FrameTest, CutSizeAndColourDialogs) {
  f.host.cutSizeDialog = [&](CutSizeDialog& d) {
    EXPECT_EQ(d.widthText(), "32");
    // Each side of the last one fits, but a 32768 x 32768 cut would need a 1 GiB buffer.
    for (auto [w, h] :
         {std::pair<std::string, std::string>{"0", "5"}, {"12", "a"}, {" -3", "4"}, {"32768", "32768"}})
      EXPECT_EQ(d.ok(w, h).warning, kCutSizeRangeWarning) << w << " x " << h;
    return d.ok("1000", "1").accepted;
  };
  frame().command(ID_PLYK_CUT_SIZE);
  EXPECT_EQ(frame().settings().cutWidth, 1000);
  EXPECT_EQ(frame().settings().cutHeight, 1);
  f.host.cutSizeDialog = [](CutSizeDialog&) { return false; };
  frame().command(ID_PLYK_CUT_SIZE);  // cancelled
  EXPECT_EQ(frame().settings().cutWidth, 1000);

  f.host.colourDialog = [](ColourDialog& d) {
    d.pick(IDC_PLYK_COLOUR_BACKGROUND, 0x000000FF);
    return d.ok().accepted;
  };
  f.host.takeRepaints();
  frame().command(ID_PLYK_COLOURS);
  EXPECT_EQ(frame().settings().backgroundColour, 0x000000FFu);
  EXPECT_EQ(frame().settings().backgroundIndex, NearestColor(BuiltinPaletteBlock(), 0x000000FF));
  EXPECT_EQ(frame().settings().shadowIndex, 0);  // black
  EXPECT_EQ(frame().settings().systemIndex, NearestColor(BuiltinPaletteBlock(), 0x007F0000));
  EXPECT_EQ(f.host.takeRepaints(), kAllWindows);
}

TEST_F(FrameTest, FramesOfAnAnimation) {
  using namespace testpic;
  std::vector<Bytes> chunks;
  for (int i = 0; i < 3; ++i)
    chunks.push_back(FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(Image(8, 6, uint8_t(20 + i)))}));
  ASSERT_TRUE(frame().importPicture(dir.write("walk.flc", WriteFlc(8, 6, chunks)), "walk.flc"));
  EXPECT_EQ(frame().frameBar(), (ScrollBarState{true, 2, 0}));
  for (const char* expected : {"(2/3)", "(3/3)", "(1/3)"}) {
    frame().command(ID_PLYK_NEXT_FRAME);
    EXPECT_NE(frame().title().find(expected), std::string::npos) << frame().title();
  }
  const struct {
    int code, thumb, frame;
  } scrolls[] = {{kScrollLineUp, 0, 0},     {kScrollPageDown, 0, 1},   {kScrollLineDown, 0, 2},
                 {kScrollLineDown, 0, 2},   {kScrollLineUp, 0, 1},     {kScrollThumbTrack, 0, 0},
                 {kScrollThumbTrack, 9, 0}, {kScrollThumbTrack, 1, 1}, {kScrollEnd, 0, 1}};
  for (const auto& s : scrolls) {
    frame().frameScroll(s.code, s.thumb);
    EXPECT_EQ(doc().picture.currentFrame(), s.frame) << s.code << " " << s.thumb;
  }
  // Cuts read the frame shown.
  frame().command(ID_PLYK_TOOL_FIXED_CUT);
  frame().canvas().resize(100, 100);
  frame().canvas().mouseMove(1, 1);
  frame().canvas().leftDown();
  EXPECT_EQ(doc().sprites.Get(0)->pixels[0], 21);

  ASSERT_TRUE(ImportPcx("one.pcx", 8, 8));
  EXPECT_EQ(frame().frameBar(), (ScrollBarState{false, 0, 0}));
  EXPECT_FALSE(frame().command(ID_PLYK_NEXT_FRAME));
}

TEST_F(FrameTest, PcxExportOfTheSetAndOfOneSprite) {
  ASSERT_TRUE(frame().openSpriteFile(dir.write("s.plk", SpriteFile(6)), "s.plk"));
  const std::string sheet = dir.path("sheet.pcx"), one = dir.path("one.pcx");
  f.host.files = {std::nullopt, ChosenFile{sheet, "sheet.pcx"}};
  frame().command(ID_PLYK_SAVE_PCX);  // cancelled: nothing written
  EXPECT_FALSE(std::filesystem::exists(sheet));
  frame().command(ID_PLYK_SAVE_PCX);
  EXPECT_EQ(f.host.filters.back(), (FilterEntries{{"PCX 파일(*.pcx)", "*.pcx"}, {"모든 파일(*.*)", "*.*"}}));
  ExpectCutsBack(dir.read("sheet.pcx"), doc().sprites);

  doc().sprites.SetCurrent(6);  // the end slot: nothing selected
  EXPECT_FALSE(frame().spriteWindow().commands().enabled(ID_PLYK_SPRITE_SAVE_PCX));
  doc().sprites.SetCurrent(3);
  f.host.files.push_back(ChosenFile{one, "one.pcx"});
  EXPECT_TRUE(frame().spriteWindow().command(ID_PLYK_SPRITE_SAVE_PCX));
  SpriteSet alone;
  alone.Append(std::make_unique<Sprite>(*doc().sprites.Get(3)));
  // The picture holds that sprite alone, from its top-left corner.
  EXPECT_EQ(ExpectCutsBack(dir.read("one.pcx"), alone), (std::vector<CutRect>{{0, 0, 4, 5}}));
}

TEST_F(FrameTest, TrueColourImportSaysTheColoursWereMapped) {
  if (std::system("convert -version > /dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick convert not found";
  const std::string png = dir.path("t.png");
  ASSERT_EQ(
      std::system(("convert -size 8x6 gradient:red-blue -define png:color-type=2 '" + png + "'").c_str()), 0);
  ASSERT_TRUE(frame().importPicture(png, "t.png"));
  EXPECT_EQ(frame().statusTexts()[0], kColoursMappedText);
  // The current palette stays: the picture was mapped to it.
  EXPECT_EQ(doc().palette.bytes, f.doc().picture.palette().bytes);
  frame().command(ID_PLYK_TOOL_OUTWARD_CUT);
  EXPECT_NE(frame().statusTexts()[0], kColoursMappedText);
  // An indexed picture brings its own palette and says nothing.
  ASSERT_TRUE(ImportPcx("p.pcx", 8, 6));
  EXPECT_NE(frame().statusTexts()[0], kColoursMappedText);
}
