#include "ui/settings_block.h"

#include <algorithm>
#include <cstring>

void SettingsBytes::overlay(const std::vector<uint8_t>& file) {
  std::copy_n(file.begin(), std::min(file.size(), bytes_.size()), bytes_.begin());
}

int32_t SettingsBytes::readInt(size_t offset) const {
  if (offset + 4 > bytes_.size()) return 0;
  const uint8_t* p = &bytes_[offset];
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                              uint32_t(p[3]) << 24);
}

void SettingsBytes::writeInt(size_t offset, int32_t value) {
  if (offset + 4 > bytes_.size()) return;
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

WindowRect SettingsBytes::readRect(size_t offset) const {
  return WindowRect{readInt(offset), readInt(offset + 4), readInt(offset + 8), readInt(offset + 12)};
}

void SettingsBytes::writeRect(size_t offset, const WindowRect& rect) {
  writeInt(offset, rect.left);
  writeInt(offset + 4, rect.top);
  writeInt(offset + 8, rect.right);
  writeInt(offset + 12, rect.bottom);
}

bool SettingsBytes::readText(size_t offset, std::string& text) const {
  if (offset + kSettingsTextField > bytes_.size()) return false;
  const auto* begin = reinterpret_cast<const char*>(&bytes_[offset]);
  const void* zero = std::memchr(begin, 0, kSettingsTextField);
  if (zero == nullptr) return false;
  text.assign(begin, static_cast<const char*>(zero));
  return true;
}

void SettingsBytes::writeText(size_t offset, const std::string& text) {
  if (offset + kSettingsTextField > bytes_.size()) return;
  const std::string cut = CutText(text, kSettingsTextField - 1);
  std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), kSettingsTextField, uint8_t{0});
  std::copy(cut.begin(), cut.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

void SettingsBytes::writeColours(size_t offset, const CustomColours& colours) {
  for (uint32_t colour : colours) {
    writeInt(offset, static_cast<int32_t>(colour));
    offset += 4;
  }
}

int32_t CheckedInt(int32_t value, int32_t min, int32_t max, int32_t fallback) {
  return value >= min && value <= max ? value : fallback;
}

bool CheckedFlag(int32_t value, bool fallback) {
  return value == 0 || value == 1 ? value == 1 : fallback;
}

uint32_t CheckedColour(int32_t value, uint32_t fallback) {
  return (static_cast<uint32_t>(value) & 0xFF000000u) == 0 ? static_cast<uint32_t>(value) : fallback;
}

WindowPlacement PlacementOf(const WindowRect& rect) {
  const int64_t width = int64_t(rect.right) - rect.left;
  const int64_t height = int64_t(rect.bottom) - rect.top;
  if (rect == kSystemChosenRect || width < 1 || height < 1 || width > INT32_MAX || height > INT32_MAX)
    return WindowPlacement{};
  return WindowPlacement{false, rect.left, rect.top, static_cast<int32_t>(width),
                         static_cast<int32_t>(height)};
}

WindowRect CheckedRect(const WindowRect& rect, const ScreenArea& screen, const WindowRect& fallback) {
  if (rect == kSystemChosenRect) return rect;
  const int64_t width = int64_t(rect.right) - rect.left;
  const int64_t height = int64_t(rect.bottom) - rect.top;
  if (width < 1 || height < 1 || width > 32767 || height > 32767) return fallback;
  const int64_t visibleWidth = std::min<int64_t>(rect.right, screen.right) - std::max(rect.left, screen.left);
  const int64_t visibleHeight =
      std::min<int64_t>(rect.bottom, screen.bottom) - std::max(rect.top, screen.top);
  const int64_t need = 16;
  if (visibleWidth < std::min(need, width) || visibleHeight < std::min(need, height)) return fallback;
  return rect;
}

CustomColours CheckedColours(const SettingsBytes& block, size_t offset, const CustomColours& fallback) {
  CustomColours colours = fallback;
  for (uint32_t& colour : colours) {
    colour = CheckedColour(block.readInt(offset), colour);
    offset += 4;
  }
  return colours;
}

std::string CheckedText(const SettingsBytes& block, size_t offset, const std::string& fallback) {
  std::string text;
  return block.readText(offset, text) ? text : fallback;
}

std::string CutText(const std::string& text, size_t limit) {
  size_t end = 0;
  while (end < text.size() && text[end] != '\0') {
    const bool lead =
        static_cast<uint8_t>(text[end]) >= 0x80 && end + 1 < text.size() && text[end + 1] != '\0';
    const size_t step = lead ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return text.substr(0, end);
}
