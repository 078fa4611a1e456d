#ifndef PLYK2_RESOURCE_IDS_H
#define PLYK2_RESOURCE_IDS_H
// Resource and command ids of Plyk2. Plain #defines only: plyk2.rc includes this
// file through windres's preprocessor, and the C++ code includes it as well.

// ---- Resources --------------------------------------------------------------------
#define IDD_PLYK_ABOUT 100            // About box ("'Plyk' 란?")
#define IDR_PLYK_MAIN_MENU 103        // main menu of the frame
#define IDR_PLYK_SPRITE_POPUP 105     // sprite window pop-up; use its first sub-menu
#define IDB_PLYK_TOOLBAR 106          // tool-bar strip, PLYK_TOOLBAR_IMAGE_COUNT images
#define IDR_PLYK_ACCELERATORS 108     // accelerator table of the message loop
#define IDI_PLYK_APP 111              // program icon (icon index 0 in the file)
#define IDR_PLYK_FONT_ASCII 117       // "FONTS": 6 x 12 ASCII font
#define IDR_PLYK_FONT_HANGUL 118      // "FONTS": 12 x 12 Hangul font
#define IDR_PLYK_PALETTE 119          // "PALETTE": default palette block, 66304 bytes
#define IDI_PLYK_SPRITE_WINDOW 120    // sprite and detail windows; sprite files (index 1)
#define IDR_PLYK_POINTER_SPRITES 122  // "SPRITE": built-in pointer images
#define IDCUR_PLYK_TRANSPARENT 123    // fully transparent 32 x 32 cursor of the canvas
#define IDD_PLYK_CUT_SIZE 124         // "자를 크기 바꾸기"
#define IDD_PLYK_COLOURS 125          // "색 설정하기"
#define IDI_PLYK_PICTURE 126          // picture icon (icon index 2)
#define IDI_PLYK_PALETTE_FILE 127     // palette files (icon index 3)

// Custom resource type names, as they stand in the .rc file.
#define PLYK_RT_FONTS "FONTS"
#define PLYK_RT_PALETTE "PALETTE"
#define PLYK_RT_SPRITE "SPRITE"

// Images of the tool bar strip, in strip order.
#define PLYK_TOOLBAR_IMAGE_COUNT 9
#define PLYK_TBI_OPEN_PICTURE 0
#define PLYK_TBI_OUTWARD_CUT 1
#define PLYK_TBI_INWARD_CUT 2
#define PLYK_TBI_FREE_CUT 3
#define PLYK_TBI_FIXED_CUT 4
#define PLYK_TBI_GRID_CUT 5
#define PLYK_TBI_PICK_TRANSPARENT 6
#define PLYK_TBI_CUT_SIZE 7
#define PLYK_TBI_ABOUT 8

// Sprites of IDR_PLYK_POINTER_SPRITES, in file order. Pixels: 0 transparent,
// 255 body (drawn in the light colour), 254 outline (drawn in the dark colour).
// Each is drawn with its top-left pixel at the mouse position.
#define PLYK_POINTER_ARROW 0    // 12 x 20
#define PLYK_POINTER_OUTWARD 1  // 18 x 16, outward cut
#define PLYK_POINTER_PICK 2     // 15 x 15, transparent colour pick
#define PLYK_POINTER_COUNT 3

// ---- Commands of the main menu, tool bar and accelerators (frame) -----------------
// The tool-tip string of a button has the button's command id.
#define ID_PLYK_ABOUT 40001
#define ID_PLYK_FILE_NEW 40002
#define ID_PLYK_FILE_OPEN 40003
#define ID_PLYK_FILE_SAVE 40004
#define ID_PLYK_FILE_SAVE_AS 40005
#define ID_PLYK_IMPORT_PICTURE 40006
#define ID_PLYK_READ_PALETTE 40008
#define ID_PLYK_EXIT 40009
#define ID_PLYK_WRITE_PALETTE 40010
#define ID_PLYK_DETAIL_WINDOW 40011
#define ID_PLYK_TOOL_OUTWARD_CUT 40012
#define ID_PLYK_TOOL_INWARD_CUT 40013
#define ID_PLYK_DEFAULT_PALETTE 40014
#define ID_PLYK_TOOL_FREE_CUT 40015
#define ID_PLYK_TOOL_FIXED_CUT 40016
#define ID_PLYK_TOOL_GRID_CUT 40017
#define ID_PLYK_CUT_SIZE 40018
#define ID_PLYK_TOOL_PICK 40019
#define ID_PLYK_IGNORE_TRANSPARENT 40021
#define ID_PLYK_POINTER_LEFT 40031   // Shift+Left
#define ID_PLYK_POINTER_RIGHT 40032  // Shift+Right
#define ID_PLYK_POINTER_DOWN 40033   // Shift+Down
#define ID_PLYK_POINTER_UP 40034     // Shift+Up
#define ID_PLYK_NEXT_FRAME 40035     // Tab
#define ID_PLYK_PREV_SPRITE 40036    // [
#define ID_PLYK_NEXT_SPRITE 40037    // ]
#define ID_PLYK_SCROLL_LEFT 40038    // Left
#define ID_PLYK_SCROLL_RIGHT 40039   // Right
#define ID_PLYK_SCROLL_UP 40040      // Up
#define ID_PLYK_SCROLL_DOWN 40041    // Down
#define ID_PLYK_KEY_COPY 40042       // C (sprite window focused)
#define ID_PLYK_KEY_DELETE 40043     // Delete
#define ID_PLYK_KEY_PASTE 40044      // V
#define ID_PLYK_KEY_CUT 40045        // X
#define ID_PLYK_ZOOM_IN 40046        // numeric-pad +
#define ID_PLYK_ZOOM_OUT 40047       // numeric-pad -
#define ID_PLYK_COLOURS 40048        // Ctrl+C
#define ID_PLYK_SAVE_PCX 40049       // the whole set as one PCX sheet
#define ID_PLYK_UNDO 40121           // Ctrl+Z
#define ID_PLYK_REDO 40122           // Ctrl+Y, Ctrl+Shift+Z
#define ID_PLYK_SAVE_PNG 40130       // the whole set as one PNG sheet
#define ID_PLYK_SAVE_PNG_ATLAS 40131 // the set packed tightly: PNG and JSON atlas

// ---- Commands of the sprite window pop-up (IDR_PLYK_SPRITE_POPUP) -----------------
// These come back to the sprite window; some share numbers with frame commands.
#define ID_PLYK_SPRITE_SAVE_PCX 40020
#define ID_PLYK_SPRITE_COPY 40047
#define ID_PLYK_SPRITE_CUT 40048
#define ID_PLYK_SPRITE_DELETE 40049
#define ID_PLYK_SPRITE_PASTE 40050
#define ID_PLYK_SPRITE_ADD 40051
#define ID_PLYK_SPRITE_SAVE_PNG 40132

// ---- Dialog controls --------------------------------------------------------------
#define IDC_PLYK_STATIC (-1)
#define IDC_PLYK_ABOUT_ICON 1010
#define IDC_PLYK_CUT_WIDTH 1000       // edit in IDD_PLYK_CUT_SIZE
#define IDC_PLYK_CUT_HEIGHT 1001      // edit in IDD_PLYK_CUT_SIZE
#define IDC_PLYK_COLOUR_BACKGROUND 4  // owner-drawn swatches in IDD_PLYK_COLOURS
#define IDC_PLYK_COLOUR_SYSTEM 7
#define IDC_PLYK_COLOUR_SHADOW 8

#endif
