// uiutil accel TEXT...: what the library reads from menu labels and
// accelerator texts, and the platform records it makes of them.
#include "common/accel_records.h"
#include "common/arguments.h"
#include "subcommands.h"

#include <cctype>
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

// Where a label's accelerator part begins: its offset after the last tab or
// backslash-t, and the separator's name; -1 when it has neither.
int accelerator_part(const char* text, const char*& separator) {
    for (int i = static_cast<int>(std::strlen(text)) - 1; i >= 0; --i) {
        if (text[i] == '\t') {
            separator = "the last tab";
            return i + 1;
        }
        if (text[i] == 't' && i > 0 && text[i - 1] == '\\') {
            separator = "the last \\t";
            return i + 1;
        }
    }
    return -1;
}

// Modifier words in `text` that added nothing: the library reads Ctrl, Alt
// and Shift only when a '-' or '+' follows them directly.
void note_unread_modifiers(const char* text, int flags) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const struct {
        const char* lower;
        const char* word;
        int bit;
    } words[] = {{"ctrl", "Ctrl", uiAccelCtrl},
                 {"alt", "Alt", uiAccelAlt},
                 {"shift", "Shift", uiAccelShift}};
    for (const auto& w : words) {
        if (lower.find(w.lower) != std::string::npos && !(flags & w.bit))
            std::printf("  note:                 the word %s adds its modifier only when - or + "
                        "follows it directly\n",
                        w.word);
    }
}

// Prints what the accelerator is; answers whether its record can ever fire.
bool show_accelerator(const uiAccelerator& accelerator, unsigned int cmd) {
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
        return false;
    }
    std::printf("  platform record:      %s\n", tool::describe_record(records.back()).c_str());
    if (records.size() > 1)
        std::printf("  keypad twin:          %s\n", tool::describe_record(records.front()).c_str());
    else
        std::printf("  keypad twin:          none (not a digit key)\n");
    if (records.back().key != 0)
        return true;
    std::printf("  warning:              no key code: this accelerator will never fire (key\n"
                "                        names other than one letter or digit, F-names such as\n"
                "                        F5 and keypad names such as Key5 or KP_7 give 0)\n");
    return false;
}

// Reads `text` as a label or as a specification; answers whether it holds an
// accelerator that can fire.
bool show(const tool::Arguments& args, const char* text, unsigned int cmd) {
    std::printf("\"%s\"\n", tool::visible(text).c_str());
    const char* separator = nullptr;
    const int part = accelerator_part(text, separator);
    const bool as_label =
        args.has("--label") || (!args.has("--spec") && (part >= 0 || std::strchr(text, '&')));
    uiAccelerator accelerator;
    if (as_label) {
        const int holds = accelerator.is_accelerator(text);
        if (part >= 0)
            std::printf("  read as:              menu label: the text after %s\n", separator);
        else
            std::printf("  read as:              menu label without a tab or \\t: it holds no\n"
                        "                        accelerator (--spec reads the whole text)\n");
        std::printf("  holds an accelerator: %s\n", holds && accelerator.valid() ? "yes" : "no");
    } else {
        accelerator.set(text);
        std::printf("  read as:              accelerator specification: the whole text\n");
        std::printf("  holds an accelerator: %s\n", accelerator.valid() ? "yes" : "no");
    }
    if (!accelerator.valid()) {
        if (!as_label || part >= 0)
            std::printf("  (no key name at the end of the accelerator text)\n");
        return false;
    }
    note_unread_modifiers(as_label ? text + part : text, accelerator.flags());
    return show_accelerator(accelerator, cmd);
}

int run(const tool::Arguments& args) {
    if (args.has("--label") && args.has("--spec"))
        return tool::usage_error(args.command(), "--label and --spec exclude each other");
    bool all_fire = true;
    for (std::size_t i = 0; i < args.count(); ++i) {
        if (i > 0)
            std::printf("\n");
        all_fire =
            show(args, args.operand(i), first_command + static_cast<unsigned int>(i)) && all_fire;
    }
    return all_fire ? tool::exit_ok : tool::exit_not_found;
}

tool::RegisterSubcommand
    reg({"accel",
         "accel [--label | --spec] TEXT...",
         "read accelerators from menu labels or texts; show their records",
         "Reads each TEXT the way the library does and shows the platform record an\n"
         "accelerator table gets for it (command 100 for the first text, 101 for the\n"
         "next, ...).\n"
         "\n"
         "Two operations, and which one was applied is printed (\"read as:\"):\n"
         "  menu label     uiAccelerator::is_accelerator: the accelerator is the text\n"
         "                 after the label's last tab or \\t (\"&Open...\\tCtrl+O\"); a\n"
         "                 label with neither holds none (\"E&xit\")\n"
         "  specification  uiAccelerator::set: the whole text is the accelerator\n"
         "                 (\"Ctrl+O\"); the key name is the run of letters, digits and _\n"
         "                 that ends the text (so \"E&xit\" would give the key xit)\n"
         "Without an option, a text with a tab, \\t or & is a label, any other a\n"
         "specification.\n"
         "\n"
         "options:\n"
         "  --label  read every TEXT as a menu label\n"
         "  --spec   read every TEXT as an accelerator specification\n"
         "\n"
         "output, one block per text (\"name: value\" lines, values after column 24):\n"
         "  read as, holds an accelerator (yes | no), modifiers, key, descriptive_text,\n"
         "  platform record (fVirt, key, cmd), keypad twin (a digit key's second record).\n"
         "  warning: no key code ... this accelerator will never fire: the key name has\n"
         "    no virtual-key code (key names other than one letter or digit, F-names\n"
         "    such as F5 and keypad names such as Key5 or KP_7 give 0: Home, Del, Esc)\n"
         "  note: a modifier word the library did not read (\"Ctrl + A\": the modifier\n"
         "    counts only when - or + follows the word directly)\n"
         "\n"
         "exit codes: 0 every text holds an accelerator that can fire; 1 some text holds\n"
         "none, or one with no key code; 2 usage.\n",
         {{"--label", nullptr}, {"--spec", nullptr}},
         1,
         -1,
         run});

} // namespace
