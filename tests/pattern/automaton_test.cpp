// The linear-time search against the plain backtracking search: the
// reference search loop over the matcher (reference_search.h) runs on one
// object, match() on a second object of the same pattern; after every
// subject of a sequence both must agree on the result, all twenty registers
// and every program byte (the loop-jump rewrites).
#include "automaton_misses.h"
#include "pattern_probe.h"
#include "reference_search.h"

#include <random>

namespace {

// Patterns over every operator, and subjects over a small alphabet with
// newlines and word and non-word characters.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::string pattern(int depth = 0) {
        std::string out;
        int branches = 1 + pick(depth == 0 ? 3 : 2);
        for (int b = 0; b < branches; ++b) {
            if (b > 0) {
                out += "\\|";
            }
            int pieces = 1 + pick(4);
            for (int i = 0; i < pieces; ++i) {
                piece(out, depth);
            }
        }
        return out;
    }

    std::string subject() {
        static const char alphabet[] = "aabbcA \n-x";
        std::string s;
        int n = pick(12);
        for (int i = 0; i < n; ++i) {
            s += alphabet[pick(sizeof alphabet - 1)];
        }
        return s;
    }

    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

private:
    void piece(std::string& out, int depth) {
        static const char* const zero_width[] = {"^",   "$",   "\\`", "\\'",
                                                 "\\<", "\\>", "\\b", "\\B"};
        if (pick(6) == 0) {
            out += zero_width[pick(8)];
        }
        static const char* const atoms[] = {"a",    "b",       "c",     "ab",   ".",   "[ab]",
                                            "[^a]", "[a-c\n]", "[^\n]", "\\w",  "\\W", "-",
                                            "A",    "\\.",     "*",     "[]a]", "\n"};
        // Repeated groups inside repeated groups make the reference
        // backtrack for too long: inner groups are not repeated.
        if (depth < 2 && pick(5) == 0) {
            out += "\\(";
            out += pattern(depth + 1);
            out += "\\)";
            if (depth > 0) {
                return;
            }
        } else {
            out += atoms[pick(sizeof atoms / sizeof atoms[0])];
        }
        static const char* const repeats[] = {"*", "+", "?", "", "", "", "*?", "+"};
        out += repeats[pick(8)];
    }

    std::mt19937 m_random;
};

std::string describe(const std::string& pattern, const std::string& subject, int table) {
    std::string out = "/" + pattern + "/ table " + std::to_string(table) + " on \"";
    for (char c : subject) {
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out + "\"";
}

// A translation table folding upper case, and one that also maps some
// characters onto the newline and the newline onto a letter.
void make_table(int kind, unsigned char* table) {
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    if (kind == 2) {
        table['x'] = '\n';
        table['\n'] = 'a';
        table['-'] = 'b';
    }
}

// Gives both probes table `kind` of make_table (none for 0).
void translate_both(PatternProbe& reference, PatternProbe& engine, int kind) {
    if (kind > 0) {
        unsigned char map[256];
        make_table(kind, map);
        reference.set_translate(map);
        engine.set_translate(map);
    }
}

void expect_same(PatternProbe& reference, PatternProbe& engine, const std::string& pattern,
                 const std::string& subject, int table) {
    std::string what = describe(pattern, subject, table);
    Outcome expected{-1, {}};
    int matched = 0;
    within_deadline(what.c_str(), [&] {
        expected = reference_search<PatternProbe>(reference.buf(), subject);
        matched = engine.match(uiSaveString(subject.c_str()));
    });
    ASSERT_EQ(matched, expected.found >= 0 ? 1 : 0) << what;
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(engine.registers().start[i], expected.registers.start[i]) << what << " reg " << i;
        ASSERT_EQ(engine.registers().end[i], expected.registers.end[i]) << what << " reg " << i;
    }
    ASSERT_EQ(engine.program(), reference.program()) << what;
    ASSERT_EQ(automaton_misses(engine), 0) << what;
}

