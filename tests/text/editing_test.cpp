// Substring and character replacement, removal and insertion.
#include <gtest/gtest.h>
#include <uiutil/uiutil.h>

#include <string>

namespace {

std::string text_of(const uiSaveString& s) {
    return s ? std::string(s) : std::string("<null>");
}

std::string replaced(const char* text, const char* substring, const char* replacement,
                     int expected_answer) {
    uiSaveString s(text);
    EXPECT_EQ(expected_answer, ui_replace_chars(&s, substring, replacement)) << text;
    return text_of(s);
}

TEST(ReplaceSubstring, LeftToRightWithoutOverlapOrRescan) {
    EXPECT_EQ("axx", replaced("aabab", "ab", "x", 1));
    EXPECT_EQ("ba", replaced("aaa", "aa", "b", 1));
    EXPECT_EQ("%v%v and %v%v", replaced("%v and %v", "%v", "%v%v", 1));
    EXPECT_EQ("xy", replaced("xaby", "ab", "", 1));
    EXPECT_EQ("<null>", replaced("abab", "ab", nullptr, 1)); // nothing left: null
    EXPECT_EQ("<null>", replaced(nullptr, "a", "b", 0));
    EXPECT_EQ(0, ui_replace_chars(nullptr, "a", "b"));
}

TEST(ReplaceSubstring, OnlyASuccessfulReplacementGivesANewBuffer) {
    uiSaveString s("hello");
    const uiSaveString shared = s;
    EXPECT_EQ(0, ui_replace_chars(&s, "xyz", "q"));
    EXPECT_EQ(0, ui_replace_chars(&s, "", "q"));
    EXPECT_EQ(0, ui_replace_chars(&s, nullptr, "q"));
    EXPECT_EQ(static_cast<const char*>(shared), static_cast<const char*>(s));
    EXPECT_EQ(1, ui_replace_chars(&s, "ll", "LL"));
    EXPECT_EQ("heLLo", text_of(s));
    EXPECT_EQ("hello", text_of(shared));
}

TEST(ReplaceCharacters, ChainsCountsAndNullArguments) {
    int count = -1;
    EXPECT_EQ("c", text_of(ui_replace_chars("a", "ab", "bc", &count)));
    EXPECT_EQ(2, count);
    EXPECT_EQ("aa", text_of(ui_replace_chars("ab", "ab", "ba", &count)));
    EXPECT_EQ(3, count);
    EXPECT_EQ("x-y", text_of(ui_replace_chars("x y", " ", "-", nullptr)));
    EXPECT_EQ("abc", text_of(ui_replace_chars("abc", nullptr, "x", &count)));
    EXPECT_EQ(0, count);
    EXPECT_EQ("abc", text_of(ui_replace_chars("abc", "a", nullptr, &count)));
    EXPECT_EQ("<null>", text_of(ui_replace_chars(nullptr, "a", "b", &count)));
    EXPECT_EQ(0, count);
}

TEST(ReplaceCharacters, OldSetLongerThanNewSetLeavesTheCharacter) {
    int count = -1;
    const uiSaveString& result = ui_replace_chars("a-b-c", "-bc", "_", &count);
    EXPECT_EQ("a_b_c", text_of(result));
    EXPECT_EQ(4, count);
}

TEST(ReplaceCharacters, EarlierCopiesSurviveTheNextCall) {
    const uiSaveString first = ui_replace_chars("one", "o", "0", nullptr);
    const uiSaveString& second = ui_replace_chars("two", "o", "0", nullptr);
    EXPECT_EQ("0ne", text_of(first));
    EXPECT_EQ("tw0", text_of(second));
}

TEST(RangeEditing, RemoveValidAndInvalidRanges) {
    const uiSaveString text("abcdef");
    EXPECT_EQ("aef", text_of(ui_remove_chars(text, 1, 4)));
    EXPECT_EQ("abcde", text_of(ui_remove_chars(text, 5, 6)));
    EXPECT_EQ("", text_of(ui_remove_chars(text, 0, 6)));
    EXPECT_EQ("abcdef", text_of(text));
    for (const auto& range : {std::make_pair(2, 2), std::make_pair(3, 7), std::make_pair(-1, 2)})
        EXPECT_EQ("<null>", text_of(ui_remove_chars(text, range.first, range.second)));
    EXPECT_EQ("<null>", text_of(ui_remove_chars(uiSaveString(""), 0, 1)));
}

TEST(RangeEditing, InsertPositionsAndEmptyTexts) {
    const uiSaveString text("abc");
    EXPECT_EQ("xyabc", text_of(ui_insert_chars(text, 0, "xy")));
    EXPECT_EQ("abcxy", text_of(ui_insert_chars(text, 3, "xy")));
    EXPECT_EQ("<null>", text_of(ui_insert_chars(text, 4, "xy")));
    EXPECT_EQ("<null>", text_of(ui_insert_chars(text, -1, "xy")));
    EXPECT_EQ("<null>", text_of(ui_insert_chars(text, 0, nullptr)));
    const uiSaveString copy = ui_insert_chars(text, 1, "");
    EXPECT_EQ("abc", text_of(copy));
    EXPECT_NE(static_cast<const char*>(text), static_cast<const char*>(copy));
    EXPECT_EQ("xy", text_of(ui_insert_chars(uiSaveString(), 0, "xy")));
    EXPECT_EQ("<null>", text_of(ui_insert_chars(uiSaveString(""), 1, "xy")));
}

} // namespace
