// Text with its control characters made visible.
#include "subcommands.h"

#include <cstdio>

namespace tool {

std::string visible(const char* text) {
    if (!text)
        return "(null)";
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        switch (*p) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (*p < 0x20 || *p == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", *p);
                out += hex;
            } else {
                out += static_cast<char>(*p);
            }
        }
    }
    return out;
}

} // namespace tool
