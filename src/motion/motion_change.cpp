#include "motion/motion_change.h"

#include <utility>

namespace {

MotionSelection CurrentSelection(const MotionFile& file) {
  const MotionBundle* bundle = file.current();
  return MotionSelection{file.currentIndex(), bundle ? bundle->currentIndex() : 0,
                         file.sprites.CurrentIndex()};
}

size_t BundleBytes(const MotionBundle& bundle) {
  return sizeof(MotionBundle) + static_cast<size_t>(bundle.count()) * (sizeof(Motion) + sizeof(void*));
}

size_t SpriteBytes(const Sprite& sprite) {
  return sizeof(Sprite) + sprite.pixels.size();
}

}  // namespace

MotionChange::MotionChange(MotionFile& file, MotionReferences& references)
    : file_(file), references_(references), before_(CurrentSelection(file)) {}

void MotionChange::add(Edit edit, size_t heldBytes) {
  bytes_ += sizeof(Edit) + heldBytes;
  edits_.push_back(std::move(edit));
}

void MotionChange::motionEdited(int32_t bundle, int32_t index, const Motion& before) {
  Edit edit{Kind::MotionValue, bundle, index};
  edit.value = before;
  add(std::move(edit), 0);
}

void MotionChange::motionInserted(int32_t bundle, int32_t index) {
  add(Edit{Kind::MotionIn, bundle, index}, sizeof(Motion));
}

void MotionChange::motionRemoved(int32_t bundle, int32_t index, std::unique_ptr<Motion> motion) {
  Edit edit{Kind::MotionOut, bundle, index};
  edit.motion = std::move(motion);
  add(std::move(edit), sizeof(Motion));
}

void MotionChange::bundleInserted(int32_t index) {
  const MotionBundle* bundle = file_.get(index);
  add(Edit{Kind::BundleIn, index, 0}, bundle ? BundleBytes(*bundle) : 0);
}

void MotionChange::bundleRemoved(int32_t index, std::unique_ptr<MotionBundle> bundle) {
  Edit edit{Kind::BundleOut, index, 0};
  const size_t held = bundle ? BundleBytes(*bundle) : 0;
  edit.group = std::move(bundle);
  add(std::move(edit), held);
}

void MotionChange::spriteInserted(int32_t index) {
  const Sprite* sprite = file_.sprites.Get(index);
  add(Edit{Kind::SpriteIn, 0, index}, sprite ? SpriteBytes(*sprite) : 0);
}

void MotionChange::spriteRemoved(int32_t index, std::unique_ptr<Sprite> sprite) {
  Edit edit{Kind::SpriteOut, 0, index};
  const size_t held = sprite ? SpriteBytes(*sprite) : 0;
  edit.sprite = std::move(sprite);
  add(std::move(edit), held);
}

void MotionChange::finish() {
  after_ = CurrentSelection(file_);
}

void MotionChange::bringIn(Edit& edit) {
  switch (edit.kind) {
    case Kind::MotionIn:
    case Kind::MotionOut:
      if (MotionBundle* bundle = file_.get(edit.bundle)) bundle->insertAt(edit.index, std::move(edit.motion));
      break;
    case Kind::BundleIn:
    case Kind::BundleOut:
      file_.insertAt(edit.bundle, std::move(edit.group));
      break;
    case Kind::SpriteIn:
    case Kind::SpriteOut:
      file_.sprites.Insert(std::move(edit.sprite), edit.index);
      break;
    case Kind::MotionValue:
      break;
  }
}

void MotionChange::takeOut(Edit& edit) {
  switch (edit.kind) {
    case Kind::MotionIn:
    case Kind::MotionOut:
      if (MotionBundle* bundle = file_.get(edit.bundle)) {
        edit.motion = bundle->takeAt(edit.index);
        references_.forgetMotion(edit.motion.get());
      }
      break;
    case Kind::BundleIn:
    case Kind::BundleOut:
      edit.group = file_.takeAt(edit.bundle);
      references_.forgetBundle(edit.group.get());
      break;
    case Kind::SpriteIn:
    case Kind::SpriteOut:
      edit.sprite = file_.sprites.Take(edit.index);
      break;
    case Kind::MotionValue:
      break;
  }
}

void MotionChange::undo() {
  for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) {
    Edit& edit = *it;
    if (edit.kind == Kind::MotionValue) {
      if (MotionBundle* bundle = file_.get(edit.bundle)) {
        if (Motion* motion = bundle->get(edit.index)) std::swap(*motion, edit.value);
      }
    } else if (edit.kind == Kind::MotionIn || edit.kind == Kind::BundleIn || edit.kind == Kind::SpriteIn) {
      takeOut(edit);
    } else {
      bringIn(edit);
    }
  }
  select(before_);
}

void MotionChange::redo() {
  for (Edit& edit : edits_) {
    if (edit.kind == Kind::MotionValue) {
      if (MotionBundle* bundle = file_.get(edit.bundle)) {
        if (Motion* motion = bundle->get(edit.index)) std::swap(*motion, edit.value);
      }
    } else if (edit.kind == Kind::MotionIn || edit.kind == Kind::BundleIn || edit.kind == Kind::SpriteIn) {
      bringIn(edit);
    } else {
      takeOut(edit);
    }
  }
  select(after_);
}

void MotionChange::select(const MotionSelection& selection) {
  file_.select(selection.bundle);
  if (MotionBundle* bundle = file_.current()) bundle->select(selection.motion);
  file_.sprites.SetCurrent(selection.sprite);
}
