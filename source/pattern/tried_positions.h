// The positions at which the search runs the matcher, in ascending order:
// the fastmap skips unmarked characters (translated), the subject's end is
// tried unless empty_match is 0, every position is tried when empty_match is
// 1, and a program that begins with op_buffer_start is given a range of one
// further position. Positions the search acceleration rules out (no matcher
// run there could leave a trace or succeed) are passed over as well. The
// backtracking search runs the matcher at exactly these, and the automaton
// engines start a match exactly at these.
#pragma once

#include "accel_candidates.h"
#include "program.h"

#include <uiutil/pattern.h>

namespace uiutil_internal {

class TriedPositions {
public:
    // `accel` (may be null) is the program's acceleration data.
    TriedPositions(const uiPattern::PatternBuffer& buffer, const unsigned char* text, int size,
                   const PatternAccel* accel)
        : m_text(text), m_size(size), m_fastmap(buffer.fastmap),
          m_translate(reinterpret_cast<const unsigned char*>(buffer.translate)),
          m_empty_match(buffer.empty_match), m_range(size), m_candidates(accel, text, size) {
        if (buffer.length > 0 && static_cast<unsigned char>(buffer.code[0]) == op_buffer_start &&
            m_range > 0) {
            m_range = 1;
        }
    }

    // Goes on as if next() had just answered `pos`, a position it would
    // answer at or after the current one; answers pos.
    int resume_at(int pos) {
        m_range -= pos - m_pos;
        m_pos = pos;
        m_started = true;
        return pos;
    }

    // The first position, then each following one; -1 when none is left.
    int next() {
        if (m_started) {
            if (m_range <= 0) {
                return -1;
            }
            ++m_pos;
            --m_range;
        }
        m_started = true;
        for (;;) {
            if (m_candidates.active()) {
                int next = m_candidates.next(m_pos);
                if (next > m_pos) {
                    if (next - m_pos > m_range) {
                        return -1;
                    }
                    m_range -= next - m_pos;
                    m_pos = next;
                }
            }
            bool try_here = true;
            if (m_fastmap && m_pos < m_size && m_empty_match != 1) {
                if (m_range > 0) {
                    int limit = m_pos + m_range < m_size ? m_pos + m_range : m_size;
                    int start = m_pos;
                    while (m_pos < limit && !marked(m_pos)) {
                        ++m_pos;
                    }
                    m_range -= m_pos - start;
                    if (m_pos != start && m_candidates.active()) {
                        continue; // the acceleration has its say at the new position
                    }
                } else if (!marked(m_pos)) {
                    try_here = false;
                }
            }
            if (try_here) {
                if (m_pos == m_size && m_fastmap && m_empty_match == 0) {
                    return -1;
                }
                return m_pos;
            }
            if (m_range <= 0) {
                return -1;
            }
            ++m_pos;
            --m_range;
        }
    }

private:
    bool marked(int pos) const {
        unsigned char c = m_text[pos];
        return m_fastmap[m_translate ? m_translate[c] : c] != 0;
    }

    const unsigned char* m_text;
    int m_size;
    const char* m_fastmap;
    const unsigned char* m_translate;
    char m_empty_match;
    int m_pos = 0;
    int m_range;
    bool m_started = false;
    AccelCandidates m_candidates;
};

// The same positions, when whether a position is tried depends on the
// character there alone: there are no literals to look for and the range
// is the whole subject. Scans that read every character anyway test each
// position in passing instead of asking for the next one.
class TriedByByte {
public:
    // Whether the tried positions of this search are decided this way; the
    // object must not be used otherwise.
    static bool applies(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel) {
        return !(accel && !accel->literals.empty()) &&
               !(buffer.length > 0 &&
                 static_cast<unsigned char>(buffer.code[0]) == op_buffer_start);
    }

    TriedByByte(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel)
        : m_sharp(accel && accel->sharp_valid ? accel->sharp : nullptr),
          m_fastmap(buffer.empty_match != 1 ? buffer.fastmap : nullptr),
          m_translate(reinterpret_cast<const unsigned char*>(buffer.translate)),
          m_at_end((!m_sharp || accel->sharp_at_end) &&
                   !(buffer.fastmap && buffer.empty_match == 0)) {}

    // Whether a position holding c (not the subject's end) is tried.
    bool at(unsigned char c) const {
        return (!m_sharp || m_sharp[c]) &&
               (!m_fastmap || m_fastmap[m_translate ? m_translate[c] : c]);
    }
    // Whether the subject's end is tried.
    bool at_end() const { return m_at_end; }

private:
    const unsigned char* m_sharp;
    const char* m_fastmap;
    const unsigned char* m_translate;
    bool m_at_end;
};

// The positions of TriedByByte in one subject.
class ByteStarts {
public:
    ByteStarts(const TriedByByte& tried, const unsigned char* text, int size)
        : m_tried(tried), m_text(text), m_size(size) {}
    int first() const { return after(-1); }
    bool at(int d) const { return d < m_size ? m_tried.at(m_text[d]) : m_tried.at_end(); }
    // The first tried position after d, -1 when none is left.
    int after(int d) const {
        if (d >= m_size) {
            return -1;
        }
        for (++d; d < m_size; ++d) {
            if (m_tried.at(m_text[d])) {
                return d;
            }
        }
        return m_tried.at_end() ? m_size : -1;
    }

private:
    TriedByByte m_tried;
    const unsigned char* m_text;
    int m_size;
};

} // namespace uiutil_internal
