#include "end_reach.h"
#include "instruction.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace uiutil_internal;

EndReach::EndReach(const ProgramRun& run)
    : m_run(run), m_nodes(static_cast<std::size_t>(run.length) + 1),
      m_mark(static_cast<std::size_t>(run.length) + 1, 0) {
    const unsigned char* code = run.code;
    const int length = run.length;
    for (int at = 0; at < length && fits(code, at, length); at += decode(code, at).size) {
        const Instruction in = decode(code, at);
        Node& node = m_nodes[at];
        node.op = in.opcode;
        switch (in.info().role) {
        case OpcodeRole::consumes:
            if (in.opcode == op_backref) {
                break; // not followed
            }
            if (in.opcode == op_exact && in.count == 0) {
                node.kind = Node::passage;
                node.count = 1;
                node.next[0] = at + 2;
                break;
            }
            node.kind = Node::consumer;
            // An op_exact reads its first byte here, the others at their own
            // offsets.
            node.next[0] = in.opcode == op_exact ? at + 3 : at + in.size;
            for (int k = 1; in.opcode == op_exact && k < in.count; ++k) {
                Node& byte = m_nodes[at + 2 + k];
                byte.kind = Node::consumer;
                byte.op = 0;
                byte.next[0] = at + 3 + k;
            }
            break;
        case OpcodeRole::zero_width:
            node.kind = Node::zero_width;
            node.next[0] = at + 1;
            break;
        case OpcodeRole::jump: {
            const Successors next = successors(in);
            node.kind = Node::passage;
            node.count = static_cast<unsigned char>(next.count);
            for (int k = 0; k < next.count; ++k) {
                node.next[k] = next.offsets[k];
            }
            break;
        }
        case OpcodeRole::group_mark:
            node.kind = Node::passage;
            node.count = 1;
            node.next[0] = at + 2;
            if (in.group < 10) {
                node.marks = 1u << (in.opcode == op_group_start ? in.group : 10 + in.group);
            }
            break;
        case OpcodeRole::no_op:
            break; // not followed
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
        if (at < 0) {
            return unknown;
        }
        if (m_mark[at] == m_stamp) {
            continue;
        }
        m_mark[at] = m_stamp;
        const Node& node = m_nodes[at];
        switch (node.kind) {
        case Node::not_followed:
            return unknown;
        case Node::consumer:
            m_consumers.push_back(at);
            break;
        case Node::zero_width:
            if (zero_width_holds(node.op, m_run.text, m_run.size, d, m_run.word)) {
                m_stack.push_back(node.next[0]);
            }
            break;
        case Node::passage:
            m_marks |= node.marks;
            for (int k = 0; k < node.count; ++k) {
                m_stack.push_back(node.next[k]);
            }
            break;
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
            const Node& node = m_nodes[at];
            // A later byte of a literal (op 0) is the byte at its offset; the
            // first is the op_exact's first.
            const bool accepted =
                node.op == 0 ? t == m_run.code[at]
                : node.op == op_exact
                    ? t == m_run.code[at + 2]
                    : single_character_accepts(m_run.code + at, c, m_run.translate, m_run.word);
            if (accepted) {
                m_next.push_back(node.next[0]);
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
            const int end = same_byte_run_end(m_run.text, d + 1, m_run.size, m_run.text[d]);
            budget -= (end - d) / 64; // the scan of a long run counts too
            d = end;
            continue;
        }
        m_seeds.swap(m_next);
        ++d;
    }
}
