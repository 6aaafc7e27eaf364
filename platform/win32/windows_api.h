// The one way platform/win32 includes <windows.h>: lean, and without the
// min/max macros that would break the standard headers.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// <windows.h> maps these names to its own A/W functions; ours share the names.
#undef GetProfileString
#undef WriteProfileString
