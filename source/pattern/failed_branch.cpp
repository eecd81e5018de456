#include "failed_branch.h"
#include "instruction.h"
#include "program_view.h"

#include <algorithm>
#include <cstring>
#include <limits>

using namespace uiutil_internal;

namespace {

// The instructions a walk may run per thread it may begin.
const long long steps_per_thread = 32;

} // namespace

bool FailedBranch::settle(const ReachSummary& reach, unsigned may_write, int pc, int d,
                          const LiveBelow& below, long long& thread_budget,
                          std::vector<RegisterWrite>& writes) {
    // The registers to find; the walk is over once it has them all.
    const unsigned wanted = reach.at(pc) & ReachSummary::register_bits & may_write;
    if (reach.at(pc) & ReachSummary::unfollowable) {
        return false;
    }
    if (replay(wanted, pc, d, thread_budget, writes)) {
        return true;
    }
    const long long threads_before = thread_budget;
    m_below = &below;
    m_points.clear();
    m_writes.clear();
    m_found = 0;
    m_steps = 0;
    m_max_steps = steps_per_thread * thread_budget;
    m_read_lo = m_read_hi = d;
    m_read_end = m_read_below = false;
    m_tasks.assign(1, Task{pc, d, -1, 0, 0});
    while (!m_tasks.empty() && m_found != wanted) {
        const Task task = m_tasks.back();
        m_tasks.pop_back();
        if (task.pc < 0) {
            // Both ways of the thread's branch are walked: what it and they
            // recorded is needed no more.
            settle_writes(task.from, task.to);
            m_writes.resize(task.from);
            m_points.resize(task.points);
        } else if ((reach.at(task.pc) & wanted & ~m_found) != 0) {
            if (--thread_budget < 0 || !run_thread(task)) {
                return false;
            }
        }
    }
    writes.clear();
    for (unsigned found = m_found; found != 0; found &= found - 1) {
        const int reg = __builtin_ctz(found);
        writes.push_back({reg, m_value[reg]});
    }
    keep(wanted, pc, d, threads_before - thread_budget, writes);
    return true;
}

bool FailedBranch::replay(unsigned wanted, int pc, int d, long long& thread_budget,
                          std::vector<RegisterWrite>& writes) const {
    // The walk would take the same steps, so it would also stay within the
    // bounds exactly when the kept one fits them.
    const Kept& k = m_last;
    const int size = static_cast<int>(k.bytes.size());
    if (!k.valid || k.pc != pc || k.d != d || k.wanted != wanted || thread_budget < k.threads ||
        steps_per_thread * thread_budget < k.steps ||
        (k.size >= 0 ? m_run.size != k.size : m_run.size < k.lo + size) ||
        (size > 0 && std::memcmp(m_run.text + k.lo, k.bytes.data(), size) != 0)) {
        return false;
    }
    thread_budget -= k.threads;
    writes = k.writes;
    return true;
}

void FailedBranch::keep(unsigned wanted, int pc, int d, long long threads,
                        const std::vector<RegisterWrite>& writes) {
    const int max_bytes = 256;
    m_last.valid = !m_read_below && m_read_hi - m_read_lo <= max_bytes;
    if (!m_last.valid) {
        return;
    }
    m_last.pc = pc;
    m_last.d = d;
    m_last.wanted = wanted;
    m_last.threads = threads;
    m_last.steps = m_steps;
    m_last.lo = m_read_lo;
    m_last.size = m_read_end ? m_run.size : -1;
    m_last.bytes.assign(m_run.text + m_read_lo, m_run.text + m_read_hi);
    m_last.writes = writes;
}

void FailedBranch::settle_writes(int from, int to) {
    for (int i = to; i-- > from;) {
        const unsigned bit = 1u << m_writes[i].reg;
        if (!(m_found & bit)) {
            m_found |= bit;
            m_value[m_writes[i].reg] = m_writes[i].value;
        }
    }
}

