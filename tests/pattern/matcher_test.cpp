// The matcher, the registers and the search, seen through match.
#include "pattern_probe.h"

namespace {

// "start end" of register n after matching, or "unset".
std::string reg(const uiPattern& p, int n) {
    if (!p.has_register(n)) {
        return "unset";
    }
    return std::to_string(p.registers().start[n]) + " " + std::to_string(p.registers().end[n]);
}

std::string text(const uiSaveString& s) {
    return s ? static_cast<const char*>(s) : "(null)";
}

// Most match results live in the corpus (tests/data/pattern); these need the
// matcher itself at a given position.
TEST(PatternMatch, AtAGivenPosition) {
    PatternProbe star("a*");
    EXPECT_EQ(star.match_at("bbb", 0), 0);
    PatternProbe backref("\\(a*\\)b\\1");
    EXPECT_EQ(backref.match_at("aaba", 0), -1);
    EXPECT_EQ(backref.match_at("aaba", 1), 3);
    PatternProbe not_a("[^a]");
    EXPECT_EQ(not_a.match_at("b", 1), -1);
    EXPECT_EQ(not_a.match_at("\n", 0), 1);
    PatternProbe dot(".");
    EXPECT_EQ(dot.match_at("\n", 0), -1);
    PatternProbe empty_set_not("[^z-a]");
    EXPECT_EQ(empty_set_not.match_at("\n", 0), 1);
    PatternProbe edges("\\B");
    EXPECT_EQ(edges.match_at("ab", 0), -1);
    EXPECT_EQ(edges.match_at("ab", 2), -1);
    EXPECT_EQ(edges.match_at("ab", 1), 0);
    PatternProbe word_start("\\<");
    EXPECT_EQ(word_start.match_at("ab", 2), -1);
    EXPECT_EQ(word_start.match_at(" ab", 1), 0);
    PatternProbe word_end("\\>");
    EXPECT_EQ(word_end.match_at("ab", 0), -1);
    EXPECT_EQ(word_end.match_at("ab", 2), 0);
}

// A failed path leaves the registers its group marks wrote: here the first
// branch's a* is resumed at every position it passed, each time writing the
// end of group 2 before '-' fails, so group 2 ends where the a's began. The
// bounded run resumes step by step and must agree.
TEST(PatternMatch, RegistersLeftByResumptionsThatFailAtOnce) {
    struct Case {
        const char* pattern;
        const char* subject;
        const char* group1;
        const char* group2;
    };
    const Case cases[] = {
        {"\\(\\(a*\\)-\\|a*\\)x", "aax", "0 2", "0 0"},
        {"\\(\\(a*\\)-\\|a*\\)\\2x", "aax", "0 2", "0 0"},
        {"\\(\\([ab]*\\)$\\|[ab]*\\)\\2;", "zbab;", "1 4", "1 1"},
    };
    for (const Case& c : cases) {
        for (bool bounded : {false, true}) {
            uiPattern p{uiSaveString(c.pattern)};
            if (bounded) {
                p.set_work_limit(1000000);
            }
            ASSERT_GE(p.match(uiSaveString(c.subject)), 0) << c.pattern << bounded;
            EXPECT_EQ(reg(p, 1), c.group1) << c.pattern << bounded;
            EXPECT_EQ(reg(p, 2), c.group2) << c.pattern << bounded;
        }
    }
}

TEST(PatternMatch, TwoHalvesAndTheWindow) {
    PatternProbe p("b\\(cd\\)\\1");
    char first[] = "abc";
    char second[] = "dcdx";
    EXPECT_EQ(p.re_match_2(&p.buf(), first, 3, second, 4, 1, nullptr, 7), 5);
    uiPattern::PatternRegisters regs;
    EXPECT_EQ(p.re_match_2(&p.buf(), first, 3, second, 4, 1, &regs, 7), 5);
    EXPECT_EQ(regs.start[1], 2);
    EXPECT_EQ(regs.end[1], 4);
    // Characters at or beyond the window's end are never consumed, while the
    // end tests still see the whole subject.
    EXPECT_EQ(p.re_match_2(&p.buf(), first, 3, second, 4, 1, nullptr, 5), -1);
    PatternProbe end("c\\'");
    EXPECT_EQ(end.re_match_2(&end.buf(), first, 3, nullptr, 0, 2, nullptr, 3), 1);
    EXPECT_EQ(end.re_match_2(&end.buf(), first, 3, second, 4, 2, nullptr, 7), -1);
    PatternProbe bad("a");
    EXPECT_EQ(bad.re_match_2(&bad.buf(), first, 3, nullptr, 0, 4, nullptr, 3), -1);
    EXPECT_EQ(bad.re_match_2(&bad.buf(), first, 3, nullptr, 0, -1, nullptr, 3), -1);

    unsigned char fold[256];
    for (int c = 0; c < 256; ++c) {
        fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    char x[] = "aBc";
    char y[] = "AbC";
    char z[] = "Abd";
    EXPECT_EQ(PatternProbe::bcmp_translate(x, y, 3, fold), 0);
    EXPECT_EQ(PatternProbe::bcmp_translate(x, z, 3, fold), 1);
    EXPECT_EQ(PatternProbe::bcmp_translate(x, z, 0, fold), 0);
}

TEST(PatternMatch, TranslationTableMakesMatchingCaseless) {
    unsigned char fold[256];
    for (int c = 0; c < 256; ++c) {
        fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    uiPattern p(uiSaveString("CTRL[-+]\\(\\w\\)\\1"), fold);
    EXPECT_EQ(p.match(uiSaveString("Shift+Ctrl-Aa")), 1);
    EXPECT_EQ(text(p.get_register(0)), "Ctrl-Aa");
    uiPattern q(uiSaveString("ab*c"));
    EXPECT_EQ(q.match(uiSaveString("xABBC")), 0);
    EXPECT_EQ(q.set_translate(fold), uiPatternNoError);
    EXPECT_EQ(q.match(uiSaveString("xABBC")), 1);
    EXPECT_EQ(q.registers().start[0], 1);
    EXPECT_EQ(q.set_translate(nullptr), uiPatternNoError);
    EXPECT_EQ(q.match(uiSaveString("xABBC")), 0);

    // A table that is not its own inverse: the fastmap must hold the
    // translated subject bytes the program compares with.
    unsigned char rot13[256];
    for (int c = 0; c < 256; ++c) {
        rot13[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? 'a' + (c - 'a' + 13) % 26 : c);
    }
    uiPattern r(uiSaveString("ab[c-d]"), rot13);
    EXPECT_EQ(r.match(uiSaveString("xxabd")), 1);
    EXPECT_EQ(r.registers().start[0], 2);
}

TEST(PatternMatch, LoopsOverOneCharacterEndAtTheFirstCharacterRefused) {
    // A loop whose body takes one character runs in one go, by chunks along
    // a run of one byte and by a search for the newline under `.`. Runs
    // cross chunk boundaries and end at every kind of character refused. (A
    // second loop like the first keeps the program from running one way
    // only, where it would not be the matcher's.)
    unsigned char fold[256];
    for (int c = 0; c < 256; ++c) {
        fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    struct Body {
        const char* text;
        bool (*accepts)(unsigned char translated, bool word);
    };
    const Body bodies[] = {{"a", [](unsigned char c, bool) { return c == 'a'; }},
                           {".", [](unsigned char c, bool) { return c != '\n'; }},
                           {"[a-c]", [](unsigned char c, bool) { return c >= 'a' && c <= 'c'; }},
                           {"[^x]", [](unsigned char c, bool) { return c != 'x'; }},
                           {"\\w", [](unsigned char, bool w) { return w; }},
                           {"\\W", [](unsigned char, bool w) { return !w; }}};
    const unsigned char* const tables[] = {nullptr, fold};
    for (const unsigned char* translate : tables) {
        for (const Body& body : bodies) {
            const std::string text =
                std::string("\\(") + body.text + "*\\)\\(" + body.text + "*\\)";
            PatternProbe p(text.c_str());
            p.set_translate(translate);
            const char* word = PatternProbe::word_table(); // alive while a pattern is
            for (int n : {0, 1, 7, 8, 9, 16, 23, 37}) {
                for (const char* stop : {"", "x", "\n", "!", "A", "b"}) {
                    for (char filler : {'a', '!'}) {
                        const std::string subject = "z" + std::string(n, filler) + stop + "ab";
                        for (int pos : {0, 1, 3}) {
                            int end = pos;
                            while (end < static_cast<int>(subject.size())) {
                                const unsigned char c = static_cast<unsigned char>(subject[end]);
                                if (!body.accepts(translate ? translate[c] : c, word[c] != 0)) {
                                    break;
                                }
                                ++end;
                            }
                            const std::string what =
                                text + " on " + subject + " at " + std::to_string(pos);
                            ASSERT_EQ(p.match_at(subject, pos), end - pos) << what;
                            ASSERT_EQ(reg(p, 1), std::to_string(pos) + " " + std::to_string(end))
                                << what;
                            ASSERT_EQ(reg(p, 2), std::to_string(end) + " " + std::to_string(end))
                                << what;
                        }
                    }
                }
            }
        }
    }
}

TEST(PatternSearch, MatchKeepsTheSubjectAndRegisterQueries) {
    PatternProbe x("x");
    EXPECT_EQ(x.match(uiSaveString("axb")), 1);
    EXPECT_EQ(text(x.get_register(0)), "x");
    EXPECT_EQ(text(x.get_register(5)), "(null)");
    EXPECT_EQ(x.has_register(5), 0);
    EXPECT_EQ(x.has_register(-1), 0);
    EXPECT_EQ(x.match(uiSaveString("abc")), 0);
    EXPECT_EQ(text(x.get_register(0)), "(null)");
    EXPECT_EQ(x.has_register(0), 0);
    EXPECT_EQ(x.subject(), static_cast<const char*>(nullptr));

    PatternProbe empty("");
    EXPECT_EQ(empty.match(uiSaveString("")), 1);
    EXPECT_EQ(empty.match(uiSaveString()), 1);
    EXPECT_EQ(reg(empty, 0), "0 0");
    EXPECT_EQ(text(empty.get_register(0)), "(null)");

    PatternProbe b("b");
    EXPECT_EQ(b.match(uiSaveString("abc")), 1);
    EXPECT_EQ(reg(b, 0), "1 2");
    EXPECT_EQ(b.match(uiSaveString("")), 0);
    PatternProbe ctrl("[Cc][Tt][Rr][Ll][-+]");
    EXPECT_EQ(ctrl.match(uiSaveString("Shift+ctrl-A")), 1);
    EXPECT_EQ(reg(ctrl, 0), "6 11");
    PatternProbe key("\\([a-zA-Z0-9_]+\\)$");
    EXPECT_EQ(key.match(uiSaveString("Save &As...\tCtrl+Shift+S")), 1);
    EXPECT_EQ(text(key.get_register(1)), "S");
    EXPECT_EQ(key.match(uiSaveString("Ctrl+F10\nrest")), 1);
    EXPECT_EQ(text(key.get_register(1)), "F10");
    // The first position that matches wins, whatever the length there.
    PatternProbe alt("ab\\|abcd");
    EXPECT_EQ(alt.match(uiSaveString("xabcd")), 1);
    EXPECT_EQ(reg(alt, 0), "1 3");
}

TEST(PatternSearch, FastmapContentsAndPositionsTried) {
    PatternProbe literal("abc");
    EXPECT_EQ(literal.fastmap_text(), "a");
    EXPECT_EQ(literal.buf().empty_match, 0);
    EXPECT_EQ(literal.buf().fastmap_valid, 1);
    PatternProbe alternatives("x\\|[0-2]\\|\\w");
    std::string marked = alternatives.fastmap_text();
    EXPECT_EQ(marked.size(), 62u);
    EXPECT_EQ(alternatives.buf().empty_match, 0);
    PatternProbe dollar("$");
    EXPECT_EQ(dollar.fastmap_text(), "\n");
    EXPECT_EQ(dollar.buf().empty_match, 2);
    EXPECT_EQ(dollar.match(uiSaveString("ab")), 1);
    EXPECT_EQ(reg(dollar, 0), "2 2");
    PatternProbe plus("[a-z]+");
    plus.fastmap_text();
    EXPECT_EQ(plus.buf().empty_match, 1);
    PatternProbe backref("\\(a\\)\\|\\1");
    EXPECT_EQ(backref.fastmap_text().size(), 256u);
    EXPECT_EQ(backref.buf().empty_match, 1);
    PatternProbe loop("a*b");
    EXPECT_EQ(loop.fastmap_text(), "ab");
    EXPECT_EQ(loop.buf().empty_match, 0);
    // A loop reached before anything is consumed: its jump back leads the
    // walk to the loop's exit.
    PatternProbe zero_width("\\(\\<\\)*x");
    EXPECT_EQ(zero_width.fastmap_text(), "x");
    EXPECT_EQ(zero_width.buf().empty_match, 1);
    PatternProbe any(".");
    EXPECT_EQ(any.fastmap_text().size(), 255u);
    PatternProbe not_set("[^b-z]");
    std::string outside = not_set.fastmap_text();
    EXPECT_EQ(outside.size(), 256u - 25);
    EXPECT_EQ(outside.find('b'), std::string::npos);
    PatternProbe anchored("\\`b");
    EXPECT_EQ(anchored.fastmap_text(), "b");
    EXPECT_EQ(anchored.search("ab", 2), -1);
    EXPECT_EQ(anchored.search("aab", 3), -1);
    EXPECT_EQ(anchored.search("b", 1), 0);

    // The fastmap is built once, on the first search, and every compile
    // invalidates it.
    PatternProbe lazy("q");
    EXPECT_EQ(lazy.buf().fastmap_valid, 0);
    EXPECT_EQ(lazy.search("aq", 2), 1);
    EXPECT_EQ(lazy.buf().fastmap_valid, 1);
    EXPECT_EQ(PatternProbe::compile("r", 1, &lazy.buf()), uiPatternNoError);
    EXPECT_EQ(lazy.buf().fastmap_valid, 0);
    EXPECT_EQ(lazy.search("aqr", 3), 2);
}

TEST(PatternSearch, LoopJumpsAreRewrittenOnceByTheirContinuation) {
    PatternProbe pop("a*b");
    EXPECT_EQ(pop.program()[6], 7);
    EXPECT_EQ(pop.match(uiSaveString("xaab")), 1);
    EXPECT_EQ(pop.program()[6], 6);
    EXPECT_EQ(pop.match(uiSaveString("aaab")), 1);
    EXPECT_EQ(reg(pop, 0), "0 4");
    PatternProbe jump("a*a");
    EXPECT_EQ(jump.match(uiSaveString("aaa")), 1);
    EXPECT_EQ(jump.program()[6], 4);
    EXPECT_EQ(reg(jump, 0), "0 3");
    EXPECT_EQ(jump.match(uiSaveString("aaa")), 1);
    EXPECT_EQ(reg(jump, 0), "0 3");
    PatternProbe at_end("ba*");
    EXPECT_EQ(at_end.match(uiSaveString("baa")), 1);
    EXPECT_EQ(at_end.program()[9], 6);
    PatternProbe set_loop("[0-9]*\\.");
    EXPECT_EQ(set_loop.match(uiSaveString("12.5")), 1);
    EXPECT_EQ(set_loop.program()[set_loop.program().size() - 6], 6);
    PatternProbe line("[a-z]*$");
    EXPECT_EQ(line.match(uiSaveString("ab\ncd")), 1);
    EXPECT_EQ(reg(line, 0), "0 2");
    EXPECT_EQ(line.program()[line.program().size() - 4], 6);
}

} // namespace
