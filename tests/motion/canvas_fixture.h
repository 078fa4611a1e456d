#pragma once
// A canvas over a bundle "walk" of motions with an 8 x 6 sprite (pixel value 40),
// the base point at (100, 100), the second motion current.

#include "editor_test_support.h"
#include "motion/editor/motion_canvas.h"

struct CanvasFixture {
  FakeHost host;
  MotionDocument doc;
  ZorvSettings settings;
  MotionCanvas canvas{doc, settings, host};
  std::unique_ptr<SpriteSet> glyphs = TestGlyphs();
  MotionBundle* bundle = nullptr;
  Sprite* sprite = nullptr;

  explicit CanvasFixture(int motions = 3) {
    settings.baseX = settings.baseY = 100;
    doc.file.sprites.Append(MakeSprite(8, 6, 40));
    sprite = doc.file.sprites.Get(0);
    doc.file.sprites.SetCurrent(0);
    doc.newBundle("walk");
    bundle = doc.file.current();
    FillBundle(*bundle, motions, sprite);
    bundle->select(1);
    doc.modified = false;
    canvas.setGlyphs(glyphs.get());
    canvas.resize(400, 300);
  }
  Motion& motion(int i) { return *bundle->get(i); }
  void click(int x, int y) {
    canvas.mouseMove(x, y);
    canvas.leftDown(x, y);
  }
  void drag(int x1, int y1, int x2, int y2) {
    click(x1, y1);
    canvas.mouseMove(x2, y2);
    canvas.leftUp();
  }
  std::vector<uint8_t> paint() {
    TestSurface s(400, 300);
    canvas.paint(*s.dc);
    return s.snapshot();
  }
};
