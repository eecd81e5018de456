// The fastmap: the bytes with which a match can begin.
#include "instruction.h"

#include <cstring>
#include <uiutil/pattern.h>
#include <vector>

using namespace uiutil_internal;

namespace {

// A walk that takes longer than this many steps (possible only for programs
// with very many zero-width alternatives) gives up: empty_match 1 makes the
// search try every position, which is always sound.
const long max_steps = 1000000;

// Whether the walk goes on past the instruction without marking anything
// (op_line_end, which marks the newline, is handled before this is asked).
bool passed_over(const Instruction& in) {
    switch (in.info().role) {
    case OpcodeRole::zero_width:
    case OpcodeRole::group_mark:
        return true;
    case OpcodeRole::no_op:
        return in.opcode >= 15 && in.opcode <= 17;
    default:
        return false;
    }
}

} // namespace

void uiPattern::compile_fastmap(PatternBuffer* buffer) {
    char* fastmap = buffer->fastmap;
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer->translate);
    if (fastmap) {
        std::memset(fastmap, 0, 256);
    }
    buffer->fastmap_valid = 1;
    buffer->empty_match = 0;
    if (!buffer->code || !fastmap) {
        return;
    }
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer->code);
    const int length = buffer->length;
    const char* word = syntaxtable;
    // Marks a byte tested raw by the matcher, which the search looks up
    // translated; bytes the matcher compares after translation are marked
    // as they stand.
    auto mark_raw = [&](unsigned c) { fastmap[translate ? translate[c] : c] = 1; };
    auto is_word = [&](unsigned c) { return word ? word[c] != 0 : false; };

    // The pending alternatives, as offsets, grow as needed.
    std::vector<int> pending;
    pending.reserve(64);
    int at = 0;
    long steps = 0;
    for (;;) {
        // The program's end (an empty match), a path leaving the program or
        // an instruction cut off by its end: every position is a candidate.
        if (++steps > max_steps || !fits(code, at, length)) {
            buffer->empty_match = 1;
            return;
        }
        const Instruction in = decode(code, at);
        bool path_ends = false;
        switch (in.opcode) {
        case op_exact:
            if (in.count > 0) {
                fastmap[in.bytes[0]] = 1;
            }
            path_ends = true;
            break;
        case op_line_end:
            mark_raw(newline);
            if (buffer->empty_match != 1) {
                buffer->empty_match = 2;
            }
            path_ends = true;
            break;
        case op_jump:
        case op_pop_jump:
        case op_loop_jump:
        case op_dummy_jump:
            buffer->empty_match = 1;
            if (in.displacement > 0 || !fits(code, in.target, length) ||
                code[in.target] != op_push_alternative) {
                at = in.target;
            } else {
                at = decode(code, in.target).target; // the loop's exit
                if (!pending.empty() && pending.back() == at) {
                    pending.pop_back();
                }
            }
            break;
        case op_push_alternative:
            pending.push_back(in.target);
            at += in.size;
            break;
        case op_backref:
            buffer->empty_match = 1;
            std::memset(fastmap, 1, 256);
            return;
        case op_any_char:
            for (int c = 0; c < 256; ++c) {
                if (c != newline) {
                    fastmap[c] = 1;
                }
            }
            if (buffer->empty_match != 0) {
                return;
            }
            path_ends = true;
            break;
        case op_char_set:
        case op_char_set_not:
            for (unsigned c = 0; c < 256; ++c) {
                if (in.set_has(c) == (in.opcode == op_char_set)) {
                    fastmap[c] = 1;
                }
            }
            path_ends = true;
            break;
        case op_word_char:
        case op_not_word_char:
            for (unsigned c = 0; c < 256; ++c) {
                if (is_word(c) == (in.opcode == op_word_char)) {
                    mark_raw(c);
                }
            }
            path_ends = true;
            break;
        default:
            // Tests of the position, group marks and the reserved codes
            // 15 to 17 are passed over; code 0 and codes past the table end
            // the path.
            if (passed_over(in)) {
                at += in.size;
            } else {
                path_ends = true;
            }
            break;
        }
        if (path_ends) {
            if (pending.empty()) {
                return;
            }
            at = pending.back();
            pending.pop_back();
        }
    }
}
