// Substring and character replacement, removal and insertion.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <string>

namespace {

std::string text_of(const uiSaveString& s) {
    return s ? std::string(s) : std::string("<null>");
}

TEST(ReplaceSubstring, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
    uiSaveString s("aabab");
    EXPECT_EQ(1, ui_replace_chars(&s, "ab", "x"));
    EXPECT_EQ("axx", text_of(s));
    EXPECT_EQ(3, s.length());

    uiSaveString t("aaa");
    EXPECT_EQ(1, ui_replace_chars(&t, "aa", "b"));
    EXPECT_EQ("ba", text_of(t));

    // The replacement is never searched again.
    uiSaveString u("%v and %v");
    EXPECT_EQ(1, ui_replace_chars(&u, "%v", "%v%v"));
    EXPECT_EQ("%v%v and %v%v", text_of(u));
}

TEST(ReplaceSubstring, NoMatchKeepsTheSharedBufferAndOthersKeepOldText) {
    uiSaveString s("hello");
    uiSaveString shared = s;
    EXPECT_EQ(0, ui_replace_chars(&s, "xyz", "q"));
    EXPECT_EQ(static_cast<const char*>(shared), static_cast<const char*>(s));
    EXPECT_EQ(0, ui_replace_chars(&s, "", "q"));
    EXPECT_EQ(static_cast<const char*>(shared), static_cast<const char*>(s));

    EXPECT_EQ(1, ui_replace_chars(&s, "ll", "LL"));
    EXPECT_EQ("heLLo", text_of(s));
    EXPECT_EQ("hello", text_of(shared));
}

TEST(ReplaceSubstring, DeletingLeavesNullWhenNothingRemains) {
    uiSaveString s("abab");
    EXPECT_EQ(1, ui_replace_chars(&s, "ab", nullptr));
    EXPECT_EQ(nullptr, static_cast<const char*>(s));

    uiSaveString t("xaby");
    EXPECT_EQ(1, ui_replace_chars(&t, "ab", ""));
    EXPECT_EQ("xy", text_of(t));

    uiSaveString null_string;
    EXPECT_EQ(0, ui_replace_chars(&null_string, "a", "b"));
    EXPECT_EQ(0, ui_replace_chars(nullptr, "a", "b"));
    EXPECT_EQ(0, ui_replace_chars(&t, nullptr, "b"));
}

} // namespace
