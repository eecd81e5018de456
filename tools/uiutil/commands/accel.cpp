// uiutil accel TEXT...: what the library reads from menu labels and
// accelerator texts, and the platform records it makes of them.
#include "accel_records.h"
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <uiutil/uiutil.h>

namespace {

// The first sample command; each further text takes the next number.
const unsigned int first_command = 100;

std::string modifier_names(int flags) {
    std::string out;
    if (flags & uiAccelShift)
        out += "Shift ";
    if (flags & uiAccelCtrl)
        out += "Ctrl ";
    if (flags & uiAccelAlt)
        out += "Alt ";
    if (out.empty())
        return "none";
    out.pop_back();
    return out;
}

// Where a label's accelerator part begins: after its last tab or
// backslash-t; null when it has neither.
const char* separator_name(const char* text) {
    for (int i = static_cast<int>(std::strlen(text)) - 1; i >= 0; --i) {
        if (text[i] == '\t')
            return "the last tab";
        if (text[i] == 't' && i > 0 && text[i - 1] == '\\')
            return "the last \\t";
    }
    return nullptr;
}

void show_accelerator(const uiAccelerator& accelerator, unsigned int cmd) {
    std::printf("  modifiers:            %s\n", modifier_names(accelerator.flags()).c_str());
    std::printf("  key:                  \"%s\"\n", tool::visible(accelerator.key()).c_str());
    std::printf("  descriptive_text:     \"%s\"\n",
                tool::visible(accelerator.descriptive_text()).c_str());

    // The records as they reach the platform, read back from a real table.
    uiAcceleratorTable table;
    table.add(accelerator, cmd);
    table.create();
    const std::vector<ACCEL> records = tool::read_table(table.handle());
    if (records.empty()) {
        std::printf("  platform record:      (the platform made no table)\n");
        return;
    }
    std::printf("  platform record:      %s\n", tool::describe_record(records.back()).c_str());
    if (records.size() > 1)
        std::printf("  keypad twin:          %s\n", tool::describe_record(records.front()).c_str());
    else
        std::printf("  keypad twin:          none (not a digit key)\n");
}

void show(const char* text, unsigned int cmd) {
    std::printf("\"%s\"\n", tool::visible(text).c_str());
    uiAccelerator accelerator;
    if (const char* separator = separator_name(text)) {
        const int holds = accelerator.is_accelerator(text);
        std::printf("  holds an accelerator: %s (the text after %s)\n", holds ? "yes" : "no",
                    separator);
    } else {
        // Not a menu label: read the whole text as an accelerator text.
        accelerator.set(text);
        std::printf("  holds an accelerator: %s (the whole text: it has no tab or \\t)\n",
                    accelerator.valid() ? "yes" : "no");
    }
    if (accelerator.valid())
        show_accelerator(accelerator, cmd);
    else
        std::printf("  (no key name at the end of the accelerator text)\n");
}

int run(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: uiutil accel TEXT...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            std::printf("\n");
        show(argv[i], first_command + static_cast<unsigned int>(i - 1));
    }
    return 0;
}

tool::RegisterSubcommand reg({"accel", "accel TEXT...",
                              "read accelerators from menu labels or texts; show their records",
                              run});

} // namespace
