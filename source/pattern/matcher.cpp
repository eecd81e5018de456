// The backtracking matcher and its helpers.
#include "matcher.h"
#include "failed_branch.h"
#include "failure_memo.h"
#include "failure_stack.h"
#include "instruction.h"
#include "loop_rewrite.h"
#include "needed_byte.h"
#include "program.h"
#include "tried_positions.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <uiutil/pattern.h>

using namespace uiutil_internal;

namespace {

// The first instruction at or after q that is not a group mark: what a
// continuation starting at q tests first.
const unsigned char* past_group_marks(const unsigned char* q, const unsigned char* end) {
    while (q + 2 <= end && (*q == op_group_start || *q == op_group_end)) {
        q += 2;
    }
    return q;
}

struct Subject {
    const unsigned char* text;
    int size; // the joined subject's length
    int stop; // characters at or beyond stop are never consumed
};

class Matcher {
public:
    Matcher(uiPattern::PatternBuffer* buffer, const Subject& subject, const char* word_table,
            WorkBudget* budget, MatcherScratch* scratch)
        : m_code(reinterpret_cast<unsigned char*>(buffer->code)), m_end(m_code + buffer->length),
          m_translate(reinterpret_cast<const unsigned char*>(buffer->translate)), m_s(subject.text),
          m_size(subject.size), m_stop(subject.stop), m_word(word_table), m_budget(budget),
          m_scratch(scratch) {}

    // One run from pos; a matcher may run at one position after another.
    int run(int pos, uiPattern::PatternRegisters* registers);

private:
    // The interpreter from pc at d; with Memo, failed visits are remembered
    // (failure_memo.h). The run starts without and changes over once it has
    // gone back to resume points more often than a run that backtracks only
    // along the subject would.
    template <bool Memo> int execute(const unsigned char* pc, int d);
    // Whether failed visits may be remembered; notes the groups a state must
    // keep.
    bool memo_sound();
    MemoKey memo_key(const unsigned char* pc, int d) const;
    // Starts taking the shortcut past first ways that fail for certain
    // (failed_branch.h), when the program may profit; answers whether it did.
    bool begin_shortcuts();
    // With shortcuts on: whether the first way of the op_push_alternative
    // the program starts with (after group marks) fails for certain from the
    // run's start, so that starting over pays.
    bool first_way_fails();
    // Before a run: when the first way of the alternative the program begins
    // with needs a byte the subject lacks from the run's start, turns the
    // shortcuts on at once rather than after the run has backtracked.
    void probe_first_way();
    // With shortcuts on: whether the first way of the op_push_alternative at
    // pc fails for certain from d; its register writes are then made, and
    // the run goes on with the second way.
    bool settle_first_way(const unsigned char* pc, int d);
    // Drops the newest resume point for an op_pop_jump.
    template <bool Memo> void drop_point();
    // Sets register reg (0..9 starts, 10..19 ends).
    template <bool Memo> void write_register(int reg, int value);
    unsigned char tr(unsigned char c) const { return m_translate ? m_translate[c] : c; }
    bool word(int i) const { return m_word[m_s[i]] != 0; }
    bool backref(int n, int& d) const;
    // Whether the single-character instruction at x accepts the character
    // at d (d below the window's end).
    bool accepts(const unsigned char* x, int d) const;
    // The closing jump of the loop at `push` when its body is one
    // single-character instruction, else null (kept for the last loop asked).
    const unsigned char* loop_back(const unsigned char* push);
    // Runs a loop of one single-character instruction in one go; see run().
    const unsigned char* simple_loop(const unsigned char* push, int& d);
    // Takes a futile run off the stack, leaving the registers as resuming at
    // each of its positions in turn would have left them.
    void discard_futile();
    // Handles a jump back to a loop's op_push_alternative: when the pass that
    // just ended consumed nothing, returns true (the loop must end).
    bool empty_pass(const unsigned char* push, int d);

