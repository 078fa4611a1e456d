#include "cutter/editor/frame_editor.h"

#include <algorithm>

#include "cutter/editor/cut_size_dialog.h"
#include "cutter/editor/cutter_colours.h"
#include "cutter/editor/frame_text.h"
#include "cutter/editor/png_export.h"
#include "cutter/resource_ids.h"
#include "ui/colour_dialog.h"
#include "ui/status_text.h"
#include "ui/user_manual.h"

const char* const kUnsavedWorkQuestion = "Plyk 파일이 저장되지 않았습니다.\n\t저장하시겠습니까?";

FrameEditor::FrameEditor(CutterHost& host, const CutterSettings& settings, const PaletteBlock& builtinPalette)
    : host_(host),
      settings_(settings),
      builtin_(builtinPalette),
      detail_(doc_, settings_, host, host),
      sprites_(doc_, settings_, detail_, host, host, host),
      canvas_(doc_, settings_, sprites_, host, host) {
  doc_.palette = builtin_;
  buildCommands();
}

void FrameEditor::buildCommands() {
  commands_.reportFailuresTo(&host_);
  auto hasSprites = [this] { return doc_.sprites.Count() > 0; };
  commands_.add(ID_PLYK_ABOUT, [this] { host_.showAbout(); })
      .add(ID_PLYK_MANUAL, [this] { OpenUserManual(programDirectory_, host_); })
      .add(
          ID_PLYK_FILE_NEW, [this] { newFile(); }, hasSprites)
      .add(ID_PLYK_FILE_OPEN, [this] { chooseAndOpen(); })
      .add(
          ID_PLYK_FILE_SAVE, [this] { save(false); }, [this] { return !doc_.spritePath.empty(); })
      .add(
          ID_PLYK_FILE_SAVE_AS, [this] { save(true); }, hasSprites)
      .add(
          ID_PLYK_SAVE_PCX, [this] { exportSheet(); }, hasSprites)
      .add(
          ID_PLYK_SAVE_PNG, [this] { exportSheetPng(); }, hasSprites)
      .add(
          ID_PLYK_SAVE_PNG_ATLAS, [this] { ExportAtlasPng(host_, doc_.sprites, doc_.palette); }, hasSprites)
      .add(ID_PLYK_IMPORT_PICTURE, [this] { chooseAndImport(); })
      .add(ID_PLYK_READ_PALETTE, [this] { chooseAndUsePaletteFile(false); })
      .add(ID_PLYK_WRITE_PALETTE, [this] { chooseAndUsePaletteFile(true); })
      .add(ID_PLYK_DEFAULT_PALETTE, [this] { restorePalette(); })
      .add(ID_PLYK_EXIT, [this] { close(); })
      .add(
          ID_PLYK_UNDO, [this] { stepHistory(false); }, [this] { return doc_.history.canUndo(); })
      .add(
          ID_PLYK_REDO, [this] { stepHistory(true); }, [this] { return doc_.history.canRedo(); })
      .add(
          ID_PLYK_DETAIL_WINDOW, [this] { toggleDetailWindow(); }, {},
          [this] { return settings_.detailShown; })
      .add(ID_PLYK_CUT_SIZE, [this] { changeCutSize(); })
      .add(
          ID_PLYK_IGNORE_TRANSPARENT, [this] { settings_.ignoreTransparent = !settings_.ignoreTransparent; },
          {}, [this] { return settings_.ignoreTransparent; })
      .add(ID_PLYK_COLOURS, [this] { changeColours(); })
      .add(ID_PLYK_ZOOM_IN, [this] { zoom(1); })
      .add(ID_PLYK_ZOOM_OUT, [this] { zoom(-1); })
      .add(
          ID_PLYK_NEXT_FRAME, [this] { nextFrame(); }, [this] { return doc_.picture.frameCount() >= 2; });

  const std::pair<int, CutTool> tools[] = {
      {ID_PLYK_TOOL_OUTWARD_CUT, OutwardCut}, {ID_PLYK_TOOL_INWARD_CUT, InwardCut},
      {ID_PLYK_TOOL_FREE_CUT, FreeCut},       {ID_PLYK_TOOL_FIXED_CUT, FixedCut},
      {ID_PLYK_TOOL_GRID_CUT, GridCut},       {ID_PLYK_TOOL_PICK, PickTransparent}};
  for (auto [id, tool] : tools)
    commands_.add(
        id,
        [this, tool = tool] {
          notice_.clear();
          canvas_.setTool(tool);
        },
        {}, [this, tool = tool] { return canvas_.tool() == tool; });

  // Shift+arrows move the system pointer by one picture pixel.
  const std::array<int, 3> moves[] = {{ID_PLYK_POINTER_LEFT, -1, 0},
                                      {ID_PLYK_POINTER_RIGHT, 1, 0},
                                      {ID_PLYK_POINTER_DOWN, 0, 1},
                                      {ID_PLYK_POINTER_UP, 0, -1}};
  for (auto m : moves)
    commands_.add(m[0], [this, m] { host_.movePointer(m[1] * settings_.zoom, m[2] * settings_.zoom); });

  const std::pair<int, std::pair<ScrollAxis, int>> scrolls[] = {
      {ID_PLYK_SCROLL_LEFT, {ScrollAxis::Horizontal, kScrollLineUp}},
      {ID_PLYK_SCROLL_RIGHT, {ScrollAxis::Horizontal, kScrollLineDown}},
      {ID_PLYK_SCROLL_UP, {ScrollAxis::Vertical, kScrollLineUp}},
      {ID_PLYK_SCROLL_DOWN, {ScrollAxis::Vertical, kScrollLineDown}}};
  for (auto [id, s] : scrolls) commands_.add(id, [this, s = s] { canvas_.scroll(s.first, s.second, 0); });

  // Keys the sprite window handles: [ and ] always, the clipboard keys only while
  // it has the keyboard focus.
  for (int id : {ID_PLYK_PREV_SPRITE, ID_PLYK_NEXT_SPRITE})
    commands_.add(id, [this, id] { sprites_.command(id); });
  for (int id : {ID_PLYK_KEY_COPY, ID_PLYK_KEY_DELETE, ID_PLYK_KEY_PASTE, ID_PLYK_KEY_CUT})
    commands_.add(
        id, [this, id] { sprites_.command(id); }, [this, id] { return forwardedKeyEnabled(id); });
}

