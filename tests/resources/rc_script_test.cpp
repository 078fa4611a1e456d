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
#include "cutter/resource_ids.h"
#include "motion/resource_ids.h"
#include "res_file.h"

#ifdef PLYK_RES_DIR

namespace {

constexpr uint16_t kVirt = 1, kShift = 4, kCtrl = 8;
constexpr uint16_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kTab = 0x09, kDelete = 0x2E,
                   kAdd = 0x6B, kSubtract = 0x6D;
constexpr uint16_t kPopup = 0xFFFF;

using Keys = std::set<std::tuple<uint16_t, uint16_t, uint16_t>>;  // flags, key, command
using Texts = std::map<uint16_t, std::u16string>;

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
  return bytes;
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

Keys AcceleratorKeys(const std::vector<ResEntry>& all, uint16_t id) {
  const ResEntry* table = FindRes(all, kRtAccelerator, id);
  std::vector<Accelerator> accelerators;
  EXPECT_TRUE(table && ParseAccelerators(table->data, accelerators));
  Keys keys;
  for (const Accelerator& a : accelerators) {
    const uint16_t flags = a.flags & ~uint16_t(2);  // NOINVERT is not part of the key
    EXPECT_TRUE(keys.emplace(flags, a.key, a.command).second) << "duplicate key for " << a.command;
  }
  return keys;
}

void CheckToolTips(const std::vector<ResEntry>& all, const Texts& tips) {
  for (const auto& [id, text] : tips) {
    std::u16string s;
    EXPECT_TRUE(FindString(all, id, s)) << "string " << id;
    EXPECT_EQ(s, text) << "string " << id;
  }
}

std::u16string U16(int n) {
  const std::string ascii = std::to_string(n);
  return std::u16string(ascii.begin(), ascii.end());
}

// A dialog in one line: its title, then each control in order as kind, [id] and text.
// Kinds: text, icon, edit (edit> right-aligned, edit# digits only), default, button,
// check (automatic check box), group (frame), swatch (owner-drawn button).
std::u16string Describe(const std::vector<ResEntry>& all, uint16_t id) {
  const ResEntry* res = FindRes(all, kRtDialog, id);
  DialogTemplate d;
  if (!res || !ParseDialogEx(res->data, d)) return u"<no dialog>";
  EXPECT_EQ(d.font, u"굴림") << "dialog " << id;
  EXPECT_EQ(d.pointSize, 9) << "dialog " << id;
  std::u16string s = d.title;
  for (const DialogControl& c : d.controls) {
    const std::map<uint32_t, std::u16string> buttons = {
        {0, u"button"}, {1, u"default"}, {3, u"check"}, {7, u"group"}, {0xB, u"swatch"}};
    std::u16string kind = u"class " + U16(c.classAtom);
    if (c.classAtom == 0x82) kind = (c.style & 0x1F) == 3 ? u"icon" : u"text";
    if (c.classAtom == 0x81)
      kind = std::u16string(u"edit") + ((c.style & 3) == 2 ? u">" : u"") + ((c.style & 0x2000) ? u"#" : u"");
    if (c.classAtom == 0x80) kind = buttons.count(c.style & 0xF) ? buttons.at(c.style & 0xF) : u"button?";
    s += u" | " + kind + (c.id == -1 ? u"" : u"[" + U16(c.id) + u"]");
    if (!c.text.empty() || c.textOrdinal != 0)
      s += u" " + (c.text.empty() ? u"#" + U16(c.textOrdinal) : c.text);
  }
  return s;
}

void CheckDialogs(const std::vector<ResEntry>& all, const std::map<uint16_t, std::u16string>& expected) {
  for (const auto& [id, description] : expected) EXPECT_EQ(Describe(all, id), description) << "dialog " << id;
}

}  // namespace

