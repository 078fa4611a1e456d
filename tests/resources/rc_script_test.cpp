// The compiled .rc scripts of both programs: every menu entry, key, dialog control,
// tool tip and embedded file, read back from the .res files windres made.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/byte_reader.h"
#include "cutter/app/resource_ids.h"
#include "motion/app/resource_ids.h"
#include "res_file.h"

#ifdef PLYK_RES_DIR

namespace {

constexpr uint16_t kVirt = 1, kShift = 4, kCtrl = 8;
constexpr uint16_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kTab = 0x09, kDelete = 0x2E,
                   kAdd = 0x6B, kSubtract = 0x6D;
constexpr uint16_t kKorean = 0x0412;

std::vector<ResEntry> LoadRes(const std::string& name) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(std::string(PLYK_RES_DIR) + "/" + name, bytes));
  std::vector<ResEntry> all;
  EXPECT_TRUE(ParseResFile(bytes, all));
  return all;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
  return bytes;
}

using Item = std::pair<uint16_t, std::u16string>;  // id 0 and empty text: separator; popups: 0xFFFF

std::vector<Item> MenuItems(const std::vector<ResEntry>& all, uint16_t id) {
  const ResEntry* menu = FindRes(all, kRtMenu, id);
  EXPECT_NE(menu, nullptr) << "menu " << id;
  std::vector<Item> items;
  if (!menu) return items;
  std::vector<MenuItem> parsed;
  EXPECT_TRUE(ParseMenu(menu->data, parsed));
  for (const MenuItem& m : parsed) items.emplace_back((m.flags & 0x10) ? 0xFFFF : m.id, m.text);
  return items;
}

std::set<std::tuple<uint16_t, uint16_t, uint16_t>> Keys(const std::vector<ResEntry>& all, uint16_t id) {
  const ResEntry* table = FindRes(all, kRtAccelerator, id);
  EXPECT_NE(table, nullptr);
  std::vector<Accelerator> accelerators;
  if (table) {
    EXPECT_TRUE(ParseAccelerators(table->data, accelerators));
  }
  std::set<std::tuple<uint16_t, uint16_t, uint16_t>> keys;
  for (const Accelerator& a : accelerators) {
    const uint16_t flags = a.flags & ~uint16_t(2);  // NOINVERT is not part of the key
    EXPECT_TRUE(keys.emplace(flags, a.key, a.command).second) << "duplicate key for " << a.command;
  }
  return keys;
}

DialogTemplate Dialog(const std::vector<ResEntry>& all, uint16_t id) {
  DialogTemplate dialog;
  const ResEntry* res = FindRes(all, kRtDialog, id);
  EXPECT_NE(res, nullptr) << "dialog " << id;
  if (res) {
    EXPECT_TRUE(ParseDialogEx(res->data, dialog)) << "dialog " << id;
  }
  EXPECT_EQ(dialog.font, u"굴림");
  EXPECT_EQ(dialog.pointSize, 9);
  return dialog;
}

// The text of the control with this id, or "<missing>".
std::u16string ControlText(const DialogTemplate& dialog, int id) {
  for (const DialogControl& c : dialog.controls)
    if (c.id == id) return c.text;
  return u"<missing>";
}

bool HasStatic(const DialogTemplate& dialog, const std::u16string& text) {
  return std::any_of(dialog.controls.begin(), dialog.controls.end(),
                     [&](const DialogControl& c) { return c.classAtom == 0x82 && c.text == text; });
}

int ControlsWithClass(const DialogTemplate& dialog, uint16_t atom, uint32_t styleLowBits) {
  return static_cast<int>(
      std::count_if(dialog.controls.begin(), dialog.controls.end(), [&](const DialogControl& c) {
        // windres keeps a class given by name ("Button") as a name.
        const bool button = atom == 0x80 && (c.className == u"Button" || c.className == u"BUTTON");
        return (c.classAtom == atom || button) && (c.style & 0xF) == styleLowBits;
      }));
}

