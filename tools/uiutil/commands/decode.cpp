// `uiutil decode`: names of widget kinds, resource value kinds and docking
// sides for numeric codes, or value-kind codes for names.
#include "common/arguments.h"
#include "subcommands.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <uiutil/uiutil.h>

namespace {

// The library's names for codes it does not know.
const char* const unknown_type = "UNKNOWN_TYPE";
const char* const unknown_value_kind = "uiVALTYPE_ERROR";

int decode_codes(const tool::Arguments& args) {
    int status = tool::exit_ok;
    for (const char* text : args.operands()) {
        char* end = nullptr;
        errno = 0;
        const unsigned long code = std::strtoul(text, &end, 0);
        if (end == text || *end != '\0' || errno != 0 || text[0] == '-' || code > 0xFFFFFFFFul) {
            std::fprintf(stderr, "uiutil decode: not a code: '%s'\n", text);
            status = tool::exit_usage;
            continue;
        }
        const unsigned int value = static_cast<unsigned int>(code);
        const char* type = ui_decode(static_cast<uiType>(static_cast<int>(value)));
        const char* kind = ui_decode(static_cast<uiValType>(static_cast<int>(value)));
        const char* side = ui_decode(value);
        const bool none = std::strcmp(type, unknown_type) == 0 &&
                          std::strcmp(kind, unknown_value_kind) == 0 && !side;
        std::printf("%s: widget %s, value kind %s, side %s%s\n", text, type, kind,
                    side ? side : "(none)", none ? " (no name for this code)" : "");
        if (none && status == tool::exit_ok)
            status = tool::exit_not_found;
    }
    return status;
}

int decode_names(const tool::Arguments& args) {
    int status = tool::exit_ok;
    for (const char* name : args.operands()) {
        const uiValType kind = ui_decode_uiValType(name);
        if (kind == uiVALTYPE_ERROR) {
            std::printf("%s: %d (uiVALTYPE_ERROR: not a value type)\n", name,
                        static_cast<int>(kind));
            status = tool::exit_not_found;
        } else {
            std::printf("%s: %d\n", name, static_cast<int>(kind));
        }
    }
    return status;
}

int run_decode(const tool::Arguments& args) {
    return args.has("--valtype") ? decode_names(args) : decode_codes(args);
}

tool::RegisterSubcommand
    reg({"decode",
         "decode CODE... | decode --valtype NAME...",
         "names of widget kinds, value kinds, docking sides",
         "Without --valtype, reads each CODE (decimal, or hexadecimal with 0x) three ways:\n"
         "as a widget kind, a resource value kind and a control bar's docking side.\n"
         "With --valtype, reads each NAME (case-sensitive, e.g. uiTITLE) as a value kind\n"
         "and prints its code.\n"
         "\n"
         "options:\n"
         "  --valtype  the operands are value-kind names\n"
         "\n"
         "output, one line per operand:\n"
         "  CODE: widget TYPE, value kind KIND, side SIDE\n"
         "      TYPE is UNKNOWN_TYPE, KIND uiVALTYPE_ERROR and SIDE (none) when the code\n"
         "      is no such thing; \"(no name for this code)\" ends the line when it is\n"
         "      none of the three\n"
         "  NAME: CODE\n"
         "  NAME: 19981201 (uiVALTYPE_ERROR: not a value type)\n"
         "\n"
         "exit codes: 0 every operand was decoded; 1 some code or name is not known;\n"
         "2 usage, or an operand is not a number.\n",
         {{"--valtype", nullptr}},
         1,
         -1,
         run_decode});

} // namespace
