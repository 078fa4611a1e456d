#pragma once
// One undoable step of the motion editor: the changes an operation made to the
// document, in the order made, and the selection before and after. A change of a
// motion's values keeps the other state of that motion; an insertion or removal
// keeps the object that went out of the document, so undo and redo move the very
// same motions, bundles and sprites in and out, and every pointer to them (the
// motions' sprites) stays right. A step holds only what it changed.

#include <cstdint>
#include <memory>
#include <vector>

#include "motion/motion.h"
#include "motion/motion_bundle.h"
#include "motion/motion_file.h"
#include "sprites/sprite.h"
#include "ui/undo_history.h"

// Whoever keeps pointers into the document (the clipboard, the shadow) lets go of an
// object that leaves it.
class MotionReferences {
 public:
  virtual void forgetMotion(const Motion* motion) = 0;
  virtual void forgetBundle(const MotionBundle* bundle) = 0;

 protected:
  ~MotionReferences() = default;
};

// The current bundle, its current motion and the current sprite.
struct MotionSelection {
  int32_t bundle = 0;
  int32_t motion = 0;
  int32_t sprite = 0;
};

class MotionChange : public UndoStep {
 public:
  // Takes the selection before the change.
  MotionChange(MotionFile& file, MotionReferences& references);

  // What an operation reports as it changes the document (indices as they are at
  // that moment). The document already holds the new state.
  void motionEdited(int32_t bundle, int32_t index, const Motion& before);
  void motionInserted(int32_t bundle, int32_t index);
  void motionRemoved(int32_t bundle, int32_t index, std::unique_ptr<Motion> motion);
  void bundleInserted(int32_t index);
  void bundleRemoved(int32_t index, std::unique_ptr<MotionBundle> bundle);
  void spriteInserted(int32_t index);
  void spriteRemoved(int32_t index, std::unique_ptr<Sprite> sprite);
  // Takes the selection after the change.
  void finish();
  bool empty() const { return edits_.empty(); }

  void undo() override;
  void redo() override;
  size_t bytes() const override { return bytes_; }

 private:
  enum class Kind { MotionValue, MotionIn, MotionOut, BundleIn, BundleOut, SpriteIn, SpriteOut };
  struct Edit {
    Edit(Kind k, int32_t b, int32_t i) : kind(k), bundle(b), index(i) {}
    Kind kind;
    int32_t bundle = 0;
    int32_t index = 0;
    Motion value;                         // the other state of an edited motion
    std::unique_ptr<Motion> motion;       // a motion while it is out of the document
    std::unique_ptr<MotionBundle> group;  // a bundle while it is out of the document
    std::unique_ptr<Sprite> sprite;       // a sprite while it is out of the document
  };
  // Puts the object of an insertion into the document (in) or takes it out.
  void bringIn(Edit& edit);
  void takeOut(Edit& edit);
  void select(const MotionSelection& selection);
  void add(Edit edit, size_t heldBytes);

  MotionFile& file_;
  MotionReferences& references_;
  MotionSelection before_;
  MotionSelection after_;
  std::vector<Edit> edits_;
  size_t bytes_ = sizeof(MotionChange);
};
