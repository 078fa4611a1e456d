#ifndef ZORV2_RESOURCE_IDS_H
#define ZORV2_RESOURCE_IDS_H
// Resource and command ids of Zorv2. Plain #defines only: zorv2.rc includes this
// file through windres's preprocessor, and the C++ code includes it as well.

// ---- Resources --------------------------------------------------------------------
#define IDR_ZORV_FONT_ASCII 103       // "FONTS": 6 x 12 ASCII font
#define IDR_ZORV_FONT_HANGUL 104      // "FONTS": 12 x 12 Hangul font
#define IDR_ZORV_PALETTE 106          // "PALETTE": default palette block, 66304 bytes
#define IDD_ZORV_ABOUT 108            // About box ("'Zorv' 란?")
#define IDR_ZORV_MAIN_MENU 109        // main menu of the frame
#define IDB_ZORV_TOOLBAR 119          // tool-bar strip, ZORV_TOOLBAR_IMAGE_COUNT images
#define IDR_ZORV_ACCELERATORS 121     // accelerator table of the message loop
#define IDR_ZORV_SPRITE_POPUP 122     // sprite window pop-up; use its first sub-menu
#define IDR_ZORV_MOTION_POPUP 123     // motion window pop-up; use its first sub-menu
#define IDD_ZORV_NEW_BUNDLE 124       // "새 동작 묶음"
#define IDCUR_ZORV_TRANSPARENT 125    // fully transparent 32 x 32 cursor of the canvas
#define IDR_ZORV_POINTER_SPRITES 135  // "SPRITE": built-in pointer images
#define IDD_ZORV_DELAY 136            // "동작 지연 시간 설정"
#define IDD_ZORV_SOUND 137            // "동작 소리 설정"
#define IDD_ZORV_FLAGS 138            // "플래그 설정"
#define IDD_ZORV_COLOURS 139          // "색 설정하기"
#define IDI_ZORV_APP 140              // program icon (icon index 0 in the file)
#define IDI_ZORV_MOTION_WINDOW 141    // motion window (index 1)
#define IDI_ZORV_SPRITE_WINDOW 142    // sprite window (index 2)
#define IDI_ZORV_MOTION_FILE 143      // motion files in the shell (index 3)
#define IDD_ZORV_EFFECTS 145          // "효과 설정"
#define IDD_ZORV_GIF_EXPORT 130       // "애니메이션 GIF로 저장"

// Custom resource type names, as they stand in the .rc file.
#define ZORV_RT_FONTS "FONTS"
#define ZORV_RT_PALETTE "PALETTE"
#define ZORV_RT_SPRITE "SPRITE"

// Images of the tool bar strip, in strip order.
#define ZORV_TOOLBAR_IMAGE_COUNT 14
#define ZORV_TBI_NEW_BUNDLE 0
#define ZORV_TBI_DELETE_BUNDLE 1
#define ZORV_TBI_STAMP 2
#define ZORV_TBI_DRAG 3
#define ZORV_TBI_BOX 4
#define ZORV_TBI_POINT 5
#define ZORV_TBI_BASE_LINE 6
#define ZORV_TBI_INFO 7
#define ZORV_TBI_FLAGS 8
#define ZORV_TBI_SOUND 9
#define ZORV_TBI_DELAY 10
#define ZORV_TBI_PLAY 11
#define ZORV_TBI_ABOUT 12
#define ZORV_TBI_EFFECTS 13  // no button carries it

// Sprites of IDR_ZORV_POINTER_SPRITES, in file order. Pixels: 0 transparent,
// 255 body, 254 outline. Each is drawn with its top-left pixel at the mouse position.
#define ZORV_POINTER_ARROW 0         // 12 x 20
#define ZORV_POINTER_OPEN_HAND 1     // 29 x 28
#define ZORV_POINTER_CLOSED_HAND 2   // 26 x 24
#define ZORV_POINTER_CLAPPERBOARD 3  // 23 x 30
#define ZORV_POINTER_COUNT 4

