// The main frame's rules: title, status, menu state, file operations with their
// prompts, dropped files, palettes, dialogs and the references into the document.
#include "motion/editor/frame_editor.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor_test_support.h"
#include "motion/editor/frame_text.h"
#include "motion/motion_file_io.h"
#include "motion/motion_json.h"
#include "motion/resource_ids.h"
#include "ui/colour_dialog.h"

namespace {

struct FrameFixture {
  FakeHost host;
  std::unique_ptr<MotionFrameEditor> frame;
  ScratchFolder folder{"zorv.editor"};  // a dot in a folder name is no extension

  explicit FrameFixture(const ZorvSettings& settings = ZorvSettings()) {
    frame = std::make_unique<MotionFrameEditor>(host, settings, TestPalette());
    frame->start();
  }
  MotionDocument& doc() { return frame->document(); }
  bool run(int id) { return frame->commands().execute(id); }
  bool enabled(int id) { return frame->commands().enabled(id); }
  bool checked(int id) { return frame->commands().checked(id); }
  void newBundle(const std::string& name, int motions) {
    host.newBundle = [name](NewBundleDialog& d) { return d.ok(name).accepted; };
    run(ID_ZORV_NEW_BUNDLE);
    if (doc().file.sprites.Count() == 0) {
      doc().file.sprites.Append(MakeSprite(8, 8, 40));
      doc().file.sprites.SetCurrent(0);
    }
    FillBundle(*doc().file.current(), motions, doc().file.sprites.Get(0));
    doc().file.current()->select(0);
  }
  // A valid motion file of one bundle named `name`.
  ChosenFile motionFile(const std::string& file, const std::string& name) {
    MotionFile content;
    content.append(std::make_unique<MotionBundle>(name));
    FillBundle(*content.current(), 2);
    folder.write(file, MotionFileBytes(content));
    return {folder.path(file), file};
  }
};

}  // namespace

TEST(MotionFrame, TitleStatusSelectorAndMenuState) {
  FrameFixture f;
  EXPECT_EQ(f.frame->title(), "ZorvII");
  EXPECT_EQ(MotionTitle({"", false, 0, 1}), "ZorvII       [새 파일]   - 0 개 동작 묶음");  // sprites alone
  EXPECT_EQ(f.frame->currentBundleIndex(), -1);  // the selector shows nothing
  EXPECT_FALSE(f.host.canvasShown);
  for (int id : {ID_ZORV_FILE_NEW, ID_ZORV_FILE_SAVE, ID_ZORV_FILE_SAVE_AS, ID_ZORV_CLEAN_SPRITES,
                 ID_ZORV_DELETE_BUNDLE, ID_ZORV_UNDO, ID_ZORV_REDO})
    EXPECT_FALSE(f.enabled(id)) << id;
  f.newBundle("walk", 2);
  f.newBundle("run", 0);
  EXPECT_TRUE(f.host.canvasShown);
  EXPECT_EQ(f.frame->title(), "ZorvII       [새 파일 *]   - 2 개 동작 묶음");
  EXPECT_EQ(f.frame->bundleNames(), (std::vector<std::string>{"walk", "run"}));
  EXPECT_EQ(f.frame->currentBundleIndex(), 1);
  f.host.selectorIndex = 0;
  f.run(IDC_ZORV_BUNDLE_SELECTOR);
  EXPECT_EQ(f.frame->currentBundleIndex(), 0);
  for (int id : {ID_ZORV_FILE_NEW, ID_ZORV_FILE_SAVE_AS, ID_ZORV_CLEAN_SPRITES, ID_ZORV_DELETE_BUNDLE})
    EXPECT_TRUE(f.enabled(id)) << id;
  EXPECT_FALSE(f.enabled(ID_ZORV_FILE_SAVE));  // no name yet

  const struct {
    int run, checkedId;
    bool checked;
  } checks[] = {{0, ID_ZORV_TOOL_STAMP, false},
                {ID_ZORV_TOOL_BOX, ID_ZORV_TOOL_BOX, true},
                {ID_ZORV_TOOL_BASE_LINE, ID_ZORV_TOOL_BOX, false},
                {ID_ZORV_TOOL_NUMBER_5, ID_ZORV_TOOL_NUMBER_5, true},
                {0, ID_ZORV_TOOL_NUMBER_1, false},
                {0, ID_ZORV_VIEW_BOXES, true},
                {ID_ZORV_VIEW_BOXES, ID_ZORV_VIEW_BOXES, false},
                {ID_ZORV_VIEW_INFO, ID_ZORV_VIEW_INFO, false},
                {ID_ZORV_SELECT_ALL, ID_ZORV_SELECT_ALL, true},
                {0, ID_ZORV_AUTO_SHADOW, true},
                {ID_ZORV_AUTO_SHADOW, ID_ZORV_AUTO_SHADOW, false},
                {ID_ZORV_REPEAT_PLAYBACK, ID_ZORV_REPEAT_PLAYBACK, false},
                {ID_ZORV_VIEW_SPRITE_WINDOW, ID_ZORV_VIEW_SPRITE_WINDOW, false}};
  for (const auto& c : checks) {
    if (c.run) f.run(c.run);
    EXPECT_EQ(f.checked(c.checkedId), c.checked) << c.run << " " << c.checkedId;
  }
  EXPECT_FALSE(f.host.spriteWindowShown);
  f.run(ID_ZORV_ZOOM_IN);
  EXPECT_EQ(f.frame->statusTexts()[1], " x2");
  for (int id : {ID_ZORV_POINTER_RIGHT, ID_ZORV_POINTER_DOWN, ID_ZORV_POINTER_LEFT, ID_ZORV_POINTER_LEFT,
                 ID_ZORV_POINTER_UP, ID_ZORV_POINTER_UP})
    f.run(id);
  EXPECT_EQ((std::pair{f.host.pointerX, f.host.pointerY}), (std::pair{-2, -2}));  // one zoomed pixel a step
  EXPECT_EQ(f.frame->statusTexts()[0], " 기준선 옮김  * All *");
  f.host.files.push_back(ChosenFile{f.folder.path("a.zrv"), "a.zrv"});
  f.run(ID_ZORV_FILE_SAVE_AS);
  EXPECT_EQ(f.frame->settings().motionFileName, "a.zrv");
}

