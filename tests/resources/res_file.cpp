#include "res_file.h"

#include "base/byte_reader.h"

namespace {

bool ReadString(ByteReader& r, std::u16string& out) {
  for (uint16_t c = r.u16(); c != 0 && r.ok(); c = r.u16()) out.push_back(static_cast<char16_t>(c));
  return r.ok();
}

// A type or name: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
bool ReadIdOrName(ByteReader& r, bool& isName, uint16_t& id, std::u16string& name) {
  const size_t start = r.pos();
  isName = r.u16() != 0xFFFF;
  if (!isName) {
    id = r.u16();
    return r.ok();
  }
  return r.seek(start) && ReadString(r, name);
}

bool AlignTo4(ByteReader& r) {
  return r.seek((r.pos() + 3) & ~size_t(3));
}

// The atom of a window class given by name ("Button", "EDIT", ...), else 0.
uint16_t AtomOf(std::u16string name) {
  for (char16_t& c : name)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return name == u"BUTTON" ? 0x80 : name == u"EDIT" ? 0x81 : name == u"STATIC" ? 0x82 : 0;
}

}  // namespace

bool ParseResFile(const std::vector<uint8_t>& bytes, std::vector<ResEntry>& out) {
  ByteReader r(bytes);
  while (r.remaining() > 0) {
    const size_t start = r.pos();
    uint32_t dataSize = r.u32();
    uint32_t headerSize = r.u32();
    if (!r.ok() || headerSize < 16 || headerSize > r.size() - start) return false;
    ResEntry e;
    if (!ReadIdOrName(r, e.typeIsName, e.typeId, e.typeName)) return false;
    if (!ReadIdOrName(r, e.nameIsString, e.id, e.name)) return false;
    if (!AlignTo4(r)) return false;
    r.skip(6);  // data version, memory flags
    e.language = r.u16();
    if (!r.seek(start + headerSize)) return false;
    const uint8_t* data = r.take(dataSize);
    if (!data) return false;
    e.data.assign(data, data + dataSize);
    if (r.remaining() > 0 && !AlignTo4(r)) return false;
    if (!(dataSize == 0 && !e.typeIsName && e.typeId == 0)) out.push_back(std::move(e));
  }
  return r.ok();
}

const ResEntry* FindRes(const std::vector<ResEntry>& all, uint16_t type, uint16_t id) {
  for (const ResEntry& e : all)
    if (!e.typeIsName && e.typeId == type && !e.nameIsString && e.id == id) return &e;
  return nullptr;
}

const ResEntry* FindRes(const std::vector<ResEntry>& all, const std::u16string& type, uint16_t id) {
  for (const ResEntry& e : all)
    if (e.typeIsName && e.typeName == type && !e.nameIsString && e.id == id) return &e;
  return nullptr;
}

bool ParseMenu(const std::vector<uint8_t>& data, MenuItems& out) {
  ByteReader r(data);
  if (r.u16() != 0 || r.u16() != 0) return false;  // version, header size
  while (r.ok() && r.remaining() > 0) {
    const uint16_t flags = r.u16();
    const uint16_t id = (flags & 0x10) ? 0xFFFF : r.u16();  // MF_POPUP items carry no id
    std::u16string text;
    if (!ReadString(r, text)) return false;
    out.emplace_back(id, text);
  }
  return r.ok() && !out.empty();
}

bool ParseAccelerators(const std::vector<uint8_t>& data, std::vector<Accelerator>& out) {
  ByteReader r(data);
  while (r.remaining() >= 8) {
    const uint16_t flags = r.u16();
    const uint16_t key = r.u16();
    out.push_back({static_cast<uint16_t>(flags & 0x7F), key, r.u16()});
    r.u16();
    if (flags & 0x80) return r.remaining() == 0;  // the last entry
  }
  return false;
}

bool ParseDialogEx(const std::vector<uint8_t>& data, DialogTemplate& out) {
  ByteReader r(data);
  if (r.u16() != 1 || r.u16() != 0xFFFF) return false;
  r.skip(8);  // help id, extended style
  const uint32_t style = r.u32();
  const uint16_t count = r.u16();
  r.skip(8);  // position and size
  bool isName = false;
  uint16_t ordinal = 0;
  std::u16string ignored;
  if (!ReadIdOrName(r, isName, ordinal, ignored)) return false;  // menu
  if (!ReadIdOrName(r, isName, ordinal, ignored)) return false;  // class
  if (!ReadString(r, out.title)) return false;
  if (style & 0x40) {  // DS_SETFONT
    out.pointSize = r.u16();
    r.skip(4);  // weight, italic, character set
    if (!ReadString(r, out.font)) return false;
  }
  for (uint16_t i = 0; i < count; ++i) {
    if (!AlignTo4(r)) return false;
    DialogControl c;
    r.skip(8);  // help id, extended style
    c.style = r.u32();
    r.skip(8);
    c.id = static_cast<int32_t>(r.u32());
    std::u16string className;
    if (!ReadIdOrName(r, isName, c.classAtom, className)) return false;
    if (isName) c.classAtom = AtomOf(className);
    if (!ReadIdOrName(r, isName, c.textOrdinal, c.text)) return false;
    if (!r.skip(r.u16())) return false;  // creation data
    out.controls.push_back(std::move(c));
  }
  return r.ok();
}

bool FindString(const std::vector<ResEntry>& all, uint16_t id, std::u16string& out) {
  const ResEntry* block = FindRes(all, kRtString, static_cast<uint16_t>(id / 16 + 1));
  if (!block) return false;
  ByteReader r(block->data);
  for (int i = 0; i <= id % 16; ++i) {
    const uint16_t length = r.u16();
    out.clear();
    for (uint16_t k = 0; k < length && r.ok(); ++k) out.push_back(static_cast<char16_t>(r.u16()));
  }
  return r.ok() && !out.empty();
}
