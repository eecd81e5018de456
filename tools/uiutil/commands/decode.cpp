// `uiutil decode`: names of widget kinds, resource value kinds and docking
// sides for numeric codes, or value-kind codes for names.
#include "subcommands.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <uiutil/uiutil.h>

namespace {

void print_usage(FILE* out) {
    std::fprintf(out, "usage: uiutil decode CODE...          (decimal, or hex with 0x)\n"
                      "       uiutil decode --valtype NAME...\n");
}

int decode_codes(int count, char** codes) {
    int status = 0;
    for (int k = 0; k < count; ++k) {
        char* end = nullptr;
        errno = 0;
        const unsigned long code = std::strtoul(codes[k], &end, 0);
        if (end == codes[k] || *end != '\0' || errno != 0 || codes[k][0] == '-' ||
            code > 0xFFFFFFFFul) {
            std::fprintf(stderr, "uiutil decode: not a code: '%s'\n", codes[k]);
            status = 1;
            continue;
        }
        const unsigned int value = static_cast<unsigned int>(code);
        const char* side = ui_decode(value);
        std::printf("%s: widget %s, value kind %s, side %s\n", codes[k],
                    ui_decode(static_cast<uiType>(static_cast<int>(value))),
                    ui_decode(static_cast<uiValType>(static_cast<int>(value))),
                    side ? side : "(none)");
    }
    return status;
}

int decode_names(int count, char** names) {
    for (int k = 0; k < count; ++k)
        std::printf("%s: %d\n", names[k], static_cast<int>(ui_decode_uiValType(names[k])));
    return 0;
}

int run_decode(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        print_usage(stdout);
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "--valtype") == 0)
        return decode_names(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "--valtype") != 0)
        return decode_codes(argc - 1, argv + 1);
    print_usage(stderr);
    return 2;
}

tool::RegisterSubcommand reg({"decode", "decode CODE... | decode --valtype NAME...",
                              "names of widget kinds, value kinds, docking sides", run_decode});

} // namespace