bool FailedBranch::empty_pass(int push, int d, int points) {
    // As the matcher decides it: the newest point the loop recorded, or the
    // one the op_dummy_jump entering a `+` loop recorded, holds where the
    // pass began.
    const int first_pass_owner = push - 3;
    const bool plus_loop = first_pass_owner >= 0 && m_run.code[first_pass_owner] == op_dummy_jump &&
                           jump_target(m_run.code + first_pass_owner) == m_run.code + push + 3;
    auto owns = [&](int owner) {
        return owner == push || (plus_loop && owner == first_pass_owner);
    };
    for (int i = points; i >= 0; i = m_points[i].under) {
        if (owns(m_points[i].owner)) {
            return m_points[i].position == d;
        }
    }
    m_read_below = true;
    const int position = m_below->newest(push, plus_loop ? first_pass_owner : -1);
    return position >= 0 && position == d;
}

bool FailedBranch::run_thread(Task task) {
    int pc = task.pc;
    int d = task.d;
    int points = task.points;
    const int from = static_cast<int>(m_writes.size());
    const int points_from = static_cast<int>(m_points.size());
    for (;;) {
        if (++m_steps > m_max_steps || pc >= m_run.length) {
            return false;
        }
        const unsigned char* p = m_run.code + pc;
        bool ok = true;
        switch (*p) {
        case op_exact: {
            const int n = p[1];
            if (n > m_run.size - d) {
                m_read_end = true;
                ok = false;
                break;
            }
            read(d, d + n);
            for (int i = 0; i < n && ok; ++i) {
                const unsigned char c = m_run.text[d + i];
                ok = (m_run.translate ? m_run.translate[c] : c) == p[2 + i];
            }
            d += n;
            pc += 2 + n;
            break;
        }
        case op_group_start:
        case op_group_end:
            if (p[1] < 10) {
                m_writes.push_back({*p == op_group_start ? p[1] : 10 + p[1], d});
            }
            pc += 2;
            break;
        case op_push_alternative: {
            // The second way is walked first, then the first (with this
            // point live under it), then this thread's own writes.
            const int point = static_cast<int>(m_points.size());
            m_points.push_back({pc, d, points});
            m_tasks.push_back({-1, 0, points_from, from, static_cast<int>(m_writes.size())});
            m_tasks.push_back({pc + 3, d, point, 0, 0});
            m_tasks.push_back({static_cast<int>(jump_target(p) - m_run.code), d, points, 0, 0});
            return true;
        }
        case op_dummy_jump:
            // An empty resume point: resuming there goes straight on failing.
            m_points.push_back({pc, d, points});
            points = static_cast<int>(m_points.size()) - 1;
            pc = static_cast<int>(jump_target(p) - m_run.code);
            break;
        case op_jump: {
            const int target = static_cast<int>(jump_target(p) - m_run.code);
            const bool loop = target < pc && m_run.code[target] == op_push_alternative;
            pc = loop && empty_pass(target, d, points) ? pc + 3 : target;
            break;
        }
        default:
            if (opcode_info(*p).role == OpcodeRole::zero_width) {
                // The characters on both sides, or the subject's edge.
                read(d > 0 ? d - 1 : d, d < m_run.size ? d + 1 : d);
                m_read_end = m_read_end || d >= m_run.size;
                ok = zero_width_holds(*p, m_run.text, m_run.size, d, m_run.word);
                ++pc;
            } else if (const int size = single_character(p)) {
                if (d < m_run.size) {
                    read(d, d + 1);
                } else {
                    m_read_end = true;
                }
                ok = d < m_run.size &&
                     single_character_accepts(p, m_run.text[d], m_run.translate, m_run.word);
                ++d;
                pc += size;
            } else {
                return false; // not followed (the summary keeps these out)
            }
        }
        if (!ok) {
            settle_writes(from, static_cast<int>(m_writes.size()));
            m_writes.resize(from);
            m_points.resize(points_from);
            return true;
        }
    }
}