TEST(MotionFrame, UndoAndRedoCommandsBringBundlesAndTheCanvasBack) {
  FrameFixture f;
  f.newBundle("walk", 2);
  // What undo restores is checked with the document; here the commands and the canvas.
  ASSERT_TRUE(f.run(ID_ZORV_UNDO));
  EXPECT_FALSE(f.host.canvasShown);
  EXPECT_FALSE(f.run(ID_ZORV_UNDO));  // greyed: nothing more to undo
  ASSERT_TRUE(f.run(ID_ZORV_REDO));
  EXPECT_EQ(f.frame->title(), "ZorvII       [새 파일 *]   - 1 개 동작 묶음");
  EXPECT_TRUE(f.host.canvasShown);
  EXPECT_FALSE(f.enabled(ID_ZORV_REDO));
}

TEST(MotionFrame, AskToSaveOutcomes) {
  const struct {
    const char* name;
    Answer answer;
    const char* chosen;  // null: the chooser is cancelled
    bool cleared;
    bool written;
  } cases[] = {{"cancel", Answer::Cancel, nullptr, false, false},
               {"yes, chooser cancelled", Answer::Yes, nullptr, false, false},
               {"yes", Answer::Yes, "a.zrv", true, true},
               {"yes, save fails", Answer::Yes, "missing/a.zrv", false, false},
               {"no", Answer::No, nullptr, true, false}};
  for (const auto& c : cases) {
    FrameFixture f;
    f.newBundle("walk", 1);
    f.host.answers.push_back(c.answer);
    // Only Yes opens the chooser.
    f.host.files.push_back(c.chosen ? std::optional(ChosenFile{f.folder.path(c.chosen), "a.zrv"})
                                    : std::nullopt);
    f.run(ID_ZORV_FILE_NEW);
    EXPECT_EQ(f.host.questions,
              std::vector<std::string>{"Zorv 파일이 저장되지 않았습니다.\n\t저장하시겠습니까?"});
    EXPECT_EQ(f.doc().file.count(), c.cleared ? 0 : 1) << c.name;
    EXPECT_EQ(std::filesystem::exists(f.folder.path("a.zrv")), c.written) << c.name;
    EXPECT_EQ(f.host.canvasShown, !c.cleared) << c.name;
    EXPECT_EQ(f.doc().modified, !c.cleared) << c.name;  // a new document starts unmodified
  }
  FrameFixture f;
  f.host.newBundle = [](NewBundleDialog& d) { return d.ok("walk").accepted; };
  f.run(ID_ZORV_NEW_BUNDLE);  // no sprites: deleting the bundle empties the document
  f.host.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
  EXPECT_FALSE(f.frame->close());
  EXPECT_FALSE(f.host.closed);
  f.run(ID_ZORV_DELETE_BUNDLE);
  ASSERT_TRUE(f.doc().modified && f.doc().file.empty());
  // An empty document is never written: Yes has nothing to save and goes on as No.
  EXPECT_TRUE(f.run(ID_ZORV_EXIT));
  EXPECT_EQ(f.host.questions.back(), "Zorv 파일이 저장되지 않았습니다.\n\t저장하시겠습니까?");
  EXPECT_TRUE(f.host.closed);
  EXPECT_TRUE(f.host.errors.empty());
}

