// The platform header, always in its ANSI form: every window and text call of the
// program uses the "A" variants and code-page-932 bytes.
#pragma once
#undef UNICODE
#undef _UNICODE
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
