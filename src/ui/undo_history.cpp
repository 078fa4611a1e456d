#include "ui/undo_history.h"

void UndoHistory::push(std::unique_ptr<UndoStep> step) {
  if (!step) return;
  // Steps undone are gone for good, and with them a saved position among them.
  while (steps_.size() > done_) {
    bytes_ -= steps_.back()->bytes();
    steps_.pop_back();
  }
  if (saved_ > static_cast<long>(done_)) saved_ = -1;
  bytes_ += step->bytes();
  steps_.push_back(std::move(step));
  ++done_;
  trim();
}

void UndoHistory::trim() {
  // The newest step always stays, however large: it holds what the document held.
  while (steps_.size() > 1 && (steps_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
    bytes_ -= steps_.front()->bytes();
    steps_.pop_front();
    --done_;
    saved_ = saved_ > 0 ? saved_ - 1 : -1;
  }
}

bool UndoHistory::undo() {
  if (!canUndo()) return false;
  steps_[--done_]->undo();
  return true;
}

bool UndoHistory::redo() {
  if (!canRedo()) return false;
  steps_[done_++]->redo();
  return true;
}

void UndoHistory::clear() {
  steps_.clear();
  done_ = 0;
  saved_ = 0;
  bytes_ = 0;
}
