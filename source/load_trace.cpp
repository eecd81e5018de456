#include "load_trace_mark.h"

#include <uiutil/load_trace.h>

namespace {

// Plain data: usable before and after every object with a constructor.
const int max_events = 32;
char g_events[max_events][40];
int g_event_count = 0;
ui_load_trace_sink g_sink = nullptr;

// The first max_events events are kept for ui_load_trace_event; the sink
// receives every event, however many there are.
void record(char sign, const char* name) {
    char latest[40];
    char* event = g_event_count < max_events ? g_events[g_event_count++] : latest;
    event[0] = sign;
    int i = 0;
    for (; i < 38 && name[i]; ++i)
        event[i + 1] = name[i];
    event[i + 1] = '\0';
    if (g_sink)
        g_sink(event);
}

} // namespace

uiutil_internal::LoadTraceMark::LoadTraceMark(const char* name) : m_name(name) {
    record('+', m_name);
}

uiutil_internal::LoadTraceMark::~LoadTraceMark() {
    record('-', m_name);
}

const char* ui_load_trace_event(int i) {
    return (i >= 0 && i < g_event_count) ? g_events[i] : nullptr;
}

void ui_set_load_trace_sink(ui_load_trace_sink sink) {
    g_sink = sink;
}
