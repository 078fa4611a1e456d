#include "cutter/editor/sprite_set_change.h"

void SpriteSetChange::count(const Sprite& sprite) {
  bytes_ += sizeof(Move) + sizeof(Sprite) + sprite.pixels.size();
}

void SpriteSetChange::inserted(int32_t index) {
  if (const Sprite* sprite = set_.Get(index)) count(*sprite);
  moves_.push_back(Move{true, index, nullptr});
}

void SpriteSetChange::removed(int32_t index, std::unique_ptr<Sprite> sprite) {
  if (!sprite) return;
  count(*sprite);
  moves_.push_back(Move{false, index, std::move(sprite)});
}

void SpriteSetChange::putIn(Move& move) {
  set_.Insert(std::move(move.out), move.index);
}

void SpriteSetChange::takeOut(Move& move) {
  move.out = set_.Take(move.index);
}

void SpriteSetChange::undo() {
  for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
    if (move->insert)
      takeOut(*move);
    else
      putIn(*move);
  }
  set_.SetCurrent(selectionBefore_);
}

void SpriteSetChange::redo() {
  for (Move& move : moves_) {
    if (move.insert)
      putIn(move);
    else
      takeOut(move);
  }
  set_.SetCurrent(selectionAfter_);
}
