#pragma once
// The plyktool commands. Each takes the words after its name and returns the exit
// status: 0 on success, 1 after printing one line on stderr (Fail).

#include <string>
#include <vector>

#include "base/read_result.h"
#include "sprites/palette.h"

using Args = std::vector<std::string>;

// Prints "plyktool: message" on stderr and returns 1.
int Fail(const std::string& message);
// Fail with "path: reason" for a file that could not be read.
int FailRead(const std::string& path, const ReadResult& why);
// Removes "--name VALUE" from args; returns false when absent. A missing value fails.
bool TakeOption(Args& args, const std::string& name, std::string& value, bool& bad);
// The palette file at path, or the built-in palette when path is empty.
bool LoadPaletteOption(const std::string& path, PaletteBlock& palette, std::string& error);
// Removes the flag "--name" from args; returns whether it was there.
bool TakeFlag(Args& args, const std::string& name);

int RunInfo(Args args);
int RunPalette(Args args);
int RunMixTable(Args args);
int RunResave(Args args);

// Motion files (motion_commands.cpp).
int InfoMotionFile(const std::string& path, bool listMotions);
int ResaveMotionFile(const std::string& in, const std::string& out);
int RunSheet(Args args);
int RunFrames(Args args);
int RunCut(Args args);
int RunPcx(Args args);
int RunPng(Args args);
// Motion data for other programs (motion_gif_command.cpp, motion_json_commands.cpp).
int RunGif(Args args);
int RunJson(Args args);
int RunZrv(Args args);
