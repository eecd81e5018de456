// A byte that every path from an instruction to the program's end compares
// an op_exact byte with, so that a subject without it (from where a run
// begins) leaves that instruction no way to succeed.
#pragma once

namespace uiutil_internal {

// Over every path the program's jumps allow (each choice both ways, every
// loop pass, closing jumps also falling through), the lowest byte that each
// path to the end meets in an op_exact; -1 when no byte is certain, or the
// program does not decode or its loops have not settled after 64 rounds. Other tests and
// back-references need nothing. A run compares op_exact bytes through the translation table, so the
// answer speaks of subject bytes only for a program run without one.
int needed_byte(const unsigned char* code, int length, int offset);

} // namespace uiutil_internal
