// The compiled .rc scripts of both programs, read back from the .res files windres
// made and checked for what holds them together: every key, tool-bar button and
// tool tip names a command that has a menu entry or a handler, every menu entry has
// a handler, dialog controls carry the ids the code uses, and the embedded files are
// the ones the build made.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../cutter/editor_support.h"
#include "../motion/editor_test_support.h"
#include "base/byte_reader.h"
#include "cutter/resource_ids.h"
#include "motion/editor/frame_editor.h"
#include "motion/resource_ids.h"
#include "res_file.h"

#ifdef PLYK_RES_DIR

namespace {

constexpr uint16_t kPopup = 0xFFFF;
using Ids = std::set<int>;

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
  return bytes;
}

std::string SourceText(const std::string& path) {
  std::ifstream in(std::string(PLYK_SOURCE_DIR) + "/" + path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<ResEntry> LoadRes(const std::string& name) {
  std::vector<ResEntry> all;
  EXPECT_TRUE(ParseResFile(ReadFile(std::string(PLYK_RES_DIR) + "/" + name), all));
  return all;
}

MenuItems Menu(const std::vector<ResEntry>& all, uint16_t id) {
  const ResEntry* menu = FindRes(all, kRtMenu, id);
  MenuItems items;
  EXPECT_TRUE(menu && ParseMenu(menu->data, items)) << "menu " << id;
  return items;
}

Ids CommandsOf(const MenuItems& items) {
  Ids ids;
  for (const auto& [id, text] : items)
    if (id != kPopup && id != 0) ids.insert(id);
  return ids;
}

// The command ids of the tool-bar buttons, taken from the frame window's source
// (the buttons are made there and nowhere else) and the id header.
Ids ToolBarCommands(const std::string& source, const std::string& header) {
  std::map<std::string, int> values;
  const std::string ids = SourceText(header);
  const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
  for (std::sregex_iterator it(ids.begin(), ids.end(), define), end; it != end; ++it)
    values[(*it)[1].str()] = std::stoi((*it)[2].str());
  Ids out;
  const std::string text = SourceText(source);
  const std::regex button(R"(\{\w+_TBI_\w+,\s*(ID_\w+)\})");
  for (std::sregex_iterator it(text.begin(), text.end(), button), end; it != end; ++it) {
    EXPECT_TRUE(values.count((*it)[1].str())) << (*it)[1].str();
    out.insert(values[(*it)[1].str()]);
  }
  EXPECT_GE(out.size(), 5u) << source;
  return out;
}

struct Program {
  std::vector<ResEntry> res;
  Ids menu;     // entries of the main menu
  Ids popups;   // entries of the windows' pop-up menus
  Ids handled;  // commands the editors answer
  Ids toolBar;
  uint16_t accelerators;
};

void CheckCommands(const Program& p) {
  for (int id : p.menu) EXPECT_TRUE(p.handled.count(id)) << "menu entry " << id << " has no handler";
  for (int id : p.popups) EXPECT_TRUE(p.handled.count(id)) << "pop-up entry " << id << " has no handler";

  const ResEntry* table = FindRes(p.res, kRtAccelerator, p.accelerators);
  std::vector<Accelerator> keys;
  ASSERT_TRUE(table && ParseAccelerators(table->data, keys));
  EXPECT_GE(keys.size(), 30u);
  std::set<std::pair<uint16_t, uint16_t>> seen;
  for (const Accelerator& a : keys) {
    EXPECT_TRUE(seen.emplace(a.flags & ~uint16_t(2), a.key).second) << "key " << a.key << " twice";
    EXPECT_TRUE(p.menu.count(a.command) || p.handled.count(a.command)) << "key for " << a.command;
  }
  for (int id : p.toolBar) {
    std::u16string tip;
    EXPECT_TRUE(p.handled.count(id)) << "tool-bar button " << id << " has no handler";
    EXPECT_TRUE(FindString(p.res, static_cast<uint16_t>(id), tip) && !tip.empty()) << "tool tip " << id;
  }
  // Every tool tip belongs to a command.
  for (int id = 40000; id < 40200; ++id) {
    std::u16string tip;
    if (FindString(p.res, static_cast<uint16_t>(id), tip)) {
      EXPECT_TRUE(p.menu.count(id) || p.handled.count(id)) << "tool tip " << id;
    }
  }
}

// Every dialog uses the program's font; each named dialog has exactly these control
// ids (static texts and frames aside).
void CheckDialogs(const std::vector<ResEntry>& all, const std::map<uint16_t, Ids>& expected) {
  size_t dialogs = 0;
  for (const ResEntry& e : all) {
    if (e.typeIsName || e.typeId != kRtDialog) continue;
    ++dialogs;
    DialogTemplate d;
    ASSERT_TRUE(ParseDialogEx(e.data, d)) << "dialog " << e.id;
    EXPECT_EQ(d.font, u"굴림") << "dialog " << e.id;
    EXPECT_EQ(d.pointSize, 9) << "dialog " << e.id;
    Ids ids;
    for (const DialogControl& c : d.controls)
      if (c.id != -1) ids.insert(c.id);
    ASSERT_TRUE(expected.count(e.id)) << "dialog " << e.id;
    EXPECT_EQ(ids, expected.at(e.id)) << "dialog " << e.id;
  }
  EXPECT_EQ(dialogs, expected.size());
}

Ids Union(const std::vector<const CommandTable*>& tables) {
  Ids out;
  for (const CommandTable* t : tables)
    for (int id : t->ids()) out.insert(id);
  return out;
}

// A few of the Korean texts, which the structure cannot show.
void ExpectTexts(const std::vector<ResEntry>& all, const MenuItems& menu,
                 std::pair<uint16_t, std::u16string> entry, uint16_t dialog, const std::u16string& title,
                 uint16_t tip, const std::u16string& tipText) {
  EXPECT_NE(std::find(menu.begin(), menu.end(), entry), menu.end());
  const ResEntry* res = FindRes(all, kRtDialog, dialog);
  DialogTemplate d;
  EXPECT_TRUE(res && ParseDialogEx(res->data, d) && d.title == title) << "dialog " << dialog;
  std::u16string s;
  EXPECT_TRUE(FindString(all, tip, s) && s == tipText) << "string " << tip;
}

constexpr int kOk = 1, kCancel = 2;

}  // namespace

TEST(Plyk2Resources, CommandsDialogsAndTexts) {
  edtest::Frame frame;
  Program p{LoadRes("plyk2.res"), {}, {}, {}, {}, IDR_PLYK_ACCELERATORS};
  const MenuItems main = Menu(p.res, IDR_PLYK_MAIN_MENU);
  p.menu = CommandsOf(main);
  p.popups = CommandsOf(Menu(p.res, IDR_PLYK_SPRITE_POPUP));
  p.handled = Union({&frame.editor.commands(), &frame.editor.spriteWindow().commands()});
  p.toolBar = ToolBarCommands("src/cutter/app/main_frame.cpp", "src/cutter/resource_ids.h");
  CheckCommands(p);
  CheckDialogs(
      p.res, {{IDD_PLYK_ABOUT, {IDC_PLYK_ABOUT_ICON, kOk}},
              {IDD_PLYK_CUT_SIZE, {IDC_PLYK_CUT_WIDTH, IDC_PLYK_CUT_HEIGHT, kOk, kCancel}},
              {IDD_PLYK_COLOURS,
               {IDC_PLYK_COLOUR_BACKGROUND, IDC_PLYK_COLOUR_SYSTEM, IDC_PLYK_COLOUR_SHADOW, kOk, kCancel}}});
  ExpectTexts(p.res, main, {ID_PLYK_TOOL_OUTWARD_CUT, u"밖으로 자르기(&O)\tO"}, IDD_PLYK_CUT_SIZE,
              u"자를 크기 바꾸기", ID_PLYK_IMPORT_PICTURE, u"그림 파일 열기(Ctrl+V)");
}

TEST(Zorv2Resources, CommandsDialogsAndTexts) {
  FakeHost host;
  MotionFrameEditor frame(host, ZorvSettings(), TestPalette());
  Program p{LoadRes("zorv2.res"), {}, {}, {}, {}, IDR_ZORV_ACCELERATORS};
  const MenuItems main = Menu(p.res, IDR_ZORV_MAIN_MENU);
  p.menu = CommandsOf(main);
  for (uint16_t popup : {IDR_ZORV_SPRITE_POPUP, IDR_ZORV_MOTION_POPUP})
    for (int id : CommandsOf(Menu(p.res, popup))) p.popups.insert(id);
  p.handled = Union({&frame.commands(), &frame.motionWindow().commands(), &frame.spriteWindow().commands()});
  p.toolBar = ToolBarCommands("src/motion/app/main_frame.cpp", "src/motion/resource_ids.h");
  CheckCommands(p);
  Ids flags = {IDC_ZORV_FLAGS_BINARY, kOk, kCancel};
  for (int n = 0; n < 10; ++n) flags.insert(IDC_ZORV_FLAG_0 + n);
  Ids colours = {IDC_ZORV_COLOUR_BACKGROUND, IDC_ZORV_COLOUR_SYSTEM, IDC_ZORV_COLOUR_SHADOW, kOk, kCancel};
  for (int n = 0; n < 6; ++n) colours.insert(IDC_ZORV_COLOUR_1 + n);
  CheckDialogs(
      p.res,
      {{IDD_ZORV_ABOUT, {IDC_ZORV_ABOUT_ICON, kOk}},
       {IDD_ZORV_NEW_BUNDLE, {IDC_ZORV_BUNDLE_NAME, kOk, kCancel}},
       {IDD_ZORV_DELAY,
        {IDC_ZORV_DELAY_CURRENT, IDC_ZORV_DELAY_DEFAULT, IDC_ZORV_DELAY_WHOLE_BUNDLE, kOk, kCancel}},
       {IDD_ZORV_SOUND, {IDC_ZORV_SOUND_NAME, IDC_ZORV_SOUND_BROWSE, IDC_ZORV_SOUND_PLAY, kOk, kCancel}},
       {IDD_ZORV_FLAGS, flags},
       {IDD_ZORV_EFFECTS,
        {IDC_ZORV_EFFECT_FLIP_X, IDC_ZORV_EFFECT_FLIP_Y, IDC_ZORV_EFFECT_TRANSLUCENT, kOk, kCancel}},
       {IDD_ZORV_COLOURS, colours}});
  ExpectTexts(p.res, main, {ID_ZORV_CLEAN_SPRITES, u"스프라이트 정리(&R)\tCtrl+R"}, IDD_ZORV_DELAY,
              u"동작 지연 시간 설정", ID_ZORV_TOOL_STAMP, u"동작 찍기(P)");
}

TEST(ProgramResources, EmbeddedFilesIconsCursorAndToolBarAreKorean) {
  struct Program {
    std::string name;
    uint16_t asciiFont, hangulFont, palette, pointers, cursor, toolBar, toolBarImages;
    std::vector<uint16_t> icons;  // in id order, which is the shell's icon index
  };
  const Program programs[] = {
      {"plyk2",
       IDR_PLYK_FONT_ASCII,
       IDR_PLYK_FONT_HANGUL,
       IDR_PLYK_PALETTE,
       IDR_PLYK_POINTER_SPRITES,
       IDCUR_PLYK_TRANSPARENT,
       IDB_PLYK_TOOLBAR,
       PLYK_TOOLBAR_IMAGE_COUNT,
       // Index 1 is the sprite file icon and index 3 the palette file icon.
       {IDI_PLYK_APP, IDI_PLYK_SPRITE_WINDOW, IDI_PLYK_PICTURE, IDI_PLYK_PALETTE_FILE}},
      {"zorv2",
       IDR_ZORV_FONT_ASCII,
       IDR_ZORV_FONT_HANGUL,
       IDR_ZORV_PALETTE,
       IDR_ZORV_POINTER_SPRITES,
       IDCUR_ZORV_TRANSPARENT,
       IDB_ZORV_TOOLBAR,
       ZORV_TOOLBAR_IMAGE_COUNT,
       // Index 3 is the motion file icon the shell association names.
       {IDI_ZORV_APP, IDI_ZORV_MOTION_WINDOW, IDI_ZORV_SPRITE_WINDOW, IDI_ZORV_MOTION_FILE}}};
  const std::string fonts = std::string(PLYK_SOURCE_DIR) + "/src/graphics/fonts/";
  const std::string generated = std::string(PLYK_GENERATED_DIR) + "/";
  for (const Program& p : programs) {
    SCOPED_TRACE(p.name);
    std::vector<ResEntry> all = LoadRes(p.name + ".res");
    const ResEntry* ascii = FindRes(all, u"FONTS", p.asciiFont);
    const ResEntry* hangul = FindRes(all, u"FONTS", p.hangulFont);
    const ResEntry* block = FindRes(all, u"PALETTE", p.palette);
    const ResEntry* pointers = FindRes(all, u"SPRITE", p.pointers);
    const ResEntry* strip = FindRes(all, kRtBitmap, p.toolBar);
    ASSERT_TRUE(ascii && hangul && block && pointers && strip && strip->data.size() >= 8);
    EXPECT_EQ(ascii->data, ReadFile(fonts + "ascii_6x12.fnt"));
    EXPECT_EQ(hangul->data, ReadFile(fonts + "hangul_12x12.fnt"));
    EXPECT_EQ(block->data.size(), 66304u);
    EXPECT_EQ(block->data, ReadFile(generated + "palette.bin"));
    EXPECT_EQ(pointers->data, ReadFile(generated + p.name + "/" + p.name + "_pointers.plk"));
    EXPECT_EQ(LoadU32(&strip->data[4]), 16u * p.toolBarImages);
    EXPECT_NE(FindRes(all, kRtGroupCursor, p.cursor), nullptr);
    EXPECT_NE(FindRes(all, kRtVersion, 1), nullptr);
    std::vector<uint16_t> icons;
    for (const ResEntry& e : all) {
      EXPECT_EQ(e.language, 0x0412) << "type " << e.typeId << " id " << e.id;  // Korean
      if (e.typeIsName || e.typeId != kRtGroupIcon) continue;
      icons.push_back(e.id);
      ASSERT_GE(e.data.size(), 6u);
      EXPECT_EQ(LoadU16(&e.data[4]), 2) << "icon group " << e.id << " has a 32 and a 16 pixel image";
    }
    std::sort(icons.begin(), icons.end());
    EXPECT_EQ(icons, p.icons);
  }
}

TEST(ResFileReader, RefusesTruncatedFiles) {
  std::vector<uint8_t> bytes = ReadFile(std::string(PLYK_RES_DIR) + "/plyk2.res");
  std::vector<ResEntry> all;
  ASSERT_TRUE(ParseResFile(bytes, all));
  for (size_t cut : {size_t(5), size_t(40), bytes.size() / 2, bytes.size() - 3}) {
    std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
    EXPECT_FALSE(ParseResFile(part, all)) << cut;
  }
}

#else

TEST(ProgramResources, NeedsWindres) {
  GTEST_SKIP() << "i686-w64-mingw32-windres is not installed";
}

#endif
