#pragma once
// The file choosers' filters of the sprite cutter.

#include "ui/file_filter.h"

inline FilterEntries SpriteFileFilter() {
  return {{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}};
}
inline FilterEntries PictureFileFilter() {
  // FLI animations, PNG and GIF are read too, so the chooser lists them.
  return {{"그림 파일(pcx,bmp,flc,fli,anm,png,gif)", "*.pcx;*.bmp;*.flc;*.fli;*.anm;*.png;*.gif"},
          {"모든 파일(*.*)", "*.*"}};
}
inline FilterEntries PaletteFileFilter() {
  return {{"팔레트 파일(*.pal)", "*.pal"}, {"모든 파일(*.*)", "*.*"}};
}
inline FilterEntries PcxFileFilter() {
  return {{"PCX 파일(*.pcx)", "*.pcx"}, {"모든 파일(*.*)", "*.*"}};
}
