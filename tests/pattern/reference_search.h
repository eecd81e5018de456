// The plain backtracking search, written out as the search loop over the
// matcher: fastmap skips, the end tried unless empty_match is 0, the one
// further position of a program that begins with \`. The linear-time search
// must give exactly its results, registers and program bytes. `Access` is a
// class derived from uiPattern that makes re_match_2 and compile_fastmap
// public.
#pragma once

#include <string>
#include <uiutil/pattern.h>

struct Outcome {
    int found;
    uiPattern::PatternRegisters registers;
};

template <class Access>
Outcome reference_search(uiPattern::PatternBuffer& buffer, const std::string& subject) {
    Outcome out{-1, {}};
    for (int i = 0; i < 10; ++i) {
        out.registers.start[i] = -99;
        out.registers.end[i] = -99;
    }
    if (buffer.fastmap && !buffer.fastmap_valid) {
        Access::compile_fastmap(&buffer);
    }
    const unsigned char* text = reinterpret_cast<const unsigned char*>(subject.data());
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer.translate);
    auto marked = [&](int pos) {
        return buffer.fastmap[translate ? translate[text[pos]] : text[pos]] != 0;
    };
    int size = static_cast<int>(subject.size());
    int pos = 0;
    int range = size;
    if (buffer.length > 0 && buffer.code[0] == 18 && range > 0) {
        range = 1;
    }
    for (;;) {
        bool try_here = true;
        if (buffer.fastmap && pos < size && buffer.empty_match != 1) {
            if (range > 0) {
                while (pos < size && !marked(pos)) {
                    ++pos;
                    --range;
                }
            } else if (!marked(pos)) {
                try_here = false;
            }
        }
        if (try_here) {
            if (range >= 0 && pos == size && buffer.fastmap && buffer.empty_match == 0) {
                return out;
            }
            if (Access::re_match_2(&buffer, const_cast<char*>(subject.data()), size, nullptr, 0,
                                   pos, &out.registers, size) >= 0) {
                out.found = pos;
                return out;
            }
        }
        if (range <= 0) {
            return out;
        }
        ++pos;
        --range;
    }
}
