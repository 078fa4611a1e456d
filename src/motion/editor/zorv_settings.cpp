#include "motion/editor/zorv_settings.h"

#include "motion/motion.h"
#include "ui/zoom_view.h"

namespace {

// Offsets of the fields in the block.
constexpr size_t kMaximised = 0x000;
constexpr size_t kMainWindow = 0x004;
constexpr size_t kSpriteWindow = 0x014;
constexpr size_t kMotionWindow = 0x024;
constexpr size_t kBasePoint = 0x034;
constexpr size_t kInfoPoint = 0x03C;
constexpr size_t kRepeat = 0x044;
constexpr size_t kShowBoxes = 0x048;
constexpr size_t kShowInfo = 0x04C;
constexpr size_t kShowBaseLine = 0x050;
constexpr size_t kSpriteWindowShown = 0x054;
constexpr size_t kShowPoints = 0x058;
constexpr size_t kZoom = 0x05C;
constexpr size_t kDefaultDelay = 0x060;
constexpr size_t kIndices = 0x064;  // system, background, shadow, boxes 1 to 6
constexpr size_t kColours = 0x088;  // the same order as RGB values
constexpr size_t kCustomColours = 0x0AC;
constexpr size_t kMotionFileName = 0x0EC;
constexpr size_t kMotionFilePath = 0x1F0;
constexpr size_t kPaletteFileName = 0x2F4;
constexpr size_t kPaletteFilePath = 0x3F8;
constexpr size_t kSpriteFileName = 0x4FC;
constexpr size_t kSpriteFilePath = 0x600;
constexpr size_t kWaveDirectory = 0x704;
static_assert(kWaveDirectory + kSettingsTextField == kZorvSettingsSize,
              "the block ends with the wave folder");

struct TextField {
  size_t offset;
  std::string ZorvSettings::*member;
};
constexpr TextField kTexts[] = {
    {kMotionFileName, &ZorvSettings::motionFileName},   {kMotionFilePath, &ZorvSettings::motionFilePath},
    {kPaletteFileName, &ZorvSettings::paletteFileName}, {kPaletteFilePath, &ZorvSettings::paletteFilePath},
    {kSpriteFileName, &ZorvSettings::spriteFileName},   {kSpriteFilePath, &ZorvSettings::spriteFilePath},
    {kWaveDirectory, &ZorvSettings::waveDirectory}};

struct FlagField {
  size_t offset;
  bool ZorvSettings::*member;
};
constexpr FlagField kFlags[] = {
    {kMaximised, &ZorvSettings::maximised},       {kRepeat, &ZorvSettings::repeatPlayback},
    {kShowBoxes, &ZorvSettings::showBoxes},       {kShowInfo, &ZorvSettings::showInfo},
    {kShowBaseLine, &ZorvSettings::showBaseLine}, {kSpriteWindowShown, &ZorvSettings::spriteWindowShown},
    {kShowPoints, &ZorvSettings::showPoints}};

// The nine colours and their indices share one order in the block.
template <typename Colours, typename Value>
std::array<Value*, 3 + kBoxColourCount> InBlockOrder(Colours& c) {
  return {&c.system,   &c.background, &c.shadow,   &c.boxes[0], &c.boxes[1],
          &c.boxes[2], &c.boxes[3],   &c.boxes[4], &c.boxes[5]};
}

}  // namespace

bool ZorvSettings::operator==(const ZorvSettings& o) const {
  return EncodeZorvSettings(*this) == EncodeZorvSettings(o);
}

std::vector<uint8_t> EncodeZorvSettings(const ZorvSettings& s) {
  SettingsBytes block(kZorvSettingsSize);
  for (const FlagField& f : kFlags) block.writeInt(f.offset, s.*f.member ? 1 : 0);
  block.writeRect(kMainWindow, s.mainWindow);
  block.writeRect(kSpriteWindow, s.spriteWindow);
  block.writeRect(kMotionWindow, s.motionWindow);
  block.writeInt(kBasePoint, s.baseX);
  block.writeInt(kBasePoint + 4, s.baseY);
  block.writeInt(kInfoPoint, s.infoX);
  block.writeInt(kInfoPoint + 4, s.infoY);
  block.writeInt(kZoom, s.zoom);
  block.writeInt(kDefaultDelay, s.defaultDelay);
  ColourIndices indices = s.indices;
  EditorColours colours = s.colours;
  const auto indexFields = InBlockOrder<ColourIndices, int>(indices);
  const auto colourFields = InBlockOrder<EditorColours, uint32_t>(colours);
  for (size_t i = 0; i < indexFields.size(); ++i) {
    block.writeInt(kIndices + 4 * i, *indexFields[i]);
    block.writeInt(kColours + 4 * i, static_cast<int32_t>(*colourFields[i]));
  }
  block.writeColours(kCustomColours, s.customColours);
  for (const TextField& t : kTexts) block.writeText(t.offset, s.*t.member);
  return block.bytes();
}

ZorvSettings DecodeZorvSettings(const std::vector<uint8_t>& file, const ScreenArea& screen) {
  const ZorvSettings defaults;
  SettingsBytes block(kZorvSettingsSize);
  block.overlay(EncodeZorvSettings(defaults));
  block.overlay(file);

  ZorvSettings s;
  for (const FlagField& f : kFlags) s.*f.member = CheckedFlag(block.readInt(f.offset), defaults.*f.member);
  s.mainWindow = CheckedRect(block.readRect(kMainWindow), screen, defaults.mainWindow);
  s.spriteWindow = CheckedRect(block.readRect(kSpriteWindow), screen, defaults.spriteWindow);
  s.motionWindow = CheckedRect(block.readRect(kMotionWindow), screen, defaults.motionWindow);
  const auto position = [&](size_t offset, int32_t fallback) {
    return CheckedInt(block.readInt(offset), -kSettingsPositionLimit, kSettingsPositionLimit, fallback);
  };
  s.baseX = position(kBasePoint, defaults.baseX);
  s.baseY = position(kBasePoint + 4, defaults.baseY);
  s.infoX = position(kInfoPoint, defaults.infoX);
  s.infoY = position(kInfoPoint + 4, defaults.infoY);
  s.zoom = CheckedInt(block.readInt(kZoom), kMinZoom, kMaxZoom, defaults.zoom);
  s.defaultDelay =
      CheckedInt(block.readInt(kDefaultDelay), kMinMotionDelay, kMaxMotionDelay, defaults.defaultDelay);
  ColourIndices defaultIndices = defaults.indices;
  EditorColours defaultColours = defaults.colours;
  const auto indexFields = InBlockOrder<ColourIndices, int>(s.indices);
  const auto colourFields = InBlockOrder<EditorColours, uint32_t>(s.colours);
  const auto indexDefaults = InBlockOrder<ColourIndices, int>(defaultIndices);
  const auto colourDefaults = InBlockOrder<EditorColours, uint32_t>(defaultColours);
  for (size_t i = 0; i < indexFields.size(); ++i) {
    *indexFields[i] = CheckedInt(block.readInt(kIndices + 4 * i), 0, 255, *indexDefaults[i]);
    *colourFields[i] = CheckedColour(block.readInt(kColours + 4 * i), *colourDefaults[i]);
  }
  s.customColours = CheckedColours(block, kCustomColours, defaults.customColours);
  for (const TextField& t : kTexts) s.*t.member = CheckedText(block, t.offset, defaults.*t.member);
  return s;
}
