#pragma once
// Plyk2's three interface colours (background, system, shadow), each with its swatch
// in "색 설정하기" and its palette index in the settings. The indices are recomputed
// after the colour dialog, after a palette is read or restored and after a picture
// is imported.

#include "cutter/editor/cutter_settings.h"
#include "ui/interface_colours.h"

InterfaceColours CutterColours(CutterSettings& settings);
