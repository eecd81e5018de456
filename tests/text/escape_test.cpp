// Backslash sequences and line-break conversion, in the default code page
// (the "C" locale on Linux).
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <clocale>
#include <cstring>
#include <random>
#include <string>

namespace {

struct Case {
    std::string input;
    std::string output;
    int answer;
};

// Runs a function that allocates its output, and checks the answer.
template <typename Convert> std::string run(Convert convert, const Case& c) {
    char* out = nullptr;
    EXPECT_EQ(c.answer, convert(c.input.c_str(), &out)) << c.input;
    const std::string text(out);
    delete[] out;
    return text;
}

int unescape(const char* in, char** out) {
    return ui_unescape_chars(in, out);
}
int substitute(const char* in, char** out) {
    return ui_substitute_NT_return_chars(in, out);
}
int expand(const char* in, char** out) {
    int length = -1;
    const int answer = ui_expand_NT_escape_chars(in, out, &length);
    EXPECT_EQ(static_cast<int>(std::strlen(*out)), length);
    return answer;
}

std::string escape(std::string text) {
    text.push_back('\0');
    EXPECT_EQ(&text[0], ui_escape_chars(&text[0]));
    return std::string(
        text.c_str()); // NOLINT(readability-redundant-string-cstr): up to the new NUL
}

// Code-page tests pin the "C" locale (Linux) for their run.
class CLocale : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_CTYPE, "C"); }
};

TEST(Unescape, ControlCharactersAndPairs) {
    const Case cases[] = {
        {"a\tb", "a\\tb", 1},      {"\r\n", "\\n", 0},        {"\n\r", "\\n", 0},
        {"x\ry", "x\\ry", 1},      {"\r\n\r\n", "\\n\\n", 0}, {"", "", 0},
        {"\r\n\r", "\\n\\r", 1},                        // a byte that completed a pair starts none
        {"C:\\dir", "C:\\dir", 0},                      // backslashes stay single
        {"\\r\n", "\\n", 1},       {"\\n\r", "\\n", 1}, // the pair test reads output bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.output, run(unescape, c)) << c.input;
}

TEST(Escape, SequencesTrailingBackslashAndNull) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\\nb", "a\nb"}, {"\\r\\t", "\r\t"}, {"end\\", "end"}, {"\\q", "q"},
        {"\\\\", "\\"},    {"\\\\n", "\\n"},   {"\\\\\\", "\\"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, escape(c.first)) << c.first;
    EXPECT_EQ(nullptr, ui_escape_chars(nullptr));
}

TEST(LineBreaks, SubstituteAndExpand) {
    const Case substitutions[] = {
        {"\r\r\n", "\n\n", 1}, {"a\nb\n", "a\nb\n", 0}, {"\n\r", "\n\n", 1}, {"", "", 0}};
    for (const Case& c : substitutions)
        EXPECT_EQ(c.output, run(substitute, c)) << c.input;

    const Case expansions[] = {
        {"a\nb", "a\r\nb", 1},     {"\r\n", "\r\n", 0},       {"\n\n", "\r\n\r\n", 1},
        {"\n\r", "\r\n", 0},       {"\r", "\r\n", 1},         {"\r\n\r\n", "\r\n\r\n", 0},
        {"\n\r\n", "\r\n\r\n", 1}, {"\r\rx", "\r\n\r\nx", 1}, {"", "", 0},
    };
    for (const Case& c : expansions)
        EXPECT_EQ(c.output, run(expand, c)) << c.input;
    char* out = nullptr;
    EXPECT_EQ(1, ui_expand_NT_escape_chars("\n", &out, nullptr));
    EXPECT_STREQ("\r\n", out);
    delete[] out;
}

TEST_F(CLocale, EightBitTextConvertsByteForByte) {
    // 0x95 is a character of its own here, so the backslash after it starts
    // an escape.
    EXPECT_EQ("caf\xe9\t\xff\n", escape("caf\xe9\\t\xff\\n"));
    EXPECT_EQ("\x95\n", escape("\x95\\n"));
    EXPECT_EQ("\x80\r\n\xfe\r\n", run(expand, {"\x80\n\xfe\r", "", 1}));
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
        char* out = nullptr;
        ui_unescape_chars(text.c_str(), &out);
        const std::string unescaped(out);
        delete[] out;
        EXPECT_EQ(std::string::npos, unescaped.find_first_of("\t\n"));
        EXPECT_EQ(text, escape(unescaped));

        // Expanding is idempotent.
        ui_expand_NT_escape_chars((text + "\r").c_str(), &out, nullptr);
        const std::string once(out);
        delete[] out;
        EXPECT_EQ(once, run(expand, {once, "", 0}));
    }
}

#if !defined(_WIN32)
TEST(Utf8Locale, InvalidSequenceThrowsAndLeavesBufferAlone) {
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        GTEST_SKIP() << "no C.UTF-8 locale";
    EXPECT_EQ("caf\xc3\xa9\n", escape("caf\xc3\xa9\\n"));
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
