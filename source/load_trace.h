// Diagnostics of the library's load-time objects: each group of static
// objects leaves an event when it has been built ("+name") and when it has
// been destroyed ("-name"), so the order can be checked from outside.
#pragma once

#include <uiutil/export.h>

// The i-th event recorded so far (0-based), or null past the last. The first
// 32 events are kept; later ones reach only the sink.
UIUTIL_API const char* ui_load_trace_event(int i);

// Receives every later event as it happens (the unload events included),
// however many there are; the text is valid during the call. Null stops it.
typedef void (*ui_load_trace_sink)(const char* event);
// Installs `sink` for the events from now on; null removes it.
UIUTIL_API void ui_set_load_trace_sink(ui_load_trace_sink sink);
