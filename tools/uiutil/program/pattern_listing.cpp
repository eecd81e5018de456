// The program listing shared by `uiutil compile` and the demo.
#include "pattern_listing.h"

#include "program_view.h"
#include "subcommands.h"

namespace tool {

std::string pattern_listing(const uiPattern::PatternBuffer& buffer) {
    return uiutil_internal::dump_program(uiutil_internal::ProgramView(buffer.code, buffer.length),
                                         [](const char* text) { return visible(text); });
}

} // namespace tool
