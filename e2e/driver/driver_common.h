#pragma once
// What the two Windows-side drivers share, the end-to-end tests' (e2e_driver.cpp) and
// the GUI benchmark's (bench/gui/gui_bench.cpp): their output, finding windows, key
// names, their arguments and dropping files on a program.

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <string>
#include <vector>

std::string Utf8(const std::wstring& text);
// One line to stdout, flushed at once: the scripts read it while the driver runs on.
void Print(const std::string& line);
// Prints "FAIL message"; the exit code of a failed step (3).
int Fail(const std::string& message);

// A top-level window's caption as the system keeps it: read without a message to
// the owner, so a busy program cannot hold the driver up.
std::wstring TitleOf(HWND window);
std::wstring ClassOf(HWND window);
// The visible top-level window of that class, or null.
HWND FindTopLevel(const std::wstring& className);
std::vector<HWND> ChildrenOf(HWND window);
// The first child of `top` of that class, or `top` itself for "-"; null when none.
HWND ChildOf(HWND top, const std::wstring& className);

// The virtual key of a key name (a letter, a digit, escape, tab, add, f1, ...), 0 when unknown.
WORD VirtualKeyOf(const std::wstring& name);

// The command line's arguments after the program's name, each "utf8hex:" one decoded
// from the hex digits of its UTF-8 bytes; false when one is not well-formed.
bool DecodedArguments(std::vector<std::wstring>& args);

// Drops the files on the window as the shell does: a DROPFILES block written into the
// program's own memory and WM_DROPFILES posted with it. Empty when done, else why not.
std::string DropFiles(HWND window, const std::vector<std::wstring>& paths);
