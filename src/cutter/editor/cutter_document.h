#pragma once
// The one document of the sprite cutter: the sprite set being built, the picture
// being cut with the cut state, the current palette, the modified flag and the
// sprite file the set belongs to. The frame owns it; the windows' editors share it.

#include <string>

#include "cutter/cut.h"
#include "cutter/picture.h"
#include "sprites/palette.h"
#include "sprites/sprite_set.h"

struct CutterDocument {
  SpriteSet sprites;
  Picture picture;
  // Points into `picture`: refreshed whenever the picture or its current frame changes.
  CutSource cut;
  PaletteBlock palette;  // the palette every window shows
  bool modified = false;
  // The sprite file "쓰기" writes to (CP949); both empty for a new file.
  std::string spritePath;
  std::string spriteName;
  std::string pictureName;  // without folder; empty until a picture is imported

  // The picture's current frame, or null when it has none (or an empty one).
  const PictureFrame* frame() const {
    const PictureFrame* f = picture.current();
    const bool usable = f && f->width > 0 && f->height > 0 &&
                        f->pixels.size() >= static_cast<size_t>(f->width) * static_cast<size_t>(f->height);
    return usable ? f : nullptr;
  }
  bool hasFrame() const { return frame() != nullptr; }
  // Points the cut state at the picture's current frame.
  void refreshCut() { cut.refresh(picture); }
};
