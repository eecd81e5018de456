// The compiled programs, byte for byte, and the compile errors.
#include "pattern_probe.h"

namespace {

std::vector<int> program(const char* pattern) {
    return PatternProbe(pattern).program();
}

uiPatternError compile_error(const char* pattern) {
    return PatternProbe(pattern).error();
}

// A set instruction's member bytes, read back from its bitmap.
std::string set_members(const std::vector<int>& code) {
    std::string members;
    for (int c = 0; c < 8 * code.at(1); ++c) {
        if ((code.at(2 + c / 8) >> (c % 8)) & 1) {
            members += static_cast<char>(c);
        }
    }
    return members;
}

TEST(PatternPrograms, RepetitionAndAlternationLayouts) {
    EXPECT_EQ(program("a*"), (std::vector<int>{5, 6, 0, 1, 1, 97, 7, 247, 255}));
    EXPECT_EQ(program("x+"), (std::vector<int>{8, 3, 0, 5, 6, 0, 1, 1, 120, 7, 247, 255}));
    EXPECT_EQ(program("a?"), (std::vector<int>{5, 3, 0, 1, 1, 97}));
    EXPECT_EQ(program("a\\|b"), (std::vector<int>{5, 6, 0, 1, 1, 97, 4, 3, 0, 1, 1, 98}));
    EXPECT_EQ(program("\\(ab\\)*"),
              (std::vector<int>{12, 1, 5, 9, 0, 1, 2, 97, 98, 13, 1, 7, 244, 255}));
    EXPECT_EQ(program("ab*"), (std::vector<int>{1, 1, 97, 5, 6, 0, 1, 1, 98, 7, 247, 255}));
    // Three branches: each closing jump leads to the next one's.
    EXPECT_EQ(program("a\\|b\\|c"),
              (std::vector<int>{5, 6, 0, 1, 1, 97, 4, 6, 0, 5, 6, 0, 1, 1, 98, 4, 3, 0, 1, 1, 99}));
    // Alternation inside a repeated group.
    EXPECT_EQ(program("\\(a\\|b\\)*"), (std::vector<int>{12, 1, 5, 17, 0, 5,  6,  0, 1, 1,   97,
                                                         4,  3, 0, 1,  1, 98, 13, 1, 7, 236, 255}));
    // A repetition after a zero-width operator repeats the first construct too.
    EXPECT_EQ(program("a*\\b*"),
              (std::vector<int>{5, 13, 0, 5, 6, 0, 1, 1, 97, 7, 247, 255, 24, 7, 240, 255}));
    // Runs of repetition characters are one operator.
    for (const char* star : {"a**", "a*?", "a+?", "a?+", "a?*"}) {
        EXPECT_EQ(program(star), program("a*")) << star;
    }
    EXPECT_EQ(program("a++"), program("a+"));
    EXPECT_EQ(program("a??"), program("a?"));
}

TEST(PatternPrograms, LiteralRunsAndSpecialCharactersInPlace) {
    EXPECT_EQ(program(""), std::vector<int>{});
    EXPECT_EQ(program("abc"), (std::vector<int>{1, 3, 97, 98, 99}));
    // A run is split before a character that a repetition or `^` follows.
    EXPECT_EQ(program("ab^c"), (std::vector<int>{1, 1, 97, 1, 3, 98, 94, 99}));
    EXPECT_EQ(program("*a"), (std::vector<int>{1, 2, 42, 97}));
    EXPECT_EQ(program("\\(*a\\)"), (std::vector<int>{12, 1, 1, 2, 42, 97, 13, 1}));
    EXPECT_EQ(program("^*"), (std::vector<int>{2, 1, 1, 42}));
    EXPECT_EQ(program("^^"), (std::vector<int>{2, 2}));
    EXPECT_EQ(program("a$b"), (std::vector<int>{1, 3, 97, 36, 98}));
    EXPECT_EQ(program("a$"), (std::vector<int>{1, 1, 97, 3}));
    EXPECT_EQ(program("\\(a$\\)"), (std::vector<int>{12, 1, 1, 1, 97, 3, 13, 1}));
    EXPECT_EQ(program("a$\\|b")[6], 3);
    EXPECT_EQ(program("\\n\\.\\0"), (std::vector<int>{1, 3, 110, 46, 48}));
    EXPECT_EQ(program("\\w\\W\\<\\>\\b\\B\\`\\'"),
              (std::vector<int>{20, 21, 22, 23, 24, 25, 18, 19}));
    // Back-references only to closed groups; otherwise the digit.
    EXPECT_EQ(program("\\1"), (std::vector<int>{1, 1, 49}));
    EXPECT_EQ(program("\\(a\\1\\)"), (std::vector<int>{12, 1, 1, 2, 97, 49, 13, 1}));
    EXPECT_EQ(program("\\(a\\)\\1"), (std::vector<int>{12, 1, 1, 1, 97, 13, 1, 14, 1}));

    std::vector<int> long_run = program(std::string(200, 'x').c_str());
    ASSERT_EQ(long_run.size(), 2u + 127 + 2 + 73);
    EXPECT_EQ(long_run[0], 1);
    EXPECT_EQ(long_run[1], 127);
    EXPECT_EQ(long_run[129], 1);
    EXPECT_EQ(long_run[130], 73);
}

TEST(PatternPrograms, SetsAreTrimmedAndReadTheirSpecialCharacters) {
    EXPECT_EQ(program("[a-c]"), (std::vector<int>{10, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14}));
    EXPECT_EQ(set_members(program("[]a]")), "]a");
    std::vector<int> negated = program("[^]a]");
    EXPECT_EQ(negated[0], 11);
    EXPECT_EQ(set_members(negated), "]a");
    EXPECT_EQ(set_members(program("[-+]")), "+-");
    EXPECT_EQ(set_members(program("[a-c-e]")), "-abce");
    EXPECT_EQ(set_members(program("[\\n]")), "\\n");
    EXPECT_EQ(program("[z-a]"), (std::vector<int>{10, 0}));
    EXPECT_EQ(program("[a-]]"), (std::vector<int>{10, 0}));
    EXPECT_EQ(program("[^z-a]"), (std::vector<int>{11, 0}));
    EXPECT_EQ(program("[\xff]").size(), 34u);
}

TEST(PatternPrograms, GroupsBeyondNineGroupButRecordNothing) {
    std::string twelve;
    for (int i = 0; i < 12; ++i) {
        twelve += "\\(x\\)";
    }
    PatternProbe p((twelve + "\\(y\\)*\\1").c_str());
    EXPECT_EQ(p.error(), uiPatternNoError);
    std::vector<int> expected;
    for (int n = 1; n <= 9; ++n) {
        expected.insert(expected.end(), {12, n, 1, 1, 120, 13, n});
    }
    // Groups 10 to 12 leave plain literals; group 13 repeats without marks.
    for (int n = 10; n <= 12; ++n) {
        expected.insert(expected.end(), {1, 1, 120});
    }
    expected.insert(expected.end(), {5, 6, 0, 1, 1, 121, 7, 247, 255, 14, 1});
    EXPECT_EQ(p.program(), expected);
    EXPECT_EQ(p.match(uiSaveString("xxxxxxxxxxxxyyx")), 1);
    EXPECT_STREQ(p.get_register(0), "xxxxxxxxxxxxyyx");
    EXPECT_STREQ(p.get_register(9), "x");
}

TEST(PatternCompileErrors, ResultsAndTexts) {
    EXPECT_EQ(compile_error(""), uiPatternNoError);
    for (const char* set : {"[abc", "[a-", "[", "[a-]", "[^"}) {
        EXPECT_EQ(compile_error(set), uiPatternEndedTooSoon) << set;
    }
    EXPECT_EQ(compile_error("abc\\"), uiPatternInvalid);
    EXPECT_EQ(compile_error("\\(a"), uiPatternUnmatchedOpen);
    EXPECT_EQ(compile_error("a\\)"), uiPatternUnmatchedClose);
    std::string ten, eleven;
    for (int i = 0; i < 10; ++i) {
        ten += "\\(";
    }
    eleven = ten + "\\(";
    std::string closing;
    for (int i = 0; i < 10; ++i) {
        closing += "\\)";
    }
    EXPECT_EQ(compile_error((ten + "a" + closing).c_str()), uiPatternNoError);
    EXPECT_EQ(compile_error((eleven + "a").c_str()), uiPatternTooDeep);

    // A failed compile leaves an empty program that matches everywhere.
    PatternProbe failed("\\(a");
    EXPECT_EQ(failed.buf().length, 0);
    EXPECT_EQ(failed.match(uiSaveString("zzz")), 1);
    EXPECT_EQ(failed.registers().start[0], 0);
    EXPECT_EQ(failed.registers().end[0], 0);
    EXPECT_STREQ(failed.error_text(), "unmatched open bracket");

    const char* texts[] = {"",
                           "pattern was NULL, or empty",
                           "ran out of memory",
                           "the pattern was invalid",
                           "unmatched open bracket",
                           "unmatched close bracket",
                           "pattern ended too soon",
                           "too many nested pattern levels",
                           "the pattern was too big",
                           "pattern failed to initialise syntax table",
                           "cannot copy pattern for some reason"};
    for (int e = 0; e <= 10; ++e) {
        EXPECT_STREQ(PatternProbe::error_string(static_cast<uiPatternError>(e)), texts[e]);
    }
    EXPECT_STREQ(PatternProbe::error_string(static_cast<uiPatternError>(11)),
                 "This should have asserted");
    EXPECT_STREQ(PatternProbe::error_string(static_cast<uiPatternError>(-1)),
                 "This should have asserted");
}

TEST(PatternCompileErrors, ProgramsUpToTheCapCompileAndLargerOnesAreRefused) {
    // 500 sets of 34 bytes: about 17,000 bytes, grown from 128 by doubling.
    std::string sets;
    for (int i = 0; i < 500; ++i) {
        sets += "[\xff]";
    }
    PatternProbe grown(sets.c_str());
    EXPECT_EQ(grown.error(), uiPatternNoError);
    EXPECT_EQ(grown.buf().length, 500 * 34);
    EXPECT_EQ(grown.buf().capacity, 32768);
    EXPECT_EQ(compile_error((sets + sets + sets + sets).c_str()), uiPatternTooBig);
}

TEST(PatternBuffers, ConstructionStateAndTheSharedWordTable) {
    {
        PatternProbe p("a");
        EXPECT_EQ(p.reserved(), 100);
        EXPECT_EQ(p.buf().capacity, 128);
        EXPECT_EQ(p.buf().translate, nullptr);
        EXPECT_EQ(p.buf().fastmap_valid, 0);
        EXPECT_EQ(p.subject(), static_cast<const char*>(nullptr));
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(p.registers().start[i], -99);
            EXPECT_EQ(p.registers().end[i], -99);
        }
        const char* table = PatternProbe::word_table();
        ASSERT_NE(table, nullptr);
        EXPECT_NE(table[static_cast<unsigned char>('a')], 0);
        EXPECT_NE(table[static_cast<unsigned char>('Z')], 0);
        EXPECT_NE(table[static_cast<unsigned char>('7')], 0);
        EXPECT_EQ(table[static_cast<unsigned char>('_')], 0);
        EXPECT_EQ(table[static_cast<unsigned char>(' ')], 0);
        {
            PatternProbe second("b");
            EXPECT_EQ(PatternProbe::word_table(), table);
        }
        EXPECT_EQ(PatternProbe::word_table(), table);
    }
    EXPECT_EQ(PatternProbe::word_table(), nullptr);
}

} // namespace
