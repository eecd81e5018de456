// printf-style message output with a replaceable sink.
#include <uiutil/support.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
apprintf_sink g_sink = nullptr;
void* g_sink_context = nullptr;
} // namespace

void apprintf_set_sink(apprintf_sink sink, void* context) {
    g_sink = sink;
    g_sink_context = sink ? context : nullptr;
}

int apprintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed < 0) {
        va_end(args);
        return needed;
    }
    std::vector<char> text(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    if (g_sink) {
        g_sink(text.data(), g_sink_context);
    } else {
        std::fputs(text.data(), stderr);
        std::fflush(stderr);
    }
    return needed;
}
