// Fuzz target: the settings decoder. Any bytes give settings whose every field is in
// range, and encoding them gives a block that decodes to the same settings.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "motion/editor/zorv_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ScreenArea screen{0, 0, 1920, 1080};
  const ZorvSettings s = DecodeZorvSettings(std::vector<uint8_t>(data, data + size), screen);
  const bool sane = s.zoom >= 1 && s.zoom <= 4 && s.defaultDelay >= 1 && s.defaultDelay <= 60 &&
                    s.indices.background >= 0 && s.indices.background <= 255 &&
                    (s.colours.shadow >> 24) == 0 && s.baseX >= -kSettingsPositionLimit &&
                    s.baseX <= kSettingsPositionLimit && s.waveDirectory.size() < kSettingsTextField;
  if (!sane) std::abort();
  const std::vector<uint8_t> block = EncodeZorvSettings(s);
  if (block.size() != kZorvSettingsSize || DecodeZorvSettings(block, screen) != s) std::abort();
  return 0;
}