    unsigned char* m_code;
    const unsigned char* m_end;
    const unsigned char* m_translate;
    const unsigned char* m_s;
    int m_size;
    int m_stop;
    const char* m_word;
    WorkBudget* m_budget; // null: no bound
    FailureStack m_stack;
    // The registers; only those m_written marks hold this run's values.
    int m_start[10] = {};
    int m_finish[10] = {};
    unsigned m_written = 0; // bit r: register r (0..19) written in this run
    int m_pos = 0;
    uiPattern::PatternRegisters* m_registers = nullptr;
    long long m_resumes = 0;
    // The shape of the last loop simple_loop() was asked about: its closing
    // jump (null: not a loop over one character) and whether its runs of
    // points are futile.
    struct LoopShape {
        const unsigned char* push;
        const unsigned char* back;
        bool futile;
    } m_loop = {nullptr, nullptr, false};
    long long m_memo_after = LLONG_MAX;
    std::unique_ptr<FailureMemo> m_memo;
    int m_memo_groups[MemoKey::max_groups] = {};
    int m_memo_group_count = 0;
    // Shortcuts are considered once a run has gone back this often.
    static constexpr long long shortcut_after = 8;
    bool m_shortcuts_considered = false;
    bool m_shortcuts = false;
    // The shortcut of this matcher's runs: the scratch's, or its own.
    MatcherScratch* m_scratch;
    std::unique_ptr<BranchShortcut> m_own_shortcut;
    BranchShortcut* m_shortcut = nullptr;
};

bool Matcher::backref(int n, int& d) const {
    if (n > 9) {
        return true;
    }
    // A group with no complete recording on this path has no text to repeat.
    if (((m_written >> n) & (m_written >> (10 + n)) & 1u) == 0) {
        return false;
    }
    int start = m_start[n];
    int finish = m_finish[n];
    if (start > finish) {
        return false;
    }
    int length = finish - start;
    if (length > m_stop - d) {
        return false;
    }
    if (m_translate) {
        for (int i = 0; i < length; ++i) {
            if (m_translate[m_s[start + i]] != m_translate[m_s[d + i]]) {
                return false;
            }
        }
    } else if (length > 0 &&
               (m_s[start] != m_s[d] || std::memcmp(m_s + start, m_s + d, length) != 0)) {
        return false;
    }
    d += length;
    return true;
}

bool Matcher::empty_pass(const unsigned char* push, int d) {
    int loop_owner = static_cast<int>(push - m_code);
    int top = m_stack.size() - 1;
    if (top >= 0 && m_stack.at(top).owner == loop_owner) {
        return m_stack.at(top).newest() == d; // the usual case: nothing above it
    }
    // The op_dummy_jump of a `+` loop, when there is one, records where the
    // first pass began.
    int first_pass_owner = loop_owner - 3;
    for (int i = top; i >= 0; --i) {
        const ResumePoint& point = m_stack.at(i);
        if (point.owner == loop_owner ||
            (point.owner == first_pass_owner && first_pass_owner >= 0 &&
             m_code[first_pass_owner] == op_dummy_jump &&
             jump_target(m_code + first_pass_owner) == push + 3)) {
            return point.newest() == d;
        }
    }
    return false;
}

bool Matcher::accepts(const unsigned char* x, int d) const {
    return single_character_accepts(x, m_s[d], m_translate, m_word);
}

const unsigned char* Matcher::loop_back(const unsigned char* push) {
    if (push != m_loop.push) {
        const unsigned char* body = push + 3;
        // The shape depends on the program alone (a rewrite changes only
        // the closing jump's opcode), so the last loop's is kept.
        int size = single_character(body);
        const unsigned char* back = body + size;
        if (size == 0 || back + 3 > m_end ||
            (*back != op_loop_jump && *back != op_pop_jump && *back != op_jump) ||
            jump_target(back) != push || jump_target(push) != back + 3) {
            back = nullptr;
        }
        // A bounded run counts every resumption, so it never treats a run
        // as futile.
        bool futile =
            back && !m_budget &&
            refuses_continuation(body, past_group_marks(back + 3, m_end), m_end, m_translate);
        m_loop = {push, back, futile};
    }
    return m_loop.back;
}

// A loop "push(exit) X loop_jump(push)" whose body X takes one character:
// the same resume points, rewrite and end position as running it step by
// step, without the interpretation per character. Returns the instruction to
// go on with, or null when the loop has another shape.
const unsigned char* Matcher::simple_loop(const unsigned char* push, int& d) {
    const unsigned char* body = push + 3;
    const unsigned char* back = loop_back(push);
    if (!back) {
        return nullptr;
    }
    int start = d;
    d = single_character_run_end(body, m_s, d, m_stop, m_translate, m_word);
    if (d == start) {
        return back + 3; // the one resume point was pushed and taken again
    }
    if (*back == op_loop_jump) {
        *const_cast<unsigned char*>(back) = loop_rewrite(back, m_end, m_translate);
    }
    if (*back == op_jump) {
        // One point per position passed, kept as one run.
        m_stack.push_run(back + 3, start, d - start, static_cast<int>(push - m_code),
                         m_loop.futile);
    }
    return back + 3;
}

void Matcher::discard_futile() {
    const ResumePoint& run = m_stack.top();
    // The oldest position is resumed last, so its writes are the ones left.
    for (const unsigned char* q = run.resume; q + 2 <= m_end; q += 2) {
        if (*q != op_group_start && *q != op_group_end) {
            break;
        }
        if (q[1] < 10) {
            write_register<false>(*q == op_group_start ? q[1] : 10 + q[1], run.position);
        }
    }
    m_resumes += run.count;
    m_stack.discard_top();
}

int Matcher::run(int pos, uiPattern::PatternRegisters* registers) {
    m_written = 0;
    m_stack.clear(); // (a run that reached the work bound left points)
    m_resumes = 0;
    m_pos = pos;
    m_registers = registers;
    m_shortcuts_considered = false;
    m_shortcuts = false;
    // A bounded run counts every resume point as documented; it never changes
    // over.
    if (!m_budget) {
        m_memo_after = 64 + 2LL * (m_size - pos);
    }
    probe_first_way();
    return execute<false>(m_code, pos);
}

void Matcher::probe_first_way() {
    // (op_exact compares through the table, so the byte speaks of the
    // subject only without one.)
    if (!m_scratch || m_translate || m_pos > m_size) {
        return;
    }
    if (m_scratch->first_way == -2) {
        const int length = static_cast<int>(m_end - m_code);
        const int at = static_cast<int>(past_group_marks(m_code, m_end) - m_code);
        const bool alternative = at + 3 <= length && m_code[at] == op_push_alternative;
        m_scratch->first_way = alternative ? at : -1;
        m_scratch->first_way_needs = alternative ? needed_byte(m_code, length, at + 3) : -1;
    }
    const int needs = m_scratch->first_way_needs;
    if (m_scratch->first_way < 0 || needs < 0 ||
        std::memchr(m_s + m_pos, needs, static_cast<std::size_t>(m_size - m_pos))) {
        return;
    }
    if (begin_shortcuts() && first_way_fails()) {
        return; // on from the start
    }
    m_shortcuts = false;
    m_shortcuts_considered = false;
}

// What follows a consumed character depends on the program, the subject, the
// position and what the groups that back-references repeat hold; a state
// keeps the groups of at most MemoKey::max_groups of them.
bool Matcher::memo_sound() {
    m_memo_group_count = 0;
    int length = static_cast<int>(m_end - m_code);
    for (int at = 0; at < length; at += decode(m_code, at).size) {
        if (!fits(m_code, at, length)) {
            return false;
        }
        if (m_code[at] != op_backref) {
            continue;
        }
        // (A back-reference past group 9 always passes, reading nothing.)
        const int group = m_code[at + 1];
        if (group > 9 || std::count(m_memo_groups, m_memo_groups + m_memo_group_count, group)) {
            continue;
        }
        if (m_memo_group_count == MemoKey::max_groups) {
            return false;
        }
        m_memo_groups[m_memo_group_count++] = group;
    }
    return true;
}

MemoKey Matcher::memo_key(const unsigned char* pc, int d) const {
    MemoKey key{FailureMemo::key(static_cast<int>(pc - m_code), d), {}};
    for (int i = 0; i < m_memo_group_count; ++i) {
        const int n = m_memo_groups[i];
        key.groups[i] = FailureMemo::group_word((m_written >> n) & 1u, m_start[n],
                                                (m_written >> (10 + n)) & 1u, m_finish[n]);
    }
    return key;
}

bool Matcher::begin_shortcuts() {
    m_shortcuts_considered = true;
    // The caller's bound counts the plain matcher's steps; consumption that
    // stops short of the subject's end is not what the proof of failure
    // follows.
    if ((m_budget && m_budget->counts_plain_steps) || m_stop != m_size) {
        return false;
    }
    if (!m_shortcut) {
        const ProgramRun run{m_code, static_cast<int>(m_end - m_code), m_translate, m_word, m_s,
                             m_size};
        std::unique_ptr<BranchShortcut>& kept = m_scratch ? m_scratch->shortcut : m_own_shortcut;
        if (!kept || !kept->rebind(run)) {
            kept = std::make_unique<BranchShortcut>(run);
        }
        m_shortcut = kept.get();
    }
    if (!m_shortcut->promising()) {
        return false;
    }
    m_shortcut->begin_run(m_pos);
    m_shortcuts = true;
    return true;
}

bool Matcher::first_way_fails() {
    const int length = static_cast<int>(m_end - m_code);
    int at = 0;
    while (at + 2 <= length && (m_code[at] == op_group_start || m_code[at] == op_group_end)) {
        at += 2;
    }
    return at + 3 <= length && m_code[at] == op_push_alternative &&
           m_shortcut->may_check(at + 3, m_resumes) && m_shortcut->fails(at + 3, m_pos, m_resumes);
}

// The failure stack as the walk past a first way sees it, with the point of
// the second way (not pushed) live on top.
class StackBelow : public LiveBelow {
public:
    StackBelow(const FailureStack& stack, int owner, int position)
        : m_stack(stack), m_owner(owner), m_position(position) {}
    int newest(int owner, int also) const override {
        if (m_owner == owner || m_owner == also) {
            return m_position;
        }
        for (int i = m_stack.size(); i-- > 0;) {
            const ResumePoint& point = m_stack.at(i);
            if (point.owner == owner || (also >= 0 && point.owner == also)) {
                return point.newest();
            }
        }
        return -1;
    }

private:
    const FailureStack& m_stack;
    int m_owner;
    int m_position;
};

bool Matcher::settle_first_way(const unsigned char* pc, int d) {
    const int at = static_cast<int>(pc - m_code);
    if (!m_shortcut->may_check(at + 3, m_resumes) || !m_shortcut->fails(at + 3, d, m_resumes)) {
        return false;
    }
    const std::vector<RegisterWrite>* settled =
        m_shortcut->settle(at + 3, d, StackBelow(m_stack, at, d));
    if (!settled) {
        return false;
    }
    for (const RegisterWrite& write : *settled) {
        write_register<false>(write.reg, write.value);
    }
    return true;
}

template <bool Memo> void Matcher::drop_point() {
    int passed = m_stack.drop();
    if (Memo) {
        m_memo->dropped_below(passed);
    }
}

template <bool Memo> void Matcher::write_register(int reg, int value) {
    (reg < 10 ? m_start[reg] : m_finish[reg - 10]) = value;
    m_written |= 1u << reg;
    if (Memo) {
        m_memo->wrote(reg, value);
    }
}

template <bool Memo> int Matcher::execute(const unsigned char* pc, int d) {
    for (;;) {
        if (pc >= m_end) {
            if (m_registers) {
                m_registers->start[0] = m_pos;
                m_registers->end[0] = d;
                // A group counts once both its ends have been written.
                unsigned groups = m_written & (m_written >> 10) & 0x3feu;
                for (int i = 1; i < 10; ++i) {
                    m_registers->start[i] = unset_register;
                    m_registers->end[i] = unset_register;
                }
                for (; groups != 0; groups &= groups - 1) {
                    int i = __builtin_ctz(groups);
                    m_registers->start[i] = m_start[i];
                    m_registers->end[i] = m_finish[i];
                }
            }
            return d - m_pos;
        }
        bool ok = true;
        const int before = d;
        switch (*pc) {
        case op_exact: {
            int n = pc[1];
            const unsigned char* bytes = pc + 2;
            if (n > m_stop - d) {
                ok = false;
            } else if (m_translate) {
                for (int i = 0; i < n && ok; ++i) {
                    ok = m_translate[m_s[d + i]] == bytes[i];
                }
            } else {
                ok = n == 0 || (m_s[d] == bytes[0] &&
                                (n == 1 || std::memcmp(m_s + d + 1, bytes + 1, n - 1) == 0));
            }
            d += n;
            pc += 2 + n;
            break;
        }
        case op_line_start:
            ok = d == 0 || m_s[d - 1] == newline;
            ++pc;
            break;
        case op_line_end:
            ok = d == m_size || m_s[d] == newline;
            ++pc;
            break;
        case op_push_alternative: {
            if (!Memo && m_shortcuts && settle_first_way(pc, d)) {
                pc = jump_target(pc);
                break;
            }
            // Remembering visits needs a state per character consumed, so
            // while it can, a loop over one character runs step by step.
            bool step_by_step = Memo && m_memo->can_open();
            if (const unsigned char* next = step_by_step ? nullptr : simple_loop(pc, d)) {
                pc = next;
                break;
            }
            m_stack.push(jump_target(pc), d, static_cast<int>(pc - m_code));
            pc += 3;
            break;
        }
        case op_dummy_jump: {
            m_stack.push(nullptr, d, static_cast<int>(pc - m_code));
            const unsigned char* target = jump_target(pc);
            const unsigned char* push = pc + 3;
            if (!Memo && target == push + 3 && push < m_end && *push == op_push_alternative) {
                // The first pass of a `+` loop over one character whose
                // closing jump is an op_jump by now: one character, then
                // the loop, as the pass would go (it took a character, so
                // it was not empty).
                const unsigned char* back = loop_back(push);
                if (back && *back == op_jump) {
                    ok = d < m_stop && accepts(target, d);
                    ++d;
                    pc = push;
                    break;
                }
            }
            pc = target;
            break;
        }
        case op_loop_jump:
            *const_cast<unsigned char*>(pc) = loop_rewrite(pc, m_end, m_translate);
            continue; // run it as what it has become
        case op_jump:
        case op_pop_jump: {
            const unsigned char* target = jump_target(pc);
            bool loop = target < pc && *target == op_push_alternative;
            if (loop && empty_pass(target, d)) {
                // The pass consumed nothing: another one would do the same.
                if (*pc == op_pop_jump) {
                    drop_point<Memo>();
                }
                pc += 3;
                break;
            }
            if (*pc == op_pop_jump) {
                drop_point<Memo>();
            }
            pc = target;
            break;
        }
        case op_any_char:
            ok = d < m_stop && tr(m_s[d]) != newline;
            ++d;
            ++pc;
            break;
        case op_char_set:
        case op_char_set_not:
            ok = d < m_stop && set_has(pc, tr(m_s[d])) == (*pc == op_char_set);
            ++d;
            pc += 2 + pc[1];
            break;
        case op_group_start:
            if (pc[1] < 10) {
                write_register<Memo>(pc[1], d);
            }
            pc += 2;
            break;
        case op_group_end:
            if (pc[1] < 10) {
                write_register<Memo>(10 + pc[1], d);
            }
            pc += 2;
            break;
        case op_backref:
            ok = backref(pc[1], d);
            pc += 2;
            break;
        case op_buffer_start:
            ok = d == 0;
            ++pc;
            break;
        case op_buffer_end:
            ok = d == m_size;
            ++pc;
            break;
        case op_word_char:
            ok = d < m_stop && word(d);
            ++d;
            ++pc;
            break;
        case op_not_word_char:
            ok = d < m_stop && !word(d);
            ++d;
            ++pc;
            break;
        case op_word_start:
            ok = d < m_size && word(d) && (d == 0 || !word(d - 1));
            ++pc;
            break;
        case op_word_end:
            ok = d > 0 && word(d - 1) && (d == m_size || !word(d));
            ++pc;
            break;
        case op_word_bound:
            ok = d == 0 || d == m_size || word(d - 1) != word(d);
            ++pc;
            break;
        case op_not_word_bound:
            ok = d != 0 && d != m_size && word(d - 1) == word(d);
            ++pc;
            break;
        default:
            ++pc;
            break;
        }
        if (Memo && ok && d > before) {
            const MemoKey key = memo_key(pc, d);
            FailedVisit visit;
            if (m_memo->failed(key, visit)) {
                for (int i = 0; i < visit.write_count; ++i) {
                    write_register<Memo>(visit.writes[i].reg, visit.writes[i].value);
                }
                for (int i = 0; i < visit.drops; ++i) {
                    drop_point<Memo>();
                }
                ok = false;
            } else if (m_memo->can_open()) {
                m_memo->opened(key);
                m_stack.push(nullptr, d, visit_mark);
            }
        }
        if (ok) {
            continue;
        }
        // Fail: resume at the newest live point.
        for (;;) {
            if (m_stack.empty()) {
                return -1;
            }
            if (!Memo && m_stack.top().futile) {
                discard_futile();
                continue;
            }
            ResumePoint point = m_stack.pop();
            if (Memo && point.owner == visit_mark) {
                m_memo->closed();
                continue;
            }
            if (point.resume) {
                if (m_budget && ++m_budget->used > m_budget->limit) {
                    m_budget->exhausted = true;
                    return -1;
                }
                pc = point.resume;
                d = point.position;
                if (!Memo && ++m_resumes > shortcut_after && !m_shortcuts_considered &&
                    begin_shortcuts() && first_way_fails()) {
                    // The run so far left nothing the new one would not
                    // leave again (loop jumps rewrite to the same opcodes),
                    // so it starts over to pass the failed way at the top.
                    // Otherwise it takes the shortcuts from here on.
                    m_written = 0;
                    m_stack.clear();
                    return execute<false>(m_code, m_pos);
                }
                if (!Memo && m_resumes > m_memo_after) {
                    m_memo_after = LLONG_MAX;
                    if (memo_sound()) {
                        m_memo = std::make_unique<FailureMemo>(m_memo_group_count);
                        return execute<true>(pc, d);
                    }
                }
                break;
            }
        }
    }
}

// The word-character table to use when no pattern is alive to own one.
const char* word_table(const char* shared) {
    static char fallback[256];
    if (shared) {
        return shared;
    }
    for (int c = 0; c < 256; ++c) {
        fallback[c] = std::isalnum(c) ? 1 : 0;
    }
    return fallback;
}

// One run of the matcher over text[0, size) (null when empty), consuming
// nothing at or beyond stop.
int run_at(uiPattern::PatternBuffer* buffer, const char* text, int size, int stop, int pos,
           uiPattern::PatternRegisters* registers, const char* word_chars, WorkBudget* budget,
           MatcherScratch* scratch = nullptr) {
    static const char nothing = 0;
    Subject subject{reinterpret_cast<const unsigned char*>(text ? text : &nothing), size, stop};
    Matcher matcher(buffer, subject, word_chars, budget, scratch);
    return matcher.run(pos, registers);
}

// Runs the matcher at each position `next` answers (given the last one, -1
// at first) until one matches; answers that position or -1.
template <class Next>
int try_positions(Matcher& matcher, uiPattern::PatternBuffer* buffer, const unsigned char* s,
                  int size, const PatternAccel& accel, uiPattern::PatternRegisters* registers,
                  WorkBudget* budget, Next next) {
    bool check_required = accel.has_required;
    for (int pos = next(-1); pos >= 0; pos = next(pos)) {
        if (check_required && required_checkable(accel, buffer->code)) {
            // Every match passes through a literal holding this byte.
            check_required = false;
            if (pos >= size || !std::memchr(s + pos, accel.required_byte, size - pos)) {
                return -1;
            }
        }
        if (matcher.run(pos, registers) >= 0) {
            return pos;
        }
        if (budget && budget->exhausted) {
            return -1; // gave up at the work bound
        }
    }
    return -1;
}

} // namespace

