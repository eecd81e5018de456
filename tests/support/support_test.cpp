#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <uiutil/uiutil.h>

namespace {

void capture(const char* text, void* context) {
    *static_cast<std::string*>(context) += text;
}

struct CapturedOutput {
    std::string text;
    CapturedOutput() { apprintf_set_sink(capture, &text); }
    ~CapturedOutput() { apprintf_set_sink(nullptr, nullptr); }
};

TEST(Support, WarningReportFormat) {
    CapturedOutput out;
    ui_report_warning("f.c", 12, "bad");
    EXPECT_EQ(out.text, "\n*** UI-Warning ***: bad\n                   File: f.c   Line: 12\n");
}

TEST(Support, ApprintfFormatsLongText) {
    CapturedOutput out;
    const std::string long_text(5000, 'x');
    apprintf("%s|%d", long_text.c_str(), -3);
    EXPECT_EQ(out.text, long_text + "|-3");
}

TEST(Support, ApconcatJoinsInOrder) {
    char* one = apconcat(1, "name");
    char* two = apconcat(2, "name", ".wav");
    char* three = apconcat(3, "dir", "/", "name");
    char* empties = apconcat(2, "", "");
    EXPECT_STREQ(one, "name");
    EXPECT_STREQ(two, "name.wav");
    EXPECT_STREQ(three, "dir/name");
    EXPECT_STREQ(empties, "");
    delete[] one;
    delete[] two;
    delete[] three;
    // Releasable like a string buffer: hand it to the claiming constructor.
    uiSaveString claimed(uiClaimOwnership, empties);
    EXPECT_EQ(claimed.length(), 0);
}

TEST(Support, TypeRecordsCompareByName) {
    utTypeID a(utTypeMakerNone, "uiEvent");
    utTypeID same_name(utTypeMakerNone, "uiEvent");
    utTypeID other(utTypeMakerNone, "uiSystemEvent");
    EXPECT_NE(a.is_same_type(a), 0);
    EXPECT_NE(a.is_same_type(same_name), 0);
    EXPECT_EQ(a.is_same_type(other), 0);
    EXPECT_STREQ(other.name(), "uiSystemEvent");
    // Through the base interface, as the type-identity scheme calls it.
    const utTypeID& base = other;
    EXPECT_EQ(base.is_same_type(a), 0);
}

struct Report {
    std::string file, message;
    int line = 0;
    int calls = 0;
};

void record_report(const char* file, int line, const char* message, void* context) {
    auto* r = static_cast<Report*>(context);
    r->file = file;
    r->line = line;
    r->message = message;
    ++r->calls;
}

TEST(Support, AssertionReportReturns) {
    Report report;
    ut_set_assert_handler(record_report, &report);
    ut_report_assert_failure("source/x", 74, "went wrong");
    ut_set_assert_handler(nullptr, nullptr);
    EXPECT_EQ(report.calls, 1);
    EXPECT_EQ(report.file, "source/x");
    EXPECT_EQ(report.line, 74);
    EXPECT_EQ(report.message, "went wrong");
}

TEST(Support, WindowsTypesKeepTheirSizes) {
    static_assert(sizeof(HRESULT) == 4 && static_cast<HRESULT>(-1) < 0, "HRESULT is 32-bit signed");
    static_assert(sizeof(LONG) == 4 && static_cast<LONG>(-1) < 0, "LONG is 32-bit signed");
    static_assert(sizeof(WORD) == 2 && sizeof(BYTE) == 1, "WORD and BYTE");
    static_assert(sizeof(HACCEL) == sizeof(void*) && sizeof(HINSTANCE) == sizeof(void*), "handles");
    static_assert(sizeof(ACCEL) == 6, "ACCEL: BYTE, WORD, WORD");
    EXPECT_EQ(S_OK, 0);
    EXPECT_EQ(S_FALSE, 1);
    EXPECT_TRUE(FAILED(E_FAIL));
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
}

TEST(Support, LoadTimeObjectsAreBuiltInOrder) {
    const char* expected[] = {"+accelerator text", "+user data", "+events", "+sound"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(ui_load_trace_event(i), nullptr) << i;
        EXPECT_STREQ(ui_load_trace_event(i), expected[i]);
    }
    EXPECT_EQ(ui_load_trace_event(4), nullptr);
    EXPECT_EQ(ui_load_trace_event(-1), nullptr);
}

} // namespace
