// search and match: the leftmost position at which the program matches.
#include "automaton_search.h"
#include "matcher.h"
#include "program.h"
#include "search_accel.h"

#include <cstring>
#include <uiutil/pattern.h>

using namespace uiutil_internal;

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
    } else if ((m_accel->retry_after_rewrites &&
                rewritten_since_built(*m_accel, buffer->code, buffer->length)) ||
               !follows_word_table(*m_accel, syntaxtable)) {
        build_accel(*buffer, syntaxtable, *m_accel);
    }
    if (size < 0) {
        size = 0;
    }
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    if (!budget && syntaxtable) {
        // Every match passes through this byte (the literal filter, when
        // there is one, finds its absence on its own). Without it no
        // matcher would run at any position, so no engine need look.
        if (m_accel->has_required && m_accel->literals.empty() &&
            required_checkable(*m_accel, buffer->code) &&
            (size == 0 || !std::memchr(text, m_accel->required_byte, size))) {
            return -1;
        }
        if (m_automaton && !m_automaton->describes(*buffer, syntaxtable)) {
            delete m_automaton;
            m_automaton = nullptr;
        }
        if (!m_automaton) {
            m_automaton = new PatternAutomaton(*buffer, syntaxtable);
        }
        if (m_automaton->usable() || m_automaton->walks(*buffer)) {
            MatcherRun run{&m_registers};
            int found = m_automaton->leftmost(*buffer, m_accel, s, size, &run);
            if (found < 0 || run.matched ||
                run_matcher(buffer, text, size, found, &m_registers, syntaxtable, nullptr,
                            &m_automaton->scratch()) >= 0) {
                return found;
            }
            // Not reached while the engines agree; the backtracking search
            // below repeats the runs before `found` without a new trace.
            m_automaton->note_miss();
        }
    }
    return backtracking_search(buffer, text, size, *m_accel, &m_registers, syntaxtable, budget);
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
    if (static_cast<const char*>(m_subject) != nullptr) {
        m_subject = uiSaveString(); // (a null one is what is there already)
    }
    return 0;
}
