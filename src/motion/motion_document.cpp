#include "motion/motion_document.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/save_file.h"
#include "motion/motion_file_io.h"
#include "sprites/equal_sprites.h"

namespace {

bool ValidNumber(int n, int count) {
  return n >= 1 && n <= count;
}

}  // namespace

Motion* MotionDocument::currentMotion() const {
  MotionBundle* bundle = file.current();
  return bundle ? bundle->current() : nullptr;
}

MotionDocument::Recording::Recording(MotionDocument& doc) : doc_(doc), outermost_(doc.change_ == nullptr) {
  if (outermost_) doc_.change_ = std::make_unique<MotionChange>(doc_.file, doc_);
}

MotionDocument::Recording::~Recording() {
  if (!outermost_) return;
  std::unique_ptr<MotionChange> change = std::move(doc_.change_);
  if (change->empty()) return;
  change->finish();
  doc_.history.push(std::move(change));
}

bool MotionDocument::changed() {
  modified = true;
  return true;
}

template <typename Edit>
bool MotionDocument::editMotions(bool all, Edit edit) {
  MotionBundle* bundle = file.current();
  Motion* motion = bundle ? bundle->current() : nullptr;
  if (!motion) return false;
  Recording recording(*this);
  const int32_t bundleIndex = file.currentIndex();
  bool any = false;
  auto editOne = [&](int32_t index) {
    Motion& target = *bundle->get(index);
    const Motion before = target;
    if (!edit(target)) return;
    recording.change().motionEdited(bundleIndex, index, before);
    any = true;
  };
  if (all) {
    for (int32_t i = 0; i < bundle->count(); ++i) editOne(i);
  } else {
    editOne(bundle->currentIndex());
  }
  return any && changed();
}

void MotionDocument::forgetMotion(const Motion* motion) {
  if (motion == nullptr) return;
  if (clipboard.motion == motion) clipboard.clear();
  if (shadow.motion == motion) {
    shadow.clear();
    autoShadow = true;
  }
}

void MotionDocument::forgetBundle(const MotionBundle* bundle) {
  if (bundle == nullptr) return;
  if (clipboard.bundle == bundle) clipboard.clear();
  if (shadow.bundle == bundle) {
    shadow.clear();
    autoShadow = true;
  }
}

bool MotionDocument::undo() {
  if (!history.undo()) return false;
  modified = !history.atSaved();
  return true;
}

bool MotionDocument::redo() {
  if (!history.redo()) return false;
  modified = !history.atSaved();
  return true;
}

bool MotionDocument::stampMotion(int32_t mouseX, int32_t mouseY) {
  MotionBundle* bundle = file.current();
  Sprite* sprite = file.sprites.Current();
  if (!bundle || !sprite || mouseX == kUnset || mouseY == kUnset) return false;
  auto motion = std::make_unique<Motion>();
  motion->sprite = sprite;
  motion->relX = mouseX - sprite->width / 2;
  motion->relY = mouseY - sprite->height / 2;
  motion->delay = defaultDelay;
  Recording recording(*this);
  const int32_t at = std::min(bundle->currentIndex(), bundle->count());
  Motion* stamped = bundle->insertBeforeCurrent(std::move(motion));
  recording.change().motionInserted(file.currentIndex(), at);
  if (autoShadow) shadow = MotionShadow{bundle, stamped};
  return changed();
}

bool MotionDocument::newBundle(std::string_view name) {
  auto bundle = std::make_unique<MotionBundle>(name);
  Recording recording(*this);
  if (!file.append(std::move(bundle))) return false;
  recording.change().bundleInserted(file.count() - 1);
  return changed();
}

bool MotionDocument::deleteBundle() {
  MotionBundle* bundle = file.current();
  if (!bundle) return false;
  forgetBundle(bundle);
  Recording recording(*this);
  const int32_t index = file.currentIndex();
  recording.change().bundleRemoved(index, file.takeAt(index));
  if (!file.current() && file.count() > 0) file.select(file.count() - 1);
  return changed();
}

bool MotionDocument::nextBundle() {
  if (file.count() < 2) return false;
  if (!file.select(file.currentIndex() + 1)) file.select(0);
  return true;
}

bool MotionDocument::selectBundle(int32_t index) {
  return file.select(index);
}

