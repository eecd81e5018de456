// The search of a program that runs one way only (see greedy_sequence.h).
#include "greedy_sequence.h"

#include "program.h"

namespace uiutil_internal {

namespace {

// The size of the one-character test at x, 0 when it is not one or does not
// fit before end.
int one_character(const unsigned char* x, const unsigned char* end) {
    if (end - x < 2) { // only the one-byte tests fit, and x[1] is not to be read
        return end - x == 1 && (*x == op_any_char || *x == op_word_char || *x == op_not_word_char)
                   ? 1
                   : 0;
    }
    int size = single_character(x);
    return size <= end - x ? size : 0;
}

bool is_zero_width(unsigned char opcode) {
    switch (opcode) {
    case op_line_start:
    case op_line_end:
    case op_buffer_start:
    case op_buffer_end:
    case op_word_start:
    case op_word_end:
    case op_word_bound:
    case op_not_word_bound:
        return true;
    default:
        return false;
    }
}

// Whether x is the closing jump of a loop whose op_push_alternative is at
// push: the jump back (in any of its rewritten forms) right after the body.
bool closes_loop(const unsigned char* x, const unsigned char* push, const unsigned char* end) {
    return x + 3 <= end && (*x == op_loop_jump || *x == op_jump || *x == op_pop_jump) &&
           jump_target(x) == push && jump_target(push) == x + 3;
}

} // namespace

bool GreedySequence::build(const unsigned char* code, int length, const unsigned char* translate,
                           const char* word) {
    m_steps.clear();
    m_tables.clear();
    m_loops.clear();
    m_skips = false;
    m_reads_word = false;
    m_groups = 0;
    for (int c = 0; c < 256; ++c) {
        m_word[c] = word[c];
        m_translate[c] = translate ? translate[c] : static_cast<unsigned char>(c);
    }
    auto reject = [&] {
        m_steps.clear();
        m_tables.clear();
        m_loops.clear();
        return false;
    };
    auto add_table = [&](const unsigned char* x) {
        int at = static_cast<int>(m_tables.size());
        m_tables.resize(m_tables.size() + 256);
        for (int c = 0; c < 256; ++c) {
            m_tables[at + c] =
                single_character_accepts(x, static_cast<unsigned char>(c), translate, word) ? 1 : 0;
        }
        return at;
    };
    const unsigned char* end = code + length;
    const unsigned char* pc = code;
    unsigned starts = 0;
    unsigned ends = 0;
    bool consumes = false;
    while (pc < end) {
        if (static_cast<int>(m_steps.size()) >= max_steps) {
            return reject();
        }
        const unsigned char op = *pc;
        if (op == op_word_char || op == op_not_word_char || op == op_word_start ||
            op == op_word_end || op == op_word_bound || op == op_not_word_bound) {
            m_reads_word = true;
        }
        int size = one_character(pc, end);
        if (size > 0) {
            m_steps.push_back({test, 1, 0, add_table(pc)});
            consumes = true;
            pc += size;
            continue;
        }
        if (op == op_exact && pc + 1 < end && pc + 2 + pc[1] <= end) {
            // Each byte is a test of its own; an empty one is no step.
            for (int i = 0; i < pc[1]; ++i) {
                unsigned char one[3] = {op_exact, 1, pc[2 + i]};
                m_steps.push_back({test, 1, 0, add_table(one)});
            }
            consumes = consumes || pc[1] > 0;
            pc += 2 + pc[1];
            continue;
        }
        if ((op == op_group_start || op == op_group_end) && pc + 2 <= end) {
            if (pc[1] < 10) {
                (op == op_group_start ? starts : ends) |= 1u << pc[1];
                m_steps.push_back(
                    {mark, 0, static_cast<unsigned char>((op == op_group_start ? 0 : 10) + pc[1]),
                     0});
            }
            pc += 2;
            continue;
        }
        if (op == op_backref && pc + 2 <= end) {
            // The matcher repeats nothing for a group past 9, and fails for
            // one whose marks have not both been passed.
            const unsigned n = pc[1];
            if (n < 10) {
                const bool recorded = ((starts & ends) >> n) & 1u;
                m_steps.push_back(
                    {recorded ? backref : never, 0, static_cast<unsigned char>(n), 0});
            }
            pc += 2;
            continue;
        }
        if (is_zero_width(op)) {
            m_steps.push_back({zero_width, 0, op, 0});
            pc += 1;
            continue;
        }
        // A loop: "push(exit) X close(push)", and for X+ an op_dummy_jump
        // to X before it.
        const unsigned char* push = pc;
        unsigned char min = 0;
        if (op == op_dummy_jump && pc + 3 <= end && jump_target(pc) == pc + 6) {
            push = pc + 3;
            min = 1;
        }
        if (push + 3 <= end && *push == op_push_alternative) {
            int body = one_character(push + 3, end);
            const unsigned char* back = push + 3 + body;
            if (body > 0 && closes_loop(back, push, end)) {
                if (!consumes) {
                    m_skips = true; // only marks and zero-width tests before it
                }
                if (push[3] == op_word_char || push[3] == op_not_word_char) {
                    m_reads_word = true;
                }
                m_loops.push_back(static_cast<int>(back - code));
                m_steps.push_back({loop, min, 0, add_table(push + 3)});
                consumes = true;
                pc = back + 3;
                continue;
            }
        }
        return reject(); // a choice, another jump or another code
    }
    // Each loop's give-backs must fail at once: whatever follows it, past
    // group marks, refuses every character it takes.
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        if (m_steps[i].kind != loop) {
            continue;
        }
        const unsigned char* taken = &m_tables[m_steps[i].table];
        std::size_t next = i + 1;
        while (next < m_steps.size() && m_steps[next].kind == mark) {
            ++next;
        }
        bool refuses = true;
        if (next < m_steps.size()) {
            const Step& s = m_steps[next];
            if (s.kind == test || (s.kind == loop && s.min == 1)) {
                for (int c = 0; c < 256 && refuses; ++c) {
                    refuses = !(taken[c] && m_tables[s.table + c]);
                }
            } else if (s.kind == zero_width && s.what == op_line_end) {
                refuses = !taken[newline];
            } else {
                refuses = s.kind == zero_width && s.what == op_buffer_end;
            }
        }
        if (!refuses) {
            return reject();
        }
    }
    if (!consumes) {
        return reject(); // an empty or zero-width program is the other engines' business
    }
    m_groups = starts & ends & 0x3feu;
    plan_skips();
    return true;
}

