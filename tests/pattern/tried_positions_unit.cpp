// The two ways of deciding where a search tries the matcher agree: the
// byte-by-byte rule that the automaton's scan tests in passing, and the
// iteration over fastmap skips and acceleration data that the backtracking
// search follows. Whenever the byte rule claims to apply, both must give
// the same positions, the subject's end included.
#include "pattern_probe.h"
#include "search_accel.h"
#include "tried_positions.h"

#include <random>

using namespace uiutil_internal;

namespace {

std::vector<int> iterated(const uiPattern::PatternBuffer& buffer, const PatternAccel& accel,
                          const std::string& subject) {
    std::vector<int> out;
    TriedPositions tried(buffer, reinterpret_cast<const unsigned char*>(subject.data()),
                         static_cast<int>(subject.size()), &accel);
    for (int pos = tried.next(); pos >= 0; pos = tried.next()) {
        out.push_back(pos);
    }
    return out;
}

std::vector<int> by_byte(const uiPattern::PatternBuffer& buffer, const PatternAccel& accel,
                         const std::string& subject) {
    std::vector<int> out;
    TriedByByte tried(buffer, &accel);
    for (std::size_t pos = 0; pos < subject.size(); ++pos) {
        if (tried.at(static_cast<unsigned char>(subject[pos]))) {
            out.push_back(static_cast<int>(pos));
        }
    }
    if (tried.at_end()) {
        out.push_back(static_cast<int>(subject.size()));
    }
    return out;
}

// Compares the two on the program as it stands and returns whether the byte
// rule applied.
bool expect_same_positions(PatternProbe& pattern, const std::string& subject,
                           const std::string& what) {
    pattern.fastmap_text(); // brings the fastmap up to date, as a search does
    PatternAccel accel;
    build_accel(pattern.buf(), PatternProbe::word_table(), accel);
    if (!TriedByByte::applies(pattern.buf(), &accel)) {
        return false;
    }
    EXPECT_EQ(by_byte(pattern.buf(), accel, subject), iterated(pattern.buf(), accel, subject))
        << what;
    return true;
}

TEST(TriedPositions, ByteRuleAgreesWithTheIteration) {
    // Patterns with a sharp set and without, ones that can match empty (the
    // end tried, or every position), case folding through a table, and
    // loops that rewrite themselves once matched.
    const char* const patterns[] = {"[Cc][Tt][Rr][Ll][-+]",
                                    "\\([a-zA-Z0-9_]+\\)$",
                                    "a*",
                                    "a*b",
                                    "\\(a*\\)*b\\|a",
                                    "x\\|y*",
                                    "\\bab",
                                    "\\<\\|\\>",
                                    "$",
                                    "^a",
                                    "\\w+\\'",
                                    "[^a]c",
                                    ".",
                                    "\\(ab\\|c\\)+d",
                                    "A\\|\n",
                                    "a\\|b\\|c\\|d\\|e\\|f\\|g\\|h\\|i\\|j"};
    unsigned char fold[256];
    for (int c = 0; c < 256; ++c) {
        fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    std::mt19937 random(5);
    static const char alphabet[] = "abcdxyACT-+_ \n";
    int applied = 0;
    for (const char* text : patterns) {
        for (int table = 0; table < 2; ++table) {
            PatternProbe pattern(text);
            if (table) {
                pattern.set_translate(fold);
            }
            for (int k = 0; k < 12; ++k) {
                std::string subject;
                for (int n = static_cast<int>(random() % 16); n > 0; --n) {
                    subject += alphabet[random() % (sizeof alphabet - 1)];
                }
                std::string what = std::string("/") + text + "/ table " + std::to_string(table) +
                                   " on \"" + subject + "\"";
                applied += expect_same_positions(pattern, subject, what);
                // The next comparison sees the program this match leaves.
                pattern.match(uiSaveString(subject.c_str()));
            }
        }
    }
    EXPECT_GT(applied, 200); // the rule applies to most of these
}

} // namespace
