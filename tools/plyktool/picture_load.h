#pragma once
// Loading a picture for a plyktool command, with the failure told in one line.

#include <string>

#include "commands.h"
#include "cutter/picture.h"

// 0 when the picture was loaded; otherwise Fail's status after the message.
inline int LoadPictureOrFail(Picture& picture, const std::string& path) {
  if (picture.load(path)) return 0;
  return FailRead(path, picture.reason());
}
