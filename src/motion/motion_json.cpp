#include "motion/motion_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <set>

#include "base/text_encoding.h"
#include "images/png_reader.h"
#include "images/png_writer.h"
#include "motion/motion_file_io.h"
#include "sprites/sprite.h"

namespace {

using Json = nlohmann::ordered_json;

const char* const kBoxKeys[] = {"x1", "y1", "x2", "y2"};
const char* const kEffectKeys[] = {"flipLeftRight", "flipUpDown", "translucent"};
constexpr int32_t kKnownEffects =
    MotionEffect::FlipLeftRight | MotionEffect::FlipUpDown | MotionEffect::Translucent;

std::string Hex(const uint8_t* bytes, size_t n) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * n);
  for (size_t i = 0; i < n; ++i) {
    text.push_back(digits[bytes[i] >> 4]);
    text.push_back(digits[bytes[i] & 15]);
  }
  return text;
}

bool AllZero(const uint8_t* bytes, size_t n) {
  return std::all_of(bytes, bytes + n, [](uint8_t b) { return b == 0; });
}

// The UTF-8 text of a name field when the field is exactly what storing that text
// gives (text, terminator, zeros) and the text converts both ways unchanged.
bool FieldText(const FixedName& field, std::string& utf8) {
  if (!field.terminated()) return false;
  const std::string text = field.str();
  if (!AllZero(reinterpret_cast<const uint8_t*>(field.bytes.data()) + text.size(),
               kNameFieldSize - text.size()))
    return false;
  std::string back;
  return Cp949ToUtf8(text, utf8) && Utf8ToCp949(utf8, back) && back == text;
}

bool CanonicalBox(const MotionBox& b) {
  if (b.x1 == kUnset) return b == MotionBox();
  return b.x1 < b.x2 && b.y1 < b.y2;
}

bool CanonicalPoint(const MotionPoint& p) {
  return p.x != kUnset || p == MotionPoint();
}

// ---- Writing ----

Json MotionObject(const Motion& m, int32_t spriteCount) {
  Json j;
  j["sprite"] = m.spriteIndex;
  j["x"] = m.relX;
  j["y"] = m.relY;
  j["delay"] = m.delay;
  Json effects;
  for (int bit = 0; bit < 3; ++bit) effects[kEffectKeys[bit]] = (m.effects & (1 << bit)) != 0;
  j["effects"] = effects;
  Json boxes = Json::array();
  for (const MotionBox& b : m.boxes) {
    if (b == MotionBox())
      boxes.push_back(nullptr);
    else
      boxes.push_back(Json{{"x1", b.x1}, {"y1", b.y1}, {"x2", b.x2}, {"y2", b.y2}});
  }
  j["boxes"] = std::move(boxes);
  Json points = Json::array();
  for (const MotionPoint& p : m.points) {
    if (p == MotionPoint())
      points.push_back(nullptr);
    else
      points.push_back(Json{{"x", p.x}, {"y", p.y}});
  }
  j["points"] = std::move(points);
  j["flags"] = m.flags;
  std::string sound;
  const bool soundIsText = FieldText(m.sound, sound);
  j["sound"] = soundIsText ? sound : "";
  if (!AllZero(m.reserved.data(), m.reserved.size()))
    j["reserved"] = Hex(m.reserved.data(), m.reserved.size());
  const bool canonical = soundIsText && m.delay >= kMinMotionDelay && m.delay <= kMaxMotionDelay &&
                         m.spriteIndex >= -1 && m.spriteIndex < spriteCount &&
                         (m.effects & ~kKnownEffects) == 0 &&
                         std::all_of(m.boxes.begin(), m.boxes.end(), CanonicalBox) &&
                         std::all_of(m.points.begin(), m.points.end(), CanonicalPoint);
  if (!canonical) {
    // Values the editor never makes: the record as stored decides on import.
    uint8_t record[kMotionRecordSize];
    EncodeMotionRecord(m, record);
    j["storedRecord"] = Hex(record, sizeof record);
  }
  return j;
}

