// What an op_loop_jump becomes the first time the matcher runs it.
#include "loop_rewrite.h"
#include "program.h"

namespace uiutil_internal {

namespace {

// Whether the loop body between `body` and `loop_jump` can leave a resume
// point of its own behind (it holds an alternation or a repetition).
bool body_may_push(const unsigned char* body, const unsigned char* loop_jump) {
    for (const unsigned char* p = body; p < loop_jump; p += instruction_size(p)) {
        if (*p >= op_jump && *p <= op_dummy_jump) {
            return true;
        }
    }
    return false;
}

} // namespace

unsigned char loop_rewrite(const unsigned char* p, const unsigned char* end,
                           const unsigned char* translate) {
    const unsigned char* q = p + 3;
    if (q == end) {
        return op_pop_jump;
    }
    const unsigned char* body = jump_target(p) + 3;
    if (!refuses_continuation(body, q, end, translate) || body_may_push(body, p)) {
        return op_jump;
    }
    return op_pop_jump;
}

void rewrite_loop_jump(uiPattern::PatternBuffer& buffer, int offset) {
    unsigned char* code = reinterpret_cast<unsigned char*>(buffer.code);
    if (offset < 0 || offset + 3 > buffer.length || code[offset] != op_loop_jump) {
        return;
    }
    code[offset] = loop_rewrite(code + offset, code + buffer.length,
                                reinterpret_cast<const unsigned char*>(buffer.translate));
}

} // namespace uiutil_internal
