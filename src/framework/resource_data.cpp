#include "framework/resource_data.h"

#include <algorithm>
#include <string>

#include "framework/text_codec.h"

ResourceBytes LoadResourceBytes(HINSTANCE instance, int id, const char* typeName) {
  if (typeName == nullptr) return {};
  std::wstring type = Widen(typeName);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), type.c_str());
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(instance, found);
  if (loaded == nullptr) return {};
  const void* data = LockResource(loaded);
  if (data == nullptr) return {};
  return {static_cast<const uint8_t*>(data), static_cast<size_t>(SizeofResource(instance, found))};
}

const void* LoadResourceData(HINSTANCE instance, int id, const char* typeName) {
  return LoadResourceBytes(instance, id, typeName).data;
}

PaletteBlock LoadPaletteResource(HINSTANCE instance, int id, const char* typeName) {
  const ResourceBytes bytes = LoadResourceBytes(instance, id, typeName);
  if (bytes.data == nullptr || bytes.size < kPaletteBlockSize) return BuiltinPaletteBlock();
  PaletteBlock block;
  std::copy(bytes.data, bytes.data + kPaletteBlockSize, block.bytes.begin());
  return block;
}
