// make_resources: turns the programs' pixel art (text) into the files their .rc
// scripts embed.
//   make_resources sprite|icon|cursor|bitmap <output> <art file>...
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "art_file.h"
#include "base/save_file.h"
#include "resource_encoders.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make_resources sprite|icon|cursor|bitmap <output> <art file>...\n");
    return 2;
  }
  const std::string kind = argv[1];
  const std::string output = argv[2];
  ArtFile art;
  std::string error;
  for (int i = 3; i < argc; ++i) {
    if (!ReadArtFile(argv[i], art, error)) {
      std::fprintf(stderr, "make_resources: %s\n", error.c_str());
      return 1;
    }
  }
  std::vector<uint8_t> bytes;
  bool ok = false;
  if (kind == "sprite") {
    ok = EncodeSpriteFile(art, bytes, error);
  } else if (kind == "icon") {
    ok = EncodeIcon(art, bytes, error);
  } else if (kind == "cursor") {
    ok = EncodeCursor(art, bytes, error);
  } else if (kind == "bitmap") {
    ok = EncodeStripBitmap(art, bytes, error);
  } else {
    error = "unknown kind '" + kind + "'";
  }
  if (!ok) {
    std::fprintf(stderr, "make_resources: %s: %s\n", output.c_str(), error.c_str());
    return 1;
  }
  const bool saved = SaveFileSafely(output, [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  });
  if (!saved) {
    std::fprintf(stderr, "make_resources: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