void FrameEditor::stepHistory(bool redo) {
  if (!(redo ? doc_.redo() : doc_.undo())) return;
  sprites_.forgetHoldIfGone();
  sprites_.relayout();
  host_.repaint(kAllWindows);
}

bool FrameEditor::forwardedKeyEnabled(int id) const {
  return host_.spriteWindowFocused() && sprites_.commands().enabled(id);
}

bool FrameEditor::command(int id) {
  return commands_.execute(id);
}

void FrameEditor::create() {
  // The constructor already set the built-in palette; the windows get it now.
  host_.usePalette(doc_.palette);
  host_.showDetailWindow(settings_.detailShown);
  if (!settings_.palettePath.empty()) readPalette(settings_.palettePath, settings_.paletteName);
}

void FrameEditor::resize(SizeKind kind, int clientWidth, int clientHeight) {
  if (kind == SizeKind::Minimized) return;
  settings_.maximised = kind == SizeKind::Maximized;
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  layout();
}

void FrameEditor::layout() {
  const PictureFrame* frame = doc_.frame();
  if (!frame) return;
  const int64_t zoom = settings_.zoom;
  host_.placeCanvas(PlaceCanvas(clientWidth_, clientHeight_, frame->width * zoom, frame->height * zoom));
  host_.repaint(kFrameWindow);
}