void GreedySequence::plan_skips() {
    m_skip_until = -1;
    m_first_byte_rule = false;
    m_narrows = false;
    if (!m_skips) {
        return;
    }
    const int count = static_cast<int>(m_steps.size());
    int first_loop = 0;
    while (m_steps[first_loop].kind != loop) {
        ++first_loop;
    }
    m_skip_until = count;
    for (int i = 0; i < count; ++i) {
        if (m_steps[i].kind == backref || m_steps[i].kind == never) {
            m_skip_until = i;
            break;
        }
    }
    if (m_skip_until == count) {
        return;
    }
    m_narrows = true;
    if (m_steps[m_skip_until].kind == never) {
        return;
    }
    // The first back-reference repeats its group from where the walk began
    // when the group opens before the first loop and closes after it.
    const int group = m_steps[m_skip_until].what;
    int opens = -1;
    int closes = -1;
    for (int i = 0; i < m_skip_until; ++i) {
        if (m_steps[i].kind == mark && m_steps[i].what == group) {
            opens = i;
        } else if (m_steps[i].kind == mark && m_steps[i].what == 10 + group) {
            closes = i;
        }
    }
    if (opens < first_loop && closes > first_loop) {
        m_first_byte_rule = true;
    } else if (!(opens > first_loop && closes > first_loop)) {
        m_skip_until = -1; // (not a shape the compiler writes)
        m_narrows = false;
    }
}