std::string Dump(const Json& j) {
  return j.dump();  // one line; a text that is not UTF-8 throws
}

// ---- Reading ----

struct Refusal {
  std::string text;
};

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  throw Refusal{path.empty() ? what : path + ": " + what};
}

std::string Member(const std::string& path, const char* key) {
  return path.empty() ? key : path + "." + key;
}

std::string Item(const std::string& path, size_t i) {
  return path + "[" + std::to_string(i) + "]";
}

const Json& Field(const Json& object, const std::string& path, const char* key) {
  const auto it = object.find(key);
  if (it == object.end()) Refuse(path, std::string(key) + " is missing");
  return *it;
}

const Json& ObjectAt(const Json& j, const std::string& path) {
  if (!j.is_object()) Refuse(path, "must be an object");
  return j;
}

const Json& ArrayAt(const Json& j, const std::string& path, size_t exactSize = SIZE_MAX) {
  if (!j.is_array()) Refuse(path, "must be an array");
  if (exactSize != SIZE_MAX && j.size() != exactSize)
    Refuse(path, "must hold " + std::to_string(exactSize) + " entries, not " + std::to_string(j.size()));
  return j;
}

// The value when it is an integer within [low, high]. Paths are only put together
// for a refusal: building them for every number would cost more than the reading.
bool IntValue(const Json& j, int64_t low, int64_t high, int32_t& out) {
  int64_t v = 0;
  if (j.is_number_unsigned()) {
    const uint64_t u = j.get<uint64_t>();
    if (u > uint64_t(INT64_MAX)) return false;
    v = static_cast<int64_t>(u);
  } else if (j.is_number_integer()) {
    v = j.get<int64_t>();
  } else {
    return false;
  }
  if (v < low || v > high) return false;
  out = static_cast<int32_t>(v);
  return true;
}

[[noreturn]] void RefuseRange(const std::string& path, int64_t low, int64_t high) {
  Refuse(path, "must be an integer from " + std::to_string(low) + " to " + std::to_string(high));
}

int32_t IntField(const Json& object, const std::string& path, const char* key, int64_t low = INT32_MIN,
                 int64_t high = INT32_MAX) {
  int32_t v = 0;
  if (!IntValue(Field(object, path, key), low, high, v)) RefuseRange(Member(path, key), low, high);
  return v;
}

const std::string& StringAt(const Json& j, const std::string& path) {
  if (!j.is_string()) Refuse(path, "must be a text");
  return j.get_ref<const std::string&>();
}

void HexAt(const Json& j, const std::string& path, uint8_t* out, size_t n) {
  const std::string& text = StringAt(j, path);
  if (text.size() != 2 * n) Refuse(path, "must be " + std::to_string(2 * n) + " hex digits");
  for (size_t i = 0; i < 2 * n; ++i) {
    const char c = text[i];
    const int v = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (v < 0) Refuse(path, "must be " + std::to_string(2 * n) + " hex digits");
    out[i / 2] = static_cast<uint8_t>(i % 2 ? (out[i / 2] | v) : v << 4);
  }
}

std::vector<uint8_t> HexBytes(const Json& j, const std::string& path) {
  const std::string& text = StringAt(j, path);
  if (text.size() % 2) Refuse(path, "must be hex digits in pairs");
  std::vector<uint8_t> bytes(text.size() / 2);
  HexAt(j, path, bytes.data(), bytes.size());
  return bytes;
}

