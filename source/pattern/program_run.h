// A program and a subject as the matcher sees them, for the analyses that
// the matcher's shortcuts make of both.
#pragma once

#include "program.h"

namespace uiutil_internal {

// A program and a subject, as the matcher sees them: code[0, length), the
// translation table (may be null) and the word table, and text[0, size),
// which may be consumed to its end.
struct ProgramRun {
    const unsigned char* code;
    int length;
    const unsigned char* translate;
    const char* word;
    const unsigned char* text;
    int size;
};

// The distinct bytes of a subject.
struct SubjectBytes {
    unsigned char bytes[256];
    int count = 0;

    SubjectBytes(const unsigned char* text, int size) {
        unsigned char seen[256] = {};
        for (int d = 0; d < size; ++d) {
            seen[text[d]] = 1;
        }
        for (int c = 0; c < 256; ++c) {
            if (seen[c]) {
                bytes[count++] = static_cast<unsigned char>(c);
            }
        }
    }
};

} // namespace uiutil_internal