std::u16string String(const std::vector<ResEntry>& all, uint16_t id) {
  std::u16string s;
  EXPECT_TRUE(FindString(all, id, s)) << "string " << id;
  return s;
}

void CheckCommonEmbeddedFiles(const std::vector<ResEntry>& all, uint16_t fontAscii, uint16_t fontHangul,
                              uint16_t palette, uint16_t sprites, const std::string& prefix) {
  const std::string fonts = std::string(PLYK_SOURCE_DIR) + "/src/graphics/fonts/";
  const ResEntry* ascii = FindRes(all, u"FONTS", fontAscii);
  const ResEntry* hangul = FindRes(all, u"FONTS", fontHangul);
  const ResEntry* block = FindRes(all, u"PALETTE", palette);
  const ResEntry* pointers = FindRes(all, u"SPRITE", sprites);
  ASSERT_TRUE(ascii && hangul && block && pointers);
  EXPECT_EQ(ascii->data, ReadFile(fonts + "ascii_6x12.fnt"));
  EXPECT_EQ(hangul->data, ReadFile(fonts + "hangul_12x12.fnt"));
  EXPECT_EQ(block->data.size(), 66304u);
  EXPECT_EQ(block->data, ReadFile(std::string(PLYK_GENERATED_DIR) + "/palette.bin"));
  EXPECT_EQ(pointers->data,
            ReadFile(std::string(PLYK_GENERATED_DIR) + "/" + prefix + "/" + prefix + "_pointers.plk"));
}

// Icon groups in id order (the shell's icon index), each with 32 and 16 pixel images.
std::vector<uint16_t> IconGroups(const std::vector<ResEntry>& all) {
  std::vector<uint16_t> ids;
  for (const ResEntry& e : all) {
    if (e.typeIsName || e.typeId != kRtGroupIcon) continue;
    ids.push_back(e.id);
    ByteReader r(e.data);
    r.u16();
    EXPECT_EQ(r.u16(), 1);
    EXPECT_EQ(r.u16(), 2) << "icon group " << e.id;
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

void CheckEverythingKorean(const std::vector<ResEntry>& all) {
  for (const ResEntry& e : all) EXPECT_EQ(e.language, kKorean) << "type " << e.typeId << " id " << e.id;
}

}  // namespace

TEST(Plyk2Resources, MainMenuHasEveryEntryInOrder) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  const std::vector<Item> expected = {
      {0xFFFF, u"파일(&F)"},
      {40002, u"새 파일(&N)\tCtrl+N"},
      {40003, u"열기(&O)...\tCtrl+O"},
      {40004, u"쓰기(&S)\tCtrl+S"},
      {40005, u"새 이름으로 쓰기(&A)..."},
      {0, u""},
      {40049, u"PCX 파일로 저장(&C)..."},
      {0, u""},
      {40006, u"그림 파일 열기(&P)...\tCtrl+V"},
      {0, u""},
      {40008, u"색상표 읽기(&T)..."},
      {40010, u"현재 색상표 쓰기(&L)..."},
      {40014, u"기본 색상표로 바꿈(&O)"},
      {0, u""},
      {40009, u"나가기\tCtrl+X"},
      {0xFFFF, u"도구(&T)"},
      {40012, u"밖으로 자르기(&O)\tO"},
      {40013, u"안으로 자르기(&I)\tI"},
      {40015, u"임의 크기로 자르기(&R)\tR"},
      {40016, u"일정 크기로 자르기(&F)\tF"},
      {40017, u"격자로 자르기(&G)\tG"},
      {40019, u"투명색 지정(&T)\tT"},
      {0, u""},
      {40018, u"자를 크기 바꾸기(&S)...\tS"},
      {0xFFFF, u"보기(&V)"},
      {40011, u"스프라이트 보기 창(&S)"},
      {0, u""},
      {40046, u"화면 확대(&Z)\t+"},
      {40047, u"화면 축소(&O)\t-"},
      {0xFFFF, u"설정(&S)"},
      {40021, u"투명색 무시(&T)"},
      {0, u""},
      {40048, u"색 설정(&C)...\tCtrl+C"},
      {0xFFFF, u"도움말(&H)"},
      {40001, u"Plyk란?(&A)"},
  };
  EXPECT_EQ(MenuItems(all, IDR_PLYK_MAIN_MENU), expected);
  CheckEverythingKorean(all);
}