// A UTF-8 text as a name field; `what` names the field in the message.
FixedName NameFrom(const Json& j, const std::string& path, bool mayBeEmpty) {
  const std::string& text = StringAt(j, path);
  std::string cp949;
  if (!Utf8ToCp949(text, cp949)) Refuse(path, "has a character that code page 949 lacks");
  if (cp949.empty() && !mayBeEmpty) Refuse(path, "must not be empty");
  if (cp949.size() > kNameMaxLength || cp949.find('\0') != std::string::npos)
    Refuse(path, "must be at most 31 bytes in code page 949, without zero bytes");
  FixedName name;
  std::copy(cp949.begin(), cp949.end(), name.bytes.begin());
  return name;
}

std::vector<int32_t> IntList(const Json& j, const std::string& path, size_t size) {
  ArrayAt(j, path, size);
  std::vector<int32_t> out(j.size());
  for (size_t i = 0; i < j.size(); ++i)
    if (!IntValue(j[i], INT32_MIN, INT32_MAX, out[i])) RefuseRange(Item(path, i), INT32_MIN, INT32_MAX);
  return out;
}

Motion ReadMotion(const Json& j, const std::string& path, int32_t spriteCount) {
  ObjectAt(j, path);
  Motion m;
  if (const auto stored = j.find("storedRecord"); stored != j.end()) {
    uint8_t record[kMotionRecordSize];
    HexAt(*stored, Member(path, "storedRecord"), record, sizeof record);
    DecodeMotionRecord(record, m);
    return m;
  }
  m.spriteIndex = IntField(j, path, "sprite", -1, int64_t(spriteCount) - 1);
  m.relX = IntField(j, path, "x");
  m.relY = IntField(j, path, "y");
  m.delay = IntField(j, path, "delay", kMinMotionDelay, kMaxMotionDelay);
  const std::string effectsPath = Member(path, "effects");
  const Json& effects = ObjectAt(Field(j, path, "effects"), effectsPath);
  m.effects = 0;
  for (int bit = 0; bit < 3; ++bit) {
    const Json& flag = Field(effects, effectsPath, kEffectKeys[bit]);
    if (!flag.is_boolean()) Refuse(Member(effectsPath, kEffectKeys[bit]), "must be true or false");
    if (flag.get<bool>()) m.effects |= 1 << bit;
  }
  const std::string boxesPath = Member(path, "boxes");
  const Json& boxes = ArrayAt(Field(j, path, "boxes"), boxesPath, kMotionBoxCount);
  for (size_t k = 0; k < boxes.size(); ++k) {
    if (boxes[k].is_null()) continue;
    const std::string at = Item(boxesPath, k);
    ObjectAt(boxes[k], at);
    int32_t v[4];
    for (int c = 0; c < 4; ++c) v[c] = IntField(boxes[k], at, kBoxKeys[c]);
    if (v[0] == kUnset) Refuse(at, "x1 is -19775, the mark of an unset box (write null)");
    if (v[0] >= v[2]) Refuse(at, "x1 must be below x2");
    if (v[1] >= v[3]) Refuse(at, "y1 must be below y2");
    m.boxes[k] = MotionBox{v[0], v[1], v[2], v[3]};
  }
  const std::string pointsPath = Member(path, "points");
  const Json& points = ArrayAt(Field(j, path, "points"), pointsPath, kMotionPointCount);
  for (size_t k = 0; k < points.size(); ++k) {
    if (points[k].is_null()) continue;
    const std::string at = Item(pointsPath, k);
    ObjectAt(points[k], at);
    const int32_t x = IntField(points[k], at, "x"), y = IntField(points[k], at, "y");
    if (x == kUnset) Refuse(at, "x is -19775, the mark of an unset point (write null)");
    m.points[k] = MotionPoint{x, y};
  }
  const std::vector<int32_t> flags =
      IntList(Field(j, path, "flags"), Member(path, "flags"), kMotionFlagCount);
  std::copy(flags.begin(), flags.end(), m.flags.begin());
  m.sound = NameFrom(Field(j, path, "sound"), Member(path, "sound"), true);
  if (const auto reserved = j.find("reserved"); reserved != j.end())
    HexAt(*reserved, Member(path, "reserved"), m.reserved.data(), m.reserved.size());
  return m;
}