TEST(MotionFrame, SavingNamesOnceFailsSafelyAndABadOpenKeepsTheTarget) {
  FrameFixture f;
  EXPECT_FALSE(f.enabled(ID_ZORV_KEY_SAVE));  // nothing to save
  f.newBundle("walk", 1);
  f.host.files.push_back(ChosenFile{f.folder.path("a.zrv"), "a.zrv"});
  EXPECT_TRUE(f.run(ID_ZORV_KEY_SAVE));
  EXPECT_TRUE(f.host.files.empty());
  EXPECT_EQ(f.frame->title(), "ZorvII       [a.zrv]   - 1 개 동작 묶음");
  EXPECT_TRUE(f.enabled(ID_ZORV_FILE_SAVE));
  f.newBundle("run", 2);
  f.host.files.push_back(std::nullopt);  // a chooser now would cancel the save
  EXPECT_TRUE(f.run(ID_ZORV_KEY_SAVE));
  EXPECT_EQ(f.host.files.size(), 1u);
  const std::vector<uint8_t> saved = f.folder.read("a.zrv");
  EXPECT_EQ(saved, MotionFileBytes(f.doc().file));
  EXPECT_FALSE(f.doc().modified);

  // A failed save keeps the old file and the modified mark.
  f.newBundle("jump", 0);
  std::filesystem::create_directory(f.folder.path("a.zrv.saving"));  // the write cannot start
  EXPECT_TRUE(f.run(ID_ZORV_FILE_SAVE));
  EXPECT_EQ(f.host.errors,
            std::vector<std::string>{"'a.zrv'\n파일을 쓰지 못했습니다.\n이전 파일은 그대로 있습니다."});
  EXPECT_EQ(f.folder.read("a.zrv"), saved);
  EXPECT_TRUE(f.doc().modified);
  EXPECT_EQ(f.frame->title(), "ZorvII       [a.zrv *]   - 3 개 동작 묶음");
  std::filesystem::remove(f.folder.path("a.zrv.saving"));

  // A bad open changes nothing, a missing file fails silently.
  const std::vector<uint8_t> before = MotionFileBytes(f.doc().file);
  f.folder.write("bad.zrv", {'Z', 'O', 'R', 'V', 100, 0, 0});
  f.host.answers.push_back(Answer::No);
  f.host.files = {ChosenFile{f.folder.path("bad.zrv"), "bad.zrv"}};
  f.run(ID_ZORV_FILE_OPEN);
  EXPECT_EQ(f.host.errors.back(),
            "'bad.zrv'\n올바른 Zorv 파일이 아닙니다.\n확인후 다시 하십시오.\n파일이 7 바이트에서 끊겼습니다 "
            "(머리말).");
  EXPECT_EQ(MotionFileBytes(f.doc().file), before);
  EXPECT_EQ(f.frame->documentName(), "a.zrv");
  EXPECT_TRUE(f.doc().modified);
  EXPECT_FALSE(f.frame->openFile(f.folder.path("missing.zrv"), "missing.zrv"));
  EXPECT_EQ(f.host.errors.size(), 2u);
  // The next save goes to the open document's file, not to the one that failed.
  f.run(ID_ZORV_FILE_SAVE);
  EXPECT_EQ(f.folder.read("a.zrv"), MotionFileBytes(f.doc().file));
  EXPECT_EQ(f.folder.read("bad.zrv").size(), 7u);
  // After a save as that fails, saving the document's own file offers that file next.
  f.host.files = {ChosenFile{f.folder.path("missing/b.zrv"), "b.zrv"}};
  f.run(ID_ZORV_FILE_SAVE_AS);
  f.run(ID_ZORV_FILE_SAVE);
  EXPECT_EQ((std::pair{f.frame->settings().motionFilePath, f.frame->settings().motionFileName}),
            (std::pair{f.folder.path("a.zrv"), std::string("a.zrv")}));
}

