#pragma once
// The values and the OK rules of the motion editor's dialogs. Each dialog object
// lives for the whole run, so what the caller does not overwrite stays from one
// opening to the next. The Win32 dialogs only move texts and check states in and
// out of these objects and show the warning an OK returns.

#include <array>
#include <cstdint>
#include <string>

#include "motion/editor/sound_sink.h"
#include "motion/editor/zorv_settings.h"
#include "motion/motion.h"
#include "ui/dialog_result.h"
#include "ui/file_filter.h"
#include "ui/user_prompts.h"

class MotionFile;

// The edits of the dialogs take at most this many bytes.
constexpr size_t kDialogTextLimit = 255;

class NewBundleDialog {
 public:
  explicit NewBundleDialog(const MotionFile& file) : file_(file) {}
  // The edit's text at opening (the last one entered), all of it selected.
  const std::string& name() const { return name_; }
  // An empty name does nothing; a taken one is refused with a warning.
  DialogResult ok(const std::string& editText);
  // The name the new bundle gets: cut to 31 bytes on a character boundary.
  std::string bundleName() const;

 private:
  const MotionFile& file_;
  std::string name_;
};

class DelayDialog {
 public:
  int32_t currentDelay = kDefaultMotionDelay;
  int32_t defaultDelay = kDefaultMotionDelay;
  bool wholeBundle = false;  // "현재 동작 묶음 전부"

  std::string currentText() const { return std::to_string(currentDelay); }
  std::string defaultText() const { return std::to_string(defaultDelay); }
  // Texts that are not numbers read 0; both values must lie in 1 to 60.
  DialogResult ok(const std::string& currentText, const std::string& defaultText, bool wholeBundleChecked);
};

class SoundDialog {
 public:
  explicit SoundDialog(SoundSink& sound) : sound_(sound) {}
  std::string name;        // the motion's sound
  std::string folderPath;  // a full path whose folder part is used

  // "찾아보기...": the chosen file gives both texts and is played at once.
  void browsed(const ChosenFile& file);
  // "재생": the held name in the held folder (typed text counts only after OK).
  void play();
  std::string playPath() const { return WavePath(folderPath, name); }
  DialogResult ok(const std::string& editText);

 private:
  SoundSink& sound_;
};

using FlagTexts = std::array<std::string, kMotionFlagCount>;

// The 32 bits from bit 31 down without leading zeros; 0 gives "0".
std::string BinaryFlagText(int32_t value);
// Every character other than '0' is a one; characters beyond the lowest 32 bits
// fall off the top.
int32_t ReadBinaryFlagText(const std::string& text);

class FlagsDialog {
 public:
  MotionFlags values{};
  bool binary = false;  // "2 진수"

  FlagTexts texts() const;
  // "2 진수" clicked: the shown texts are read in the shown mode and written back in
  // the new one; the stored values stay until OK.
  FlagTexts switchMode(const FlagTexts& shown, bool binaryChecked);
  DialogResult ok(const FlagTexts& shown);

 private:
  int32_t read(const std::string& text) const;
};

class EffectsDialog {
 public:
  bool flipLeftRight = false;
  bool flipUpDown = false;
  bool translucent = false;

  void load(int32_t effects);
  // The other bits are cleared.
  int32_t effects() const;
  DialogResult ok(bool leftRight, bool upDown, bool translucentChecked);
};

// "애니메이션 GIF로 저장": scale, background and the marks drawn; the values stay for
// the run.
class GifExportDialog {
 public:
  int32_t scale = 1;
  bool transparent = false;  // "배경 투명"
  bool boxes = false;        // "충돌 박스"
  bool points = false;       // "포인트"

  std::string scaleText() const { return std::to_string(scale); }
  // The scale must lie in 1 to 4.
  DialogResult ok(const std::string& scaleText, bool transparentChecked, bool boxesChecked,
                  bool pointsChecked);
};
