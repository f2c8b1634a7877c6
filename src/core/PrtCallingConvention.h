#pragma once

// The optional libraries use the standard calling convention of 32-bit
// Windows; everywhere else the platform's one convention applies.
#if defined(_WIN32) && !defined(_WIN64)
#define PRT_LIBCALL __stdcall
#else
#define PRT_LIBCALL
#endif
