// Composing command texts from a template, a value and user data.
#include <gtest/gtest.h>
#include <uiutil/commands.h>

#include <string>

namespace {

// Reaches the protected parts of uiCommand, as an application would.
class Command : public uiCommand {
public:
    using uiCommand::replace_chars;
    using uiCommand::uiCommand;
    static int& cr_add_flag() { return the_cr_add_flag; }
};

std::string text_of(const uiSaveString& s) {
    const char* p = s;
    return p ? std::string(p) : std::string("(null)");
}

// Writes an expected text for other quotes: < > stand for the value's
// delimiters, [ ] for the user data's.
std::string quoted(std::string text, const std::string& value, const std::string& user) {
    const std::string from = "<>[]", to = value + user;
    for (char& c : text) {
        const std::size_t k = from.find(c);
        if (k != std::string::npos)
            c = to[k];
    }
    return text;
}

// Each test starts with the carriage-return flag 1 and the user-data
// delimiter "[]", and restores both.
class CommandTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        saved_delimiter_ = uiUserData::delimiter(uiDelimiter("[]"));
        saved_flag_ = Command::cr_add_flag();
        Command::cr_add_flag() = 1;
    }
    void TearDown() override {
        uiUserData::delimiter(saved_delimiter_);
        Command::cr_add_flag() = saved_flag_;
    }
    uiDelimiter saved_delimiter_;
    int saved_flag_ = 1;
};

struct ValueCase {
    const char* name;
    const char* value; // null for the null string
    int force;
    const char* expected; // without the carriage return
};

const ValueCase kValueCases[] = {
    {"open", "a b", 0, "open <a b>"},
    {"open %s now", "f", 0, "open <f> now"},
    {"go %s %s", "f", 0, "go <f> <f>"},
    {"open", "", 0, "open"},
    {"open", "", 1, "open <>"},
    {"open", "", 2, "open"}, // only 1 forces here
    {"", "f", 0, "<f>"},
    {"open %s", nullptr, 0, "open "},
    {"%s", "", 0, ""},
};

struct UserDataCase {
    const char* name;
    const char* value;
    const char* user_data; // null: no user data object
    int force;
    const char* expected;
};

const UserDataCase kUserDataCases[] = {
    {"set %s %u", "v", "u", 0, "set <v> [u]"}, {"set %u", "v", "u", 0, "set [u] <v>"},
    {"set", "v", "u", 0, "set <v>"},           {"set %u %s", "", "", 0, "set  "},
    {"set %u", "", "u", 2, "set [u] <>"}, // any non-zero force counts
    {"set %s%u", "v", nullptr, 0, "set <v>"},  {"%u", "", "", 0, ""},
};

} // namespace

// Run once with angle brackets and once with double quotes around values.
TEST_P(CommandTest, ComposesTheValueForm) {
    const std::string quotes = GetParam();
    const uiDelimiter d(quotes.c_str());
    for (const ValueCase& c : kValueCases) {
        const uiCommand command(uiSaveString(c.name), uiSaveString(c.value), d, c.force);
        EXPECT_EQ(text_of(command), quoted(c.expected, quotes, "[]") + "\r")
            << c.name << " / " << (c.value ? c.value : "(null)") << " / " << c.force;
    }
}

TEST_P(CommandTest, ComposesTheValueAndUserDataForm) {
    const std::string quotes = GetParam();
    const uiDelimiter d(quotes.c_str());
    for (const char* user_quotes : {"[]", "\"\""}) {
        uiUserData::delimiter(uiDelimiter(user_quotes));
        for (const UserDataCase& c : kUserDataCases) {
            const uiUserData user_data(c.user_data);
            const uiCommand command(uiSaveString(c.name), d, uiSaveString(c.value),
                                    c.user_data ? &user_data : nullptr, c.force);
            EXPECT_EQ(text_of(command), quoted(c.expected, quotes, user_quotes) + "\r")
                << c.name << " / " << c.value << " / " << user_quotes;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Quotes, CommandTest, ::testing::Values("<>", "\"\""),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param[0] == '<' ? "Angle" : "Double");
                         });

TEST_F(CommandTest, CarriageReturnFlag) {
    const uiDelimiter d("<>");
    EXPECT_EQ(text_of(uiCommand(uiSaveString("quit"))), "quit\r");
    EXPECT_EQ(text_of(uiCommand()), "(null)");
    const uiCommand composed(uiSaveString("open"), uiSaveString("f"), d, 0);
    EXPECT_EQ(text_of(uiCommand(composed)), "open <f>\r");

    Command::cr_add_flag() = 0;
    EXPECT_EQ(text_of(uiCommand(uiSaveString("quit"))), "quit");
    EXPECT_EQ(text_of(uiCommand(uiSaveString("open"), uiSaveString("f"), d, 0)), "open <f>");
    const uiUserData u("u");
    EXPECT_EQ(text_of(uiCommand(uiSaveString("set %u"), d, uiSaveString("v"), &u, 0)),
              "set [u] <v>");
}

TEST_F(CommandTest, ReplacingAgainWorksOnTheFinishedText) {
    const uiDelimiter d("<>");
    uiCommand command(uiSaveString("open"), uiSaveString("f"), d, 0);
    command.replace(uiSaveString("%s"), uiSaveString("g"), d, 0);
    EXPECT_EQ(text_of(command), "open <f>\r <g>");

    uiCommand later(uiSaveString("run %s"));
    later.replace_value_and_userdata(uiSaveString("x"), uiUserData("u"), d, 0);
    EXPECT_EQ(text_of(later), "run <x>\r");
}

TEST(CommandReplaceCharsTest, OnePassOverBothPlaceholders) {
    Command both(uiSaveString("a%sb"));
    EXPECT_EQ(both.replace_chars("%s", "1", "%", "2"), 3);
    EXPECT_EQ(text_of(both), "a2sb\r"); // p2 wins where both start

    Command overlap(uiSaveString("abcab"));
    EXPECT_EQ(overlap.replace_chars("ab", "1", "bc", "2"), 3);
    EXPECT_EQ(text_of(overlap), "1c1\r");

    Command removed(uiSaveString("x%uy%u"));
    EXPECT_EQ(removed.replace_chars("%s", "1", "%u", nullptr), 2);
    EXPECT_EQ(text_of(removed), "xy\r");

    Command untouched(uiSaveString("plain"));
    const char* before = untouched;
    EXPECT_EQ(untouched.replace_chars("%s", "1", "%u", "2"), 0);
    EXPECT_EQ(static_cast<const char*>(untouched), before);

    Command null_text;
    EXPECT_EQ(null_text.replace_chars("%s", "1", "%u", "2"), 0);

    // An empty placeholder is never searched for.
    Command guarded(uiSaveString("a%u"));
    EXPECT_EQ(guarded.replace_chars("", "1", "%u", "2"), 2);
    EXPECT_EQ(text_of(guarded), "a2\r");
}
