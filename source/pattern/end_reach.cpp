#include "end_reach.h"
#include "instruction.h"

#include <algorithm>

using namespace uiutil_internal;

namespace {

const unsigned char instruction_start = 1;
const unsigned char literal_byte = 2;

} // namespace

EndReach::EndReach(const ProgramRun& run)
    : m_run(run), m_kind(static_cast<std::size_t>(run.length) + 1, 0),
      m_mark(static_cast<std::size_t>(run.length) + 1, 0) {
    const unsigned char* code = run.code;
    const int length = run.length;
    for (int at = 0; at < length && fits(code, at, length); at += decode(code, at).size) {
        m_kind[at] = instruction_start;
        if (code[at] == op_exact) {
            for (int k = 1; k < code[at + 1]; ++k) {
                m_kind[at + 2 + k] = literal_byte;
            }
        }
    }
}

EndReach::Answer EndReach::close(int d) {
    if (++m_stamp == 0) {
        std::fill(m_mark.begin(), m_mark.end(), 0u);
        m_stamp = 1;
    }
    m_consumers.clear();
    m_stack.assign(m_seeds.begin(), m_seeds.end());
    while (!m_stack.empty()) {
        const int at = m_stack.back();
        m_stack.pop_back();
        if (at >= m_run.length) {
            return may; // the matcher stops with a match at or past the end
        }
        if (at < 0 || m_kind[at] == 0) {
            return unknown;
        }
        if (m_mark[at] == m_stamp) {
            continue;
        }
        m_mark[at] = m_stamp;
        if (m_kind[at] == literal_byte) {
            m_consumers.push_back(at);
            continue;
        }
        const Instruction in = decode(m_run.code, at);
        switch (in.info().role) {
        case OpcodeRole::consumes:
            if (in.opcode == op_backref) {
                return unknown;
            }
            if (in.opcode == op_exact && in.count == 0) {
                m_stack.push_back(at + 2);
            } else {
                m_consumers.push_back(at);
            }
            break;
        case OpcodeRole::zero_width:
            if (zero_width_holds(in.opcode, m_run.text, m_run.size, d, m_run.word)) {
                m_stack.push_back(at + 1);
            }
            break;
        case OpcodeRole::jump: {
            const Successors next = successors(in);
            for (int k = 0; k < next.count; ++k) {
                m_stack.push_back(next.offsets[k]);
            }
            break;
        }
        case OpcodeRole::group_mark:
            if (in.group < 10) {
                m_marks |= 1u << (in.opcode == op_group_start ? in.group : 10 + in.group);
            }
            m_stack.push_back(at + 2);
            break;
        case OpcodeRole::no_op:
            return unknown;
        }
    }
    return cannot;
}

EndReach::Answer EndReach::from(int pc, int d, long long& budget) {
    m_seeds.assign(1, pc);
    m_marks = 0;
    for (;;) {
        if (--budget < 0) {
            return unknown;
        }
        const Answer closed = close(d);
        if (closed != cannot || d == m_run.size) {
            return closed;
        }
        const unsigned char c = m_run.text[d];
        const unsigned char t = m_run.translate ? m_run.translate[c] : c;
        m_next.clear();
        for (int at : m_consumers) {
            if (m_kind[at] == literal_byte) {
                if (t == m_run.code[at]) {
                    m_next.push_back(at + 1);
                }
            } else if (m_run.code[at] == op_exact) {
                if (t == m_run.code[at + 2]) {
                    m_next.push_back(at + 3);
                }
            } else if (single_character_accepts(m_run.code + at, c, m_run.translate, m_run.word)) {
                m_next.push_back(at + instruction_size(m_run.code + at));
            }
        }
        if (m_next.empty()) {
            return cannot;
        }
        std::sort(m_next.begin(), m_next.end());
        m_next.erase(std::unique(m_next.begin(), m_next.end()), m_next.end());
        // Inside a run of equal characters every position sees the same
        // neighbours, so a set that one step inside the run leaves as it was
        // stays so to the run's end.
        if (d > 0 && m_run.text[d - 1] == c && m_next == m_seeds) {
            const int end = run_end(m_run.text, d, m_run.size);
            budget -= (end - d) / 64; // the scan of a long run counts too
            d = end;
            continue;
        }
        m_seeds.swap(m_next);
        ++d;
    }
}
