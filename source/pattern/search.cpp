// search and match: the leftmost position at which the program matches.
#include "automaton_search.h"
#include "matcher.h"
#include "program.h"
#include "search_accel.h"

#include <cstring>
#include <uiutil/pattern.h>

using namespace uiutil_internal;

namespace {

// The next position at or after `pos` that the acceleration data cannot rule
// out, or size + 1 when none up to the end can begin a match.
class Candidates {
public:
    Candidates(const PatternAccel& accel, const char* text, int size)
        : m_accel(accel), m_text(text), m_size(size) {
        for (int& n : m_next) {
            n = -2;
        }
    }

    int next(int pos) {
        if (!m_accel.literals.empty()) {
            int best = m_size + 1;
            for (std::size_t i = 0; i < m_accel.literals.size(); ++i) {
                if (m_next[i] != -1 && m_next[i] < pos) {
                    m_next[i] = find_literal(m_text, m_size, pos, m_accel.literals[i]);
                }
                if (m_next[i] != -1 && m_next[i] < best) {
                    best = m_next[i];
                }
            }
            return best;
        }
        if (m_accel.sharp_valid) {
            const unsigned char* s = reinterpret_cast<const unsigned char*>(m_text);
            while (pos < m_size && !m_accel.sharp[s[pos]]) {
                ++pos;
            }
            return pos < m_size || m_accel.sharp_at_end ? pos : m_size + 1;
        }
        return pos;
    }

private:
    const PatternAccel& m_accel;
    const char* m_text;
    int m_size;
    int m_next[max_accel_literals] = {}; // next occurrence per literal; -1 none, -2 unknown
};

} // namespace

int uiPattern::search(const char* text, int size) {
    return search_within(text, size, nullptr);
}

int uiPattern::search_within(const char* text, int size, WorkBudget* budget) {
    PatternBuffer* buffer = &m_buffer;
    if (buffer->fastmap && !buffer->fastmap_valid) {
        compile_fastmap(buffer);
        delete m_accel;
        m_accel = nullptr;
    }
    if (!m_accel) {
        m_accel = new PatternAccel;
        build_accel(*buffer, syntaxtable, *m_accel);
    } else if (m_accel->retry_after_rewrites && rewritten_since_built(*m_accel, buffer->code)) {
        build_accel(*buffer, syntaxtable, *m_accel);
    }
    if (size < 0) {
        size = 0;
    }
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    const char* fastmap = buffer->fastmap;
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer->translate);
    bool accelerated = !m_accel->literals.empty() || m_accel->sharp_valid;
    Candidates candidates(*m_accel, text, size);

    int pos = 0;
    int range = size;
    if (buffer->length > 0 && buffer->code[0] == op_buffer_start && range > 0) {
        range = 1; // no match can start after position 0
    }
    if (!budget && syntaxtable) {
        if (m_automaton && !m_automaton->describes(*buffer, syntaxtable)) {
            delete m_automaton;
            m_automaton = nullptr;
        }
        if (!m_automaton) {
            m_automaton = new PatternAutomaton(*buffer, syntaxtable);
        }
        if (m_automaton->usable()) {
            if (m_accel->has_required && required_checkable(*m_accel, buffer->code) &&
                (size == 0 || !std::memchr(text, m_accel->required_byte, size))) {
                return -1; // every match passes through this byte
            }
            int found = m_automaton->leftmost(*buffer, s, size);
            if (found < 0 ||
                run_matcher(buffer, text, size, found, &m_registers, syntaxtable, nullptr) >= 0) {
                return found;
            }
            // Not reached while the engines agree; the backtracking search
            // below repeats the runs before `found` without a new trace.
        }
    }
    bool check_required = m_accel->has_required;
    for (;;) {
        if (check_required && required_checkable(*m_accel, buffer->code)) {
            // Every match passes through a literal holding this byte.
            check_required = false;
            if (pos >= size || !std::memchr(text + pos, m_accel->required_byte, size - pos)) {
                return -1;
            }
        }
        if (accelerated) {
            int next = candidates.next(pos);
            if (next > pos) {
                if (next - pos > range) {
                    return -1;
                }
                range -= next - pos;
                pos = next;
            }
        }
        bool try_here = true;
        if (fastmap && pos < size && buffer->empty_match != 1) {
            if (range > 0) {
                // Skip unmarked characters, never beyond the positions left.
                int limit = pos + range < size ? pos + range : size;
                int start = pos;
                if (translate) {
                    while (pos < limit && !fastmap[translate[s[pos]]]) {
                        ++pos;
                    }
                } else {
                    while (pos < limit && !fastmap[s[pos]]) {
                        ++pos;
                    }
                }
                range -= pos - start;
                if (pos != start && accelerated) {
                    continue; // the acceleration has its say at the new position
                }
            } else if (!fastmap[translate ? translate[s[pos]] : s[pos]]) {
                try_here = false;
            }
        }
        if (try_here) {
            if (range >= 0 && pos == size && fastmap && buffer->empty_match == 0) {
                return -1;
            }
            if (run_matcher(buffer, text, size, pos, &m_registers, syntaxtable, budget) >= 0) {
                return pos;
            }
            if (budget && budget->exhausted) {
                return -1; // gave up at the work bound
            }
        }
        if (range <= 0) {
            return -1;
        }
        ++pos;
        --range;
    }
}

void uiPattern::set_work_limit(long long steps) {
    m_work_limit = steps > 0 ? steps : 0;
}

int uiPattern::match(const uiSaveString& subject) {
    for (int i = 0; i < 10; ++i) {
        m_registers.start[i] = unset_register;
        m_registers.end[i] = unset_register;
    }
    WorkBudget budget{m_work_limit, 0, false};
    const int found =
        search_within(subject, subject.length(), m_work_limit > 0 ? &budget : nullptr);
    m_work_exhausted = budget.exhausted ? 1 : 0;
    if (found >= 0) {
        m_subject = subject;
        return 1;
    }
    m_subject = uiSaveString();
    return 0;
}
