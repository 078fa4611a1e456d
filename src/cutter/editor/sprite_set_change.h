#pragma once
// One change of the sprite set as the undo history keeps it: the sprites the change
// put in and took out, in the order it did so, and the selection before and after.
// A sprite out of the set is owned by the step, so redoing puts the very same record
// back. The step costs what the sprites it moved cost, not what the set holds.

#include <cstdint>
#include <memory>
#include <vector>

#include "sprites/sprite_set.h"
#include "ui/undo_history.h"

class SpriteSetChange : public UndoStep {
 public:
  explicit SpriteSetChange(SpriteSet& set) : set_(set), selectionBefore_(set.CurrentIndex()) {}

  // The sprite now at index was just put in.
  void inserted(int32_t index);
  // The sprite that was at index has just been taken out.
  void removed(int32_t index, std::unique_ptr<Sprite> sprite);
  // The change is complete: the selection as it stands now is the one redo restores.
  void finish() { selectionAfter_ = set_.CurrentIndex(); }
  bool empty() const { return moves_.empty(); }

  void undo() override;
  void redo() override;
  size_t bytes() const override { return bytes_; }

 private:
  struct Move {
    bool insert;
    int32_t index;
    std::unique_ptr<Sprite> out;  // the sprite while it is not in the set
  };
  void putIn(Move& move);
  void takeOut(Move& move);
  void count(const Sprite& sprite);

  SpriteSet& set_;
  std::vector<Move> moves_;
  int32_t selectionBefore_;
  int32_t selectionAfter_ = 0;
  size_t bytes_ = sizeof(SpriteSetChange);
};