// clang-format off
TEST(Plyk2Resources, MenusHaveEveryEntryInOrder) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  const MenuItems main = {
      {kPopup, u"파일(&F)"}, {40002, u"새 파일(&N)\tCtrl+N"}, {40003, u"열기(&O)...\tCtrl+O"},
      {40004, u"쓰기(&S)\tCtrl+S"}, {40005, u"새 이름으로 쓰기(&A)..."}, {0, u""},
      {40049, u"PCX 파일로 저장(&C)..."}, {0, u""}, {40006, u"그림 파일 열기(&P)...\tCtrl+V"}, {0, u""},
      {40008, u"색상표 읽기(&T)..."}, {40010, u"현재 색상표 쓰기(&L)..."},
      {40014, u"기본 색상표로 바꿈(&O)"}, {0, u""}, {40009, u"나가기\tCtrl+X"},
      {kPopup, u"편집(&E)"}, {40121, u"되돌리기(&U)\tCtrl+Z"}, {40122, u"다시 실행(&R)\tCtrl+Y"},
      {kPopup, u"도구(&T)"}, {40012, u"밖으로 자르기(&O)\tO"}, {40013, u"안으로 자르기(&I)\tI"},
      {40015, u"임의 크기로 자르기(&R)\tR"}, {40016, u"일정 크기로 자르기(&F)\tF"},
      {40017, u"격자로 자르기(&G)\tG"}, {40019, u"투명색 지정(&T)\tT"}, {0, u""},
      {40018, u"자를 크기 바꾸기(&S)...\tS"},
      {kPopup, u"보기(&V)"}, {40011, u"스프라이트 보기 창(&S)"}, {0, u""}, {40046, u"화면 확대(&Z)\t+"},
      {40047, u"화면 축소(&O)\t-"},
      {kPopup, u"설정(&S)"}, {40021, u"투명색 무시(&T)"}, {0, u""}, {40048, u"색 설정(&C)...\tCtrl+C"},
      {kPopup, u"도움말(&H)"}, {40001, u"Plyk란?(&A)"}};
  EXPECT_EQ(Menu(all, IDR_PLYK_MAIN_MENU), main);
  const MenuItems sprite = {
      {kPopup, u"편집"}, {40047, u"복사(&C)\tC"}, {40048, u"잘라내기(&T)\tX"}, {40050, u"붙여넣기(&P)\tV"},
      {40049, u"지우기(&D)\tDelete"}, {0, u""}, {40051, u"스프라이트 추가(&A)..."}, {0, u""},
      {40020, u"PCX 파일로 저장(&X)..."}};
  EXPECT_EQ(Menu(all, IDR_PLYK_SPRITE_POPUP), sprite);
}

TEST(Plyk2Resources, AcceleratorTableHasEveryKeyAndNoOther) {
  const Keys expected = {
      {kVirt | kCtrl, 'N', 40002}, {kVirt | kCtrl, 'O', 40003}, {kVirt | kCtrl, 'S', 40004},
      {kVirt | kCtrl, 'V', 40006}, {kVirt | kCtrl, 'X', 40009}, {kVirt | kCtrl, 'C', 40048},
      {kVirt | kCtrl, 'Z', 40121}, {kVirt | kCtrl, 'Y', 40122}, {kVirt | kCtrl | kShift, 'Z', 40122},
      {kVirt, 'O', 40012}, {kVirt, 'I', 40013}, {kVirt, 'R', 40015}, {kVirt, 'F', 40016},
      {kVirt, 'G', 40017}, {kVirt, 'T', 40019}, {kVirt, 'S', 40018}, {kVirt | kShift, kLeft, 40031},
      {kVirt | kShift, kRight, 40032}, {kVirt | kShift, kDown, 40033}, {kVirt | kShift, kUp, 40034},
      {kVirt, kTab, 40035}, {0, '[', 40036}, {0, ']', 40037}, {kVirt, kLeft, 40038}, {kVirt, kRight, 40039},
      {kVirt, kUp, 40040}, {kVirt, kDown, 40041}, {kVirt, 'C', 40042}, {kVirt, kDelete, 40043},
      {kVirt, 'V', 40044}, {kVirt, 'X', 40045}, {kVirt, kAdd, 40046}, {kVirt, kSubtract, 40047}};
  EXPECT_EQ(AcceleratorKeys(LoadRes("plyk2.res"), IDR_PLYK_ACCELERATORS), expected);
}

TEST(Plyk2Resources, DialogsAndToolTips) {
  std::vector<ResEntry> all = LoadRes("plyk2.res");
  // The cut-size edits take letters too: the dialog checks them with its own message.
  CheckDialogs(all, {
      {IDD_PLYK_ABOUT, u"'Plyk' 란? | icon[1010] #111 | text PlykII   (ver 1.00) | text 2D 스프라이트 제작기"
                       u" | default[1] 확인"},
      {IDD_PLYK_CUT_SIZE, u"자를 크기 바꾸기 | text 가로 크기 | edit[1000] | text 세로 크기 | edit[1001]"
                          u" | default[1] 확인 | button[2] 취소"},
      {IDD_PLYK_COLOURS, u"색 설정하기 | text 배경 색상 | text 시스템 색상 | text 그림자 색상"
                         u" | swatch[4] 배경 | swatch[7] 시스템 | swatch[8] 그림자"
                         u" | default[1] 확인 | button[2] 취소"}});
  CheckToolTips(all, {
      {40001, u"Plyk란?"}, {40006, u"그림 파일 열기(Ctrl+V)"}, {40012, u"밖으로 자르기(O)"},
      {40013, u"안으로 자르기(I)"}, {40015, u"임의 크기로 자르기(R)"}, {40016, u"일정 크기로 자르기(F)"},
      {40017, u"격자로 자르기(G)"}, {40018, u"자를 크기 바꾸기(S)"}, {40019, u"투명색 지정(T)"}});
}

