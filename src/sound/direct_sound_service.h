#pragma once
// The sound service over DirectSound (Windows builds only).

#include <memory>

#include "sound/sound_service.h"

std::unique_ptr<SoundService> CreateDirectSoundService();
