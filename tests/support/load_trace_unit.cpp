// The load trace on its own, compiled into this program with the marks that
// feed it, so that more events can be made than the library's own load-time
// objects leave (eight): the first 32 are kept, and the sink receives every
// one of them, however many there are.
#include <gtest/gtest.h>

#include <string>
#include <uiutil/load_trace.h>
#include <vector>

#include "load_trace_mark.h"

namespace {

std::vector<std::string> g_seen;

void seen(const char* event) {
    g_seen.push_back(event);
}

TEST(LoadTrace, TheSinkReceivesEveryEventPastTheKeptOnes) {
    ui_set_load_trace_sink(seen);
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i)
        names.push_back("group " + std::to_string(i));
    for (const std::string& name : names)
        uiutil_internal::LoadTraceMark mark(name.c_str());
    ui_set_load_trace_sink(nullptr);

    ASSERT_EQ(g_seen.size(), 80u);
    EXPECT_EQ(g_seen[0], "+group 0");
    EXPECT_EQ(g_seen[63], "-group 31");
    EXPECT_EQ(g_seen[79], "-group 39");
    // The first 32 are kept.
    ASSERT_NE(ui_load_trace_event(31), nullptr);
    EXPECT_STREQ(ui_load_trace_event(31), "-group 15");
    EXPECT_EQ(ui_load_trace_event(32), nullptr);
    // Without a sink nothing more is delivered.
    { uiutil_internal::LoadTraceMark late("late"); }
    EXPECT_EQ(g_seen.size(), 80u);
}

} // namespace