void ReadStored(const Json& top, StoredMotionFile& file) {
  file.recompute();
  const auto it = top.find("stored");
  if (it == top.end()) return;
  const Json& stored = ObjectAt(*it, "stored");
  const auto has = [&](const char* key) { return stored.find(key) != stored.end(); };
  if (has("headerReserved"))
    HexAt(stored["headerReserved"], "stored.headerReserved", file.headerReserved.data(),
          file.headerReserved.size());
  if (has("fileSize")) file.fileSize = IntField(stored, "stored", "fileSize");
  if (has("bundleOffsets"))
    file.bundleOffsets = IntList(stored["bundleOffsets"], "stored.bundleOffsets", file.bundles.size());
  if (has("spriteVersion")) file.spriteVersion = IntField(stored, "stored", "spriteVersion");
  if (has("spriteReserved"))
    HexAt(stored["spriteReserved"], "stored.spriteReserved", file.spriteReserved.data(),
          file.spriteReserved.size());
  if (has("spriteTotalLength")) file.spriteTotalLength = IntField(stored, "stored", "spriteTotalLength");
  if (has("spriteOffsets"))
    file.spriteOffsets =
        IntList(stored["spriteOffsets"], "stored.spriteOffsets", size_t(file.sprites.Count()));
  if (has("trailing")) file.trailing = HexBytes(stored["trailing"], "stored.trailing");
}

}  // namespace

std::string MotionJson(const StoredMotionFile& file, const SpriteAtlas& atlas, const std::string& imageName) {
  // One sprite, one motion a line: long files stay readable and diffable.
  std::string out = "{\n  \"format\": \"" + std::string(kMotionJsonFormat) +
                    "\",\n  \"version\": " + std::to_string(kMotionJsonVersion) + ",\n";
  out +=
      "  \"atlas\": " + Dump(Json{{"image", imageName}, {"width", atlas.width}, {"height", atlas.height}}) +
      ",\n";
  out += "  \"sprites\": [";
  for (size_t i = 0; i < atlas.places.size(); ++i) {
    // The size is the sprite's own: a sprite without pixels may still have a width or a height.
    const AtlasPlace& p = atlas.places[i];
    const Sprite* s = file.sprites.Get(static_cast<int32_t>(i));
    out += (i ? ",\n    " : "\n    ") + Dump(Json{{"x", p.x}, {"y", p.y}, {"w", s->width}, {"h", s->height}});
  }
  out += atlas.places.empty() ? "],\n" : "\n  ],\n";
  out += "  \"bundles\": [";
  std::set<std::string> names;
  for (size_t b = 0; b < file.bundles.size(); ++b) {
    const StoredBundle& bundle = file.bundles[b];
    Json head;
    std::string name;
    // Empty and repeated names are what the editor drops on reading: stored as bytes.
    const bool text = FieldText(bundle.name, name) && !name.empty() && names.insert(name).second;
    if (text)
      head["name"] = name;
    else
      head["nameBytes"] = Hex(reinterpret_cast<const uint8_t*>(bundle.name.bytes.data()), kNameFieldSize);
    std::string headText = Dump(head);
    headText.pop_back();  // the motions follow inside the same object
    out += (b ? ",\n    " : "\n    ") + headText + ", \"motions\": [";
    for (size_t i = 0; i < bundle.motions.size(); ++i)
      out += (i ? ",\n      " : "\n      ") + Dump(MotionObject(bundle.motions[i], file.sprites.Count()));
    out += bundle.motions.empty() ? "]}" : "\n    ]}";
  }
  out += file.bundles.empty() ? "]" : "\n  ]";

  Json stored = Json::object();
  if (!AllZero(file.headerReserved.data(), file.headerReserved.size()))
    stored["headerReserved"] = Hex(file.headerReserved.data(), file.headerReserved.size());
  if (file.fileSize != file.computedFileSize()) stored["fileSize"] = file.fileSize;
  if (file.bundleOffsets != file.computedBundleOffsets()) stored["bundleOffsets"] = file.bundleOffsets;
  if (file.spriteVersion != kMotionFileVersion) stored["spriteVersion"] = file.spriteVersion;
  if (!AllZero(file.spriteReserved.data(), file.spriteReserved.size()))
    stored["spriteReserved"] = Hex(file.spriteReserved.data(), file.spriteReserved.size());
  if (file.spriteTotalLength != file.computedSpriteTotalLength())
    stored["spriteTotalLength"] = file.spriteTotalLength;
  if (file.spriteOffsets != file.computedSpriteOffsets()) stored["spriteOffsets"] = file.spriteOffsets;
  if (!file.trailing.empty()) stored["trailing"] = Hex(file.trailing.data(), file.trailing.size());
  if (!stored.empty()) out += ",\n  \"stored\": " + Dump(stored);
  out += "\n}\n";
  return out;
}