int uiPattern::re_match_2(PatternBuffer* buffer, char* string1, int size1, char* string2, int size2,
                          int pos, PatternRegisters* registers, int mstop) {
    if (size1 < 0 || size2 < 0 || (size1 > 0 && !string1) || (size2 > 0 && !string2)) {
        return -1;
    }
    int size = size1 + size2;
    if (pos < 0 || pos > size) {
        return -1;
    }
    int stop = mstop < 0 ? 0 : (mstop > size ? size : mstop);
    std::string joined;
    const char* text = string1;
    if (size2 > 0) {
        // The two halves behave as one text; matching a copy of both keeps
        // the inner loop free of half switching.
        joined.assign(string1 ? string1 : "", size1);
        joined.append(string2, size2);
        text = joined.data();
    }
    return run_at(buffer, text, size, stop, pos, registers, word_table(syntaxtable), nullptr);
}

int uiutil_internal::run_matcher(uiPattern::PatternBuffer* buffer, const char* text, int size,
                                 int pos, uiPattern::PatternRegisters* registers,
                                 const char* word_chars, WorkBudget* budget,
                                 MatcherScratch* scratch) {
    return run_at(buffer, text, size, size, pos, registers, word_table(word_chars), budget,
                  scratch);
}

uiutil_internal::MatcherScratch::MatcherScratch() = default;
uiutil_internal::MatcherScratch::~MatcherScratch() = default;

