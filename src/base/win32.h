// The platform header, always in its ANSI form: every window and text call of the
// program uses the "A" variants and code-page-932 bytes.
#pragma once
#undef UNICODE
#undef _UNICODE
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Windows 8.1's message for a window moved to a monitor of another DPI, missing from older headers.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
