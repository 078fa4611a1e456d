#include "art_file.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& s) {
  size_t end = s.size();
  while (end > 0 && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(0, end);
}

bool ParseInt(const std::string& word, int low, int high, int& out) {
  if (word.empty() || word.size() > 9) return false;
  size_t i = word[0] == '-' ? 1 : 0;
  if (i == word.size()) return false;
  for (size_t k = i; k < word.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(word[k]))) return false;
  int v = std::stoi(word);
  if (v < low || v > high) return false;
  out = v;
  return true;
}

bool ParseHexColour(const std::string& word, ArtColour& out) {
  if (word == "none") {
    out = ArtColour{};
    out.transparent = true;
    return true;
  }
  if (word.size() != 6) return false;
  for (char c : word)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  unsigned long v = std::stoul(word, nullptr, 16);
  out.transparent = false;
  out.red = static_cast<uint8_t>(v >> 16);
  out.green = static_cast<uint8_t>(v >> 8);
  out.blue = static_cast<uint8_t>(v);
  return true;
}

bool IsPixelChar(const std::string& word) {
  return word.size() == 1 && std::isgraph(static_cast<unsigned char>(word[0]));
}

}  // namespace

bool ParseArt(const std::string& text, const std::string& sourceName, ArtFile& art, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  auto fail = [&](const std::string& what) {
    error = sourceName + ":" + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string keyword;
    words >> keyword;
    std::vector<std::string> args;
    for (std::string w; words >> w;) args.push_back(w);

    if (keyword == "colour") {
      ArtColour colour;
      if (args.size() < 2 || !IsPixelChar(args[0]) || !ParseHexColour(args[1], colour))
        return fail("expected: colour <char> <rrggbb>|none");
      art.colours[args[0][0]] = colour;  // anything after the colour is a comment
    } else if (keyword == "value") {
      int v = 0;
      if (args.size() < 2 || !IsPixelChar(args[0]) || !ParseInt(args[1], 0, 255, v))
        return fail("expected: value <char> <0-255>");
      art.values[args[0][0]] = v;
    } else if (keyword == "hotspot") {
      if (args.size() != 2 || !ParseInt(args[0], 0, kMaxArtSide - 1, art.hotspotX) ||
          !ParseInt(args[1], 0, kMaxArtSide - 1, art.hotspotY))
        return fail("expected: hotspot <x> <y>");
    } else if (keyword == "image") {
      ArtImage image;
      if (args.size() != 3 || !ParseInt(args[1], 1, kMaxArtSide, image.width) ||
          !ParseInt(args[2], 1, kMaxArtSide, image.height))
        return fail("expected: image <name> <width> <height> (sides 1 to 256)");
      image.name = args[0];
      for (int row = 0; row < image.height; ++row) {
        if (!std::getline(in, raw)) return fail("image '" + image.name + "' ends early");
        ++lineNo;
        std::string pixels = Trim(raw);
        if (static_cast<int>(pixels.size()) != image.width)
          return fail("row of image '" + image.name + "' has " + std::to_string(pixels.size()) +
                      " characters, expected " + std::to_string(image.width));
        image.pixels += pixels;
      }
      art.images.push_back(std::move(image));
    } else {
      return fail("unknown keyword '" + keyword + "'");
    }
  }
  return true;
}

bool ReadArtFile(const std::string& path, ArtFile& art, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (text.str().size() > (size_t(1) << 22)) {
    error = path + ": too large for pixel art";
    return false;
  }
  return ParseArt(text.str(), path, art, error);
}