void GreedySequence::narrow(const unsigned char* text, int size, int p, int failed_at, int d,
                            int& known_to_fail) const {
    if (failed_at > m_skip_until) {
        known_to_fail = p + 1;
        return;
    }
    if (m_first_byte_rule) {
        // The first back-reference compared the text from the start with
        // the text at d: a later start must begin with the character at d.
        const int loop_end = known_to_fail;
        const int wanted = d < size ? m_translate[text[d]] : -1;
        int q = p + 1;
        while (q < loop_end && m_translate[text[q]] != wanted) {
            ++q;
        }
        known_to_fail = q;
    }
}

bool GreedySequence::holds(unsigned char opcode, const unsigned char* text, int size, int d) const {
    return zero_width_holds(opcode, text, size, d, m_word);
}

template <bool Narrows>
bool GreedySequence::walk_steps(const unsigned char* text, int size, int p, int& end,
                                int& known_to_fail, int* marks) const {
    known_to_fail = p + 1;
    const unsigned char* tables = m_tables.data();
    int d = p;
    bool first_loop = m_skip_until >= 0;
    const Step* const steps = m_steps.data();
    auto fail = [&end, &known_to_fail, this, text, size, p, steps](const Step& s, int at) {
        end = at;
        const int failed_at = static_cast<int>(&s - steps);
        if (Narrows && known_to_fail != p + 1 && failed_at >= m_skip_until) {
            narrow(text, size, p, failed_at, at, known_to_fail);
        }
        return false;
    };
    for (const Step& s : m_steps) {
        switch (s.kind) {
        case test:
            if (d >= size || !tables[s.table + text[d]]) {
                return fail(s, d);
            }
            ++d;
            break;
        case loop: {
            const unsigned char* taken = tables + s.table;
            int from = d;
            while (d < size && taken[text[d]]) {
                ++d;
            }
            if (d - from < s.min) {
                return fail(s, d);
            }
            if (first_loop) {
                first_loop = false;
                // A start inside this run ends the run here too and goes on
                // the same way, marks apart, so it fails where this walk
                // fails unless that step reads a mark (see narrow()).
                if (d > known_to_fail) {
                    known_to_fail = d;
                }
            }
            break;
        }
        case mark:
            marks[s.what] = d;
            break;
        case zero_width:
            if (!holds(s.what, text, size, d)) {
                return fail(s, d);
            }
            break;
        case backref:
            if (!repeats(text, size, marks[s.what], marks[10 + s.what], d)) {
                return fail(s, d);
            }
            break;
        case never:
            return fail(s, d);
        }
    }
    end = d;
    return true;
}

template bool GreedySequence::walk_steps<false>(const unsigned char*, int, int, int&, int&,
                                                int*) const;
template bool GreedySequence::walk_steps<true>(const unsigned char*, int, int, int&, int&,
                                               int*) const;

bool GreedySequence::loops_rewritten(const unsigned char* code) const {
    for (int at : m_loops) {
        if (code[at] == op_loop_jump) {
            return false;
        }
    }
    return true;
}

bool GreedySequence::repeats(const unsigned char* text, int size, int from, int to, int& d) const {
    if (from > to) {
        return false;
    }
    const int length = to - from;
    if (length > size - d) {
        return false;
    }
    for (int i = 0; i < length; ++i) {
        if (m_translate[text[from + i]] != m_translate[text[d + i]]) {
            return false;
        }
    }
    d += length;
    return true;
}

void GreedySequence::write_registers(int p, int end, const int* marks,
                                     uiPattern::PatternRegisters* registers) const {
    registers->start[0] = p;
    registers->end[0] = end;
    for (int i = 1; i < 10; ++i) {
        registers->start[i] = unset_register;
        registers->end[i] = unset_register;
    }
    for (unsigned groups = m_groups; groups != 0; groups &= groups - 1) {
        int i = __builtin_ctz(groups);
        registers->start[i] = marks[i];
        registers->end[i] = marks[10 + i];
    }
}

} // namespace uiutil_internal
