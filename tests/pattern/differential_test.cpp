// Differential test against the C library's POSIX regcomp/regexec (extended
// syntax) over generated patterns and subjects: both must agree on whether a
// match exists and where the leftmost one starts. Windows has no <regex.h>,
// so this runs natively only.
#ifndef _WIN32

#include "pattern_probe.h"

#include <random>
#include <regex.h>

namespace {

// Builds the same pattern in both syntaxes from the common subset: literals,
// `.`, sets, `* + ?`, groups, alternation, `^`/`$` where both treat them as
// anchors, word start/end and \w \W. (Back-references are left out: after
// backtracking this engine keeps the text a group noted on an abandoned path.)
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    void pattern(std::string& ours, std::string& posix, int depth = 0) {
        int branches = 1 + pick(depth == 0 ? 3 : 2);
        for (int b = 0; b < branches; ++b) {
            if (b > 0) {
                ours += "\\|";
                posix += "|";
            }
            branch(ours, posix, depth);
        }
    }

    std::string subject() {
        static const char alphabet[] = "aabbc x";
        std::string s;
        int n = pick(9);
        for (int i = 0; i < n; ++i) {
            s += alphabet[pick(sizeof alphabet - 1)];
        }
        return s;
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    void branch(std::string& ours, std::string& posix, int depth) {
        // glibc misjudges `^` and `$` inside groups; they stay at the top.
        if (depth == 0 && pick(8) == 0) {
            ours += "^";
            posix += "^";
        }
        int pieces = 1 + pick(3);
        for (int i = 0; i < pieces; ++i) {
            // glibc misjudges word anchors inside repeated groups, so they
            // appear at the top level only.
            if (depth == 0 && pick(10) == 0) {
                bool start = pick(2) == 0;
                ours += start ? "\\<" : "\\>";
                posix += start ? "\\<" : "\\>";
            }
            bool group = atom(ours, posix, depth);
            // Repeated groups inside repeated groups make backtracking take
            // exponential time, as in any backtracking engine: keep them out.
            int r = group && depth > 0 ? 5 : pick(6);
            const char* op = r == 0 ? "*" : r == 1 ? "+" : r == 2 ? "?" : "";
            ours += op;
            posix += op;
        }
        if (depth == 0 && pick(8) == 0) {
            ours += "$";
            posix += "$";
        }
    }

    bool atom(std::string& ours, std::string& posix, int depth) {
        int kind = pick(depth < 2 ? 9 : 7);
        const char* text;
        switch (kind) {
        case 0:
            text = ".";
            break;
        case 1:
            text = "[ab]";
            break;
        case 2:
            text = "[^a ]";
            break;
        case 3:
            text = pick(2) ? "\\w" : "\\W";
            break;
        case 7:
        case 8:
            ours += "\\(";
            posix += "(";
            pattern(ours, posix, depth + 1);
            ours += "\\)";
            posix += ")";
            return true;
        default: {
            static const char* const letters[] = {"a", "b", "c", " "};
            text = letters[pick(4)];
            break;
        }
        }
        ours += text;
        posix += text;
        return false;
    }

    std::mt19937 m_random;
};

// The leftmost start of a POSIX match, -1 for none; -2 when regexec did not
// finish in time (glibc can loop on some patterns): the case is then skipped.
// The work runs on a thread of its own that owns everything it touches.
int posix_leftmost(const std::string& pattern, const std::string& subject) {
    struct Work {
        std::string pattern, subject;
        int result = -1;
    };
    auto work = std::make_shared<Work>();
    work->pattern = pattern;
    work->subject = subject;
    auto task = std::make_shared<std::packaged_task<void()>>([work] {
        regex_t compiled;
        if (regcomp(&compiled, work->pattern.c_str(), REG_EXTENDED) != 0) {
            work->result = -3;
            return;
        }
        regmatch_t where[1];
        if (regexec(&compiled, work->subject.c_str(), 1, where, 0) == 0) {
            work->result = static_cast<int>(where[0].rm_so);
        }
        regfree(&compiled);
    });
    std::future<void> done = task->get_future();
    std::thread worker([task] { (*task)(); });
    if (done.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
        worker.detach();
        return -2;
    }
    worker.join();
    return work->result;
}

TEST(PatternDifferential, AgreesWithPosixOnMatchAndLeftmostStart) {
    // UIUTIL_PATTERN_DIFF_SEED and UIUTIL_PATTERN_DIFF_ROUNDS explore further.
    const char* seed = std::getenv("UIUTIL_PATTERN_DIFF_SEED");
    const char* rounds = std::getenv("UIUTIL_PATTERN_DIFF_ROUNDS");
    Generator generate(seed ? static_cast<unsigned>(std::atol(seed)) : 20261207u);
    int patterns = rounds ? std::atoi(rounds) : 300;
    int compared = 0;
    for (int n = 0; n < patterns; ++n) {
        std::string ours, posix;
        generate.pattern(ours, posix);
        uiPattern pattern{uiSaveString(ours.c_str())};
        ASSERT_EQ(pattern.error(), uiPatternNoError) << ours;
        for (int k = 0; k < 8; ++k) {
            std::string subject = generate.subject();
            int expected = posix_leftmost(posix, subject);
            if (expected < -1) {
                continue;
            }
            int found = -1;
            std::string what = "/";
            what += ours;
            what += "/ on \"";
            what += subject;
            what += "\" (POSIX /";
            what += posix;
            what += "/)";
            within_deadline(what.c_str(), [&] {
                if (pattern.match(uiSaveString(subject.c_str()))) {
                    found = pattern.registers().start[0];
                }
            });
            ASSERT_EQ(found, expected) << what;
            ++compared;
        }
    }
    EXPECT_GT(compared, patterns * 5);
}

} // namespace

#endif