TEST(Plyk2Resources, SpritePopupMenu) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  const std::vector<Item> expected = {
      {0xFFFF, u"편집"},
      {40047, u"복사(&C)\tC"},
      {40048, u"잘라내기(&T)\tX"},
      {40050, u"붙여넣기(&P)\tV"},
      {40049, u"지우기(&D)\tDelete"},
      {0, u""},
      {40051, u"스프라이트 추가(&A)..."},
      {0, u""},
      {40020, u"PCX 파일로 저장(&X)..."},
  };
  EXPECT_EQ(MenuItems(all, IDR_PLYK_SPRITE_POPUP), expected);
}

TEST(Plyk2Resources, AcceleratorTableHasEveryKeyAndNoOther) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  const std::set<std::tuple<uint16_t, uint16_t, uint16_t>> expected = {
      {kVirt | kCtrl, 'N', 40002},
      {kVirt | kCtrl, 'O', 40003},
      {kVirt | kCtrl, 'S', 40004},
      {kVirt | kCtrl, 'V', 40006},
      {kVirt | kCtrl, 'X', 40009},
      {kVirt | kCtrl, 'C', 40048},
      {kVirt, 'O', 40012},
      {kVirt, 'I', 40013},
      {kVirt, 'R', 40015},
      {kVirt, 'F', 40016},
      {kVirt, 'G', 40017},
      {kVirt, 'T', 40019},
      {kVirt, 'S', 40018},
      {kVirt | kShift, kLeft, 40031},
      {kVirt | kShift, kRight, 40032},
      {kVirt | kShift, kDown, 40033},
      {kVirt | kShift, kUp, 40034},
      {kVirt, kTab, 40035},
      {0, '[', 40036},
      {0, ']', 40037},
      {kVirt, kLeft, 40038},
      {kVirt, kRight, 40039},
      {kVirt, kUp, 40040},
      {kVirt, kDown, 40041},
      {kVirt, 'C', 40042},
      {kVirt, kDelete, 40043},
      {kVirt, 'V', 40044},
      {kVirt, 'X', 40045},
      {kVirt, kAdd, 40046},
      {kVirt, kSubtract, 40047},
  };
  EXPECT_EQ(Keys(all, IDR_PLYK_ACCELERATORS), expected);
}

TEST(Plyk2Resources, DialogsCarryTheirControls) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  DialogTemplate about = Dialog(all, IDD_PLYK_ABOUT);
  EXPECT_EQ(about.title, u"'Plyk' 란?");
  EXPECT_TRUE(HasStatic(about, u"PlykII   (ver 1.00)"));
  EXPECT_TRUE(HasStatic(about, u"2D 스프라이트 제작기"));
  EXPECT_EQ(ControlText(about, 1), u"확인");
  auto icon = std::find_if(about.controls.begin(), about.controls.end(), [](const DialogControl& c) {
    return c.classAtom == 0x82 && (c.style & 0x1F) == 3;
  });
  ASSERT_NE(icon, about.controls.end());
  EXPECT_EQ(icon->textOrdinal, IDI_PLYK_APP);

  DialogTemplate cut = Dialog(all, IDD_PLYK_CUT_SIZE);
  EXPECT_EQ(cut.title, u"자를 크기 바꾸기");
  EXPECT_TRUE(HasStatic(cut, u"가로 크기"));
  EXPECT_TRUE(HasStatic(cut, u"세로 크기"));
  EXPECT_EQ(ControlText(cut, 1), u"확인");
  EXPECT_EQ(ControlText(cut, 2), u"취소");
  for (int id : {1000, 1001}) {
    auto edit = std::find_if(cut.controls.begin(), cut.controls.end(),
                             [&](const DialogControl& c) { return c.id == id; });
    ASSERT_NE(edit, cut.controls.end());
    EXPECT_EQ(edit->classAtom, 0x81);
    EXPECT_EQ(edit->style & 0x2000u, 0u) << "letters must reach the dialog's own check";
  }
  auto ok = std::find_if(cut.controls.begin(), cut.controls.end(),
                         [](const DialogControl& c) { return c.id == 1; });
  ASSERT_NE(ok, cut.controls.end());
  EXPECT_EQ(ok->style & 0xF, 1u);  // the default button

  DialogTemplate colours = Dialog(all, IDD_PLYK_COLOURS);
  EXPECT_EQ(colours.title, u"색 설정하기");
  for (const char16_t* label : {u"배경 색상", u"시스템 색상", u"그림자 색상"})
    EXPECT_TRUE(HasStatic(colours, label));
  EXPECT_EQ(ControlText(colours, 4), u"배경");
  EXPECT_EQ(ControlText(colours, 7), u"시스템");
  EXPECT_EQ(ControlText(colours, 8), u"그림자");
  EXPECT_EQ(ControlsWithClass(colours, 0x80, 0xB), 3);  // owner-drawn swatches
  EXPECT_EQ(ControlText(colours, 1), u"확인");
  EXPECT_EQ(ControlText(colours, 2), u"취소");
}

