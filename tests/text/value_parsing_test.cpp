// Names, boolean words, decimal numbers and error codes.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <string>
#include <vector>

namespace {

TEST(NameCheck, LettersDigitsUnderscoreOnly) {
    for (const char* good : {"_", "9lives", "File_Open2", "x"})
        EXPECT_EQ(1, ui_name_check(good)) << good;
    for (const char* bad : {"a b", "a-b", "a.b", "", "caf\xe9", "tab\t"})
        EXPECT_EQ(0, ui_name_check(bad)) << bad;
    EXPECT_EQ(0, ui_name_check(nullptr));
}

TEST(EvalBool, FirstCharacterDecides) {
    for (const char* yes : {"t", "TRUE", "Tx", "1abc", "s", "on", "ON", "oN"})
        EXPECT_EQ(1, ui_evalbool(yes)) << yes;
    for (const char* no : {"of", "off", "o", "", "YES", "y", "0", "false", "unset", "x"})
        EXPECT_EQ(0, ui_evalbool(no)) << no;
    EXPECT_EQ(0, ui_evalbool(nullptr));
}

TEST(StripTrailingZeros, CutsAfterSeparatorOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.500", "1.5"},        {"1.000", "1.0"},   {"0.10", "0.1"},
        {"-2.50", "-2.5"},       {".00", ".0"},      {"100", "100"},
        {"1.05", "1.05"},        {"10.0", "10.0"},   {"1.5e10", "1.5e10"},
        {"+1.50", "+1.50"},      {"", ""},           {"1,000", "1,0"},
        {"1,000.50", "1,000.5"}, {"1.50 ", "1.50 "}, {"1-0.50", "1-0.50"},
        {"0.0", "0.0"},          {"100.", "100."},   {"-0.000", "-0.0"},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer(c.first, c.first + std::string(c.first).size() + 1);
        ui_strip_trailing_zeros(buffer.data());
        EXPECT_STREQ(c.second, buffer.data()) << c.first;
    }
    ui_strip_trailing_zeros(nullptr); // left alone
}

TEST(HresultFromWin32, MapsPositiveCodesOnly) {
    EXPECT_EQ(static_cast<HRESULT>(0x8007007A), HRESULT_FROM_WIN32(122));
    EXPECT_EQ(static_cast<HRESULT>(0x80070005), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    EXPECT_EQ(static_cast<HRESULT>(0x80071234), HRESULT_FROM_WIN32(0x00051234));
    EXPECT_EQ(S_OK, HRESULT_FROM_WIN32(0));
    EXPECT_EQ(E_FAIL, HRESULT_FROM_WIN32(E_FAIL));
#if !defined(_WIN32)
    // The exported function itself, past any macro of the same name.
    EXPECT_EQ(static_cast<HRESULT>(0x8007007A), (HRESULT_FROM_WIN32)(122));
    EXPECT_EQ(E_FAIL, (HRESULT_FROM_WIN32)(static_cast<DWORD>(E_FAIL)));
#endif
}

} // namespace
