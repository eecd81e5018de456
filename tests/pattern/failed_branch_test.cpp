// A first alternative whose every way fails after exploring many ways of
// splitting the subject leaves registers behind: the last value each of its
// group marks wrote. The run passes over such an alternative once it can prove
// the failure, and must leave exactly what the full exploration leaves. The
// reference is the plain backtracking search that match() runs under a work
// bound.
#include "pattern_probe.h"

#include <random>

namespace {

// First alternatives built around a loop that nests a choice, the shape the
// shortcut is for, with an ending the subjects mostly lack.
class DetourGenerator {
public:
    explicit DetourGenerator(unsigned seed) : m_random(seed) {}

    std::string pattern() {
        static const char* const shapes[] = {"\\(A\\)*E",
                                             "\\(\\(A\\)*B\\)*E",
                                             "\\(A\\|B\\)*E",
                                             "\\(A\\|B\\)+E",
                                             "\\(\\(A\\)+\\)*E",
                                             "Z\\(A\\)*B\\(C\\)*E",
                                             "\\(\\(A\\|B\\)*C\\)*E",
                                             "\\(A\\(B\\)*\\)*E"};
        std::string first = shapes[pick(sizeof shapes / sizeof shapes[0])];
        std::string out;
        for (char c : first) {
            if (c == 'A' || c == 'B' || c == 'C') {
                out += piece();
            } else if (c == 'Z') {
                out += pick(2) ? "\\(a\\)" : "a*";
            } else if (c == 'E') {
                static const char* const endings[] = {"b", "!", "$", "b\\'", "\\>-", "c\\|x"};
                out += endings[pick(sizeof endings / sizeof endings[0])];
            } else {
                out += c;
            }
        }
        static const char* const seconds[] = {"",       "\\|a",        "\\|\\(a\\)*",
                                              "\\|a*!", "\\|\\(a+\\)", "\\|\\(\\(a\\)*\\)*-"};
        out += seconds[pick(sizeof seconds / sizeof seconds[0])];
        return pick(5) == 0 ? "\\(" + out + "\\)*!" : out;
    }