TEST(MotionFrame, DroppedFilesAskAboutUnsavedWorkFirst) {
  FrameFixture f;
  const ChosenFile one = f.motionFile("one.zrv", "first");
  const ChosenFile two = f.motionFile("two.zrv", "second");
  const std::vector<std::string> dropped = {TextFromPath(f.folder.dir), one.path, two.path};
  f.newBundle("walk", 1);
  f.host.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(f.frame->dropFiles(dropped));
  EXPECT_EQ(f.frame->bundleNames(), std::vector<std::string>{"walk"});
  EXPECT_TRUE(f.frame->dropFiles(dropped));  // the folder is skipped, only the first file opens
  EXPECT_EQ(f.frame->bundleNames(), std::vector<std::string>{"first"});
  EXPECT_EQ(f.frame->documentName(), "one.zrv");
  EXPECT_EQ(f.frame->title(), "ZorvII       [one.zrv]   - 1 개 동작 묶음");
  EXPECT_EQ(f.host.questions.size(), 2u);
  EXPECT_TRUE(f.frame->dropFiles({two.path}));  // unmodified: no question
  EXPECT_EQ(f.host.questions.size(), 2u);
  EXPECT_EQ(f.frame->bundleNames(), std::vector<std::string>{"second"});
  // The next chooser offers it.
  EXPECT_EQ((std::pair{f.frame->settings().motionFilePath, f.frame->settings().motionFileName}),
            (std::pair{two.path, std::string("two.zrv")}));
}

// Deleting or moving one motion is checked with the document; here what the frame
// throws away as a whole.
TEST(MotionFrame, ClipboardAndShadowNeverOutliveTheirMotions) {
  const struct {
    const char* name;
    Answer answer;
    int command;
    bool canvasShown;  // "b" or the opened file's bundle is left to show
  } actions[] = {{"delete bundle", Answer::Yes, ID_ZORV_DELETE_BUNDLE, true},
                 {"new file", Answer::No, ID_ZORV_FILE_NEW, false},
                 {"open", Answer::No, ID_ZORV_FILE_OPEN, true}};
  for (const auto& a : actions) {
    FrameFixture f;
    f.newBundle("a", 3);
    f.newBundle("b", 2);
    f.run(ID_ZORV_NEXT_BUNDLE);  // back to "a", motion 0
    f.host.focused = ZorvWindow::MotionWindow;
    f.frame->motionWindow().commands().execute(ID_ZORV_MOTION_SET_SHADOW);
    f.run(ID_ZORV_KEY_CUT);
    ASSERT_FALSE(f.doc().clipboard.empty()) << a.name;
    ASSERT_TRUE(f.doc().shadow.isSet()) << a.name;
    f.host.answers.push_back(a.answer);
    f.host.files.push_back(f.motionFile("other.zrv", "other"));  // taken by the chooser of open only
    f.run(a.command);
    EXPECT_EQ(f.host.canvasShown, a.canvasShown) << a.name;
    const MotionDocument& doc = f.doc();
    EXPECT_TRUE(doc.clipboard.empty()) << a.name;
    EXPECT_FALSE(doc.shadow.isSet()) << a.name;
    EXPECT_TRUE(doc.autoShadow) << a.name;
    // The windows paint what is left without touching a destroyed motion.
    TestSurface s(400, 300);
    f.frame->canvas().paint(*s.dc);
    f.frame->motionWindow().paint(*s.dc);
  }
}