std::string FrameEditor::title() const {
  CutterTitleState state;
  state.spriteFileName = doc_.spriteName;
  state.modified = doc_.modified;
  state.spriteCount = doc_.sprites.Count();
  if (const PictureFrame* frame = doc_.frame()) {
    state.hasFrame = true;
    state.pictureName = doc_.pictureName;
    state.frameWidth = frame->width;
    state.frameHeight = frame->height;
    state.frameIndex = doc_.picture.currentFrame();
    state.frameCount = doc_.picture.frameCount();
  }
  return CutterTitle(state);
}

std::array<std::string, 3> FrameEditor::statusTexts() const {
  return {notice_.empty() ? canvas_.toolText() : notice_, canvas_.zoomText(), canvas_.mouseText()};
}

std::array<int, 3> FrameEditor::statusPartEdges() const {
  return StatusPartEdges(clientWidth_);
}

ScrollBarState FrameEditor::frameBar() const {
  const int count = doc_.picture.frameCount();
  return ScrollBarState{count >= 2, std::max(count - 1, 0), doc_.picture.currentFrame()};
}

void FrameEditor::frameScroll(int code, int thumb) {
  const int current = doc_.picture.currentFrame();
  switch (code) {
    case kScrollLineUp:
    case kScrollPageUp:
      showFrame(current - 1);
      break;
    case kScrollLineDown:
    case kScrollPageDown:
      showFrame(current + 1);
      break;
    case kScrollThumbTrack:
      showFrame(thumb);
      break;
    default:
      break;
  }
}

void FrameEditor::nextFrame() {
  // The command is enabled only from two frames on.
  showFrame((doc_.picture.currentFrame() + 1) % doc_.picture.frameCount());
}

void FrameEditor::showFrame(int index) {
  // Outside 0 ... count - 1 the current frame stays.
  doc_.picture.selectFrame(index);
  doc_.refreshCut();
  host_.repaint(kCanvasWindow | kFrameWindow);
}

void FrameEditor::canvasWheel(int delta, bool shift, bool ctrl) {
  const int notches = wheel_.add(delta);
  const int step = notches > 0 ? -1 : 1;  // away from the user: zoom in, scroll up
  for (int n = notches; n != 0; n += step) {
    if (ctrl) {
      zoom(-step);
      continue;
    }
    const ScrollAxis axis = shift ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    for (int line = 0; line < 3; ++line) canvas_.scroll(axis, step < 0 ? kScrollLineUp : kScrollLineDown, 0);
  }
}

void FrameEditor::zoom(int step) {
  if (!canvas_.zoomBy(step)) return;
  layout();
  host_.repaint(kFrameWindow);
}

void FrameEditor::toggleDetailWindow() {
  settings_.detailShown = !settings_.detailShown;
  host_.showDetailWindow(settings_.detailShown);
}

void FrameEditor::changeCutSize() {
  CutSizeDialog dialog(CutSize{settings_.cutWidth, settings_.cutHeight});
  if (!host_.runCutSizeDialog(dialog)) return;
  settings_.cutWidth = dialog.size().width;
  settings_.cutHeight = dialog.size().height;
  host_.repaint(kAllWindows);
}

void FrameEditor::changeColours() {
  ColourDialog dialog(CutterColours(settings_), settings_.customColours);
  if (!host_.runColourDialog(dialog)) return;
  RecomputeColourIndices(CutterColours(settings_), doc_.palette);
  host_.repaint(kAllWindows);
}

void FrameEditor::storeWindowRects(const WindowRect& frame, const WindowRect& spriteWindow,
                                   const WindowRect& detailWindow) {
  if (!settings_.maximised) settings_.frameRect = frame;
  settings_.spriteWindowRect = spriteWindow;
  settings_.detailWindowRect = detailWindow;
}

void FrameEditor::close() {
  if (askToSave()) host_.closeFrame();
}

bool FrameEditor::askToSave() {
  if (!doc_.modified) return true;
  return AskAboutUnsavedWork(host_, kUnsavedWorkQuestion, doc_.sprites.Count() == 0,
                             [this] { return save(false); });
}