    std::string subject() {
        std::string s(static_cast<std::size_t>(5 + pick(9)), 'a');
        static const char* const tails[] = {"!", "-", "", "\n", "b", "a-ab!", "A!"};
        s += tails[pick(sizeof tails / sizeof tails[0])];
        if (pick(4) == 0) {
            s.insert(static_cast<std::size_t>(pick(static_cast<int>(s.size()))), "-");
        }
        return s;
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    std::string piece() {
        static const char* const atoms[] = {"a",    "a",   "a*", "aa",   "\\(a\\)", "\\(a*\\)",
                                            "[ab]", "\\w", ".",  "\\ba", "a\\B"};
        std::string out = atoms[pick(sizeof atoms / sizeof atoms[0])];
        if (pick(3) == 0) {
            out += atoms[pick(sizeof atoms / sizeof atoms[0])];
        }
        return out;
    }

    std::mt19937 m_random;
};

TEST(FailedBranch, PassingOverAFailedAlternativeLeavesWhatExploringItLeaves) {
    static unsigned char caseless[256];
    for (int c = 0; c < 256; ++c) {
        caseless[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    DetourGenerator generate(20261208);
    int compared = 0;
    int matched = 0;
    for (int round = 0; round < 600; ++round) {
        const std::string text = generate.pattern();
        const unsigned char* table = round % 4 == 3 ? caseless : nullptr;
        uiPattern reference(uiSaveString(text.c_str()), table);
        uiPattern engine(uiSaveString(text.c_str()), table);
        ASSERT_EQ(reference.error(), uiPatternNoError) << text;
        reference.set_work_limit(300000);
        for (int i = 0; i < 4; ++i) {
            const std::string subject = generate.subject();
            const int expected = reference.match(uiSaveString(subject.c_str()));
            if (reference.work_exhausted()) {
                break; // the programs may now differ
            }
            const std::string what = "/" + text + "/ on \"" + subject + "\"";
            expect_same_match(engine, reference, expected, subject, what);
            if (HasFatalFailure()) {
                return;
            }
            ++compared;
            matched += expected;
        }
    }
    EXPECT_GT(compared, 1500);
    EXPECT_GT(matched, 500);
}

// The registers that are set, as "group:start..end" items, with n written
// for the value n.
std::string set_registers(const uiPattern& engine, int n) {
    auto value = [n](int v) {
        return v == n ? std::string("n") : v == n + 1 ? std::string("n+1") : std::to_string(v);
    };
    std::string out;
    for (int g = 0; g < 10; ++g) {
        if (engine.registers().start[g] != -99 || engine.registers().end[g] != -99) {
            out += (out.empty() ? "" : " ") + std::to_string(g) + ":" +
                   value(engine.registers().start[g]) + ".." + value(engine.registers().end[g]);
        }
    }
    return out;
}

TEST(FailedBranch, LongDetoursLeaveTheRegistersTheirShortOnesShowTheWayTo) {
    // Against n a's and a `!` the failed first alternatives leave registers
    // that stay put or grow with n, as the small cases show where the full
    // exploration can still be run; at 10,000 a's only the shortcut can.
    struct Case {
        const char* pattern;
        const char* registers;
    };
    const Case cases[] = {{"\\(a*\\)*b\\|a", "0:0..1 1:0..0"},
                          {"\\(\\(a*\\)*\\)*b\\|a", "0:0..1 1:0..0 2:n..0"},
                          {"\\(a\\|aa\\)*c\\|a", "0:0..1 1:0..n"},
                          {"\\(a+\\)+b\\|a", "0:0..1 1:0..n"},
                          // A loop no character of the subject enters keeps its loop jump as
                          // compiled; a group that never closes stays unset.
                          {"\\(x*a*\\)*b\\|a", "0:0..1 1:0..0"},
                          {"\\(a*\\)*\\(b\\)\\|a", "0:0..1 1:0..0"},
                          // The detour comes back at every pass of an outer loop.
                          {"\\(\\(a*\\)*b\\|a\\)*!", "0:0..n+1 1:0..n 2:n..n"}};
    for (const Case& c : cases) {
        for (int n : {5, 9, 10000}) {
            const std::string subject = std::string(static_cast<std::size_t>(n), 'a') + "!";
            uiPattern engine{uiSaveString(c.pattern)};
            within_deadline(c.pattern,
                            [&] { ASSERT_EQ(1, engine.match(uiSaveString(subject.c_str()))); });
            if (n < 100) {
                uiPattern reference{uiSaveString(c.pattern)};
                reference.set_work_limit(50000000);
                ASSERT_EQ(1, reference.match(uiSaveString(subject.c_str()))) << c.pattern;
                expect_same_state(engine, reference, c.pattern);
            }
            EXPECT_EQ(set_registers(engine, n), c.registers) << c.pattern << " " << n;
        }
    }
}

} // namespace

namespace {

// One pattern over subjects with other bytes in them, with the shared word
// table edited between matches: what the shortcut knows of the program and
// its tables must follow.
TEST(FailedBranch, FollowsTheSubjectAndTheWordTableFromMatchToMatch) {
    const char* const patterns[] = {"\\(a*\\)*b\\|a", "\\(-*\\w*\\)*b\\|-", "\\(a\\|\\w\\)*b\\|!",
                                    "\\(\\(a*\\)*!\\)*b\\|a"};
    const char* const subjects[] = {"aaaaaaaaaaa!", "-----------!",  "aaaaaaaaaaab",
                                    "aaa-aaaaaa!!", "----------!!b", "aaaaaaaaaaaa!"};
    for (const char* text : patterns) {
        uiPattern reference{uiSaveString(text)};
        reference.set_work_limit(3000000);
        PatternProbe engine(text);
        for (int step = 0; step < 12; ++step) {
            PatternProbe::set_word_char('!', step % 2 == 1);
            const std::string subject = subjects[step / 2];
            const int expected = reference.match(uiSaveString(subject.c_str()));
            ASSERT_EQ(0, reference.work_exhausted()) << text;
            const std::string what = std::string("/") + text + "/ on \"" + subject + "\"";
            expect_same_match(engine, reference, expected, subject, what);
        }
        PatternProbe::set_word_char('!', false);
    }
}

// A walk is kept with the bytes it read, the subject's end when it met it, and
// its place, for later matches; subjects alike in some of that and not in the
// rest must each get the walk they would get alone.
TEST(FailedBranch, AKeptWalkAnswersOnlyForWhatItRead) {
    const char* const patterns[] = {"\\(a*\\)*b\\|a",        "\\(a*\\)*b\\'\\|a",
                                    "\\(a*\\>\\)*-\\|a",     "\\(a\\|aa\\)*c\\|a",
                                    "\\(\\(a*\\)*\\)*b\\|a", "\\(a*\\|-\\)*b\\|[a-]"};
    const char* const subjects[] = {"aaaa!", "aaaa!",  "aaaa",  "aaaa",   "aaa",   "aaaa-!",
                                    "a-aa!", "aaaa!!", "-aaa!", "aaaa!",  "aaaaa", "a",
                                    "aa!a",  "aaaa!",  "",      "aaaa-b", "aaaa!"};
    for (const char* text : patterns) {
        uiPattern reference{uiSaveString(text)};
        reference.set_work_limit(3000000);
        uiPattern engine{uiSaveString(text)};
        for (const char* subject : subjects) {
            const int expected = reference.match(uiSaveString(subject));
            ASSERT_EQ(0, reference.work_exhausted()) << text;
            const std::string what = std::string("/") + text + "/ on \"" + subject + "\"";
            expect_same_match(engine, reference, expected, subject, what);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

} // namespace
