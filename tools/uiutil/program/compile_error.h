// What a pattern that does not compile did wrong, and where.
#pragma once

#include <string>
#include <uiutil/pattern.h>

namespace tool {

// Lines for standard error about `compiled`, made from `pattern`: the
// compile result and its text, then, when the place can be told, the pattern with a caret under it.
// The place is found by compiling prefixes of the pattern with the library itself: for an unmatched
// open bracket, the end of the longest prefix that compiles (an open bracket
// from there on is never closed); for any other error, the last character of
// the shortest prefix that fails the same way.
std::string describe_compile_error(const char* pattern, const uiPattern& compiled);

} // namespace tool
