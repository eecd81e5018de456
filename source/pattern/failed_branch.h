// The registers that the backtracking matcher's exploration of a way through
// the program leaves behind when every way on from there fails, found
// without the exploration.
//
// The exploration walks a tree: a thread runs until it fails or meets an
// op_push_alternative, where it goes on with the first way and, once all of
// that has failed, with the second. Only the last write to each register
// counts, so the walk here goes the other way round: the second way before
// the first, and a thread's own writes, newest first, after both. The first
// value met for a register is the one the exploration leaves, and a subtree
// that can write no register still open is passed over. This holds while no
// instruction on the way drops resume points (op_pop_jump) or is still to be
// rewritten (op_loop_jump): the ReachSummary tells.
#pragma once

#include "end_reach.h"
#include "failure_memo.h"
#include "reach_summary.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace uiutil_internal {

// A live resume point as a loop's empty-pass test sees it: the instruction
// that recorded it and the (newest) position it holds.
struct LivePoint {
    int owner;
    int position;
};

class FailedBranch {
public:
    explicit FailedBranch(const ProgramRun& run) : m_run(run) {}

    // The exploration from instruction pc at position d, over the live points
    // `below` (oldest first), which writes no register outside `may_write`.
    // Answers false when the walk met the program's end (the way does not
    // fail) or went past its bound: `thread_budget` threads, counted down,
    // of a few dozen instructions each. Otherwise `writes` holds the last
    // write to each register the exploration writes.
    bool settle(const ReachSummary& reach, unsigned may_write, int pc, int d,
                const std::vector<LivePoint>& below, long long& thread_budget,
                std::vector<RegisterWrite>& writes);

private:
    // A point the walk recorded, over the one at index `under` (-1: the
    // points below the walk).
    struct Point {
        int owner;
        int position;
        int under;
    };
    // A thread to walk, or (pc < 0) the writes [from, to) of one to settle,
    // after which the writes from `from` and the points from `points` on
    // are dropped.
    struct Task {
        int pc;
        int d;
        int points;
        int from;
        int to;
    };
    // Runs one thread until it fails or branches; false when it met the end
    // or went past the bound.
    bool run_thread(Task task);
    bool empty_pass(int push, int d, int points) const;
    void settle_writes(int from, int to);

    ProgramRun m_run;
    const std::vector<LivePoint>* m_below = nullptr;
    std::vector<Point> m_points;
    std::vector<Task> m_tasks;
    std::vector<RegisterWrite> m_writes;
    unsigned m_found = 0;
    int m_value[20] = {};
    long long m_steps = 0;
    long long m_max_steps = 0;
};

// The matcher's shortcut past a first way that fails for certain: an
// EndReach proves the failure, a FailedBranch finds what it leaves. Only
// checked at an op_push_alternative whose first way may enter a loop that
// nests a choice, at most once per place and 16 times per matcher run, while
// budgets linear in the subject last (positions simulated, threads walked,
// the latter at most 262,144): one for all the runs of a matcher, so that a
// search that runs it at every position stays within them too.
class BranchShortcut {
public:
    explicit BranchShortcut(const ProgramRun& run)
        : m_run(run), m_present(run.text, run.size), m_end(run), m_branch(run),
          m_budget(4LL * run.size + 1024),
          m_walk_budget(std::min(4096 + 16LL * run.size, 1LL << 18)) {
        m_reach.build(run, &m_present);
    }

    // Whether the program has a loop that nests a choice at all, and budget
    // is left.
    bool promising() const {
        return (m_reach.at(0) & ReachSummary::nested_choice) != 0 && m_budget > 0 &&
               m_walk_budget > 0;
    }
    // A new matcher run: every place may be checked again.
    void begin_run();
    // Whether the way from pc at d fails for certain.
    bool fails(int pc, int d);
    bool settle(int pc, int d, const std::vector<LivePoint>& below,
                std::vector<RegisterWrite>& writes) {
        return m_branch.settle(m_reach, m_end.marks_passed(), pc, d, below, m_walk_budget, writes);
    }

private:
    ProgramRun m_run;
    SubjectBytes m_present;
    ReachSummary m_reach;
    EndReach m_end;
    FailedBranch m_branch;
    long long m_budget;      // positions EndReach may still look at
    long long m_walk_budget; // threads the walks may still begin
    int m_checks = 0;
    std::vector<std::uint64_t> m_checked;
};

} // namespace uiutil_internal
