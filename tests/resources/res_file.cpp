#include "res_file.h"

#include "base/byte_reader.h"

namespace {

// A type or name: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
bool ReadIdOrName(ByteReader& r, bool& isName, uint16_t& id, std::u16string& name) {
  uint16_t first = r.u16();
  if (!r.ok()) return false;
  if (first == 0xFFFF) {
    isName = false;
    id = r.u16();
    return r.ok();
  }
  isName = true;
  for (uint16_t c = first; c != 0; c = r.u16()) {
    if (!r.ok()) return false;
    name.push_back(static_cast<char16_t>(c));
  }
  return r.ok();
}

bool ReadString(ByteReader& r, std::u16string& out) {
  for (uint16_t c = r.u16(); c != 0; c = r.u16()) {
    if (!r.ok()) return false;
    out.push_back(static_cast<char16_t>(c));
  }
  return r.ok();
}

bool AlignTo4(ByteReader& r) {
  return r.seek((r.pos() + 3) & ~size_t(3));
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
    r.u32();  // data version
    r.u16();  // memory flags
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

bool ParseMenu(const std::vector<uint8_t>& data, std::vector<MenuItem>& out) {
  ByteReader r(data);
  if (r.u16() != 0 || r.u16() != 0) return false;  // version, header size
  int depth = 0;
  std::vector<bool> open;  // whether each open level still expects items
  open.push_back(true);
  while (!open.empty() && r.remaining() > 0) {
    MenuItem item;
    item.flags = r.u16();
    item.depth = depth;
    const bool popup = item.flags & 0x10;
    const bool last = item.flags & 0x80;
    if (!popup) item.id = r.u16();
    if (!ReadString(r, item.text)) return false;
    out.push_back(item);
    if (popup) {
      if (last) open.back() = false;
      open.push_back(true);
      ++depth;
    } else if (last) {
      open.pop_back();
      --depth;
      while (!open.empty() && !open.back()) {
        open.pop_back();
        --depth;
      }
    }
  }
  return r.ok() && open.empty();
}

bool ParseAccelerators(const std::vector<uint8_t>& data, std::vector<Accelerator>& out) {
  ByteReader r(data);
  while (r.remaining() >= 8) {
    Accelerator a;
    a.flags = r.u16();
    a.key = r.u16();
    a.command = r.u16();
    r.u16();
    out.push_back({static_cast<uint16_t>(a.flags & 0x7F), a.key, a.command});
    if (a.flags & 0x80) return r.remaining() == 0;
  }
  return false;
}

bool ParseDialogEx(const std::vector<uint8_t>& data, DialogTemplate& out) {
  ByteReader r(data);
  if (r.u16() != 1 || r.u16() != 0xFFFF) return false;
  r.u32();  // help id
  r.u32();  // extended style
  out.style = r.u32();
  const uint16_t count = r.u16();
  r.skip(8);  // position and size
  bool isName = false;
  uint16_t ordinal = 0;
  std::u16string ignored;
  if (!ReadIdOrName(r, isName, ordinal, ignored)) return false;  // menu
  if (!ReadIdOrName(r, isName, ordinal, ignored)) return false;  // class
  if (!ReadString(r, out.title)) return false;
  if (out.style & 0x40) {  // DS_SETFONT
    out.pointSize = r.u16();
    r.u16();  // weight
    r.u8();   // italic
    out.charset = r.u8();
    if (!ReadString(r, out.font)) return false;
  }
  for (uint16_t i = 0; i < count; ++i) {
    if (!AlignTo4(r)) return false;
    DialogControl c;
    r.u32();  // help id
    r.u32();  // extended style
    c.style = r.u32();
    r.skip(8);
    c.id = static_cast<int32_t>(r.u32());
    bool classIsName = false;
    if (!ReadIdOrName(r, classIsName, c.classAtom, c.className)) return false;
    bool textIsName = true;
    if (!ReadIdOrName(r, textIsName, c.textOrdinal, c.text)) return false;
    const uint16_t extra = r.u16();
    if (!r.skip(extra)) return false;
    out.controls.push_back(std::move(c));
  }
  return r.ok();
}

bool FindString(const std::vector<ResEntry>& all, uint16_t id, std::u16string& out) {
  const ResEntry* block = FindRes(all, kRtString, static_cast<uint16_t>(id / 16 + 1));
  if (!block) return false;
  ByteReader r(block->data);
  for (int i = 0; i < 16; ++i) {
    const uint16_t length = r.u16();
    std::u16string s;
    for (uint16_t k = 0; k < length; ++k) s.push_back(static_cast<char16_t>(r.u16()));
    if (!r.ok()) return false;
    if (i == id % 16) {
      out = s;
      return length > 0;
    }
  }
  return false;
}