TEST(MotionFrame, KeysReachTheFocusedListWindowOnly) {
  FrameFixture f;
  f.newBundle("walk", 2);
  f.host.focused = ZorvWindow::SpriteWindow;
  f.run(ID_ZORV_KEY_COPY);
  EXPECT_TRUE(f.doc().clipboard.empty());
  f.host.focused = ZorvWindow::MotionWindow;
  f.run(ID_ZORV_KEY_COPY);
  EXPECT_EQ(f.doc().clipboard.mode, ClipboardMode::Copy);
  f.run(ID_ZORV_KEY_NEXT_MOTION);
  EXPECT_EQ(f.doc().file.current()->currentIndex(), 1);
  f.run(ID_ZORV_PLAY);
  EXPECT_TRUE(f.frame->idle());
  f.run(ID_ZORV_KEY_PASTE);  // the motion window tells the frame: playback ends
  EXPECT_FALSE(f.frame->canvas().playing());
  EXPECT_FALSE(f.frame->idle());
  EXPECT_EQ(f.doc().file.current()->count(), 3);
}

TEST(MotionFrame, DialogsEditTheCurrentMotion) {
  ZorvSettings settings;
  settings.defaultDelay = 5;             // offered by the delay dialog
  settings.waveDirectory = "C:\\sfx\\";  // offered by the sound dialog
  FrameFixture f(settings);
  f.newBundle("walk", 3);
  f.doc().modified = false;
  f.host.delay = [](DelayDialog& d) {
    return d.currentDelay == 4 && d.defaultDelay == 5 && d.ok("7", "9", true).accepted;
  };
  f.doc().currentMotion()->delay = 4;      // shown when the delay dialog opens
  f.doc().currentMotion()->flags[9] = -3;  // shown when the flags dialog opens
  f.host.flags = [](FlagsDialog& d) { return d.texts()[9] == "-3" && d.ok({"1", "-2"}).accepted; };
  f.host.sound = [](SoundDialog& d) {
    d.folderPath += "x.wav";
    return d.ok("hit.wav").accepted;
  };
  f.host.effects = [](EffectsDialog& d) { return d.ok(true, false, true).accepted; };
  for (int id : {ID_ZORV_DELAY, ID_ZORV_FLAGS, ID_ZORV_SOUND, ID_ZORV_EFFECTS}) f.run(id);
  const MotionBundle& bundle = *f.doc().file.current();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bundle.get(i)->delay, 7);
  const Motion& m = *bundle.get(0);
  EXPECT_EQ(m.flags, (MotionFlags{1, -2}));
  EXPECT_EQ(m.sound.str(), "hit.wav");
  EXPECT_EQ(m.effects, 5);
  EXPECT_EQ(f.frame->settings().defaultDelay, 9);
  EXPECT_EQ(f.frame->settings().waveDirectory, "C:\\sfx\\x.wav");
  EXPECT_EQ(f.doc().defaultDelay, 9);  // what the next stamp takes
  EXPECT_TRUE(f.doc().modified);
}

TEST(MotionFrame, PalettesAndColoursGiveTheIndices) {
  FrameFixture f;
  EXPECT_EQ(f.frame->settings().indices, ColourIndices());  // as stored until a change
  // A palette whose first entry is the system colour.
  PaletteBlock block = TestPalette();
  block.palette()[0] = 0;
  block.palette()[1] = 0;
  block.palette()[2] = 127;
  {
    std::ofstream out(f.folder.path("blue.pal"), std::ios::binary);
    WritePaletteFile(block, out);
  }
  ZorvSettings settings;
  settings.paletteFilePath = f.folder.path("blue.pal");
  FrameFixture g(settings);  // loaded at start
  EXPECT_EQ(g.host.palettes, 1);
  EXPECT_EQ(g.frame->settings().indices.system, 0);
  EXPECT_EQ(g.frame->settings().indices.boxes[5], NearestColor(block, EditorColours().boxes[5]));
  g.run(ID_ZORV_DEFAULT_PALETTE);
  EXPECT_EQ(g.frame->settings().indices.boxes[0], NearestColor(TestPalette(), EditorColours().boxes[0]));
  g.host.colours = [](ColourDialog& d) {
    for (int id : {IDC_ZORV_COLOUR_BACKGROUND, IDC_ZORV_COLOUR_1}) d.pick(id, 0x000000);
    return d.ok().accepted;
  };
  g.run(ID_ZORV_COLOURS);
  EXPECT_EQ(g.frame->settings().colours.background, 0u);
  EXPECT_EQ(g.frame->settings().colours.system, EditorColours().system);
  EXPECT_EQ(g.frame->settings().indices.boxes[0], 0);
  EXPECT_EQ(g.host.background, 0);  // black is entry 0 of the default palette
}

