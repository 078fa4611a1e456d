#pragma once
// The one place that includes the Windows headers for the framework and the programs.

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// These need the declarations of windows.h before them.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

// Names of ours that the system's generic macros would rename: the colour chooser,
// the surface's last message and the drawing context's text call.
#undef ChooseColor
#undef GetMessage
#undef DrawText