bool MotionDocument::mark(ClipboardMode mode) {
  MotionBundle* bundle = file.current();
  Motion* motion = bundle ? bundle->current() : nullptr;
  if (!motion || mode == ClipboardMode::Empty) return false;
  clipboard = MotionClipboard{bundle, motion, mode};
  return true;
}

bool MotionDocument::paste() {
  MotionBundle* target = file.current();
  Motion* source = clipboard.motion;
  if (clipboard.empty() || !target || !source) return false;
  const int32_t targetIndex = file.currentIndex();
  auto insertCopy = [&](Recording& recording) {
    const int32_t at = std::min(target->currentIndex(), target->count());
    target->insertBeforeCurrent(std::make_unique<Motion>(*source));
    recording.change().motionInserted(targetIndex, at);
  };
  switch (clipboard.mode) {
    case ClipboardMode::Copy: {
      Recording recording(*this);
      insertCopy(recording);
      return changed();
    }
    case ClipboardMode::Cut: {
      Recording recording(*this);
      insertCopy(recording);
      // The cut motion stayed in its bundle until now; its follower becomes current there.
      MotionBundle* from = clipboard.bundle;
      forgetMotion(source);
      clipboard.clear();
      const int32_t at = from->indexOf(source);
      from->select(at);
      recording.change().motionRemoved(file.indexOf(from), at, from->takeAt(at));
      return changed();
    }
    case ClipboardMode::InfoOnly: {
      Motion* motion = target->current();
      if (!motion || motion->sameInfo(*source)) return false;
      const Motion info = *source;
      return editMotions(false, [&](Motion& m) {
        m.takeInfoFrom(info);
        return true;
      });
    }
    case ClipboardMode::Empty:
      break;
  }
  return false;
}

bool MotionDocument::deleteMotion() {
  MotionBundle* bundle = file.current();
  Motion* motion = bundle ? bundle->current() : nullptr;
  if (!motion) return false;
  forgetMotion(motion);
  Recording recording(*this);
  const int32_t at = bundle->currentIndex();
  recording.change().motionRemoved(file.currentIndex(), at, bundle->takeAt(at));
  return changed();
}

bool MotionDocument::setShadow() {
  MotionBundle* bundle = file.current();
  Motion* motion = bundle ? bundle->current() : nullptr;
  if (!motion) return false;
  shadow = MotionShadow{bundle, motion};
  autoShadow = false;
  return true;
}

bool MotionDocument::moveMotions(int32_t dx, int32_t dy, bool all) {
  if (dx == 0 && dy == 0) return false;
  return editMotions(all, [&](Motion& m) {
    m.moveBy(dx, dy);
    return true;
  });
}

