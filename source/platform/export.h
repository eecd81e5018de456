// Marks the names the shared library exports.
#pragma once

#if defined(_WIN32)
#if defined(UIUTIL_BUILDING)
#define UIUTIL_API __declspec(dllexport)
#else
#define UIUTIL_API __declspec(dllimport)
#endif
#else
// Gives the name default visibility: the library is built with hidden
// visibility, so only names marked with it are exported.
#define UIUTIL_API __attribute__((visibility("default")))
#endif