TEST(Zorv2Resources, MenusHoldEveryCommandWithItsText) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  const Texts expected = {
      {40008, u"새 파일(&N)\tCtrl+N"}, {40009, u"열기(&O)...\tCtrl+O"}, {40010, u"쓰기(&S)\tCtrl+S"},
      {40011, u"새 이름으로 쓰기(&A)..."}, {40013, u"색상표 읽기(&P)..."}, {40014, u"기본 색상표로 바꿈(&O)"},
      {40045, u"스프라이트 정리(&R)\tCtrl+R"}, {40012, u"나가기\tCtrl+X"}, {40121, u"되돌리기(&U)\tCtrl+Z"},
      {40122, u"다시 실행(&R)\tCtrl+Y"}, {40015, u"동작 찍기(&P)\tP"},
      {40017, u"스프라이트 드래그(&D)\tD"}, {40018, u"충돌 박스(&B)\tB"}, {40019, u"포인트(&T)\tT"},
      {40025, u"기준선 옮김(&C)\tR"}, {40089, u"정보창 옮김(&I)\tI"}, {40072, u"1번"}, {40073, u"2번"},
      {40074, u"3번"}, {40075, u"4번"}, {40076, u"5번"}, {40077, u"6번"}, {40020, u"플래그(&F)...\tF"},
      {40021, u"소리(&S)...\tS"}, {40022, u"지연 시간(&L)...\tE"}, {40091, u"효과(&E)..."},
      {40044, u"다음 동작 묶음(&X)\tTAB"}, {40023, u"새 동작 묶음(&N)...\tN"},
      {40024, u"동작 묶음 지움(&M)..."}, {40016, u"연결 동작 플레이(&P)\tCtrl+P"}, {40026, u"충돌 박스(&B)"},
      {40090, u"포인트(&T)"}, {40029, u"정보 창(&I)"}, {40027, u"기준 선(&C)"}, {40028, u"스프라이트 창(&S)"},
      {40092, u"화면 확대(&Z)\t+"}, {40093, u"화면 축소(&O)\t-"}, {40082, u"전체 선택(&A)\tCtrl+A"},
      {40084, u"자동 그림자(&S)"}, {40086, u"동작 반복 재생(&R)"}, {40094, u"색상 설정(&C)...\tCtrl+C"},
      {40001, u"Zorv란?(&A)"}};
  Texts found;
  std::vector<std::u16string> popups;
  for (const auto& [id, text] : Menu(all, IDR_ZORV_MAIN_MENU)) {
    if (id == kPopup) {
      popups.push_back(text);
    } else if (id != 0) {
      EXPECT_TRUE(found.emplace(id, text).second) << id;
    }
  }
  EXPECT_EQ(found, expected);
  for (const char16_t* name : {u"파일(&F)", u"편집(&E)", u"도구 번호", u"보기(&V)", u"설정(&S)", u"도움말(&H)"})
    EXPECT_NE(std::find(popups.begin(), popups.end(), name), popups.end());

  const MenuItems sprite = {
      {kPopup, u"스프라이트"}, {40047, u"복사(&C)\tC"}, {40048, u"잘라내기(&T)\tX"},
      {40050, u"붙여넣기(&P)\tV"}, {40049, u"지우기(&D)\tDelete"}, {0, u""},
      {40051, u"스프라이트 추가(&A)..."}};
  EXPECT_EQ(Menu(all, IDR_ZORV_SPRITE_POPUP), sprite);
  const MenuItems motion = {
      {kPopup, u"동작"}, {40052, u"복사(&C)\tC"}, {40053, u"정보만 복사(&I)\tA"}, {40054, u"잘라내기(&T)\tX"},
      {40055, u"붙여넣기(&P)\tV"}, {40056, u"지우기(&D)\tDelete"}, {0, u""}, {40083, u"그림자로 설정(&S)"}};
  EXPECT_EQ(Menu(all, IDR_ZORV_MOTION_POPUP), motion);
}