TEST(Plyk2Resources, ToolTipsAndEmbeddedFiles) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  const std::map<uint16_t, std::u16string> tips = {
      {40001, u"Plyk란?"},          {40006, u"그림 파일 열기(Ctrl+V)"}, {40012, u"밖으로 자르기(O)"},
      {40013, u"안으로 자르기(I)"}, {40015, u"임의 크기로 자르기(R)"},  {40016, u"일정 크기로 자르기(F)"},
      {40017, u"격자로 자르기(G)"}, {40018, u"자를 크기 바꾸기(S)"},    {40019, u"투명색 지정(T)"},
  };
  for (const auto& [id, text] : tips) EXPECT_EQ(String(all, id), text) << id;
  CheckCommonEmbeddedFiles(all, IDR_PLYK_FONT_ASCII, IDR_PLYK_FONT_HANGUL, IDR_PLYK_PALETTE,
                           IDR_PLYK_POINTER_SPRITES, "plyk2");
  // Icon index 1 is the sprite file icon and index 3 the palette file icon.
  EXPECT_EQ(IconGroups(all), (std::vector<uint16_t>{IDI_PLYK_APP, IDI_PLYK_SPRITE_WINDOW, IDI_PLYK_PICTURE,
                                                    IDI_PLYK_PALETTE_FILE}));
  EXPECT_NE(FindRes(all, kRtGroupCursor, IDCUR_PLYK_TRANSPARENT), nullptr);
  EXPECT_NE(FindRes(all, kRtVersion, 1), nullptr);
  const ResEntry* strip = FindRes(all, kRtBitmap, IDB_PLYK_TOOLBAR);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(LoadU32(&strip->data[4]), 16u * PLYK_TOOLBAR_IMAGE_COUNT);
}

