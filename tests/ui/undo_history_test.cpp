#include "ui/undo_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Adds its number to a shared list when redone and removes it when undone.
struct CountingStep : UndoStep {
  CountingStep(std::vector<int>& log, int n, size_t size) : log(log), n(n), size(size) { log.push_back(n); }
  void undo() override { log.pop_back(); }
  void redo() override { log.push_back(n); }
  size_t bytes() const override { return size; }

  std::vector<int>& log;
  int n;
  size_t size;
};

}  // namespace

TEST(UndoHistory, StepsAreBoundedByCountAndMemoryOldestFirst) {
  std::vector<int> log;
  UndoHistory history;
  for (int i = 0; i < 1100; ++i) history.push(std::make_unique<CountingStep>(log, i, 100));
  EXPECT_EQ(history.stepCount(), UndoHistory::kMaxSteps);
  int undone = 0;
  while (history.undo()) ++undone;
  EXPECT_EQ(undone, 1000);
  EXPECT_EQ(log.size(), 100u) << "the 100 oldest steps were dropped";
  EXPECT_EQ(log.back(), 99);

  history.clear();
  log.clear();
  const size_t large = UndoHistory::kMaxBytes / 10;
  for (int i = 0; i < 30; ++i) history.push(std::make_unique<CountingStep>(log, i, large));
  EXPECT_EQ(history.stepCount(), 10u);
  EXPECT_LE(history.bytes(), UndoHistory::kMaxBytes);
  history.push(std::make_unique<CountingStep>(log, 30, UndoHistory::kMaxBytes * 2));
  EXPECT_EQ(history.stepCount(), 1u) << "the newest step stays, however large";
  EXPECT_TRUE(history.canUndo());

  // Steps undone and then replaced no longer count.
  history.clear();
  for (int i = 0; i < 10; ++i) history.push(std::make_unique<CountingStep>(log, i, large));
  for (int i = 0; i < 5; ++i) history.undo();
  history.push(std::make_unique<CountingStep>(log, 10, large));
  EXPECT_EQ(history.stepCount(), 6u);
  EXPECT_EQ(history.bytes(), 6 * large);
}

TEST(UndoHistory, SavedPositionAndRedoneSteps) {
  std::vector<int> log;
  UndoHistory history;
  EXPECT_TRUE(history.atSaved());
  history.push(std::make_unique<CountingStep>(log, 1, 8));
  history.push(std::make_unique<CountingStep>(log, 2, 8));
  EXPECT_FALSE(history.atSaved());
  history.markSaved();
  history.undo();
  EXPECT_FALSE(history.atSaved());
  history.redo();
  EXPECT_TRUE(history.atSaved());
  history.undo();
  history.push(std::make_unique<CountingStep>(log, 3, 8));  // the saved state was undone
  EXPECT_EQ(log, (std::vector<int>{1, 3}));
  EXPECT_FALSE(history.canRedo());
  while (history.undo()) EXPECT_FALSE(history.atSaved()) << "no longer reachable";
  // Dropping the oldest steps moves the saved position along, and past it away.
  history.clear();
  log.clear();
  history.push(std::make_unique<CountingStep>(log, 0, UndoHistory::kMaxBytes / 2));
  history.markSaved();
  history.push(std::make_unique<CountingStep>(log, 1, UndoHistory::kMaxBytes / 2));
  history.push(std::make_unique<CountingStep>(log, 2, UndoHistory::kMaxBytes / 2));  // drops step 0
  history.undo();
  history.undo();
  EXPECT_FALSE(history.canUndo());
  EXPECT_TRUE(history.atSaved()) << "step 0's state is where the document was saved";
  history.redo();
  history.redo();
  history.push(std::make_unique<CountingStep>(log, 3, UndoHistory::kMaxBytes / 2));  // drops step 1
  while (history.undo()) {
  }
  EXPECT_FALSE(history.atSaved()) << "the saved state went with the dropped step";
}
