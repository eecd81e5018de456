// A compiled program read instruction by instruction, and its dump.
#pragma once

#include "instruction.h"

#include <cstdio>
#include <string>

namespace uiutil_internal {

class ProgramView {
public:
    ProgramView(const unsigned char* code, int length) : m_code(code), m_length(length) {}
    ProgramView(const char* code, int length)
        : m_code(reinterpret_cast<const unsigned char*>(code)), m_length(length) {}

    const unsigned char* code() const { return m_code; }
    int length() const { return m_length; }
    Instruction at(int offset) const { return decode(m_code, offset); }

    class Iterator {
    public:
        Iterator(const unsigned char* code, int offset) : m_code(code), m_offset(offset) {}
        Instruction operator*() const { return decode(m_code, m_offset); }
        Iterator& operator++() {
            m_offset += decode(m_code, m_offset).size;
            return *this;
        }
        // Iteration ends at the program's end or past it (a truncated last
        // instruction).
        bool operator!=(const Iterator& end) const { return m_offset < end.m_offset; }

    private:
        const unsigned char* m_code;
        int m_offset;
    };
    Iterator begin() const { return Iterator(m_code, 0); }
    Iterator end() const { return Iterator(m_code, m_length); }

private:
    const unsigned char* m_code;
    int m_length;
};

// The op_loop_jump instructions not yet rewritten by the matcher.
inline int unrewritten_loop_jumps(const ProgramView& program) {
    int count = 0;
    for (Instruction in : program) {
        count += in.opcode == op_loop_jump;
    }
    return count;
}

// Whether any instruction reads the word-character table (\w, \W and the
// word tests): when none does, the program runs the same under any table.
inline bool reads_word_table(const ProgramView& program) {
    for (Instruction in : program) {
        if (in.opcode >= op_word_char && in.opcode <= op_not_word_bound) {
            return true;
        }
    }
    return false;
}

// Renders a text for the dump; the tool passes its own escaping.
using DumpText = std::string (*)(const char* text);

inline std::string dump_plain_text(const char* text) {
    return text;
}

// One line per instruction: offset, name, operands (literal count and text,
// displacement and target, set size and members, group number), then the
// closing "end" line.
inline std::string dump_program(const ProgramView& program, DumpText text = dump_plain_text) {
    auto byte_text = [&](int c) {
        const char one[2] = {static_cast<char>(c), 0};
        return text(one);
    };
    std::string out;
    char line[64];
    for (Instruction in : program) {
        std::string operands;
        switch (in.info().operands) {
        case OperandKind::counted:
            operands = std::to_string(in.count);
            if (in.opcode == op_exact) {
                std::string literal(reinterpret_cast<const char*>(in.bytes), in.count);
                operands += " \"" + text(literal.c_str()) + "\"";
            } else {
                operands += " [";
                for (int c = 0; c < 8 * in.count; ++c) {
                    if (!in.set_has(c)) {
                        continue;
                    }
                    int last = c;
                    while (in.set_has(last + 1)) {
                        ++last;
                    }
                    operands += byte_text(c);
                    if (last > c) {
                        operands += "-" + byte_text(last);
                    }
                    c = last;
                }
                operands += "]";
            }
            break;
        case OperandKind::rel16:
            std::snprintf(line, sizeof line, "%+d -> %d", in.displacement, in.target);
            operands = line;
            break;
        case OperandKind::group:
            operands = std::to_string(in.group);
            break;
        case OperandKind::none:
            break;
        }
        std::snprintf(line, sizeof line, "%5d  %-17s ", in.offset, in.info().name);
        out += line + operands + "\n";
    }
    std::snprintf(line, sizeof line, "%5d  end\n", program.length());
    out += line;
    return out;
}

} // namespace uiutil_internal
