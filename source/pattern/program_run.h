// A program and a subject as the matcher sees them, for the analyses that
// the matcher's shortcuts make of both.
#pragma once

#include "program.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// Marks in `seen` (bit c % 64 of word c / 64) each byte of text[0, size),
// eight bytes at a time, passing over a chunk equal to the last one (a long
// run of one character costs a compare per chunk) and marking a chunk of one
// byte repeated once.
inline void mark_subject_bytes(const unsigned char* text, int size, std::uint64_t* seen) {
    auto add = [seen](const unsigned char* p, int n) {
        for (int i = 0; i < n; ++i) {
            seen[p[i] >> 6] |= std::uint64_t(1) << (p[i] & 63);
        }
    };
    std::uint64_t last = 0;
    int d = 0;
    for (; d + 8 <= size; d += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text + d, sizeof chunk);
        if (chunk != last || d == 0) {
            last = chunk;
            add(text + d, chunk == (chunk & 0xff) * 0x0101010101010101u ? 1 : 8);
        }
    }
    add(text + d, size - d);
}

// The distinct bytes of a subject, in increasing order.
struct SubjectBytes {
    unsigned char bytes[256];
    int count = 0;
    std::uint64_t seen[4] = {}; // bit c % 64 of word c / 64: byte c is there

    // Whether the subject's bytes are those marked in `other` (4 words).
    bool holds(const std::uint64_t* other) const { return std::equal(seen, seen + 4, other); }

    SubjectBytes(const unsigned char* text, int size) {
        mark_subject_bytes(text, size, seen);
        list();
    }

    // The bytes marked in `marked` (4 words, as mark_subject_bytes sets them).
    explicit SubjectBytes(const std::uint64_t* marked) {
        std::copy(marked, marked + 4, seen);
        list();
    }

private:
    void list() {
        for (int word = 0; word < 4; ++word) {
            for (std::uint64_t bits = seen[word]; bits != 0; bits &= bits - 1) {
                bytes[count++] = static_cast<unsigned char>(64 * word + __builtin_ctzll(bits));
            }
        }
    }
};

} // namespace uiutil_internal
