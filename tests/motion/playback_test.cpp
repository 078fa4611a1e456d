// Playback: ticks and delays, repeat across bundles, sounds, stopping.
#include "motion/editor/playback.h"

#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace {

// Which (bundle, motion) is on screen after each idle call; {-1, -1} once stopped.
std::vector<std::pair<int, int>> Ticks(CanvasFixture& f, int ticks) {
  std::vector<std::pair<int, int>> shown;
  for (int i = 0; i < ticks; ++i) {
    const bool playing = f.canvas.idle();
    EXPECT_EQ(f.canvas.playback().playing(), playing);
    shown.push_back(playing ? std::pair{f.canvas.playback().bundleIndex(), f.canvas.playback().motionIndex()}
                            : std::pair{-1, -1});
  }
  return shown;
}

using Shown = std::vector<std::pair<int, int>>;

}  // namespace

TEST(Playback, DelayOneShowsEachMotionForTwoTicks) {
  CanvasFixture f;
  f.settings.repeatPlayback = false;
  for (int i = 0; i < 3; ++i) f.motion(i).delay = 1;
  f.settings.waveDirectory = "C:\\sfx\\old.wav";
  f.motion(1).sound.assign("hit.wav");  // played from the wave folder when shown
  f.canvas.chooseTool(kToolDrag);
  f.canvas.mouseMove(150, 150);
  ASSERT_TRUE(f.canvas.startPlayback());
  EXPECT_EQ(f.canvas.tool(), kToolPlaying);
  EXPECT_FALSE(f.canvas.startPlayback());  // already playing
  EXPECT_EQ(Ticks(f, 6), (Shown{{0, 0}, {0, 1}, {0, 1}, {0, 2}, {0, 2}, {-1, -1}}));
  EXPECT_EQ(f.host.slept, 6 * kPlaybackTickMilliseconds);
  EXPECT_EQ(f.host.presents, 3);
  EXPECT_EQ(f.host.played, std::vector<std::string>{"C:\\sfx\\hit.wav"});
  EXPECT_EQ(f.canvas.tool(), kToolDrag);
  EXPECT_FALSE(f.canvas.idle());
  // The last frame shown: the sprite of motion 2 and the clapperboard at the mouse.
  EXPECT_EQ(f.host.canvas.at(103, 103), 40);
  EXPECT_EQ(f.host.canvas.at(160, 150), f.settings.indices.shadow);
  // Nothing is painted while playing.
  f.canvas.startPlayback();
  EXPECT_EQ(f.paint(), TestSurface(400, 300).snapshot());
}

TEST(Playback, RepeatWithSelectAllRestartsAtTheFirstBundleWithMotions) {
  CanvasFixture f(0);
  for (const char* name : {"a", "b", "c", "d"}) f.doc.newBundle(name);
  for (int b : {2, 3}) FillBundle(*f.doc.file.get(b), 1, f.sprite);
  FillBundle(*f.doc.file.get(4), 2, f.sprite);
  for (int b : {2, 3, 4})
    for (const auto& m : f.doc.file.get(b)->items()) m->delay = 0;
  f.doc.selectBundle(0);
  f.canvas.toggleSelectAll();
  ASSERT_TRUE(f.canvas.startPlayback());
  EXPECT_EQ(Ticks(f, 4), (Shown{{3, 0}, {4, 0}, {4, 1}, {2, 0}}));
  EXPECT_EQ(f.canvas.previousTool(), kToolNone);
  // Without select-all only the current bundle plays; an empty one does not start.
  f.canvas.toggleSelectAll();
  f.canvas.stopPlayback();
  EXPECT_FALSE(f.canvas.startPlayback());
  f.doc.selectBundle(3);
  ASSERT_TRUE(f.canvas.startPlayback());
  EXPECT_EQ(Ticks(f, 3), (Shown{{3, 0}, {3, 0}, {3, 0}}));
}

TEST(Playback, AClickOrAToolStopsIt) {
  const std::pair<const char*, std::function<void(CanvasFixture&)>> stops[] = {
      {"left click", [](CanvasFixture& f) { f.canvas.leftDown(5, 5); }},
      {"right click", [](CanvasFixture& f) { f.canvas.rightDown(); }},
      {"tool", [](CanvasFixture& f) { f.canvas.chooseTool(kToolBaseLine); }}};
  for (const auto& [name, stop] : stops) {
    CanvasFixture f;
    f.canvas.chooseTool(kToolPoint);
    ASSERT_TRUE(f.canvas.startPlayback());
    stop(f);
    EXPECT_FALSE(f.canvas.playing()) << name;
    EXPECT_FALSE(f.canvas.playback().playing()) << name;
    EXPECT_EQ(f.doc.modified, false) << name;
  }
  CanvasFixture f;
  f.canvas.chooseTool(kToolPoint);
  f.canvas.startPlayback();
  f.canvas.chooseTool(kToolInfo);
  f.click(10, 10);  // back to the tool used before the playback
  EXPECT_EQ(f.canvas.tool(), kToolPoint);
  f.canvas.show(false);
  EXPECT_FALSE(f.canvas.startPlayback());
}

TEST(Playback, TicksArePacedByTheClockNotLengthenedByDrawing) {
  CanvasFixture f;
  for (int i = 0; i < 3; ++i) f.motion(i).delay = 0;
  ASSERT_TRUE(f.canvas.startPlayback());
  // The time spent before each tick (drawing, messages) and the sleep the tick then
  // takes: up to a millisecond late is made up, later than that starts the pace
  // afresh, so the next motion still gets its whole tick.
  const struct {
    double busy;
    int slept;
  } steps[] = {{5, 12}, {0, 17}, {10.5, 7}, {17, 0}, {20, 0}, {0, 17}};
  for (const auto& step : steps) {
    const int before = f.host.slept;
    f.host.busy += step.busy;
    f.canvas.idle();
    EXPECT_EQ(f.host.slept - before, step.slept) << "after " << step.busy << " ms busy";
  }
}
