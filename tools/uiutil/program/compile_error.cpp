// Locating a compile error by compiling prefixes of the pattern.
#include "compile_error.h"

#include "subcommands.h"

#include <cstring>

namespace tool {

namespace {

// Past this length the prefixes are not tried (each is a full compile).
const int longest_located = 4096;

uiPatternError compile_prefix(const char* pattern, int length) {
    return uiPattern(uiSaveString(std::string(pattern, static_cast<std::size_t>(length)).c_str()))
        .error();
}

// The offset the caret points at and what it says there; -1 when unknown.
int locate(const char* pattern, uiPatternError error, const char*& note) {
    const int length = static_cast<int>(std::strlen(pattern));
    if (length > longest_located || error == uiPatternNoMemory)
        return -1;
    if (error == uiPatternUnmatchedOpen) {
        int clean = 0;
        for (int n = 1; n < length; ++n) {
            if (compile_prefix(pattern, n) == uiPatternNoError)
                clean = n;
        }
        note = std::strncmp(pattern + clean, "\\(", 2) == 0
                   ? "this bracket is never closed"
                   : "a bracket after here is never closed";
        return clean;
    }
    for (int n = 1; n <= length; ++n) {
        if (compile_prefix(pattern, n) == error) {
            note = "wrong by here";
            return n - 1;
        }
    }
    return -1;
}

// The pattern as typed: control characters made visible, backslashes single.
std::string shown(const char* text, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        const char one[2] = {text[i], '\0'};
        const unsigned char c = static_cast<unsigned char>(text[i]);
        out += c < 0x20 || c == 0x7F ? visible(one) : std::string(one);
    }
    return out;
}

} // namespace

std::string describe_compile_error(const char* pattern, const uiPattern& compiled) {
    const uiPatternError error = compiled.error();
    std::string out = "the pattern does not compile: " + std::string(compiled.error_text()) +
                      " (compile result " + std::to_string(static_cast<int>(error)) + ")\n";
    const char* note = "";
    const int at = locate(pattern, error, note);
    if (at < 0)
        return out;
    const std::string before = shown(pattern, static_cast<std::size_t>(at));
    out += "  " + shown(pattern, std::strlen(pattern)) + "\n  " + std::string(before.size(), ' ') +
           "^ " + note + " (offset " + std::to_string(at) + ")\n";
    return out;
}

} // namespace tool
