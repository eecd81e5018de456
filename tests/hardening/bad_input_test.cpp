// Null pointers where the interface wants text: each function reports the
// call through the assertion report and gives its safe answer instead of
// reading through the pointer.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <string>
#include <vector>

namespace {

// Collects assertion reports for the duration of a test.
class Reports {
public:
    Reports() {
        ut_set_assert_handler(
            [](const char*, int, const char* message, void* self) {
                static_cast<Reports*>(self)->messages.push_back(message ? message : "");
            },
            this);
    }
    ~Reports() { ut_set_assert_handler(nullptr, nullptr); }
    Reports(const Reports&) = delete;
    Reports& operator=(const Reports&) = delete;

    // The number of reports since the last call.
    size_t take() {
        const size_t n = messages.size();
        messages.clear();
        return n;
    }
    std::vector<std::string> messages;
};

class PathList : public uiPathList {
public:
    using uiPathList::add;
    using uiPathList::in_list;
};

TEST(NullText, EscapeAndLineBreakFunctionsReportAndProduceNothing) {
    Reports reports;
    char* out = reinterpret_cast<char*>(1);
    EXPECT_EQ(0, ui_unescape_chars(nullptr, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, ui_unescape_chars("a\tb", nullptr));
    out = reinterpret_cast<char*>(1);
    EXPECT_EQ(0, ui_substitute_NT_return_chars(nullptr, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, ui_substitute_NT_return_chars("a\rb", nullptr));
    int length = -1;
    out = reinterpret_cast<char*>(1);
    EXPECT_EQ(0, ui_expand_NT_escape_chars(nullptr, &out, &length));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, length);
    EXPECT_EQ(0, ui_expand_NT_escape_chars("a\nb", nullptr, &length));
    EXPECT_EQ(6u, reports.take());

    // Valid arguments report nothing.
    ASSERT_EQ(1, ui_unescape_chars("\t", &out));
    EXPECT_STREQ("\\t", out);
    delete[] out;
    EXPECT_EQ(0u, reports.take());
}

TEST(NullText, StringHelpersAndConversionsReport) {
    Reports reports;
    EXPECT_EQ(0, mca_strlen(nullptr));
    wchar_t target[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(0, ui_LPCTSTR_to_WCHAR(nullptr, target, 4));
    EXPECT_EQ(0, ui_LPCTSTR_to_WCHAR(L"ab", nullptr, 4));
    EXPECT_EQ(L'x', target[0]);
    EXPECT_EQ(3u, reports.take());
    // A size query needs no target.
    EXPECT_EQ(3, ui_LPCTSTR_to_WCHAR(L"ab", nullptr, 0));
    EXPECT_EQ(uiVALTYPE_ERROR, ui_decode_uiValType(nullptr));
    EXPECT_EQ(1u, reports.take());

    // A warning with null texts prints them as "(null)".
    std::string printed;
    apprintf_set_sink([](const char* text, void* out) { *static_cast<std::string*>(out) += text; },
                      &printed);
    ui_report_warning(nullptr, 7, nullptr);
    apprintf_set_sink(nullptr, nullptr);
    EXPECT_NE(std::string::npos, printed.find("*** UI-Warning ***: (null)\n"));
    EXPECT_NE(std::string::npos, printed.find("File: (null)   Line: 7"));
}

TEST(NullText, PathListOperationsReportAndChangeNothing) {
    Reports reports;
    PathList list;
    EXPECT_EQ(uiPATHOK, list.add("a;b"));
    EXPECT_EQ(uiPATHNOTFOUND, list.add(nullptr));
    EXPECT_EQ(uiPATHNOTFOUND, list.add(nullptr, uiPathList::uiPATHADDFIRST, 0));
    EXPECT_EQ(uiPATHNOTFOUND, list.remove(nullptr));
    EXPECT_EQ(0, list.in_list(nullptr));
    EXPECT_EQ(2, list.size());
    EXPECT_EQ(0, uiPathList::absolute_path(nullptr));
    EXPECT_EQ(uiPATHNOTFOUND, uiPathList::check_access(nullptr));
    EXPECT_EQ(nullptr, list.search(nullptr));
    EXPECT_EQ(nullptr, list.search_reverse(nullptr));
    EXPECT_EQ(nullptr, list.search(nullptr, ".txt"));
    uiPathList::prepend_cwd(nullptr);
    EXPECT_EQ(nullptr, uiPorting::path_verify(nullptr));
    EXPECT_EQ(11u, reports.take());

    // A null extension searches for the name alone.
    char* found = list.search("no-such-file", nullptr);
    EXPECT_EQ(nullptr, found);
    EXPECT_EQ(0u, reports.take());
}

TEST(NullText, PatternsTakeTheNullStringAsEmptyText) {
    uiPattern empty{uiSaveString()};
    EXPECT_EQ(uiPatternNoError, empty.error());
    EXPECT_EQ(1, empty.match(uiSaveString()));
    uiPattern letter{uiSaveString("a*")};
    EXPECT_EQ(1, letter.match(uiSaveString()));
    EXPECT_EQ(0, letter.registers().end[0]);
    uiPattern word{uiSaveString("\\bx")};
    EXPECT_EQ(0, word.match(uiSaveString()));
}

TEST(NullText, SoundsReportAndPlayNothing) {
    Reports reports;
    EXPECT_EQ(0, uiSound::system(nullptr));
    EXPECT_EQ(1u, reports.take());
}

} // namespace
