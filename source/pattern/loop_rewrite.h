// The matcher's rewrite of an op_loop_jump, for the matcher and for engines
// that account for the loop jumps the matcher would have run.
#pragma once

#include "program.h"

#include <uiutil/pattern.h>

namespace uiutil_internal {

// Whether the instruction at q fails wherever the loop body at `body` has
// just taken a character: q needs a character (op_exact) or a newline
// (op_line_end) that the body's first instruction refuses. (Inline: the
// matcher asks it on its one-character loops.)
inline bool refuses_continuation(const unsigned char* body, const unsigned char* q,
                                 const unsigned char* end, const unsigned char* translate) {
    if (q >= end) {
        return false;
    }
    unsigned c;
    if (*q == op_exact && q[1] > 0) {
        c = q[2];
    } else if (*q == op_line_end) {
        // op_line_end tests the raw character; compare it as the body would.
        c = translate ? translate[newline] : newline;
    } else {
        return false;
    }
    if (*body == op_exact && body[1] > 0) {
        return body[2] != c;
    }
    if (*body == op_char_set) {
        return !set_has(body, c);
    }
    if (*body == op_char_set_not) {
        return set_has(body, c);
    }
    return false;
}

// What the op_loop_jump at p (in a program ending at `end`, under the
// translation table `translate`, which may be null) becomes. op_pop_jump
// drops the newest resume point each pass, which is sound only when that
// point is the loop's own (the body pushes nothing) and giving up "leave the
// loop before this pass" loses nothing: the continuation needs a character
// the body's first instruction refuses, or the program ends right after the
// loop. Otherwise it becomes op_jump.
unsigned char loop_rewrite(const unsigned char* p, const unsigned char* end,
                           const unsigned char* translate);

// Rewrites the op_loop_jump at `offset` of the buffer's program into what
// the matcher makes of it on first use; does nothing when the instruction
// there is no longer an op_loop_jump.
void rewrite_loop_jump(uiPattern::PatternBuffer& buffer, int offset);

} // namespace uiutil_internal
