// The matcher's rewrite of an op_loop_jump, for engines that account for
// the loop jumps the matcher would have run.
#pragma once

#include <uiutil/pattern.h>

namespace uiutil_internal {

// Rewrites the op_loop_jump at `offset` of the buffer's program into what
// the matcher makes of it on first use; does nothing when the instruction
// there is no longer an op_loop_jump.
void rewrite_loop_jump(uiPattern::PatternBuffer& buffer, int offset);

} // namespace uiutil_internal