TEST(Zorv2Resources, MainMenuHoldsEveryCommandWithItsText) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  const std::map<uint16_t, std::u16string> expected = {
      {40008, u"새 파일(&N)\tCtrl+N"},
      {40009, u"열기(&O)...\tCtrl+O"},
      {40010, u"쓰기(&S)\tCtrl+S"},
      {40011, u"새 이름으로 쓰기(&A)..."},
      {40013, u"색상표 읽기(&P)..."},
      {40014, u"기본 색상표로 바꿈(&O)"},
      {40045, u"스프라이트 정리(&R)\tCtrl+R"},
      {40012, u"나가기\tCtrl+X"},
      {40015, u"동작 찍기(&P)\tP"},
      {40017, u"스프라이트 드래그(&D)\tD"},
      {40018, u"충돌 박스(&B)\tB"},
      {40019, u"포인트(&T)\tT"},
      {40025, u"기준선 옮김(&C)\tR"},
      {40089, u"정보창 옮김(&I)\tI"},
      {40072, u"1번"},
      {40073, u"2번"},
      {40074, u"3번"},
      {40075, u"4번"},
      {40076, u"5번"},
      {40077, u"6번"},
      {40020, u"플래그(&F)...\tF"},
      {40021, u"소리(&S)...\tS"},
      {40022, u"지연 시간(&L)...\tE"},
      {40091, u"효과(&E)..."},
      {40044, u"다음 동작 묶음(&X)\tTAB"},
      {40023, u"새 동작 묶음(&N)...\tN"},
      {40024, u"동작 묶음 지움(&M)..."},
      {40016, u"연결 동작 플레이(&P)\tCtrl+P"},
      {40026, u"충돌 박스(&B)"},
      {40090, u"포인트(&T)"},
      {40029, u"정보 창(&I)"},
      {40027, u"기준 선(&C)"},
      {40028, u"스프라이트 창(&S)"},
      {40092, u"화면 확대(&Z)\t+"},
      {40093, u"화면 축소(&O)\t-"},
      {40082, u"전체 선택(&A)\tCtrl+A"},
      {40084, u"자동 그림자(&S)"},
      {40086, u"동작 반복 재생(&R)"},
      {40094, u"색상 설정(&C)...\tCtrl+C"},
      {40001, u"Zorv란?(&A)"},
  };
  std::map<uint16_t, std::u16string> found;
  std::vector<std::u16string> popups;
  for (const Item& item : MenuItems(all, IDR_ZORV_MAIN_MENU)) {
    if (item.first == 0xFFFF) {
      popups.push_back(item.second);
    } else if (item.first != 0) {
      EXPECT_TRUE(found.emplace(item.first, item.second).second) << item.first;
    }
  }
  EXPECT_EQ(found, expected);
  for (const char16_t* name : {u"파일(&F)", u"도구 번호", u"보기(&V)", u"설정(&S)", u"도움말(&H)"})
    EXPECT_NE(std::find(popups.begin(), popups.end(), name), popups.end());
  CheckEverythingKorean(all);
}

TEST(Zorv2Resources, PopupMenus) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  const std::vector<Item> sprite = {
      {0xFFFF, u"스프라이트"},
      {40047, u"복사(&C)\tC"},
      {40048, u"잘라내기(&T)\tX"},
      {40050, u"붙여넣기(&P)\tV"},
      {40049, u"지우기(&D)\tDelete"},
      {0, u""},
      {40051, u"스프라이트 추가(&A)..."},
  };
  EXPECT_EQ(MenuItems(all, IDR_ZORV_SPRITE_POPUP), sprite);
  const std::vector<Item> motion = {
      {0xFFFF, u"동작"},
      {40052, u"복사(&C)\tC"},
      {40053, u"정보만 복사(&I)\tA"},
      {40054, u"잘라내기(&T)\tX"},
      {40055, u"붙여넣기(&P)\tV"},
      {40056, u"지우기(&D)\tDelete"},
      {0, u""},
      {40083, u"그림자로 설정(&S)"},
  };
  EXPECT_EQ(MenuItems(all, IDR_ZORV_MOTION_POPUP), motion);
}

