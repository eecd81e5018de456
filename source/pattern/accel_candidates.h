// The positions the search acceleration cannot rule out (see search_accel.h).
#pragma once

#include "search_accel.h"

namespace uiutil_internal {

class AccelCandidates {
public:
    // `accel` may be null: then every position is a candidate.
    AccelCandidates(const PatternAccel* accel, const unsigned char* text, int size)
        : m_accel(accel && (!accel->literals.empty() || accel->sharp_valid) ? accel : nullptr),
          m_text(text), m_size(size) {
        for (int& n : m_next) {
            n = -2;
        }
    }

    // Whether the acceleration has anything to say for this program.
    bool active() const { return m_accel != nullptr; }

    // The next position at or after `pos` that the acceleration data cannot
    // rule out, or size + 1 when none up to the end can begin a match.
    // Positions must be asked in ascending order.
    int next(int pos) {
        if (!m_accel) {
            return pos;
        }
        if (!m_accel->literals.empty()) {
            int best = m_size + 1;
            for (std::size_t i = 0; i < m_accel->literals.size(); ++i) {
                if (m_next[i] != -1 && m_next[i] < pos) {
                    m_next[i] = find_literal(
                        reinterpret_cast<const char*>(m_text), m_size, pos, m_accel->literals[i],
                        m_accel->translate.empty() ? nullptr : m_accel->translate.data());
                }
                if (m_next[i] != -1 && m_next[i] < best) {
                    best = m_next[i];
                }
            }
            return best;
        }
        if (m_accel->sharp_valid) {
            while (pos < m_size && !m_accel->sharp[m_text[pos]]) {
                ++pos;
            }
            return pos < m_size || m_accel->sharp_at_end ? pos : m_size + 1;
        }
        return pos;
    }

private:
    const PatternAccel* m_accel;
    const unsigned char* m_text;
    int m_size;
    int m_next[max_accel_literals] = {}; // next occurrence per literal; -1 none, -2 unknown
};

} // namespace uiutil_internal
