// Reports of failed assertions; execution goes on after each.
#include <uiutil/support.h>

#include <cstdio>

namespace {
ut_assert_handler g_handler = nullptr;
void* g_handler_context = nullptr;
} // namespace

void ut_set_assert_handler(ut_assert_handler handler, void* context) {
    g_handler = handler;
    g_handler_context = handler ? context : nullptr;
}

void ut_report_assert_failure(const char* file, int line, const char* message) {
    if (g_handler) {
        g_handler(file, line, message, g_handler_context);
        return;
    }
    std::fprintf(stderr, "Assertion failed: %s(%d): %s\n", file ? file : "", line,
                 message ? message : "");
    std::fflush(stderr);
}