// ---- Commands of the main menu, tool bar and accelerators (frame) -----------------
// The tool-tip string of a button has the button's command id.
#define ID_ZORV_ABOUT 40001
#define ID_ZORV_FILE_NEW 40008   // Ctrl+N
#define ID_ZORV_FILE_OPEN 40009  // Ctrl+O
#define ID_ZORV_FILE_SAVE 40010  // Ctrl+S
#define ID_ZORV_FILE_SAVE_AS 40011
#define ID_ZORV_EXIT 40012  // Ctrl+X
#define ID_ZORV_READ_PALETTE 40013
#define ID_ZORV_DEFAULT_PALETTE 40014
#define ID_ZORV_TOOL_STAMP 40015  // P
#define ID_ZORV_PLAY 40016        // Ctrl+P
#define ID_ZORV_TOOL_DRAG 40017   // D
#define ID_ZORV_TOOL_BOX 40018    // B
#define ID_ZORV_TOOL_POINT 40019  // T
#define ID_ZORV_FLAGS 40020       // F
#define ID_ZORV_SOUND 40021       // S
#define ID_ZORV_DELAY 40022       // E
#define ID_ZORV_NEW_BUNDLE 40023  // N
#define ID_ZORV_DELETE_BUNDLE 40024
#define ID_ZORV_TOOL_BASE_LINE 40025  // R
#define ID_ZORV_VIEW_BOXES 40026
#define ID_ZORV_VIEW_BASE_LINE 40027
#define ID_ZORV_VIEW_SPRITE_WINDOW 40028
#define ID_ZORV_VIEW_INFO 40029
#define ID_ZORV_NEXT_BUNDLE 40044      // Tab
#define ID_ZORV_CLEAN_SPRITES 40045    // Ctrl+R
#define ID_ZORV_UNDO 40121             // Ctrl+Z
#define ID_ZORV_REDO 40122             // Ctrl+Y, Ctrl+Shift+Z
#define ID_ZORV_MANUAL 40140           // F1: the user manual in the browser
#define ID_ZORV_KEY_NEXT_SPRITE 40057  // ]
#define ID_ZORV_KEY_PREV_SPRITE 40058  // [
#define ID_ZORV_KEY_DELETE 40059       // Delete (motion or sprite window focused)
#define ID_ZORV_KEY_COPY 40060         // C
#define ID_ZORV_KEY_CUT 40061          // X
#define ID_ZORV_KEY_PASTE 40062        // V
#define ID_ZORV_KEY_COPY_INFO 40063    // A
#define ID_ZORV_KEY_PREV_MOTION 40064  // Left
#define ID_ZORV_KEY_NEXT_MOTION 40065  // Right
#define ID_ZORV_TOOL_NUMBER_1 40072    // 1 ... 6: ID_ZORV_TOOL_NUMBER_1 + n - 1
#define ID_ZORV_TOOL_NUMBER_2 40073
#define ID_ZORV_TOOL_NUMBER_3 40074
#define ID_ZORV_TOOL_NUMBER_4 40075
#define ID_ZORV_TOOL_NUMBER_5 40076
#define ID_ZORV_TOOL_NUMBER_6 40077
#define ID_ZORV_POINTER_LEFT 40078   // Shift+Left
#define ID_ZORV_POINTER_RIGHT 40079  // Shift+Right
#define ID_ZORV_POINTER_UP 40080     // Shift+Up
#define ID_ZORV_POINTER_DOWN 40081   // Shift+Down
#define ID_ZORV_SELECT_ALL 40082     // Ctrl+A
#define ID_ZORV_AUTO_SHADOW 40084
#define ID_ZORV_REPEAT_PLAYBACK 40086
#define ID_ZORV_TOOL_INFO 40089  // I
#define ID_ZORV_VIEW_POINTS 40090
#define ID_ZORV_EFFECTS 40091
#define ID_ZORV_ZOOM_IN 40092   // numeric-pad +
#define ID_ZORV_ZOOM_OUT 40093  // numeric-pad -
#define ID_ZORV_COLOURS 40094   // Ctrl+C
// Ctrl+S saves even a document without a name (through the chooser), while the menu
// entry "쓰기" stays greyed until the document has one. 40121 and up are kept free.
#define ID_ZORV_KEY_SAVE 40120
#define ID_ZORV_EXPORT_GIF 40130   // "애니메이션 GIF로 저장..."
#define ID_ZORV_EXPORT_JSON 40131  // "JSON으로 내보내기..."