bool ParseMotionJson(std::string_view text, MotionJsonImport& out, std::string& error) {
  Json top;
  try {
    top = Json::parse(text.begin(), text.end());
  } catch (const Json::parse_error& e) {
    // "[json.exception.parse_error.101] parse error at line 3, column 5: ..." without the tag.
    std::string what = e.what();
    const size_t tag = what.find("] ");
    error = "not JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2));
    return false;
  }
  try {
    ObjectAt(top, "");
    MotionJsonImport result;
    const Json& format = Field(top, "", "format");
    if (!format.is_string() || format.get<std::string>() != kMotionJsonFormat)
      Refuse("format", std::string("must be \"") + kMotionJsonFormat + "\"");
    const int32_t version = IntField(top, "", "version");
    if (version != kMotionJsonVersion)
      Refuse("version", std::to_string(version) + " is not supported (this program reads version " +
                            std::to_string(kMotionJsonVersion) + ")");

    const Json& atlas = ObjectAt(Field(top, "", "atlas"), "atlas");
    result.image = StringAt(Field(atlas, "atlas", "image"), "atlas.image");
    if (result.image.empty()) Refuse("atlas.image", "must name the atlas picture");
    // A PNG has at least one pixel (with no sprites, the export writes one).
    result.atlas.width = IntField(atlas, "atlas", "width", 1);
    result.atlas.height = IntField(atlas, "atlas", "height", 1);

    const Json& sprites = ArrayAt(Field(top, "", "sprites"), "sprites");
    for (size_t i = 0; i < sprites.size(); ++i) {
      const std::string at = Item("sprites", i);
      ObjectAt(sprites[i], at);
      AtlasPlace p;
      p.w = IntField(sprites[i], at, "w", 0);
      p.h = IntField(sprites[i], at, "h", 0);
      p.x = IntField(sprites[i], at, "x", 0);
      p.y = IntField(sprites[i], at, "y", 0);
      if (p.w > 0 && p.h > 0 &&
          (int64_t(p.x) + p.w > result.atlas.width || int64_t(p.y) + p.h > result.atlas.height))
        Refuse(at, "lies outside the atlas");
      result.atlas.places.push_back(p);
      auto sprite = std::make_unique<Sprite>();
      sprite->width = p.w;
      sprite->height = p.h;
      sprite->count = p.w * p.h;  // within the atlas, so it fits
      result.file.sprites.Append(std::move(sprite));
    }
    const int32_t spriteCount = result.file.sprites.Count();

    const Json& bundles = ArrayAt(Field(top, "", "bundles"), "bundles");
    std::set<std::string> names;
    for (size_t b = 0; b < bundles.size(); ++b) {
      const std::string at = Item("bundles", b);
      ObjectAt(bundles[b], at);
      StoredBundle bundle;
      if (const auto bytes = bundles[b].find("nameBytes"); bytes != bundles[b].end()) {
        HexAt(*bytes, Member(at, "nameBytes"), reinterpret_cast<uint8_t*>(bundle.name.bytes.data()),
              kNameFieldSize);
      } else {
        bundle.name = NameFrom(Field(bundles[b], at, "name"), Member(at, "name"), false);
        if (!names.insert(bundle.name.str()).second)
          Refuse(Member(at, "name"), "is the name of an earlier bundle");
      }
      const std::string motionsPath = Member(at, "motions");
      const Json& motions = ArrayAt(Field(bundles[b], at, "motions"), motionsPath);
      bundle.motions.reserve(motions.size());
      for (size_t i = 0; i < motions.size(); ++i)
        bundle.motions.push_back(ReadMotion(motions[i], Item(motionsPath, i), spriteCount));
      result.file.bundles.push_back(std::move(bundle));
    }
    ReadStored(top, result.file);
    out = std::move(result);
    return true;
  } catch (const Refusal& refusal) {
    error = refusal.text;
    return false;
  }
}

