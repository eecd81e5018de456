// One decoded instruction of a compiled program, and the opcode table that
// says how each opcode is named, what operands it carries and what it does.
// Header-only, so that the tool, the tests and the fuzz targets read programs
// with the same code as the library.
#pragma once

#include "program.h"

namespace uiutil_internal {

// How the operands after an opcode byte are laid out.
enum class OperandKind : unsigned char {
    none,    // the opcode alone
    counted, // count n, then n bytes (literal text or set bitmap)
    group,   // one group number byte
    rel16    // a jump displacement
};

// What running an opcode does to the subject position.
enum class OpcodeRole : unsigned char {
    consumes,   // takes characters (op_backref: possibly none)
    zero_width, // tests the position, consumes nothing
    jump,       // moves in the program, may record a resume point
    group_mark, // notes a group's start or end
    no_op       // passed over
};

struct OpcodeInfo {
    const char* name; // as the program listing prints it
    OperandKind operands;
    OpcodeRole role;
};

// The entry of opcode op; codes the compiler never writes are no-operations.
inline const OpcodeInfo& opcode_info(unsigned op) {
    using K = OperandKind;
    using R = OpcodeRole;
    static const OpcodeInfo table[] = {
        {"(0)", K::none, R::no_op},
        {"exact", K::counted, R::consumes},
        {"line_start", K::none, R::zero_width},
        {"line_end", K::none, R::zero_width},
        {"jump", K::rel16, R::jump},
        {"push_alternative", K::rel16, R::jump},
        {"pop_jump", K::rel16, R::jump},
        {"loop_jump", K::rel16, R::jump},
        {"dummy_jump", K::rel16, R::jump},
        {"any_char", K::none, R::consumes},
        {"char_set", K::counted, R::consumes},
        {"char_set_not", K::counted, R::consumes},
        {"group_start", K::group, R::group_mark},
        {"group_end", K::group, R::group_mark},
        {"backref", K::group, R::consumes},
        {"(15)", K::none, R::no_op},
        {"(16)", K::none, R::no_op},
        {"(17)", K::none, R::no_op},
        {"buffer_start", K::none, R::zero_width},
        {"buffer_end", K::none, R::zero_width},
        {"word_char", K::none, R::consumes},
        {"not_word_char", K::none, R::consumes},
        {"word_start", K::none, R::zero_width},
        {"word_end", K::none, R::zero_width},
        {"word_bound", K::none, R::zero_width},
        {"not_word_bound", K::none, R::zero_width},
    };
    static const OpcodeInfo unknown = {"(unknown)", K::none, R::no_op};
    return op < sizeof table / sizeof table[0] ? table[op] : unknown;
}

inline const char* opcode_name(unsigned op) {
    return opcode_info(op).name;
}

// An instruction with its operands read out.
struct Instruction {
    unsigned char opcode = 0;
    int offset = 0;                       // of the opcode byte
    int size = 1;                         // bytes, opcode included
    int count = 0;                        // counted operands: n
    const unsigned char* bytes = nullptr; // counted operands: the n bytes
    int group = 0;                        // group operand
    int displacement = 0;                 // rel16 operand
    int target = -1;                      // rel16 operand: offset jumped to

    const OpcodeInfo& info() const { return opcode_info(opcode); }
    bool is_jump() const { return info().role == OpcodeRole::jump; }
    // A set instruction's bitmap holds byte c.
    bool set_has(unsigned c) const { return c < 8u * count && (bytes[c / 8] >> (c % 8)) & 1; }
};

// Whether the instruction at `offset` lies wholly within the `length` bytes
// of `code` (its operands are not cut off by the program's end).
inline bool fits(const unsigned char* code, int offset, int length) {
    if (offset < 0 || offset >= length) {
        return false;
    }
    switch (opcode_info(code[offset]).operands) {
    case OperandKind::none:
        return true;
    case OperandKind::group:
        return offset + 2 <= length;
    case OperandKind::rel16:
        return offset + 3 <= length;
    case OperandKind::counted:
        return offset + 2 <= length && offset + 2 + code[offset + 1] <= length;
    }
    return false;
}

// Decodes the instruction at `offset` of `code`.
inline Instruction decode(const unsigned char* code, int offset) {
    const unsigned char* p = code + offset;
    Instruction in;
    in.opcode = p[0];
    in.offset = offset;
    switch (in.info().operands) {
    case OperandKind::counted:
        in.count = p[1];
        in.bytes = p + 2;
        in.size = 2 + p[1];
        break;
    case OperandKind::group:
        in.group = p[1];
        in.size = 2;
        break;
    case OperandKind::rel16:
        in.displacement = read_rel16(p + 1);
        in.target = offset + 3 + in.displacement;
        in.size = 3;
        break;
    case OperandKind::none:
        break;
    }
    return in;
}

// Whether `in` jumps back in the program (op_jump, op_pop_jump or
// op_loop_jump to an earlier offset), the closing jump of a loop as compiled
// or as rewritten. Such a jump may also fall through: the matcher leaves a
// loop whose pass consumed nothing. op_dummy_jump, which enters a `+` loop,
// never falls through.
inline bool jumps_back(const Instruction& in) {
    return (in.opcode == op_jump || in.opcode == op_pop_jump || in.opcode == op_loop_jump) &&
           in.target < in.offset;
}

// The instructions an attempt can run next after `in`, as offsets: a jump
// back also falls through (see jumps_back).
struct Successors {
    int count = 0;
    int offsets[2] = {0, 0};
};

inline Successors successors(const Instruction& in) {
    Successors out;
    switch (in.opcode) {
    case op_jump:
    case op_pop_jump:
    case op_loop_jump:
        out.offsets[out.count++] = in.target;
        if (jumps_back(in)) {
            out.offsets[out.count++] = in.offset + 3;
        }
        break;
    case op_dummy_jump:
        out.offsets[out.count++] = in.target;
        break;
    case op_push_alternative:
        out.offsets[out.count++] = in.offset + 3;
        out.offsets[out.count++] = in.target;
        break;
    default:
        out.offsets[out.count++] = in.offset + in.size;
        break;
    }
    return out;
}

} // namespace uiutil_internal
