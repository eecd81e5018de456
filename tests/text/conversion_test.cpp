// Narrow and wide text into caller-supplied wide buffers.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <cwchar>

namespace {

TEST(WideConversion, SizeQueryFitAndTooSmall) {
    wchar_t target[260];
    std::wmemset(target, L'#', 260);
    EXPECT_EQ(1, ui_LPCTSTR_to_WCHAR(L"", target, 0));
    EXPECT_EQ(6, ui_LPCTSTR_to_WCHAR(L"abcde", target, 0));
    EXPECT_EQ(0, ui_LPCTSTR_to_WCHAR(L"abcde", target, 5));
    EXPECT_EQ(0, ui_LPCTSTR_to_WCHAR(L"abcde", target, -1));
    EXPECT_EQ(6, ui_LPCSTR_to_TCHAR("abcde", target, 0));
    EXPECT_EQ(L'#', target[0]);
    // Too small: 0 (the platform's converter may have written part of it).
    EXPECT_EQ(0, ui_LPCSTR_to_TCHAR("abcde", target, 3));

    EXPECT_EQ(1, ui_LPCTSTR_to_WCHAR(L"", target, 1));
    EXPECT_EQ(L'\0', target[0]);
    EXPECT_EQ(6, ui_LPCTSTR_to_WCHAR(L"abcde", target, 6));
    EXPECT_STREQ(L"abcde", target);
    EXPECT_EQ(L'#', target[6]);
    EXPECT_EQ(6, ui_LPCSTR_to_TCHAR("C:\\a\\", target, 260));
    EXPECT_STREQ(L"C:\\a\\", target);
}

} // namespace
