#pragma once
// The Zorv2 main frame: tool bar with the bundle selector, status bar, the editing
// canvas and the owned sprite and motion windows. The editor (MotionFrameEditor)
// holds the document and every rule; the frame turns messages into its calls, and
// its host (ZorvWindowHost) turns its requests into windows, dialogs and sounds.

#include <memory>
#include <string>

#include "framework/base_window.h"
#include "framework/common_controls.h"
#include "motion/app/child_windows.h"
#include "motion/app/zorv_window_host.h"
#include "motion/editor/frame_editor.h"
#include "sprites/sprite_set.h"

class ZorvFrame : public BaseWindow {
 public:
  ZorvFrame(HINSTANCE instance, const ZorvSettings& settings);
  ~ZorvFrame() override;

  MotionFrameEditor& editor() { return *editor_; }

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnCommand(WPARAM wParam) override;
  void OnSize(int width, int height, UINT kind) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnClose() override;
  void OnDropFiles(const std::vector<DroppedFile>& files) override;
  bool Idle() override;

 private:
  void createToolBar();
  void createChildWindows();
  // Title, status bar and tool-bar buttons from the editor.
  void refreshFrame();
  // The status bar alone, after a mouse move.
  void refreshStatus();
  // The frame's part of a repaint: title, status bar, bundle selector.
  void refresh(unsigned windows);
  // Opens the sound device, once.
  void startSound();

  SpriteSet glyphs_;
  // Refers to the windows below; outlives the editor, which may call it to the end.
  ZorvWindowHost host_;
  std::unique_ptr<MotionFrameEditor> editor_;
  StatusBar statusBar_;
  ToolBar toolBar_;
  ComboBox bundleSelector_;
  HFONT uiFont_ = nullptr;
  bool soundStarted_ = false;
  CanvasWindow canvas_;
  SpriteListWindow spriteWindow_;
  MotionListWindow motionWindow_;
};
