// Double-byte text: a Shift-JIS character whose second byte is 0x5C (the
// backslash's value) must pass through as one character. On Windows the
// thread locale is switched to Japanese so CP_THREAD_ACP is code page 932;
// on Linux the locale named by UIUTIL_TEST_SJIS_LOCALE (built by a ctest
// fixture, with the WINDOWS-31J character map) is selected.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// U+8868, encoded 0x95 0x5C.
const char kHyou[] = "\x95\x5c";

class ShiftJis : public ::testing::Test {
protected:
    void SetUp() override {
#if defined(_WIN32)
        ASSERT_TRUE(SetThreadLocale(
            MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT)));
#else
        const char* name = std::getenv("UIUTIL_TEST_SJIS_LOCALE");
        if (!name)
            GTEST_SKIP() << "no Shift-JIS locale was built (localedef missing)";
        ASSERT_NE(nullptr, std::setlocale(LC_CTYPE, name)) << name;
#endif
    }
};

TEST_F(ShiftJis, TrailByteIsNeverABackslash) {
    const std::string text = std::string(kHyou) + "n" + kHyou + "\\n" + kHyou + "\\\\" + kHyou;
    const std::string expected = std::string(kHyou) + "n" + kHyou + "\n" + kHyou + "\\" + kHyou;
    std::string buffer = text;
    ui_escape_chars(&buffer[0]);
    EXPECT_STREQ(expected.c_str(), buffer.c_str());

    // Ending in the character: its 0x5C is not a trailing backslash.
    char last[] = "x\x95\x5c";
    EXPECT_STREQ("x\x95\x5c", ui_escape_chars(last));
}

TEST_F(ShiftJis, LineBreaksAroundDoubleByteCharacters) {
    char* out = nullptr;
    int length = 0;
    const std::string text = std::string(kHyou) + "\n" + kHyou + "\r";
    EXPECT_EQ(1, ui_expand_NT_escape_chars(text.c_str(), &out, &length));
    EXPECT_EQ(std::string(kHyou) + "\r\n" + kHyou + "\r\n", out);
    EXPECT_EQ(8, length);
    delete[] out;
}

TEST_F(ShiftJis, NarrowToWideDecodesOneCharacter) {
    wchar_t wide[4] = {};
    EXPECT_EQ(2, ui_LPCSTR_to_TCHAR(kHyou, nullptr, 0));
    EXPECT_EQ(2, ui_LPCSTR_to_TCHAR(kHyou, wide, 4));
    EXPECT_EQ(static_cast<wchar_t>(0x8868), wide[0]);
    EXPECT_EQ(L'\0', wide[1]);
}

} // namespace