BranchShortcut::BranchShortcut(const ProgramRun& run)
    : m_run(run), m_code_copy(run.code, run.code + run.length),
      m_translate_copy(run.translate ? run.translate : run.code,
                       run.translate ? run.translate + 256 : run.code),
      m_present(run.text, run.size), m_end(run), m_branch(run),
      m_retry_at(static_cast<std::size_t>(run.length) + 1, 0) {
    std::copy(run.word, run.word + 256, m_word_copy);
    m_reads_word = reads_word_table(ProgramView(run.code, run.length));
    m_reach.build(run, m_present);
}

bool BranchShortcut::rebind(const ProgramRun& run) {
    // The tables read the program (loop jumps rewritten since included), the
    // translation and word tables, which callers may edit between matches
    // (the word table only matters to a program with word tests or \w, \W).
    const bool same_program =
        run.code == m_run.code && run.length == m_run.length &&
        (m_code_copy.empty() ||
         std::memcmp(m_code_copy.data(), run.code, m_code_copy.size()) == 0) &&
        run.translate == m_run.translate &&
        (!run.translate || std::memcmp(m_translate_copy.data(), run.translate, 256) == 0) &&
        (!m_reads_word || (run.word == m_run.word && std::memcmp(m_word_copy, run.word, 256) == 0));
    if (!same_program) {
        return false;
    }
    m_run = run;
    m_end.rebind(run);
    m_branch.rebind(run);
    m_proven = ~std::uint64_t(0);
    std::uint64_t seen[4] = {};
    mark_subject_bytes(run.text, run.size, seen);
    if (!m_present.holds(seen)) {
        m_present = SubjectBytes(seen);
        m_reach.build(run, m_present);
        m_branch.forget();
    }
    return true;
}

void BranchShortcut::begin_run(int pos) {
    m_simulated = 0;
    m_budget_at = 0;
    m_walk_left = std::min(4096 + 16LL * (m_run.size - pos), 1LL << 18);
    std::fill(m_retry_at.begin(), m_retry_at.end(), 0);
}

bool BranchShortcut::fails(int pc, int d, long long resumes) {
    if (m_proven == FailureMemo::key(pc, d)) {
        return true;
    }
    const long long left = allowance(resumes) - m_simulated;
    if (m_reach.stale(m_run.code)) {
        m_reach.build(m_run, m_present);
        m_branch.forget();
    }
    const unsigned bits = m_reach.at(pc);
    if ((bits & ReachSummary::unfollowable) || !(bits & ReachSummary::nested_choice)) {
        // Asked again once the allowance has doubled: a loop jump on the way
        // may be rewritten by then.
        ask_again_at(pc, 2 * allowance(resumes));
        return false;
    }
    if (!(bits & ReachSummary::reaches_end)) {
        // Every path from pc meets a test that no byte of the subject
        // passes; the registers it may write are the summary's.
        m_proven = FailureMemo::key(pc, d);
        m_marks = bits & ReachSummary::register_bits;
        return true;
    }
    long long budget = left;
    const EndReach::Answer answer = m_end.from(pc, d, budget);
    m_simulated += left - budget;
    m_budget_at = resumes_for(m_simulated + 1);
    if (answer != EndReach::cannot) {
        ask_again_at(pc, 8 * allowance(resumes));
        return false;
    }
    m_proven = FailureMemo::key(pc, d);
    m_marks = m_end.marks_passed();
    return true;
}

const std::vector<RegisterWrite>* BranchShortcut::settle(int pc, int d, const LiveBelow& below) {
    const bool settled =
        m_walk_left > 0 && m_branch.settle(m_reach, m_marks, pc, d, below, m_walk_left, m_settled);
    if (!settled) {
        m_retry_at[pc] = std::numeric_limits<long long>::max();
        return nullptr;
    }
    return &m_settled;
}
