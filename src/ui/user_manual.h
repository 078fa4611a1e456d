#pragma once
// The user manual ("사용 설명서", F1 in both programs): one HTML page that ships
// beside the programs in the folder "manual", opened in the user's default browser.

#include <string>

#include "ui/user_prompts.h"

// programDirectory ends in a backslash (or is empty: the current folder).
std::string UserManualPath(const std::string& programDirectory);

// Opens the manual through the prompts' browser; a missing page or a browser that
// cannot be started is reported, never passed over.
void OpenUserManual(const std::string& programDirectory, UserPrompts& prompts);