// Control and notification ids the frame receives as commands.
#define ID_ZORV_MOTION_CHANGED 1000  // sent by the motion window after paste or delete
#define IDC_ZORV_BUNDLE_SELECTOR 1025

// ---- Commands of the sprite window pop-up (IDR_ZORV_SPRITE_POPUP) -----------------
#define ID_ZORV_SPRITE_COPY 40047
#define ID_ZORV_SPRITE_CUT 40048
#define ID_ZORV_SPRITE_DELETE 40049
#define ID_ZORV_SPRITE_PASTE 40050
#define ID_ZORV_SPRITE_ADD 40051

// ---- Commands of the motion window pop-up (IDR_ZORV_MOTION_POPUP) -----------------
#define ID_ZORV_MOTION_COPY 40052
#define ID_ZORV_MOTION_COPY_INFO 40053
#define ID_ZORV_MOTION_CUT 40054
#define ID_ZORV_MOTION_PASTE 40055
#define ID_ZORV_MOTION_DELETE 40056
#define ID_ZORV_MOTION_SET_SHADOW 40083

// ---- Dialog controls --------------------------------------------------------------
#define IDC_ZORV_STATIC (-1)
#define IDC_ZORV_ABOUT_ICON 1010
#define IDC_ZORV_BUNDLE_NAME 1002    // edit in IDD_ZORV_NEW_BUNDLE
#define IDC_ZORV_DELAY_CURRENT 1002  // edits in IDD_ZORV_DELAY
#define IDC_ZORV_DELAY_DEFAULT 1003
#define IDC_ZORV_DELAY_WHOLE_BUNDLE 1007  // check box "현재 동작 묶음 전부"
#define IDC_ZORV_SOUND_NAME 1002          // edit in IDD_ZORV_SOUND
#define IDC_ZORV_SOUND_BROWSE 3           // "찾아보기..."
#define IDC_ZORV_SOUND_PLAY 4             // "재생"
#define IDC_ZORV_FLAG_0 1012              // flag n is IDC_ZORV_FLAG_0 + n, n = 0 ... 9
#define IDC_ZORV_FLAG_9 1021
#define IDC_ZORV_FLAGS_BINARY 1007        // check box "2 진수"
#define IDC_ZORV_EFFECT_FLIP_X 1023       // "좌우 반전"
#define IDC_ZORV_EFFECT_FLIP_Y 1024       // "상하 반전"
#define IDC_ZORV_EFFECT_TRANSLUCENT 1025  // "반투명"
#define IDC_ZORV_GIF_SCALE 1100        // edit in IDD_ZORV_GIF_EXPORT: 1 to 4
#define IDC_ZORV_GIF_TRANSPARENT 1101  // check boxes "배경 투명", "충돌 박스", "포인트"
#define IDC_ZORV_GIF_BOXES 1102
#define IDC_ZORV_GIF_POINTS 1103
// Owner-drawn swatches of IDD_ZORV_COLOURS, row by row.
#define IDC_ZORV_COLOUR_BACKGROUND 40094
#define IDC_ZORV_COLOUR_SYSTEM 40095
#define IDC_ZORV_COLOUR_SHADOW 40096
#define IDC_ZORV_COLOUR_1 40097  // colour n is IDC_ZORV_COLOUR_1 + n - 1, n = 1 ... 6
#define IDC_ZORV_COLOUR_6 40102

#endif