TEST(PatternAutomaton, AgreesWithTheBacktrackingSearchOnResultsRegistersAndPrograms) {
    // UIUTIL_PATTERN_AUTOMATON_SEED and _ROUNDS explore further.
    const char* seed = std::getenv("UIUTIL_PATTERN_AUTOMATON_SEED");
    const char* rounds = std::getenv("UIUTIL_PATTERN_AUTOMATON_ROUNDS");
    Generator generate(seed ? static_cast<unsigned>(std::atol(seed)) : 13u);
    int patterns = rounds ? std::atoi(rounds) : 1500;
    for (int n = 0; n < patterns; ++n) {
        std::string text = generate.pattern();
        int table = generate.pick(3);
        PatternProbe reference(text.c_str());
        PatternProbe engine(text.c_str());
        translate_both(reference, engine, table);
        for (int k = 0; k < 8; ++k) {
            expect_same(reference, engine, text, generate.subject(), table);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(PatternAutomaton, AgreesOnChosenCases) {
    // Zero-width tests at the ends and at newlines, loops that end on an
    // empty pass, the one further position of \`, and a state cache that
    // overflows (16 positions of look-behind make 65,536 states).
    const char* const patterns[] = {"\\(a*\\)*b",
                                    "\\(a*\\)*b\\|a",
                                    "\\(\\(a*\\)*\\)*b",
                                    "\\(a\\|aa\\)*c",
                                    "\\(\\)*a",
                                    "\\(a*\\)*$",
                                    "\\`a*",
                                    "\\`\\|b",
                                    "^$",
                                    "\\<\\|\\>",
                                    "x*\\'",
                                    "\\B\\(a\\)*",
                                    "\\(^a\\|b$\\)+",
                                    "[ab]*a[ab][ab][ab][ab][ab][ab][ab][ab][ab][ab][ab][ab][ab]"
                                    "[ab][ab][ab]c"};
    std::mt19937 random(7);
    std::string long_ab;
    for (int i = 0; i < 3000; ++i) {
        long_ab += "ab"[random() % 2];
    }
    // A run of a's ending in neither b nor c makes a bounded matcher run at
    // the first start give up before the answer is known.
    const std::string subjects[] = {
        "", "a", "aab", "\n", "a\nb\n", "b a", "aaaa", long_ab, std::string(40, 'a') + "!"};
    for (const char* pattern : patterns) {
        PatternProbe reference(pattern);
        PatternProbe engine(pattern);
        for (const std::string& subject : subjects) {
            expect_same(reference, engine, pattern, subject, 0);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(PatternAutomaton, FixedSequencesOfTests) {
    // Programs that only test one character after another (group marks
    // between) are searched without the matcher: the registers, the tried
    // positions (an edited fastmap included) and the translation must still
    // be the matcher's.
    const char* const patterns[] = {"[Cc][Tt][Rr][Ll][-+]",
                                    "\\(a\\)\\(b\\)c",
                                    "a\\(\\)b",
                                    "\\(ab\\(\\(c\\)\\)\\)",
                                    ".x",
                                    "\\w-\\W",
                                    "\\(a\\(b\\)"};
    // The longer subjects put candidates that fail, and the match, on both
    // sides of each width the scan for candidates reads at once.
    const std::string subjects[] = {"",
                                    "c",
                                    "ctrl",
                                    "Ctrl+S, CTRL-X",
                                    "xaabcab",
                                    "\nxa-b",
                                    "ab\nx",
                                    "ctr ctrl+",
                                    "CtCtrCtrlCtrl Ctrl-",
                                    std::string(40, 'c') + "tRl+ab",
                                    std::string(70, 'x') + "ctrlab" + std::string(9, 'C') + "TRL"};
    for (int table = 0; table < 3; ++table) {
        for (const char* pattern : patterns) {
            PatternProbe reference(pattern);
            PatternProbe engine(pattern);
            translate_both(reference, engine, table);
            for (int edited = 0; edited < 2; ++edited) {
                for (PatternProbe* probe : {&reference, &engine}) {
                    probe->fastmap_text(); // compiled now, so that an edit stays
                    if (edited) {
                        probe->buf().fastmap['c'] = 0;
                        probe->buf().fastmap['a'] = 0;
                    }
                }
                for (const std::string& subject : subjects) {
                    expect_same(reference, engine, pattern, subject, table);
                    if (HasFatalFailure()) {
                        return;
                    }
                }
            }
        }
    }
}

TEST(PatternAutomaton, ProgramsThatRunOneWayOnly) {
    // Tests, loops over one character whose continuation refuses what they
    // take, zero-width tests, group marks and back-references to the groups
    // passed: once the loop jumps are rewritten, the search walks each tried
    // position greedily and skips the starts inside a first loop's run (with
    // a back-reference to a group around that loop, those that do not begin
    // with the character it was compared with). Programs of almost that
    // shape (a continuation that accepts the loop's character, a word boundary after a loop) must
    // come out the same through the other engines.
    const char* const patterns[] = {"\\([a-zA-Z0-9_]+\\)$",
                                    "[a-z]+ \\([0-9]*\\)x",
                                    "\\(a*\\)b\\(c+\\)\\'",
                                    "\\<\\w+-",
                                    "\\<b[a-z]*$",
                                    "\\`[a-c]*d",
                                    ".*",
                                    "[0-9]+\\.[0-9]+",
                                    "^ab*$",
                                    "[^\n]*;",
                                    "x\\.[0-9]+\\b",
                                    "[a-z]*[a-z]",
                                    "\\([a-z]+\\) \\1",
                                    "\\(a\\)b*c\\1$",
                                    "\\([0-9]+\\)x\\2\\(y\\)",
                                    "\\([a-z]*\\)-\\1",
                                    "\\(x*\\)\\([a-z]+\\) \\2",
                                    "\\([a-z]+\\)-\\1-\\1"};
    const std::string subjects[] = {"",
                                    "Save &As...\tCtrl+Shift+S",
                                    "ab abc12x ab 3x",
                                    "aabcc",
                                    "bcc\nabc",
                                    "word- wo-",
                                    "abc b",
                                    "abcd",
                                    "x.12 y\n1.5",
                                    "ab\nabbb\nabx",
                                    "abc\nd;",
                                    "AB ABC12X Ctrl-",
                                    "ab abc abc ab aB",
                                    "abbcaa abca aca",
                                    "xab ab",
                                    "ab aB",
                                    "xzebra zebra",
                                    "ab-b ab-",
                                    "cab-Ab-b",
                                    "abc-bc-b abc-bc-bc",
                                    "xxab ac xxab ab"};
    for (int table = 0; table < 3; ++table) {
        for (const char* pattern : patterns) {
            PatternProbe reference(pattern);
            PatternProbe engine(pattern);
            translate_both(reference, engine, table);
            // The second round runs on rewritten loop jumps.
            for (int round = 0; round < 2; ++round) {
                for (const std::string& subject : subjects) {
                    expect_same(reference, engine, pattern, subject, table);
                    if (HasFatalFailure()) {
                        return;
                    }
                }
            }
        }
    }
}

TEST(PatternAutomaton, WalksFromEveryStartOfALongRunStayLinear) {
    // Every start walks to the end of the run and fails there (the `;` is
    // further on); the walks give way to the automaton before they read the
    // run once per start.
    const std::string run = std::string(1 << 18, 'a') + "-;";
    for (const char* text : {"[a-z][a-z]*;", "\\([a-z]\\)[a-z]*;"}) {
        PatternProbe engine(text);
        within_deadline(text, [&] {
            for (int round = 0; round < 3; ++round) { // later rounds walk
                EXPECT_EQ(0, engine.match(uiSaveString(run.c_str()))) << text;
            }
            EXPECT_EQ(1, engine.match(uiSaveString(("a;" + run).c_str()))) << text;
            EXPECT_EQ(0, engine.registers().start[0]) << text;
        });
        PatternProbe reference(text);
        reference_search<PatternProbe>(reference.buf(), std::string(12, 'a'));
        EXPECT_EQ(engine.program(), reference.program()) << text;
    }
}

TEST(PatternAutomaton, FollowsAnEditedWordTable) {
    // Word tests read the shared table at every match, and so do the
    // search's skips over positions where no match can begin (\w+ tries
    // every position); a program without them gives the same answers
    // whatever the table holds.
    const char* const patterns[] = {"\\w+", "-\\W*\\w", "\\(\\w+\\)-\\1", "\\bab",
                                    "\\<b", "a\\B-",    "b\\W",           "-ab"};
    const std::string subjects[] = {"x-ab", "-ab-", "a-b", "b--b-x", "--a"};
    for (const char* pattern : patterns) {
        PatternProbe reference(pattern);
        PatternProbe engine(pattern);
        for (bool dash_is_word : {false, true, false}) {
            PatternProbe::set_word_char('-', dash_is_word);
            for (const std::string& subject : subjects) {
                expect_same(reference, engine, pattern, subject, 0);
            }
        }
        PatternProbe::set_word_char('-', false);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(PatternAutomaton, LateStartsAfterLongFailingScans) {
    // Every start before the match scans nearly to the end and fails, so the
    // scans from one start at a time outgrow their bound and the simulation
    // of all starts at once finds the match; the loop jumps the failing
    // starts ran are rewritten either way.
    const char* const patterns[] = {"\\(a\\|ab\\)*c", "[ab]*c", "a*\\(b\\|ab\\)*d\\|x*ac",
                                    "\\(ab\\|a\\)*c"};
    const std::string run(300, 'a');
    const std::string subjects[] = {run + "xac", run + "x" + run + "c", "ab" + run + "bxabd",
                                    run + "x"};
    for (const char* pattern : patterns) {
        for (const std::string& subject : subjects) {
            PatternProbe reference(pattern);
            PatternProbe engine(pattern);
            expect_same(reference, engine, pattern, subject, 0);
            if (HasFatalFailure()) {
                return;
            }
            // Once more on the rewritten programs.
            expect_same(reference, engine, pattern, subject, 0);
        }
    }
}

TEST(PatternAutomaton, LiteralsThroughATranslationTableInLongSubjects) {
    // Literals that every match begins with are looked for in the translated
    // subject a block of positions at a time: occurrences in mixed case at
    // every offset around the blocks' edges and at the very end, with a
    // table that folds case and one that maps several bytes onto one.
    const char* const patterns[] = {"accelerator", "\\(menu\\|tool\\)bar", "x-ray", "q"};
    const char* const spellings[] = {"AcCeLeRaToR", "ToOlBaR", "X-RAY", "Q"};
    std::mt19937 random(11);
    std::string filler;
    for (int i = 0; i < 200; ++i) {
        filler += "abcdefghijklmnop -\n"[random() % 19];
    }
    for (int table = 1; table <= 2; ++table) {
        unsigned char map[256];
        make_table(table, map);
        for (std::size_t k = 0; k < sizeof patterns / sizeof patterns[0]; ++k) {
            for (std::size_t at = 0; at <= filler.size(); at += at < 70 ? 1 : 43) {
                std::string subject = filler;
                subject.insert(at, spellings[k]);
                PatternProbe reference(patterns[k]);
                PatternProbe engine(patterns[k]);
                reference.set_translate(map);
                engine.set_translate(map);
                expect_same(reference, engine, patterns[k], subject, table);
                expect_same(reference, engine, patterns[k], filler, table);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

TEST(PatternAutomaton, NestedRepetitionsFailQuicklyWithTheSameRewrites) {
    const char* const patterns[] = {"\\(a*\\)*b", "\\(\\(a*\\)*\\)*b", "\\(a\\|aa\\)*c"};
    for (const char* text : patterns) {
        PatternProbe engine(text);
        within_deadline(text, [&] {
            EXPECT_EQ(0, engine.match(uiSaveString(std::string(5000, 'a').c_str()))) << text;
            EXPECT_EQ(1, engine.match(uiSaveString((std::string(5000, 'a') + "bc").c_str())));
        });
        // A short run takes the backtracking reference through the same
        // loop jumps.
        PatternProbe reference(text);
        reference_search<PatternProbe>(reference.buf(), std::string(12, 'a'));
        EXPECT_EQ(engine.program(), reference.program()) << text;
    }
}

} // namespace
