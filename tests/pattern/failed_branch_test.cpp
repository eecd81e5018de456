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
            int found = 0;
            within_deadline(what.c_str(),
                            [&] { found = engine.match(uiSaveString(subject.c_str())); });
            ASSERT_EQ(found, expected) << what;
            expect_same_state(engine, reference, what);
            if (HasFatalFailure()) {
                return;
            }
            ++compared;
            matched += found;
        }
    }
    EXPECT_GT(compared, 1500);
    EXPECT_GT(matched, 500);
}

TEST(FailedBranch, LongDetoursLeaveTheRegistersTheirShortOnesShowTheWayTo) {
    // Against n a's and a `!` the failed first alternative leaves the same
    // registers for every n, or ones that grow with n as the small cases
    // show, where the full exploration can still be run.
    struct Case {
        const char* pattern;
        int group;
        bool start_is_n; // else 0
        bool end_is_n;   // else 0
    };
    const Case cases[] = {{"\\(a*\\)*b\\|a", 1, false, false},
                          {"\\(\\(a*\\)*\\)*b\\|a", 2, true, false},
                          {"\\(\\(a*\\)*\\)*b\\|a", 1, false, false},
                          {"\\(a\\|aa\\)*c\\|a", 1, false, true}};
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
            EXPECT_EQ(engine.registers().start[c.group], c.start_is_n ? n : 0) << c.pattern << n;
            EXPECT_EQ(engine.registers().end[c.group], c.end_is_n ? n : 0) << c.pattern << n;
            EXPECT_EQ(engine.registers().end[0], 1) << c.pattern << n;
        }
    }
}

} // namespace
