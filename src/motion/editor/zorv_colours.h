#pragma once
// Zorv2's nine interface colours (background, system, shadow, the six box colours),
// each with its swatch in "색 설정하기" and its palette index in the settings.

#include "motion/editor/zorv_settings.h"
#include "ui/interface_colours.h"

InterfaceColours ZorvColours(ZorvSettings& settings);
