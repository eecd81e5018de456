// The library's one narrow/wide conversion on its own (compiled into this
// program from source/platform), as the shortcut readers, the registry
// wrapper and the escape functions use it: a wide text the thread's code
// page cannot spell exactly is refused, never replaced by a look-alike or
// by the default character; what it can spell converts exactly.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include <uiutil/strings.h>

#include "platform/internal/code_page.h"

namespace {

// The narrow form of `wide`, or "(refused)".
std::string encoded(const std::wstring& wide) {
    std::string narrow;
    if (!uiutil_internal::encode_thread_code_page(wide.c_str(), wide.size(), narrow))
        return "(refused)";
    return narrow;
}

std::wstring decoded(const char* narrow) {
    std::wstring wide;
    if (!uiutil_internal::decode_thread_code_page(narrow, wide))
        return L"(refused)";
    return wide;
}

#if defined(_WIN32)

// The thread's code page, 1252 by default (Wine's too).
TEST(CodePage, WindowsRefusesWhatTheThreadsCodePageCannotSpell) {
    ASSERT_EQ(GetACP(), 1252u) << "the test expects code page 1252";
    EXPECT_EQ(encoded(L"C:\\Sounds\\\x03A9.wav"), "(refused)"); // best fit would give 'O'
    EXPECT_EQ(encoded(L"\x0436\x4E2D.wav"), "(refused)");       // the default would give "??"
    EXPECT_EQ(encoded(L"caf\x00E9 \x20AC"), "caf\xE9 \x80");
    EXPECT_EQ(encoded(L"\x0081"), "\x81");       // undefined in 1252: kept as the same byte
    EXPECT_EQ(encoded(L"x\xD800"), "(refused)"); // a lone surrogate names no character
    EXPECT_EQ(decoded("caf\xE9"), L"caf\x00E9");
    EXPECT_THROW(uiutil_internal::encode_thread_code_page(L"\x03A9"), uiCodePageError);

    // Code page 932 spells Greek, Cyrillic and kanji, but not U+00E9.
    const LCID saved = GetThreadLocale();
    ASSERT_TRUE(
        SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT)));
    EXPECT_EQ(encoded(L"\x03A9"), "\x83\xB6");
    EXPECT_EQ(encoded(L"\x0436\x4E2D"), "\x84\x77\x92\x86");
    EXPECT_EQ(encoded(L"caf\x00E9"), "(refused)"); // best fit would give 'e'
    EXPECT_EQ(decoded("\x95\x5C"), L"\x8868");
    SetThreadLocale(saved);
}

#else

struct Locale {
    std::string saved;
    explicit Locale(const char* name) : saved(std::setlocale(LC_CTYPE, nullptr)) {
        EXPECT_NE(std::setlocale(LC_CTYPE, name), nullptr) << name;
    }
    ~Locale() { std::setlocale(LC_CTYPE, saved.c_str()); }
};

TEST(CodePage, LocalesRefuseWhatTheyCannotSpell) {
    {
        Locale c("C");
        // Every byte survives: one the locale does not define is 0xDC00 + byte.
        EXPECT_EQ(decoded("caf\xE9"), std::wstring(L"caf") + wchar_t(0xDC00 + 0xE9));
        EXPECT_EQ(encoded(std::wstring(L"caf") + wchar_t(0xDC00 + 0xE9)), "caf\xE9");
        EXPECT_EQ(encoded(L"caf\x00E9"), "(refused)");
        EXPECT_EQ(encoded(L"\x03A9"), "(refused)");
    }
    Locale utf8("C.UTF-8");
    EXPECT_EQ(encoded(L"\x03A9\x0436\x4E2D"), "\xCE\xA9\xD0\xB6\xE4\xB8\xAD");
    EXPECT_EQ(encoded(std::wstring(1, wchar_t(0xD800))), "(refused)");
    EXPECT_EQ(decoded("\xCE\xA9"), L"\x03A9");
    EXPECT_EQ(decoded("\xCE"), L"(refused)");
    EXPECT_THROW(uiutil_internal::decode_thread_code_page("\xCE"), uiCodePageError);
}

#endif

} // namespace