bool CutSpritesFromAtlas(MotionJsonImport& import, const IndexedImage& picture, std::string& error) {
  if (picture.width != import.atlas.width || picture.height != import.atlas.height) {
    error = "atlas: the picture is " + std::to_string(picture.width) + " x " +
            std::to_string(picture.height) + ", the JSON says " + std::to_string(import.atlas.width) + " x " +
            std::to_string(import.atlas.height);
    return false;
  }
  for (int32_t i = 0; i < import.file.sprites.Count(); ++i) {
    Sprite& s = *import.file.sprites.Get(i);
    const AtlasPlace& p = import.atlas.places[size_t(i)];
    s.pixels.resize(size_t(s.count));
    for (int32_t y = 0; y < p.h; ++y) {
      const uint8_t* row = picture.pixels.data() + size_t(p.y + y) * picture.width + p.x;
      std::copy(row, row + p.w, s.pixels.begin() + size_t(y) * p.w);
    }
  }
  return true;
}

bool ExportMotionJson(const StoredMotionFile& file, const PaletteBlock& palette, const std::string& imageName,
                      MotionJsonExport& out, std::string& reason) {
  SpriteAtlas atlas = PackSprites(file.sprites, false);
  IndexedImage picture;
  if (atlas.width > 0 && atlas.height > 0) {
    picture = DrawAtlas(file.sprites, atlas, palette);
  } else {
    // A PNG needs a pixel: a lone transparent one stands for no sprites.
    atlas.width = atlas.height = 1;
    picture.width = picture.height = 1;
    picture.pixels.assign(1, 0);
    picture.colours = PaletteColours(palette);
  }
  out.png = EncodeIndexedPng(picture, true);
  if (out.png.empty()) {
    reason = "the atlas picture cannot be made";
    return false;
  }
  out.json = MotionJson(file, atlas, imageName);
  return true;
}

bool ImportMotionJson(std::string_view text, const ImageLoader& loadImage, const PaletteBlock& palette,
                      std::vector<uint8_t>& zrv, std::string& error) {
  MotionJsonImport import;
  if (!ParseMotionJson(text, import, error)) return false;
  std::vector<uint8_t> bytes;
  if (!loadImage(import.image, bytes)) {
    error = "atlas.image: cannot read " + import.image;
    return false;
  }
  PngImage png;
  std::string reason;
  if (!ReadPng(bytes.data(), bytes.size(), png, reason)) {
    error = "atlas.image: " + import.image + ": " + reason;
    return false;
  }
  if (!png.indexed) {
    png.index.width = png.rgba.width;
    png.index.height = png.rgba.height;
    png.index.pixels = MapToPalette(png.rgba, palette);
  }
  if (!CutSpritesFromAtlas(import, png.index, error)) return false;
  zrv = StoredMotionFileBytes(import.file);
  return true;
}
