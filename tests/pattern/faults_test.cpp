// Behaviour that a literal reading of the engine's design gets wrong: each
// case hangs, crashes or fails without its mend.
#include "pattern_probe.h"

namespace {

std::string reg0(const uiPattern& p) {
    return std::to_string(p.registers().start[0]) + " " + std::to_string(p.registers().end[0]);
}

TEST(PatternFaults, LoopsWhoseBodyCanBeEmptyEnd) {
    within_deadline("empty loop bodies", [] {
        struct Case {
            const char* pattern;
            const char* subject;
            int matches;
            const char* whole;
        } cases[] = {
            {"\\(a*\\)*", "b", 1, "0 0"},
            {"\\(a*\\)*b", "aaac", 0, ""},
            {"\\(a*\\)*c", "aaac", 1, "0 4"},
            {"\\(a*\\)+$", "aab", 1, "3 3"},
            {"\\(\\|a\\)*b", "aab", 1, "0 3"},
            {"\\(a\\|\\)*x", "aay", 0, ""},
            {"\\(\\<\\)*x", "yx", 1, "1 2"},
            {"a\\b*c", "aac", 1, "2 3"},
            {"\\(\\(a\\)?\\)*b", "aaab", 1, "0 4"},
            {"\\(a?b?\\)*c", "abbac", 1, "0 5"},
            {"\\(\\(a*\\)*\\)*d", "aaaaaax", 0, ""},
        };
        for (const Case& c : cases) {
            uiPattern p{uiSaveString(c.pattern)};
            EXPECT_EQ(p.match(uiSaveString(c.subject)), c.matches) << c.pattern;
            if (c.matches) {
                EXPECT_EQ(reg0(p), c.whole) << c.pattern;
            }
        }
    });
}

TEST(PatternFaults, PopJumpOnlyWhereTheBodyLeavesNoAlternative) {
    // The body's inner loop leaves resume points; dropping the newest one
    // would lose "b* takes one b fewer" and the match at 0.
    PatternProbe inner("\\(ab*\\)*bc");
    EXPECT_EQ(inner.match(uiSaveString("abbc")), 1);
    EXPECT_EQ(reg0(inner), "0 4");
    std::vector<int> code = inner.program();
    int outer_loop = static_cast<int>(code.size()) - 3 - 4; // before "bc"
    EXPECT_EQ(code[outer_loop], 4);
    // An alternation inside the repeated group.
    PatternProbe alternation("\\(ab\\|a\\)*bc");
    EXPECT_EQ(alternation.match(uiSaveString("abc")), 1);
    EXPECT_EQ(reg0(alternation), "0 3");
    // Both again on a second run, after the rewrite.
    EXPECT_EQ(inner.match(uiSaveString("xabbc")), 1);
    EXPECT_EQ(reg0(inner), "1 5");
    // A body that pushes nothing still becomes op_pop_jump.
    PatternProbe plain("\\(ab\\)*c");
    EXPECT_EQ(plain.match(uiSaveString("ababc")), 1);
    EXPECT_EQ(plain.program()[11], 6);
}

TEST(PatternFaults, JumpsBeyondSixteenBitsAreRefused) {
    // A repeated group whose body is longer than 32,767 bytes.
    std::string body;
    for (int i = 0; i < 1000; ++i) {
        body += "[\xff]";
    }
    EXPECT_EQ(PatternProbe(("\\(" + body + "\\)*").c_str()).error(), uiPatternTooBig);
    EXPECT_EQ(PatternProbe(("\\(" + body + "\\)").c_str()).error(), uiPatternNoError);
    EXPECT_EQ(PatternProbe((body + "\\|a").c_str()).error(), uiPatternTooBig);
    EXPECT_EQ(PatternProbe(("a\\|" + body).c_str()).error(), uiPatternTooBig);
    PatternProbe refused(("\\(" + body + "\\)*").c_str());
    EXPECT_EQ(refused.buf().length, 0);
    // Just under the limit compiles and runs.
    std::string shorter;
    for (int i = 0; i < 900; ++i) {
        shorter += "[\xff]";
    }
    PatternProbe fits(("\\(" + shorter + "\\)*x").c_str());
    EXPECT_EQ(fits.error(), uiPatternNoError);
    EXPECT_EQ(fits.match(uiSaveString((std::string(900, '\xff') + "x").c_str())), 1);
    EXPECT_EQ(reg0(fits), "0 901");
}

TEST(PatternFaults, FastmapWalkWithManyPendingAlternatives) {
    // Each "\<?" leaves a pending alternative before anything is consumed.
    std::string chain = "a";
    for (int i = 0; i < 200; ++i) {
        chain += "\\<?";
    }
    PatternProbe deep((chain + "x\\|y").c_str());
    ASSERT_EQ(deep.error(), uiPatternNoError);
    EXPECT_EQ(deep.fastmap_text(), "axy");
    EXPECT_EQ(deep.buf().empty_match, 0);
    within_deadline("many zero-width alternatives", [] {
        std::string branches;
        for (int i = 0; i < 60; ++i) {
            branches += "\\(\\<\\|\\>\\)";
        }
        PatternProbe wide((branches + "x").c_str());
        ASSERT_EQ(wide.error(), uiPatternNoError);
        wide.fastmap_text();
        EXPECT_EQ(wide.buf().fastmap_valid, 1);
    });
}

TEST(PatternFaults, RegisterNumbersOutsideTheTen) {
    uiPattern p{uiSaveString("\\(b\\)")};
    ASSERT_EQ(p.match(uiSaveString("abc")), 1);
    for (int n : {-1, 10, 11, 1000, -1000}) {
        EXPECT_EQ(p.has_register(n), 0) << n;
        EXPECT_EQ(static_cast<const char*>(p.get_register(n)), nullptr) << n;
    }
    EXPECT_STREQ(p.get_register(1), "b");
}

TEST(PatternFaults, BackReferenceToAGroupWithNoRecordingFails) {
    PatternProbe p("\\(a\\)\\|b\\1");
    EXPECT_EQ(p.match(uiSaveString("b")), 0);
    EXPECT_EQ(p.match(uiSaveString("xba")), 1);
    EXPECT_EQ(reg0(p), "2 3");
    // Start noted, end never: fails too.
    PatternProbe open("\\(\\(a\\)x\\|b\\2\\)*");
    EXPECT_EQ(open.match_at("ba", 0), 0);
    // Start noted after the end (the group began again and failed).
    PatternProbe reordered("\\(\\(a\\)x\\|b\\2\\)*y");
    EXPECT_EQ(reordered.match_at("axby", 0), -1);
    EXPECT_EQ(reordered.match_at("axby", 3), 1);
}

TEST(PatternFaults, LiteralRunsDoNotCrossUnnumberedGroups) {
    std::string ten;
    for (int i = 0; i < 10; ++i) {
        ten += "\\(q\\)";
    }
    // Group 11 records nothing and writes no marks; repeating it must repeat
    // its own body only.
    PatternProbe p((ten + "a\\(b\\)*c").c_str());
    ASSERT_EQ(p.error(), uiPatternNoError);
    std::string q(10, 'q');
    EXPECT_EQ(p.match(uiSaveString((q + "abbbc").c_str())), 1);
    EXPECT_EQ(p.match(uiSaveString((q + "ac").c_str())), 1);
    EXPECT_EQ(p.match(uiSaveString((q + "abab").c_str())), 0);
}

TEST(PatternFaults, SearchOfAnAnchoredProgramStaysInsideTheSubject) {
    within_deadline("anchored search", [] {
        PatternProbe p("\\`b");
        EXPECT_EQ(p.search("aaaab", 5), -1);
        EXPECT_EQ(p.search("b", 1), 0);
    });
}

} // namespace
