#pragma once
// The rules of "색 설정하기": the dialog works on copies of the three interface
// colours; a swatch button opens the colour chooser, whose pick replaces that
// button's copy. Only OK hands the copies back; the chooser's sixteen custom colours
// are kept whatever the outcome.

#include <array>
#include <cstdint>

#include "cutter/editor/cutter_settings.h"

// Swatch buttons of the dialog.
constexpr int kColourButtonBackground = 4;
constexpr int kColourButtonSystem = 7;
constexpr int kColourButtonShadow = 8;

class ColourDialog {
 public:
  explicit ColourDialog(const CutterSettings& settings);

  // The colour a swatch shows (0 for an unknown button).
  uint32_t colourOf(int button) const;
  // The chooser's pick for a swatch; unknown buttons are ignored.
  void pick(int button, uint32_t colour);
  // Given to the chooser, which may change them.
  std::array<uint32_t, 16>& customColours() { return custom_; }

  // After the dialog: the custom colours always, the three colours only when
  // confirmed.
  void finish(bool confirmed, CutterSettings& settings) const;

 private:
  uint32_t* slot(int button);

  uint32_t background_;
  uint32_t system_;
  uint32_t shadow_;
  std::array<uint32_t, 16> custom_;
};