TEST(MotionFrame, ResizingPlacesTheCanvasAndClosingKeepsTheRestoredRectangleUnlessMaximised) {
  FrameFixture f;
  const WindowRect first{10, 20, 810, 620}, second{30, 40, 500, 400};
  f.frame->resize(SizeKind::Restored, 1300, 700);
  ASSERT_TRUE(f.host.placement.has_value());
  EXPECT_EQ((std::array<int, 4>{f.host.placement->x, f.host.placement->y, f.host.placement->width,
                                f.host.placement->height}),
            (std::array<int, 4>{0, 28, 1300, 652}));
  EXPECT_EQ(f.frame->statusPartEdges(), (std::array<int, 3>{600, 700, -1}));
  f.frame->frameClosing(first);
  EXPECT_EQ(f.frame->settings().mainWindow, first);
  f.frame->resize(SizeKind::Maximized, 1400, 800);
  f.frame->resize(SizeKind::Minimized, 0, 0);  // a minimised frame stays maximised
  f.frame->frameClosing(second);
  EXPECT_EQ(f.frame->settings().mainWindow, first);
  EXPECT_TRUE(f.frame->settings().maximised);
}

TEST(MotionFrame, ExportsTheBundleAsGifAndTheDocumentAsJson) {
  FrameFixture f;
  for (int id : {ID_ZORV_EXPORT_GIF, ID_ZORV_EXPORT_JSON}) EXPECT_FALSE(f.enabled(id)) << id;
  f.newBundle("walk", 3);
  for (int id : {ID_ZORV_EXPORT_GIF, ID_ZORV_EXPORT_JSON}) ASSERT_TRUE(f.enabled(id)) << id;

  // The dialog's values stay for the next export; a refused scale keeps it open.
  int opened = 0;
  f.host.gifExport = [&](GifExportDialog& d) {
    if (opened++ == 0) {
      EXPECT_FALSE(d.ok("5", true, true, false).accepted);
      return d.ok("2", true, true, false).accepted;
    }
    EXPECT_EQ(d.scaleText(), "2");
    EXPECT_TRUE(d.transparent && d.boxes && !d.points);
    return false;
  };
  f.host.files.push_back(ChosenFile{f.folder.path("walk.gif"), "walk.gif"});
  f.run(ID_ZORV_EXPORT_GIF);
  f.run(ID_ZORV_EXPORT_GIF);
  const std::vector<uint8_t> gif = f.folder.read("walk.gif");
  ASSERT_GT(gif.size(), 6u);
  EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");
  // 8 x 8 sprites at relX 0, 1, 2 and scale 2: 20 x 16.
  EXPECT_EQ(std::make_pair(gif[6] | gif[7] << 8, gif[8] | gif[9] << 8), std::make_pair(20, 16));

  // The JSON with its atlas beside it gives back the bytes "쓰기" would write.
  f.host.files.push_back(ChosenFile{f.folder.path("walk"), "walk"});
  f.run(ID_ZORV_EXPORT_JSON);
  const std::vector<uint8_t> json = f.folder.read("walk"), png = f.folder.read("walk.png");
  const ImageLoader load = [&](const std::string& name, std::vector<uint8_t>& bytes) {
    bytes = png;
    return name == "walk.png";
  };
  std::vector<uint8_t> zrv;
  std::string error;
  ASSERT_TRUE(ImportMotionJson(std::string(json.begin(), json.end()), load, TestPalette(), zrv, error))
      << error;
  EXPECT_EQ(zrv, MotionFileBytes(f.doc().file));
  EXPECT_TRUE(f.host.errors.empty());
}
