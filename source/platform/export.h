// Marks the names the shared library exports.
#pragma once

#if defined(_WIN32)
#if defined(UIUTIL_BUILDING)
#define UIUTIL_API __declspec(dllexport)
#else
#define UIUTIL_API __declspec(dllimport)
#endif
#else
#define UIUTIL_API __attribute__((visibility("default")))
#endif
