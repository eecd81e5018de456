// The optional bound on the backtracking matcher's work per match().
#include <gtest/gtest.h>
#include <uiutil/pattern.h>

#include <string>

namespace {

// Nested repetitions against a subject they cannot match: without a bound
// the matcher tries exponentially many ways to split the a's.
const char* const kNested = "\\(\\(a*\\)*\\)*b";

TEST(WorkLimit, UnboundedByDefaultAndResultsUnchangedWithinTheBound) {
    uiPattern pattern{uiSaveString("\\(a*\\)b\\1")};
    EXPECT_EQ(0, pattern.work_limit());
    pattern.set_work_limit(1000000);
    EXPECT_EQ(1000000, pattern.work_limit());
    ASSERT_EQ(1, pattern.match(uiSaveString("xaaba")));
    EXPECT_EQ(0, pattern.work_exhausted());
    EXPECT_EQ(2, pattern.registers().start[0]);
    EXPECT_EQ(5, pattern.registers().end[0]);
    EXPECT_EQ(0, pattern.match(uiSaveString("xyz")));
    EXPECT_EQ(0, pattern.work_exhausted());
}

TEST(WorkLimit, NestedRepetitionGivesUpAtTheBound) {
    uiPattern pattern{uiSaveString(kNested)};
    pattern.set_work_limit(100000);
    // Unbounded, the 40 a's before the b would take longer than the age of
    // the universe to rule out as match starts.
    EXPECT_EQ(0, pattern.match(uiSaveString((std::string(40, 'a') + "xb").c_str())));
    EXPECT_EQ(1, pattern.work_exhausted());
    EXPECT_EQ(0, pattern.has_register(0));
    EXPECT_EQ(nullptr, static_cast<const char*>(pattern.get_register(0)));

    // The bound counts per call: a short subject afterwards matches and
    // clears the flag.
    EXPECT_EQ(1, pattern.match(uiSaveString("aab")));
    EXPECT_EQ(0, pattern.work_exhausted());
    EXPECT_EQ(3, pattern.registers().end[0]);
}

TEST(WorkLimit, BoundCoversAllStartingPositionsOfOneMatch) {
    // Each run of a's costs the matcher a few hundred resume points at most
    // before the b stops it; twenty runs together cost several thousand. The
    // match itself is found at the final d.
    std::string subject;
    for (int run = 0; run < 20; ++run)
        subject += "aaaaaaaaaab";
    subject += "d";
    uiPattern pattern{uiSaveString("\\(a\\|aa\\)*d")};
    ASSERT_EQ(1, pattern.match(uiSaveString(subject.c_str())));
    EXPECT_EQ(220, pattern.registers().start[0]);

    pattern.set_work_limit(1000);
    EXPECT_EQ(0, pattern.match(uiSaveString(subject.c_str())));
    EXPECT_EQ(1, pattern.work_exhausted());
    pattern.set_work_limit(1000000);
    ASSERT_EQ(1, pattern.match(uiSaveString(subject.c_str())));
    EXPECT_EQ(0, pattern.work_exhausted());
    EXPECT_EQ(220, pattern.registers().start[0]);

    // A negative bound means no bound.
    pattern.set_work_limit(-5);
    EXPECT_EQ(0, pattern.work_limit());
}

} // namespace
