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

#include <cstdint>
#include <vector>

namespace uiutil_internal {

// The live resume points under a walk, as a loop's empty-pass test sees
// them.
class LiveBelow {
public:
    // The position the newest point recorded by instruction `owner` or (when
    // `also` >= 0) by `also` holds, or -1 when there is none.
    virtual int newest(int owner, int also) const = 0;

protected:
    ~LiveBelow() = default;
};

class FailedBranch {
public:
    explicit FailedBranch(const ProgramRun& run) : m_run(run) {}
    // The same program over another subject.
    void rebind(const ProgramRun& run) { m_run = run; }
    // The summary that settle() is given has been made again: answers kept
    // from walks that it guided are dropped.
    void forget() { m_last.valid = false; }

    // The exploration from instruction pc at position d, over the live points
    // `below`, which writes no register outside `may_write`.
    // Answers false when the walk met the program's end (the way does not
    // fail) or went past its bound: `thread_budget` threads, counted down,
    // of a few dozen instructions each. Otherwise `writes` holds the last
    // write to each register the exploration writes.
    bool settle(const ReachSummary& reach, unsigned may_write, int pc, int d,
                const LiveBelow& below, long long& thread_budget,
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
    bool empty_pass(int push, int d, int points);
    void settle_writes(int from, int to);
    // Notes that the walk read the subject at [from, to).
    void read(int from, int to) {
        m_read_lo = from < m_read_lo ? from : m_read_lo;
        m_read_hi = to > m_read_hi ? to : m_read_hi;
    }
    // Whether the last walk kept is the one settle() would make now, and
    // then its answer; keeps the walk just made when it can be replayed so.
    bool replay(unsigned wanted, int pc, int d, long long& thread_budget,
                std::vector<RegisterWrite>& writes) const;
    void keep(unsigned wanted, int pc, int d, long long threads,
              const std::vector<RegisterWrite>& writes);

    ProgramRun m_run;
    const LiveBelow* m_below = nullptr;
    std::vector<Point> m_points;
    std::vector<Task> m_tasks;
    std::vector<RegisterWrite> m_writes;
    unsigned m_found = 0;
    int m_value[20] = {};
    long long m_steps = 0;
    long long m_max_steps = 0;
    // What the walk under way read: the subject at [m_read_lo, m_read_hi),
    // its end (whether a test met it), the points below.
    int m_read_lo = 0;
    int m_read_hi = 0;
    bool m_read_end = false;
    bool m_read_below = false;
    // The last walk that read at most a few hundred bytes and none of the
    // points below, with all it read: the same place, program, summary and
    // bytes give the same walk, so its answer stands for it. (A match that
    // reads the same line again, or lines that begin alike, walks once.)
    struct Kept {
        bool valid = false;
        int pc = 0;
        int d = 0;
        unsigned wanted = 0;
        long long threads = 0;
        long long steps = 0;
        int lo = 0;
        int size = -1;                    // the subject's size when the walk met its end, else -1
        std::vector<unsigned char> bytes; // the subject from lo
        std::vector<RegisterWrite> writes;
    } m_last;
};

// The matcher's shortcut past a first way that fails for certain: an
// EndReach proves the failure, a FailedBranch finds what it leaves. Only
// checked at an op_push_alternative whose first way may enter a loop that
// nests a choice. The simulations of one matcher run may look at a 64th as
// many positions as the run has gone back to resume points, plus 256, so
// that checks which find a way to the end cost the run at most a share of
// its own backtracking; a place where a check did not pay is checked again
// only once that allowance has grown eightfold. The walks, which follow only
// a proven failure, may begin 4,096 threads plus 16 per character from the
// run's start (262,144 at most); a place whose walk went past that is not
// walked again in the run.
class BranchShortcut {
public:
    explicit BranchShortcut(const ProgramRun& run);

    // Takes on the run of a later match: false, and nothing changed, unless
    // the program and its tables hold what they held when this was made.
    bool rebind(const ProgramRun& run);

    // Whether the program has a loop that nests a choice at all.
    bool promising() const { return (m_reach.at(0) & ReachSummary::nested_choice) != 0; }
    // A new matcher run from pos: nothing spent, every place open to checks.
    void begin_run(int pos);
    // Whether the way from pc may be checked now, after `resumes` resume
    // points of the run.
    bool may_check(int pc, long long resumes) const {
        return resumes >= m_retry_at[pc] && resumes >= m_budget_at;
    }
    // Whether the way from pc at d fails for certain (after may_check).
    bool fails(int pc, int d, long long resumes);
    // What the way that fails() answered for leaves; null when the walk did
    // not settle it. (Kept here until the next settle, so runs reuse it.)
    const std::vector<RegisterWrite>* settle(int pc, int d, const LiveBelow& below);

private:
    // The positions the checks may simulate after `resumes` resume points,
    // and the resume points after which the allowance reaches `positions`.
    static long long allowance(long long resumes) { return resumes / 64 + 256; }
    static long long resumes_for(long long positions) {
        return positions > 256 ? 64 * (positions - 256) : 0;
    }
    void ask_again_at(int pc, long long positions) { m_retry_at[pc] = resumes_for(positions); }

    ProgramRun m_run;
    // What the program and its tables held when this was made.
    std::vector<unsigned char> m_code_copy;
    std::vector<unsigned char> m_translate_copy; // empty without a table
    char m_word_copy[256];
    bool m_reads_word; // whether the program reads the word table at all
    SubjectBytes m_present;
    ReachSummary m_reach;
    EndReach m_end;
    FailedBranch m_branch;
    // The last way proved to fail, and the registers its paths may write.
    std::uint64_t m_proven = ~std::uint64_t(0);
    unsigned m_marks = 0;
    long long m_simulated = 0; // positions the run's checks simulated
    long long m_budget_at = 0; // the resume points at which the allowance exceeds that
    long long m_walk_left = 0; // threads the run's walks may still begin
    // Per instruction: the resume points before which it is not checked again.
    std::vector<long long> m_retry_at;
    std::vector<RegisterWrite> m_settled;
};

} // namespace uiutil_internal