bool MotionDocument::setBox(int n, int32_t xa, int32_t ya, int32_t xb, int32_t yb, bool all) {
  if (!ValidNumber(n, kMotionBoxCount) || xa == kUnset || ya == kUnset || xb == kUnset || yb == kUnset)
    return false;
  MotionBox box{std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
  if (box.x1 == box.x2 || box.y1 == box.y2) return false;
  return editMotions(all, [&](Motion& m) {
    MotionBox& slot = m.boxes[static_cast<size_t>(n - 1)];
    if (slot == box) return false;
    slot = box;
    return true;
  });
}

bool MotionDocument::setPoint(int n, int32_t x, int32_t y, bool all) {
  if (!ValidNumber(n, kMotionPointCount) || x == kUnset || y == kUnset) return false;
  MotionPoint point{x, y};
  return editMotions(all, [&](Motion& m) {
    MotionPoint& slot = m.points[static_cast<size_t>(n - 1)];
    if (slot == point) return false;
    slot = point;
    return true;
  });
}

bool MotionDocument::clearBox(int n) {
  if (!ValidNumber(n, kMotionBoxCount)) return false;
  return editMotions(false, [&](Motion& m) {
    MotionBox& slot = m.boxes[static_cast<size_t>(n - 1)];
    if (!slot.isSet()) return false;
    slot.unset();
    return true;
  });
}

bool MotionDocument::clearPoint(int n) {
  if (!ValidNumber(n, kMotionPointCount)) return false;
  return editMotions(false, [&](Motion& m) {
    MotionPoint& slot = m.points[static_cast<size_t>(n - 1)];
    if (!slot.isSet()) return false;
    slot.unset();
    return true;
  });
}

bool MotionDocument::setDelay(int32_t delay, int32_t newDefaultDelay, bool all) {
  auto inRange = [](int32_t d) { return d >= kMinMotionDelay && d <= kMaxMotionDelay; };
  if (!currentMotion() || !inRange(delay) || !inRange(newDefaultDelay)) return false;
  defaultDelay = newDefaultDelay;
  return editMotions(all, [&](Motion& m) {
    if (m.delay == delay) return false;
    m.delay = delay;
    return true;
  });
}

bool MotionDocument::setFlags(const MotionFlags& flags) {
  return editMotions(false, [&](Motion& m) {
    if (m.flags == flags) return false;
    m.flags = flags;
    return true;
  });
}

bool MotionDocument::setSound(std::string_view name) {
  FixedName sound(name);
  return editMotions(false, [&](Motion& m) {
    // The same text keeps the stored bytes as they are.
    if (m.sound.str() == sound.str()) return false;
    m.sound = sound;
    return true;
  });
}

bool MotionDocument::setEffects(bool flipLeftRight, bool flipUpDown, bool translucent) {
  int32_t effects = (flipLeftRight ? MotionEffect::FlipLeftRight : 0) |
                    (flipUpDown ? MotionEffect::FlipUpDown : 0) |
                    (translucent ? MotionEffect::Translucent : 0);
  return editMotions(false, [&](Motion& m) {
    if (m.effects == effects) return false;
    m.effects = effects;
    return true;
  });
}

bool MotionDocument::cleanSprites() {
  std::unordered_set<const Sprite*> used;
  for (const auto& bundle : file.bundles()) {
    for (const auto& motion : bundle->items()) {
      if (motion->sprite) used.insert(motion->sprite);
    }
  }
  // Taking every sprite from the end and appending the used ones again keeps the
  // order and costs one pass, where deleting in the middle would shift the rest each
  // time. The current sprite stays current when kept, else the next kept one.
  SpriteSet& set = file.sprites;
  Recording recording(*this);
  int32_t oldCurrent = set.CurrentIndex();
  std::vector<std::unique_ptr<Sprite>> all;
  all.reserve(static_cast<size_t>(set.Count()));
  while (set.Count() > 0) all.push_back(set.Take(set.Count() - 1));
  std::reverse(all.begin(), all.end());
  int32_t newCurrent = -1;
  int32_t removed = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    if (!used.count(all[i].get())) {
      // Recorded as if removed one by one from the front: the index it had once the
      // ones before it were gone.
      recording.change().spriteRemoved(static_cast<int32_t>(i) - removed++, std::move(all[i]));
      continue;
    }
    if (newCurrent < 0 && static_cast<int64_t>(i) >= oldCurrent) newCurrent = set.Count();
    set.Append(std::move(all[i]));
  }
  set.SetCurrent(newCurrent < 0 ? set.Count() : newCurrent);
  return changed();
}

bool MotionDocument::addSprites(std::vector<std::unique_ptr<Sprite>> sprites) {
  SpriteSet& set = file.sprites;
  Recording recording(*this);
  EqualSprites known(set);
  for (auto& sprite : sprites) {
    if (!sprite || known.findOrAdd(*sprite)) continue;
    const int32_t at = std::min(set.CurrentIndex(), set.Count());
    set.Insert(std::move(sprite), -1);
    recording.change().spriteInserted(at);
  }
  // Even sprites that brought nothing new count as a change.
  return changed();
}

bool MotionDocument::clearDocument() {
  bool hadContent = !file.empty();
  file.clear();
  history.clear();
  modified = false;
  clipboard.clear();
  shadow.clear();
  autoShadow = true;
  return hadContent;
}

ReadResult MotionDocument::open(std::istream& in) {
  const ReadResult read = ReadMotionFileWithReason(file, in);
  if (!read) return read;
  history.clear();
  modified = false;
  clipboard.clear();
  shadow.clear();
  autoShadow = true;
  return read;
}

bool MotionDocument::saveFile(const std::filesystem::path& path) {
  bool saved = SaveFileSafely(path, [this](std::ostream& out) { return WriteMotionFile(file, out) != 0; });
  if (saved) {
    modified = false;
    history.markSaved();
  }
  return saved;
}
