// Delimiter sets and user data quoted with the class-wide set.
#include <gtest/gtest.h>
#include <uiutil/commands.h>

#include <string>

namespace {

std::string text_of(const char* p) {
    return p ? std::string(p) : std::string("(null)");
}

std::string delimited(const uiDelimiter& d, const char* text) {
    uiSaveString out;
    d.delimit_string(uiSaveString(text), out);
    return text_of(out);
}

// Restores the class-wide user-data delimiter after each test.
class UserDataTest : public ::testing::Test {
protected:
    void TearDown() override { uiUserData::delimiter(saved_); }
    uiDelimiter saved_ = uiUserData::delimiter();
};

} // namespace

TEST(DelimiterTest, SetRulesAndWrapping) {
    uiDelimiter d("<>");
    EXPECT_EQ(text_of(d.get_delimiters()), "<>");
    EXPECT_EQ(delimited(d, "abc"), "<abc>");
    d.set_delimiters("[[]]");
    EXPECT_EQ(text_of(d.get_delimiters()), "[[]]");
    EXPECT_EQ(delimited(d, "x"), "[[x]]");
    // Nothing of the four-character set survives a two-character one.
    d.set_delimiters("<>");
    EXPECT_EQ(text_of(d.get_delimiters()), "<>");
    EXPECT_EQ(delimited(d, "x"), "<x>");
    for (const char* wrong : {"(", "(()", "((())"}) {
        d.set_delimiters(wrong);
        EXPECT_EQ(text_of(d.get_delimiters()), "<>") << wrong;
    }
    d.set_delimiters(nullptr);
    EXPECT_EQ(d.get_delimiters(), nullptr);
    d.set_delimiters("<>");
    d.set_delimiters("");
    EXPECT_EQ(d.get_delimiters(), nullptr);
    uiSaveString in("abc"), out;
    d.delimit_string(in, out);
    EXPECT_EQ(static_cast<const char*>(out), static_cast<const char*>(in));
}

TEST(DelimiterTest, NullEmptyAndWhiteSpace) {
    const uiDelimiter parens("()");
    EXPECT_EQ(delimited(parens, nullptr), "()");
    EXPECT_EQ(delimited(parens, ""), "()");
    EXPECT_EQ(delimited(uiDelimiter("< "), "abc"), "<abc");
    EXPECT_EQ(delimited(uiDelimiter(" >"), "abc"), "abc>");
    EXPECT_EQ(delimited(uiDelimiter("< >>"), "abc"), "<abc>>");
    EXPECT_EQ(delimited(uiDelimiter(" <>>"), "abc"), "abc>>");

    // A set of blanks still counts as a set: a fresh copy, nothing added.
    const uiDelimiter blanks("  ");
    EXPECT_NE(blanks.get_delimiters(), nullptr);
    uiSaveString in("abc"), out;
    blanks.delimit_string(in, out);
    EXPECT_EQ(text_of(out), "abc");
    EXPECT_NE(static_cast<const char*>(out), static_cast<const char*>(in));

    // The input may be the output.
    uiSaveString same("v");
    parens.delimit_string(same, same);
    EXPECT_EQ(text_of(same), "(v)");
}

TEST(DelimiterTest, CopiesAndTheSharedSetText) {
    uiDelimiter d;
    d = uiDelimiter("[[]]");
    EXPECT_EQ(delimited(uiDelimiter(d), "x"), "[[x]]");
    // One buffer for all delimiters; a call answering null clears it too.
    const char* text = d.get_delimiters();
    EXPECT_EQ(text_of(text), "[[]]");
    EXPECT_EQ(uiDelimiter().get_delimiters(), nullptr);
    EXPECT_EQ(text[0], '\0');
}

TEST_F(UserDataTest, DefaultQuotesAndClassWideChanges) {
    EXPECT_EQ(text_of(uiUserData("abc").get_delimited()), "\"abc\"");
    EXPECT_EQ(text_of(uiUserData("").get_delimited()), "");
    EXPECT_EQ(text_of(uiUserData(static_cast<const char*>(nullptr)).get_delimited()), "(null)");
    uiUserData::delimiter(uiDelimiter("<<>>"));
    EXPECT_EQ(text_of(uiUserData("u").get_delimited()), "<<u>>");
}

TEST_F(UserDataTest, DelimiterReturnsTheSetItReplaced) {
    const uiDelimiter& first = uiUserData::delimiter(uiDelimiter("[]"));
    EXPECT_EQ(text_of(first.get_delimiters()), "\"\"");
    const uiDelimiter& second = uiUserData::delimiter(uiDelimiter("<>"));
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(text_of(first.get_delimiters()), "[]");
    // Handing back what the last call returned restores that set.
    uiUserData::delimiter(second);
    EXPECT_EQ(text_of(uiUserData::delimiter().get_delimiters()), "[]");
    EXPECT_EQ(text_of(second.get_delimiters()), "<>");
}

namespace {

// Declines to be a kind of uiUserData: the downcast must ask the object.
class Declining : public uiUserData {
public:
    Declining() : uiUserData("d") {}
    int ut_is_kind_of(const utTypeID&) const override { return 0; }
};

} // namespace

TEST(UserDataTypeTest, TestedDowncast) {
    EXPECT_EQ(uiUserData::ut_dynamic_cast(nullptr), nullptr);
    const uiUserData u("x");
    EXPECT_EQ(uiUserData::ut_dynamic_cast(&u), &u);
    const Declining d;
    EXPECT_EQ(uiUserData::ut_dynamic_cast(&d), nullptr);
    EXPECT_FALSE(u.ut_is_kind_of(uiEvent::ut_static_type()));
}