TEST(Zorv2Resources, AcceleratorTableHasEveryKeyAndNoOther) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  std::set<std::tuple<uint16_t, uint16_t, uint16_t>> expected = {
      {kVirt | kCtrl, 'N', 40008},
      {kVirt | kCtrl, 'O', 40009},
      {kVirt | kCtrl, 'S', 40010},
      {kVirt | kCtrl, 'R', 40045},
      {kVirt | kCtrl, 'X', 40012},
      {kVirt | kCtrl, 'P', 40016},
      {kVirt | kCtrl, 'A', 40082},
      {kVirt | kCtrl, 'C', 40094},
      {kVirt, 'P', 40015},
      {kVirt, 'D', 40017},
      {kVirt, 'B', 40018},
      {kVirt, 'T', 40019},
      {kVirt, 'R', 40025},
      {kVirt, 'I', 40089},
      {kVirt, 'F', 40020},
      {kVirt, 'S', 40021},
      {kVirt, 'E', 40022},
      {kVirt, kTab, 40044},
      {kVirt, 'N', 40023},
      {kVirt, kAdd, 40092},
      {kVirt, kSubtract, 40093},
      {kVirt | kShift, kLeft, 40078},
      {kVirt | kShift, kRight, 40079},
      {kVirt | kShift, kUp, 40080},
      {kVirt | kShift, kDown, 40081},
      {kVirt, kLeft, 40064},
      {kVirt, kRight, 40065},
      {kVirt, kDelete, 40059},
      {kVirt, 'C', 40060},
      {kVirt, 'X', 40061},
      {kVirt, 'V', 40062},
      {kVirt, 'A', 40063},
      {0, ']', 40057},
      {0, '[', 40058},
  };
  for (uint16_t n = 1; n <= 6; ++n) expected.emplace(kVirt, static_cast<uint16_t>('0' + n), 40071 + n);
  EXPECT_EQ(Keys(all, IDR_ZORV_ACCELERATORS), expected);
}

TEST(Zorv2Resources, DialogsCarryTheirControls) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  DialogTemplate about = Dialog(all, IDD_ZORV_ABOUT);
  EXPECT_EQ(about.title, u"'Zorv' 란?");
  EXPECT_TRUE(HasStatic(about, u"ZorvII   (ver 1.00)"));
  EXPECT_TRUE(HasStatic(about, u"2D 스프라이트용 동작 제작기"));
  EXPECT_EQ(ControlText(about, 1), u"확인");

  DialogTemplate bundle = Dialog(all, IDD_ZORV_NEW_BUNDLE);
  EXPECT_EQ(bundle.title, u"새 동작 묶음");
  EXPECT_TRUE(HasStatic(bundle, u"새 동작 묶음 이름"));
  EXPECT_EQ(ControlText(bundle, 1002), u"");
  EXPECT_EQ(ControlText(bundle, 1), u"확인");
  EXPECT_EQ(ControlText(bundle, 2), u"취소");

  DialogTemplate delay = Dialog(all, IDD_ZORV_DELAY);
  EXPECT_EQ(delay.title, u"동작 지연 시간 설정");
  EXPECT_TRUE(HasStatic(delay, u"현재 동작 지연 시간"));
  EXPECT_TRUE(HasStatic(delay, u"디폴트 동작 지연 시간"));
  EXPECT_EQ(ControlText(delay, 1007), u"현재 동작 묶음 전부");
  EXPECT_EQ(ControlText(delay, 1), u"설정");
  EXPECT_EQ(ControlText(delay, 2), u"취소");
  EXPECT_EQ(ControlsWithClass(delay, 0x80, 7), 1);  // the group frame

  DialogTemplate sound = Dialog(all, IDD_ZORV_SOUND);
  EXPECT_EQ(sound.title, u"동작 소리 설정");
  EXPECT_TRUE(HasStatic(sound, u"웨이브 파일 이름"));
  EXPECT_EQ(ControlText(sound, 1002), u"");
  EXPECT_EQ(ControlText(sound, 3), u"찾아보기...");
  EXPECT_EQ(ControlText(sound, 4), u"재생");
  EXPECT_EQ(ControlText(sound, 1), u"확인");
  EXPECT_EQ(ControlText(sound, 2), u"취소");

  DialogTemplate flags = Dialog(all, IDD_ZORV_FLAGS);
  EXPECT_EQ(flags.title, u"플래그 설정");
  for (int n = 0; n < 10; ++n) {
    const std::u16string label = u"플래그 " + std::u16string(1, static_cast<char16_t>(u'0' + n));
    EXPECT_TRUE(HasStatic(flags, label)) << n;
    auto edit = std::find_if(flags.controls.begin(), flags.controls.end(),
                             [&](const DialogControl& c) { return c.id == IDC_ZORV_FLAG_0 + n; });
    ASSERT_NE(edit, flags.controls.end());
    EXPECT_EQ(edit->classAtom, 0x81);
    EXPECT_EQ(edit->style & 0x3u, 2u) << "flag edits are right-aligned";
  }
  EXPECT_EQ(ControlText(flags, 1007), u"2 진수");
  EXPECT_EQ(ControlText(flags, 1), u"확인");

  DialogTemplate effects = Dialog(all, IDD_ZORV_EFFECTS);
  EXPECT_EQ(effects.title, u"효과 설정");
  EXPECT_EQ(ControlText(effects, 1023), u"좌우 반전");
  EXPECT_EQ(ControlText(effects, 1024), u"상하 반전");
  EXPECT_EQ(ControlText(effects, 1025), u"반투명");
  EXPECT_EQ(ControlsWithClass(effects, 0x80, 3), 3);  // automatic check boxes

  DialogTemplate colours = Dialog(all, IDD_ZORV_COLOURS);
  EXPECT_EQ(colours.title, u"색 설정하기");
  const char16_t* labels[] = {u"배경 색상", u"시스템 색상", u"그림자 색상", u"1번 색상", u"2번 색상",
                              u"3번 색상",  u"4번 색상",    u"5번 색상",    u"6번 색상"};
  const char16_t* texts[] = {u"배경", u"시스템", u"그림자"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(HasStatic(colours, labels[i])) << i;
    EXPECT_EQ(ControlText(colours, 40094 + i), texts[i % 3]) << i;
  }
  EXPECT_EQ(ControlsWithClass(colours, 0x80, 0xB), 9);
}

