// A backtracking run that keeps returning to the same states remembers the
// ones that failed. Under a work bound match() runs the plain backtracking
// search, which never remembers anything: it is the reference for results,
// all twenty registers and every program byte.
#include "pattern_probe.h"

#include <algorithm>
#include <random>

namespace {

// Patterns that nest repetitions, alternations and zero-width tests, the
// kind that makes a backtracking run explore many ways of splitting a subject.
class NestingGenerator {
public:
    // With back-references, atoms may repeat groups 1 to 3 (a group that
    // does not exist, or has not closed, repeats nothing and fails).
    explicit NestingGenerator(unsigned seed, bool backrefs = false)
        : m_random(seed), m_backrefs(backrefs) {}

    std::string pattern(int depth = 0) {
        std::string out;
        int branches = 1 + pick(depth == 0 ? 3 : 2);
        for (int b = 0; b < branches; ++b) {
            if (b > 0) {
                out += "\\|";
            }
            int pieces = 1 + pick(3);
            for (int i = 0; i < pieces; ++i) {
                piece(out, depth);
            }
        }
        return out;
    }

    std::string subject() {
        static const char alphabet[] = "aaaab\n-";
        std::string s;
        int n = 8 + pick(12);
        for (int i = 0; i < n; ++i) {
            s += alphabet[pick(sizeof alphabet - 1)];
        }
        return s;
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    void piece(std::string& out, int depth) {
        static const char* const zero_width[] = {"^", "$", "\\b", "\\B", "\\<", "\\>"};
        if (pick(8) == 0) {
            out += zero_width[pick(6)];
        }
        static const char* const atoms[] = {"a", "a", "aa", "b", ".", "[ab]", "\\w", "-", "\n"};
        static const char* const backrefs[] = {"\\1", "\\1", "\\2", "\\3"};
        if (depth < 3 && pick(3) == 0) {
            out += "\\(" + pattern(depth + 1) + "\\)";
        } else if (m_backrefs && pick(4) == 0) {
            out += backrefs[pick(4)];
        } else {
            out += atoms[pick(sizeof atoms / sizeof atoms[0])];
        }
        static const char* const repeats[] = {"*", "*", "+", "?", ""};
        out += repeats[pick(5)];
    }

    std::mt19937 m_random;
    bool m_backrefs;
};

// Three groups, then back-references to all three in any order: the states
// of the remembering run then differ in what each of the groups holds.
class RepeatedGroupsGenerator {
public:
    explicit RepeatedGroupsGenerator(unsigned seed) : m_random(seed) {}

    std::string pattern() {
        static const char* const bodies[] = {"a*",   "a\\|aa",   "b*",    "[ab]*",
                                             "a*b*", "\\(a\\)*", "a\\|b", "ab*"};
        static const char* const repeats[] = {"*", "*", "+", ""};
        static const char* const endings[] = {"b", "!", "a!", "", "b\\|a", "\\|b"};
        std::string out;
        for (int g = 0; g < 3; ++g) {
            out += std::string("\\(") + bodies[pick(8)] + "\\)" + repeats[pick(4)];
        }
        int order[3] = {1, 2, 3};
        std::shuffle(order, order + 3, m_random);
        for (int group : order) {
            out += "\\" + std::to_string(group) + (pick(3) == 0 ? "*" : "");
        }
        return out + endings[pick(6)];
    }

