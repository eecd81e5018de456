// An independent reading of compiled pattern programs for the fuzz targets:
// splits a program into instructions and checks that each is well formed.
#pragma once

#include "fuzz_support.h"

#include <string>
#include <vector>

namespace fuzz {

struct Instruction {
    int offset = 0;
    int opcode = 0;
    int size = 1;    // bytes, opcode included
    int target = -1; // jumps: the offset they lead to
};

inline bool is_jump(int opcode) {
    return opcode >= 4 && opcode <= 8;
}

// The program's instructions in order; stops the run when an instruction is
// malformed: an unknown opcode, operands past the end, a literal run of
// 0 or more than 127 bytes, a set longer than 32 bitmap bytes or with a
// trailing zero byte, a group number outside 1..9, or a jump that leaves the
// program.
inline std::vector<Instruction> decode_program(const char* code, int length,
                                               const std::string& pattern) {
    std::vector<Instruction> out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(code);
    for (int at = 0; at < length;) {
        Instruction in;
        in.offset = at;
        in.opcode = p[at];
        switch (in.opcode) {
        case 1:
            check(at + 1 < length, "exact without count", pattern);
            check(p[at + 1] >= 1 && p[at + 1] <= 127, "exact count", pattern);
            in.size = 2 + p[at + 1];
            break;
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
            in.size = 3;
            check(at + 2 < length, "jump without operand", pattern);
            in.target = at + 3 + static_cast<short>(p[at + 1] | (p[at + 2] << 8));
            check(in.target >= 0 && in.target <= length, "jump leaves the program", pattern);
            break;
        case 10:
        case 11:
            check(at + 1 < length, "set without count", pattern);
            check(p[at + 1] <= 32, "set count", pattern);
            in.size = 2 + p[at + 1];
            check(at + in.size <= length, "set past the end", pattern);
            check(p[at + 1] == 0 || p[at + in.size - 1] != 0, "untrimmed set", pattern);
            break;
        case 12:
        case 13:
        case 14:
            check(at + 1 < length, "group without number", pattern);
            check(p[at + 1] >= 1 && p[at + 1] <= 9, "group number", pattern);
            in.size = 2;
            break;
        case 2:
        case 3:
        case 9:
        case 18:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
        case 25:
            break;
        default:
            fail("opcode the compiler never writes", pattern + " -> " + std::to_string(in.opcode));
        }
        check(at + in.size <= length, "instruction past the end", pattern);
        out.push_back(in);
        at += in.size;
    }
    // Jumps land on instruction starts or on the end.
    std::vector<bool> starts(static_cast<size_t>(length) + 1, false);
    starts[static_cast<size_t>(length)] = true;
    for (const Instruction& in : out)
        starts[static_cast<size_t>(in.offset)] = true;
    for (const Instruction& in : out)
        if (is_jump(in.opcode))
            check(starts[static_cast<size_t>(in.target)], "jump into an instruction", pattern);
    return out;
}

} // namespace fuzz