TEST(Zorv2Resources, ToolTipsAndEmbeddedFiles) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  const std::map<uint16_t, std::u16string> tips = {
      {40001, u"Zorv란?"},
      {40015, u"동작 찍기(P)"},
      {40016, u"연결 동작 플레이(Ctrl+P)"},
      {40017, u"스프라이트 드래그(D)"},
      {40018, u"충돌 박스 넣기(B)"},
      {40019, u"포인트 넣기(T)"},
      {40020, u"플래그 넣기(F)"},
      {40021, u"소리(S)"},
      {40022, u"지연 시간(E)"},
      {40023, u"새 동작 묶음(N)"},
      {40024, u"동작 묶음 지움"},
      {40025, u"기준선 옮김(R)"},
      {40089, u"정보창 옮김(I)"},
  };
  for (const auto& [id, text] : tips) EXPECT_EQ(String(all, id), text) << id;
  CheckCommonEmbeddedFiles(all, IDR_ZORV_FONT_ASCII, IDR_ZORV_FONT_HANGUL, IDR_ZORV_PALETTE,
                           IDR_ZORV_POINTER_SPRITES, "zorv2");
  // Icon index 3 is the motion file icon the shell association names.
  EXPECT_EQ(IconGroups(all), (std::vector<uint16_t>{IDI_ZORV_APP, IDI_ZORV_MOTION_WINDOW,
                                                    IDI_ZORV_SPRITE_WINDOW, IDI_ZORV_MOTION_FILE}));
  EXPECT_NE(FindRes(all, kRtGroupCursor, IDCUR_ZORV_TRANSPARENT), nullptr);
  EXPECT_NE(FindRes(all, kRtVersion, 1), nullptr);
  const ResEntry* strip = FindRes(all, kRtBitmap, IDB_ZORV_TOOLBAR);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(LoadU32(&strip->data[4]), 16u * ZORV_TOOLBAR_IMAGE_COUNT);
}

TEST(ResFileReader, RefusesTruncatedFiles) {
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(std::string(PLYK_RES_DIR) + "/plyk2.res", bytes));
  std::vector<ResEntry> all;
  ASSERT_TRUE(ParseResFile(bytes, all));
  for (size_t cut : {size_t(5), size_t(40), bytes.size() / 2, bytes.size() - 3}) {
    std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
    std::vector<ResEntry> partial;
    EXPECT_FALSE(ParseResFile(part, partial)) << cut;
  }
}

#else

TEST(Plyk2Resources, NeedsWindres) {
  GTEST_SKIP() << "i686-w64-mingw32-windres is not installed";
}

#endif