    std::string subject() {
        std::string s;
        for (int n = 6 + pick(10); n > 0; --n) {
            s += "aaab!"[pick(5)];
        }
        return s;
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    std::mt19937 m_random;
};

void make_caseless(unsigned char* table) {
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
}

// Compares generated patterns against the plain search (see the top of the
// file) on four subjects each, and checks that more than `min_compared`
// subjects were compared and more than `min_heavy` of them needed enough
// resume points for the remembering run to start.
template <class Generator>
void expect_plain_results(Generator& generate, int rounds, int min_compared, int min_heavy) {
    int compared = 0;
    int heavy = 0;
    static unsigned char caseless[256];
    make_caseless(caseless);
    for (int round = 0; round < rounds; ++round) {
        std::string text = generate.pattern();
        const unsigned char* table = round % 3 == 2 ? caseless : nullptr;
        uiPattern reference(uiSaveString(text.c_str()), table);
        uiPattern engine(uiSaveString(text.c_str()), table);
        uiPattern light(uiSaveString(text.c_str()), table);
        reference.set_work_limit(2000000);
        for (int i = 0; i < 4; ++i) {
            std::string subject = generate.subject();
            int expected = reference.match(uiSaveString(subject.c_str()));
            if (reference.work_exhausted()) {
                break; // the programs may now differ
            }
            // A search that needs many resume points is one where the
            // remembering run is likely to have started remembering.
            light.set_work_limit(64 + 2 * static_cast<long long>(subject.size()));
            light.match(uiSaveString(subject.c_str()));
            heavy += light.work_exhausted();
            std::string what = "/" + text + "/ on \"" + subject + "\"";
            expect_same_match(engine, reference, expected, subject, what);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, min_compared);
    EXPECT_GT(heavy, min_heavy);
}

TEST(BacktrackingMemo, RemembersFailuresWithoutChangingResultsRegistersOrPrograms) {
    NestingGenerator generate(20261207);
    expect_plain_results(generate, 1500, 3000, 200);
}

// With back-references a state also holds what the repeated groups hold.
TEST(BacktrackingMemo, RemembersFailuresOfProgramsWithBackReferences) {
    NestingGenerator generate(20261208, true);
    expect_plain_results(generate, 1500, 3000, 200);
}

// A fresh pattern matches `subject` as the plain search does (registers and
// program included); answers the plain search's result.
int expect_plain_result(const char* text, const std::string& subject) {
    uiPattern reference{uiSaveString(text)};
    reference.set_work_limit(50000000);
    PatternProbe engine(text);
    const int expected = reference.match(uiSaveString(subject.c_str()));
    EXPECT_EQ(0, reference.work_exhausted()) << text;
    expect_same_match(engine, reference, expected, subject, text);
    return expected;
}

TEST(BacktrackingMemo, RemembersWhatEachRepeatedGroupHolds) {
    RepeatedGroupsGenerator generate(20261208);
    expect_plain_results(generate, 1200, 4000, 1500);
}

TEST(BacktrackingMemo, BackReferencesAfterNestedRepetitionsTakePolynomialTime) {
    // Every way of splitting the a's into passes ends with different groups
    // for the back-references to repeat; against 30 a's the first of these
    // used to take half a minute.
    const char* const patterns[] = {"\\(a*\\)*\\1b\\|a",
                                    "\\(a*\\)*\\1b",
                                    "x*\\(a\\|aa\\)*\\1c\\|a",
                                    "\\(a*\\)*\\(b*\\)*\\2\\1c",
                                    "\\(a*\\)*\\(a*\\)*\\(a*\\)*\\3\\2\\1b\\|a",
                                    "\\(\\(a\\)*\\(a*\\)\\)*\\1\\(a*\\)*\\4\\3\\2b\\|a"};
    for (const char* text : patterns) {
        for (int n : {6, 9}) {
            expect_plain_result(text, std::string(n, 'a') + "!");
        }
        PatternProbe engine(text);
        std::string subject = std::string(30, 'a') + "!";
        within_deadline(text, [&] { engine.match(uiSaveString(subject.c_str())); });
    }
}

TEST(BacktrackingMemo, MatchesFoundAfterExponentialDetoursComeQuickly) {
    // The first alternative fails after trying every way of splitting the
    // a's; the match is the second one's.
    const char* const patterns[] = {"\\(a*\\)*b\\|a", "\\(\\(a*\\)*\\)*b\\|a", "\\(a\\|aa\\)*c\\|a",
                                    "\\(\\(a*\\)*b\\|a\\)*!"};
    for (const char* text : patterns) {
        for (int n : {8, 11}) {
            EXPECT_EQ(1, expect_plain_result(text, std::string(n, 'a') + "!")) << text;
        }
        PatternProbe engine(text);
        std::string subject = std::string(10000, 'a') + "!";
        within_deadline(text, [&] { EXPECT_EQ(1, engine.match(uiSaveString(subject.c_str()))); });
        EXPECT_EQ(0, engine.registers().start[0]) << text;
    }
}

} // namespace

namespace {

// Appends a three-byte jump instruction from `at` to `target`.
void jump(std::string& code, char op, int target) {
    int displacement = target - (static_cast<int>(code.size()) + 3);
    code += op;
    code += static_cast<char>(displacement & 0xff);
    code += static_cast<char>((displacement >> 8) & 0xff);
}

TEST(BacktrackingMemo, ARememberedVisitDropsTheResumePointsItsOwnPlaceHasBelowIt) {
    // A hand-made program: a first alternative that backtracks long enough
    // for the run to start remembering, then three resume points and a state
    // reached twice whose op_pop_jump drops the newest point below it. The
    // first visit drops the third point; the second must drop the first
    // (which would have succeeded), so that the run fails.
    PatternProbe heavy("\\(a*\\)*b");
    std::string h(heavy.buf().code, heavy.buf().length);
    const char exact = 1, jump_op = 4, push = 5, pop_jump = 6;
    std::string code;
    int alt2 = 3 + static_cast<int>(h.size()) + 3;
    jump(code, push, alt2);
    code += h;
    int end = alt2 + 30;
    jump(code, jump_op, end);
    jump(code, push, alt2 + 27);        // the point that would succeed
    jump(code, push, alt2 + 12);        // the second way to the shared state
    jump(code, push, alt2 + 15);        // a point the first visit drops
    jump(code, jump_op, alt2 + 18);     // first way
    jump(code, jump_op, alt2 + 18);     // second way
    code += std::string{exact, 1, 'z'}; // fails
    code += std::string{exact, 1, 'a'}; // the shared state follows
    jump(code, pop_jump, alt2 + 24);
    code += std::string{exact, 1, 'z'}; // fails
    jump(code, jump_op, end);           // success, nothing consumed
    ASSERT_EQ(static_cast<int>(code.size()), end);

    PatternProbe probe("x");
    char* own_code = probe.buf().code;
    int own_length = probe.buf().length;
    probe.buf().code = &code[0];
    probe.buf().length = end;
    int unbounded = probe.match_at(std::string(14, 'a'), 0);
    probe.buf().code = own_code;
    probe.buf().length = own_length;
    EXPECT_EQ(-1, unbounded);
}

} // namespace