int uiutil_internal::backtracking_search(uiPattern::PatternBuffer* buffer, const char* text,
                                         int size, const PatternAccel& accel,
                                         uiPattern::PatternRegisters* registers,
                                         const char* word_chars, WorkBudget* budget) {
    static const char nothing = 0;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text ? text : &nothing);
    // One matcher for every position: a run leaves it as it found it.
    Matcher matcher(buffer, Subject{s, size, size}, word_table(word_chars), budget, nullptr);
    if (TriedByByte::applies(*buffer, &accel)) {
        // The character at a position decides whether it is tried, so a
        // table lookup per character finds the next one.
        const ByteStarts starts(TriedByByte(*buffer, &accel), s, size);
        return try_positions(matcher, buffer, s, size, accel, registers, budget, [&](int last) {
            return last < 0 ? starts.first() : starts.after(last);
        });
    }
    TriedPositions tried(*buffer, s, size, &accel);
    return try_positions(matcher, buffer, s, size, accel, registers, budget,
                         [&](int) { return tried.next(); });
}

int uiPattern::bcmp_translate(char* s1, char* s2, int len, unsigned char* translate) {
    for (int i = 0; i < len; ++i) {
        if (translate[static_cast<unsigned char>(s1[i])] !=
            translate[static_cast<unsigned char>(s2[i])]) {
            return 1;
        }
    }
    return 0;
}
