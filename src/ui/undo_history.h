#pragma once
// The undo history of an editor: a list of steps, each recording only what it
// changed, with a position between the steps done and the steps undone. A new step
// drops the undone ones. The history keeps at least 100 steps and at most 64 MB of
// recorded changes; beyond that the oldest steps go first. It also remembers where
// the document was last saved or opened, so that undoing back there makes the
// document unmodified again and redoing away from there modified.

#include <cstddef>
#include <deque>
#include <memory>

class UndoStep {
 public:
  virtual ~UndoStep() = default;
  virtual void undo() = 0;
  virtual void redo() = 0;
  // The memory the step holds, for the history's bound.
  virtual size_t bytes() const = 0;
};

class UndoHistory {
 public:
  static constexpr size_t kMaxSteps = 1000;
  static constexpr size_t kMaxBytes = 64u << 20;

  // Records a step that has just been carried out.
  void push(std::unique_ptr<UndoStep> step);
  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  // False when there is nothing to undo or redo.
  bool undo();
  bool redo();
  // Forgets every step (a new or opened document); the document counts as saved.
  void clear();
  // The document as it stands now is the one on disk.
  void markSaved() { saved_ = static_cast<long>(done_); }
  // Whether the document is back where it was last saved or opened.
  bool atSaved() const { return saved_ == static_cast<long>(done_); }

  size_t stepCount() const { return steps_.size(); }
  size_t bytes() const { return bytes_; }

 private:
  void trim();

  std::deque<std::unique_ptr<UndoStep>> steps_;
  size_t done_ = 0;   // steps_[0, done_) are done, the rest undone
  long saved_ = 0;    // the saved position; -1 once it can no longer be reached
  size_t bytes_ = 0;  // the sum of the steps' bytes
};
