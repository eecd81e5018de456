#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <uiutil/uiutil.h>

namespace {

const char* text(const uiSaveString& s) {
    return s;
}

TEST(SharedString, NullAndEmptyAreDistinct) {
    uiSaveString by_default;
    uiSaveString from_null(static_cast<const char*>(nullptr));
    uiSaveString zero_count("abc", 0);
    for (const uiSaveString* s : {&by_default, &from_null, &zero_count}) {
        EXPECT_EQ(text(*s), nullptr);
        EXPECT_EQ(s->empty(), 1);
        EXPECT_EQ(s->length(), 0);
    }
    uiSaveString empty("");
    ASSERT_NE(text(empty), nullptr);
    EXPECT_EQ(text(empty)[0], '\0');
    EXPECT_EQ(empty.empty(), 1);
    EXPECT_EQ(empty.length(), 0);

    EXPECT_EQ(by_default == static_cast<const char*>(nullptr), 1);
    EXPECT_EQ(by_default == from_null, 1);
    EXPECT_EQ(by_default == "", 0);
    EXPECT_EQ(by_default == empty, 0);
    EXPECT_EQ(empty == by_default, 0);
    EXPECT_EQ(empty == uiSaveString(""), 1);
}

TEST(SharedString, EqualityAndIndexing) {
    uiSaveString a("menu");
    EXPECT_EQ(a == "menu", 1);
    EXPECT_EQ(a == "men", 0);
    EXPECT_EQ(a == "menus", 0);
    EXPECT_EQ(a == uiSaveString("menu"), 1);
    EXPECT_EQ(a[0], 'm');
    EXPECT_EQ(a[3], 'u');
    EXPECT_EQ(a[-1], '\0');
    EXPECT_EQ(a[4], '\0');
    EXPECT_EQ(uiSaveString()[0], '\0');
}

TEST(SharedString, CountedConstructor) {
    uiSaveString first_three("abcdef", 3);
    EXPECT_STREQ(text(first_three), "abc");
    EXPECT_EQ(first_three.length(), 3);
    // A count past the source's end stops at its NUL; a negative count gives
    // the null string.
    uiSaveString beyond("ab", 10);
    EXPECT_STREQ(text(beyond), "ab");
    EXPECT_EQ(beyond.length(), 2);
    EXPECT_EQ(text(uiSaveString("ab", -1)), nullptr);
}

TEST(SharedString, ClaimingConstructor) {
    char* only_nul = new char[1];
    only_nul[0] = '\0';
    uiSaveString claimed(uiClaimOwnership, only_nul);
    EXPECT_EQ(text(claimed), only_nul);
    EXPECT_EQ(claimed.empty(), 1);
    EXPECT_EQ(text(uiSaveString(uiClaimOwnership, nullptr)), nullptr);

    char* joined = apconcat(3, "C:", "/", "x.wav");
    uiSaveString path(uiClaimOwnership, joined);
    EXPECT_STREQ(text(path), "C:/x.wav");
    EXPECT_EQ(path.length(), 8);
}

TEST(SharedString, CopiesShareUntilTheLastIsGone) {
    auto* a = new uiSaveString("shared");
    auto* b = new uiSaveString(*a);
    uiSaveString c;
    c = *b;
    EXPECT_EQ(text(*a), text(*b));
    EXPECT_EQ(text(*a), text(c));
    delete a;
    delete b;
    EXPECT_STREQ(text(c), "shared"); // the buffer outlives the first two sharers

    c = c; // self-assignment keeps the buffer
    EXPECT_STREQ(text(c), "shared");

    uiSaveString null_string;
    c = null_string;
    EXPECT_EQ(text(c), nullptr);
    uiSaveString empty("");
    c = empty;
    EXPECT_EQ(text(c), text(empty));
}

TEST(SharedString, Joining) {
    uiSaveString x("x"), y("y"), null_string, empty("");
    uiSaveString xy = x + y;
    EXPECT_STREQ(text(xy), "xy");
    EXPECT_NE(text(xy), text(x));

    uiSaveString from_null = null_string + y;
    EXPECT_STREQ(text(from_null), "y");
    EXPECT_NE(text(from_null), text(y)); // a new buffer
    EXPECT_STREQ(text(empty + "y"), "y");

    EXPECT_EQ(text(x + null_string), text(x)); // shares x's buffer
    EXPECT_EQ(text(x + ""), text(x));
    EXPECT_EQ(text(null_string + ""), nullptr);
    EXPECT_EQ(text(null_string + static_cast<const char*>(nullptr)), nullptr);
}

TEST(SharedString, AppendingLeavesSharersAlone) {
    uiSaveString a("old");
    uiSaveString b;
    b = a;
    a += "+z";
    EXPECT_STREQ(text(a), "old+z");
    EXPECT_EQ(a.length(), 5);
    EXPECT_STREQ(text(b), "old");

    uiSaveString null_string;
    null_string += "new";
    EXPECT_STREQ(text(null_string), "new");
    uiSaveString unchanged("same");
    const char* before = text(unchanged);
    unchanged += "";
    unchanged += nullptr;
    EXPECT_EQ(text(unchanged), before);
}

TEST(SharedString, StreamOutput) {
    std::ostringstream out;
    out << uiSaveString("a b") << '|' << uiSaveString() << '|' << uiSaveString("");
    EXPECT_EQ(out.str(), "a b||");
}

TEST(SharedString, SmallHelpers) {
    EXPECT_EQ(mca_strlen("hello"), 5);
    EXPECT_EQ(mca_strlen(""), 0);
    EXPECT_EQ(mca_ptrdiff(-7), -7);
    char haystack[] = "find the needle";
    char* found = strstr(haystack, "needle");
    ASSERT_NE(found, nullptr);
    *found = 'N'; // writable
    EXPECT_STREQ(haystack, "find the Needle");
    uiSaveString_junk();
}

} // namespace
