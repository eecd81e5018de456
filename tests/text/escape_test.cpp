// Backslash sequences and line-break conversion, in the default code page
// (the "C" locale on Linux).
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <clocale>
#include <random>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string input;
    std::string output;
    int result;
};

std::string unescape(const std::string& in, int* result) {
    char* out = nullptr;
    *result = ui_unescape_chars(in.c_str(), &out);
    std::string text(out);
    delete[] out;
    return text;
}

std::string escape(std::string in) {
    std::vector<char> buffer(in.begin(), in.end());
    buffer.push_back('\0');
    EXPECT_EQ(buffer.data(), ui_escape_chars(buffer.data()));
    return std::string(buffer.data());
}

std::string substitute(const std::string& in, int* result) {
    char* out = nullptr;
    *result = ui_substitute_NT_return_chars(in.c_str(), &out);
    std::string text(out);
    delete[] out;
    return text;
}

std::string expand(const std::string& in, int* result) {
    char* out = nullptr;
    int length = -1;
    *result = ui_expand_NT_escape_chars(in.c_str(), &out, &length);
    std::string text(out);
    EXPECT_EQ(static_cast<int>(text.size()), length);
    delete[] out;
    return text;
}

// Tests of code-page behaviour pin the "C" locale (Linux) for their run.
class CLocale : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_CTYPE, "C"); }
};

TEST(Unescape, ControlCharactersAndPairs) {
    const Case cases[] = {
        {"a\tb", "a\\tb", 1},      {"\r\n", "\\n", 0},      {"\n\r", "\\n", 0},
        {"\r\n\r\n", "\\n\\n", 0}, {"\r\n\r", "\\n\\r", 1}, // a byte that completed a pair starts
                                                            // none
        {"\n\r\n", "\\n\\n", 1},   {"x\ry", "x\\ry", 1},    {"", "", 0},
        {"C:\\dir", "C:\\dir", 0}, // backslashes are not doubled
        {"\\r\n", "\\n", 1},       // the pair test looks at the output bytes
        {"\\n\r", "\\n", 1},
    };
    for (const Case& c : cases) {
        int result = -1;
        EXPECT_EQ(c.output, unescape(c.input, &result)) << c.input;
        EXPECT_EQ(c.result, result) << c.input;
    }
}

TEST(Escape, SequencesTrailingBackslashAndNull) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\\nb", "a\nb"}, {"\\r\\t", "\r\t"}, {"end\\", "end"},
        {"\\q", "q"},      {"\\\\", "\\"},     {"\\\\n", "\\n"},
        {"", ""},          {"\\\\\\", "\\"},   {"no escapes", "no escapes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, escape(c.first)) << c.first;
    EXPECT_EQ(nullptr, ui_escape_chars(nullptr));
}

TEST(LineBreaks, SubstituteReturns) {
    const Case cases[] = {
        {"\r\r\n", "\n\n", 1}, {"a\nb\n", "a\nb\n", 0}, {"\n\r", "\n\n", 1}, {"x\ry", "x\ny", 1},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        int result = -1;
        EXPECT_EQ(c.output, substitute(c.input, &result));
        EXPECT_EQ(c.result, result);
    }
}

TEST(LineBreaks, ExpandToReturnLineFeed) {
    const Case cases[] = {
        {"a\nb", "a\r\nb", 1},     {"\r\n", "\r\n", 0},       {"\n\n", "\r\n\r\n", 1},
        {"\n\r", "\r\n", 0},       {"\r", "\r\n", 1},         {"\r\n\r\n", "\r\n\r\n", 0},
        {"\n\r\n", "\r\n\r\n", 1}, {"\r\rx", "\r\n\r\nx", 1}, {"", "", 0},
    };
    for (const Case& c : cases) {
        int result = -1;
        EXPECT_EQ(c.output, expand(c.input, &result));
        EXPECT_EQ(c.result, result);
    }
    char* out = nullptr;
    EXPECT_EQ(1, ui_expand_NT_escape_chars("\n", &out, nullptr));
    EXPECT_STREQ("\r\n", out);
    delete[] out;
}

TEST_F(CLocale, EightBitTextConvertsByteForByte) {
    // Bytes 0x80-0xFF are characters of their own: 0x95 is not a lead byte
    // here, so the backslash after it starts an escape.
    EXPECT_EQ("caf\xe9\t\xff\n", escape("caf\xe9\\t\xff\\n"));
    EXPECT_EQ("\x95\n", escape("\x95\\n"));
    int result = -1;
    EXPECT_EQ("\x80\r\n\xfe\r\n", expand("\x80\n\xfe\r", &result));
    EXPECT_EQ(1, result);

    wchar_t wide[8];
    EXPECT_EQ(3, ui_LPCSTR_to_TCHAR("\xe9z", wide, 8));
    EXPECT_EQ(L'z', wide[1]);
}

TEST_F(CLocale, RandomTextSurvivesUnescapeThenEscape) {
    // Without backslashes and carriage returns (which unescaping does not
    // keep apart from line feeds), escaping undoes unescaping exactly.
    std::mt19937 random(20261207);
    const std::string alphabet = "ab Z9\t\n\x80\xe9\xff/\"'";
    for (int round = 0; round < 500; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        int result = -1;
        const std::string unescaped = unescape(text, &result);
        EXPECT_EQ(unescaped.find_first_of("\t\n"), std::string::npos);
        EXPECT_EQ(text, escape(unescaped));

        // Expanding is idempotent, and its output holds only pairs.
        const std::string once = expand(text + "\r", &result);
        EXPECT_EQ(once, expand(once, &result));
        EXPECT_EQ(0, result);
        EXPECT_EQ(substitute(once, &result).find('\r'), std::string::npos);
    }
}

#if !defined(_WIN32)
TEST(Utf8Locale, InvalidSequenceThrowsAndLeavesBufferAlone) {
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        GTEST_SKIP() << "no C.UTF-8 locale";
    char text[] = "caf\xc3\xa9\\n";
    EXPECT_STREQ("caf\xc3\xa9\n", ui_escape_chars(text));

    char bad[] = "\xff\\n";
    EXPECT_THROW(ui_escape_chars(bad), uiCodePageError);
    EXPECT_STREQ("\xff\\n", bad);
    char* out = nullptr;
    EXPECT_THROW(ui_expand_NT_escape_chars("ok\n\xc3", &out, nullptr), uiCodePageError);
    EXPECT_EQ(nullptr, out);
    wchar_t wide[4] = {L'#'};
    EXPECT_EQ(0, ui_LPCSTR_to_TCHAR("\xff", wide, 4));
    EXPECT_EQ(L'#', wide[0]);
    std::setlocale(LC_CTYPE, "C");
}
#endif

} // namespace