TEST(Zorv2Resources, AcceleratorTableHasEveryKeyAndNoOther) {
  // Ctrl+S has a command of its own: it saves a new document too, while the greyed
  // menu entry 40010 would refuse.
  Keys expected = {
      {kVirt | kCtrl, 'N', 40008}, {kVirt | kCtrl, 'O', 40009}, {kVirt | kCtrl, 'S', ID_ZORV_KEY_SAVE},
      {kVirt | kCtrl, 'R', 40045}, {kVirt | kCtrl, 'X', 40012}, {kVirt | kCtrl, 'P', 40016},
      {kVirt | kCtrl, 'Z', 40121}, {kVirt | kCtrl, 'Y', 40122}, {kVirt | kCtrl | kShift, 'Z', 40122},
      {kVirt | kCtrl, 'A', 40082}, {kVirt | kCtrl, 'C', 40094}, {kVirt, 'P', 40015}, {kVirt, 'D', 40017},
      {kVirt, 'B', 40018}, {kVirt, 'T', 40019}, {kVirt, 'R', 40025}, {kVirt, 'I', 40089},
      {kVirt, 'F', 40020}, {kVirt, 'S', 40021}, {kVirt, 'E', 40022}, {kVirt, kTab, 40044},
      {kVirt, 'N', 40023}, {kVirt, kAdd, 40092}, {kVirt, kSubtract, 40093}, {kVirt | kShift, kLeft, 40078},
      {kVirt | kShift, kRight, 40079}, {kVirt | kShift, kUp, 40080}, {kVirt | kShift, kDown, 40081},
      {kVirt, kLeft, 40064}, {kVirt, kRight, 40065}, {kVirt, kDelete, 40059}, {kVirt, 'C', 40060},
      {kVirt, 'X', 40061}, {kVirt, 'V', 40062}, {kVirt, 'A', 40063}, {0, ']', 40057}, {0, '[', 40058}};
  for (uint16_t n = 1; n <= 6; ++n) expected.emplace(kVirt, static_cast<uint16_t>('0' + n), 40071 + n);
  EXPECT_EQ(AcceleratorKeys(LoadRes("zorv2.res"), IDR_ZORV_ACCELERATORS), expected);
}

TEST(Zorv2Resources, DialogsAndToolTips) {
  std::vector<ResEntry> all = LoadRes("zorv2.res");
  const std::u16string okCancel = u" | default[1] 확인 | button[2] 취소";
  std::u16string flags = u"플래그 설정";
  for (int n = 0; n < 10; ++n) flags += u" | text 플래그 " + U16(n) + u" | edit>[" + U16(1012 + n) + u"]";
  std::u16string colours = u"색 설정하기";
  const char16_t* labels[] = {u"배경 색상", u"시스템 색상", u"그림자 색상", u"1번 색상", u"2번 색상",
                              u"3번 색상", u"4번 색상", u"5번 색상", u"6번 색상"};
  const char16_t* swatches[] = {u"배경", u"시스템", u"그림자"};
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 3; ++i) colours += u" | text " + std::u16string(labels[3 * row + i]);
    for (int i = 0; i < 3; ++i) colours += u" | swatch[" + U16(40094 + 3 * row + i) + u"] " + swatches[i];
  }
  CheckDialogs(all, {
      {IDD_ZORV_ABOUT, u"'Zorv' 란? | icon[1010] #140 | text ZorvII   (ver 1.00)"
                       u" | text 2D 스프라이트용 동작 제작기 | default[1] 확인"},
      {IDD_ZORV_NEW_BUNDLE, u"새 동작 묶음 | text 새 동작 묶음 이름 | edit[1002]" + okCancel},
      {IDD_ZORV_DELAY, u"동작 지연 시간 설정 | group | text 현재 동작 지연 시간 | edit>[1002]"
                       u" | text 디폴트 동작 지연 시간 | edit>[1003] | check[1007] 현재 동작 묶음 전부"
                       u" | default[1] 설정 | button[2] 취소"},
      {IDD_ZORV_SOUND, u"동작 소리 설정 | text 웨이브 파일 이름 | edit[1002] | button[3] 찾아보기..."
                       u" | button[4] 재생" + okCancel},
      {IDD_ZORV_FLAGS, flags + u" | check[1007] 2 진수" + okCancel},
      {IDD_ZORV_EFFECTS, u"효과 설정 | group 효과 | check[1023] 좌우 반전 | check[1024] 상하 반전"
                         u" | check[1025] 반투명" + okCancel},
      {IDD_ZORV_COLOURS, colours + okCancel}});
  CheckToolTips(all, {
      {40001, u"Zorv란?"}, {40015, u"동작 찍기(P)"}, {40016, u"연결 동작 플레이(Ctrl+P)"},
      {40017, u"스프라이트 드래그(D)"}, {40018, u"충돌 박스 넣기(B)"}, {40019, u"포인트 넣기(T)"},
      {40020, u"플래그 넣기(F)"}, {40021, u"소리(S)"}, {40022, u"지연 시간(E)"}, {40023, u"새 동작 묶음(N)"},
      {40024, u"동작 묶음 지움"}, {40025, u"기준선 옮김(R)"}, {40089, u"정보창 옮김(I)"}});
}
// clang-format on

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
