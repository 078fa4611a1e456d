#include "cutter/editor/cutter_settings.h"

#include "cutter/cut.h"

namespace {

// Offsets of the fields in the block.
constexpr size_t kMaximised = 0x000;
constexpr size_t kFrameRect = 0x004;
constexpr size_t kSpriteWindowRect = 0x014;
constexpr size_t kDetailWindowRect = 0x024;
constexpr size_t kDetailShown = 0x034;
constexpr size_t kIgnoreTransparent = 0x038;
constexpr size_t kZoom = 0x03C;
constexpr size_t kCutWidth = 0x040;
constexpr size_t kCutHeight = 0x044;
constexpr size_t kBackgroundIndex = 0x048;
constexpr size_t kSystemIndex = 0x04C;
constexpr size_t kShadowIndex = 0x050;
constexpr size_t kSystemColour = 0x054;
constexpr size_t kBackgroundColour = 0x058;
constexpr size_t kShadowColour = 0x05C;
constexpr size_t kCustomColours = 0x060;
constexpr size_t kSpriteName = 0x0A0;
constexpr size_t kSpritePath = 0x1A4;
constexpr size_t kPaletteName = 0x2A8;
constexpr size_t kPalettePath = 0x3AC;
constexpr size_t kPictureName = 0x4B0;
constexpr size_t kPicturePath = 0x5B4;
static_assert(kPicturePath + kSettingsTextField == kCutterSettingsSize);

SettingsBytes Encode(const CutterSettings& s) {
  SettingsBytes b(kCutterSettingsSize);
  b.writeInt(kMaximised, s.maximised ? 1 : 0);
  b.writeRect(kFrameRect, s.frameRect);
  b.writeRect(kSpriteWindowRect, s.spriteWindowRect);
  b.writeRect(kDetailWindowRect, s.detailWindowRect);
  b.writeInt(kDetailShown, s.detailShown ? 1 : 0);
  b.writeInt(kIgnoreTransparent, s.ignoreTransparent ? 1 : 0);
  b.writeInt(kZoom, s.zoom);
  b.writeInt(kCutWidth, s.cutWidth);
  b.writeInt(kCutHeight, s.cutHeight);
  b.writeInt(kBackgroundIndex, s.backgroundIndex);
  b.writeInt(kSystemIndex, s.systemIndex);
  b.writeInt(kShadowIndex, s.shadowIndex);
  b.writeInt(kSystemColour, static_cast<int32_t>(s.systemColour));
  b.writeInt(kBackgroundColour, static_cast<int32_t>(s.backgroundColour));
  b.writeInt(kShadowColour, static_cast<int32_t>(s.shadowColour));
  b.writeColours(kCustomColours, s.customColours);
  b.writeText(kSpriteName, s.spriteName);
  b.writeText(kSpritePath, s.spritePath);
  b.writeText(kPaletteName, s.paletteName);
  b.writeText(kPalettePath, s.palettePath);
  b.writeText(kPictureName, s.pictureName);
  b.writeText(kPicturePath, s.picturePath);
  return b;
}

int32_t Index(const SettingsBytes& b, size_t offset, int32_t fallback) {
  return CheckedInt(b.readInt(offset), 0, 255, fallback);
}

}  // namespace

std::vector<uint8_t> EncodeCutterSettings(const CutterSettings& settings) {
  return Encode(settings).bytes();
}

CutterSettings DecodeCutterSettings(const std::vector<uint8_t>& file, const ScreenArea& screen) {
  const CutterSettings d;
  SettingsBytes b = Encode(d);
  b.overlay(file);
  CutterSettings s;
  s.maximised = CheckedFlag(b.readInt(kMaximised), false);
  s.frameRect = CheckedRect(b.readRect(kFrameRect), screen, d.frameRect);
  s.spriteWindowRect = CheckedRect(b.readRect(kSpriteWindowRect), screen, d.spriteWindowRect);
  s.detailWindowRect = CheckedRect(b.readRect(kDetailWindowRect), screen, d.detailWindowRect);
  s.detailShown = CheckedFlag(b.readInt(kDetailShown), true);
  s.ignoreTransparent = CheckedFlag(b.readInt(kIgnoreTransparent), false);
  s.zoom = CheckedInt(b.readInt(kZoom), 1, 4, d.zoom);
  s.cutWidth = CheckedInt(b.readInt(kCutWidth), 1, kMaxCutSize, d.cutWidth);
  s.cutHeight = CheckedInt(b.readInt(kCutHeight), 1, kMaxCutSize, d.cutHeight);
  if (!CutSizeAllowed(s.cutWidth, s.cutHeight)) {
    s.cutWidth = d.cutWidth;
    s.cutHeight = d.cutHeight;
  }
  s.backgroundIndex = Index(b, kBackgroundIndex, d.backgroundIndex);
  s.systemIndex = Index(b, kSystemIndex, d.systemIndex);
  s.shadowIndex = Index(b, kShadowIndex, d.shadowIndex);
  s.systemColour = CheckedColour(b.readInt(kSystemColour), d.systemColour);
  s.backgroundColour = CheckedColour(b.readInt(kBackgroundColour), d.backgroundColour);
  s.shadowColour = CheckedColour(b.readInt(kShadowColour), d.shadowColour);
  s.customColours = CheckedColours(b, kCustomColours, d.customColours);
  s.spriteName = CheckedText(b, kSpriteName, d.spriteName);
  s.spritePath = CheckedText(b, kSpritePath, d.spritePath);
  s.paletteName = CheckedText(b, kPaletteName, d.paletteName);
  s.palettePath = CheckedText(b, kPalettePath, d.palettePath);
  s.pictureName = CheckedText(b, kPictureName, d.pictureName);
  s.picturePath = CheckedText(b, kPicturePath, d.picturePath);
  return s;
}
