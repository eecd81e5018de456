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
#include <vector>

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

// What the tool read from one text.
struct Reading {
    bool as_label = false;
    const char* separator = nullptr; // a label's: where its accelerator part begins
    int part = -1;                   // the offset of that part; -1 when it has none
    uiAccelerator accelerator;
    std::vector<ACCEL> records; // the platform's, keypad twin first
    bool fires() const { return !records.empty() && records.back().key != 0; }
};

Reading read(const tool::Arguments& args, const char* text, unsigned int cmd) {
    Reading r;
    r.part = accelerator_part(text, r.separator);
    r.as_label =
        args.has("--label") || (!args.has("--spec") && (r.part >= 0 || std::strchr(text, '&')));
    if (r.as_label)
        r.accelerator.is_accelerator(text);
    else
        r.accelerator.set(text);
    if (r.accelerator.valid()) {
        // The records as they reach the platform, read back from a real table.
        uiAcceleratorTable table;
        table.add(r.accelerator, cmd);
        table.create();
        r.records = tool::read_table(table.handle());
    }
    return r;
}

void print_block(const Reading& r, const char* text) {
    std::printf("\"%s\"\n", tool::visible(text).c_str());
    if (!r.as_label)
        std::printf("  read as:              accelerator specification: the whole text\n");
    else if (r.part >= 0)
        std::printf("  read as:              menu label: the text after %s\n", r.separator);
    else
        std::printf("  read as:              menu label without a tab or \\t: it holds no\n"
                    "                        accelerator (--spec reads the whole text)\n");
    const uiAccelerator& accelerator = r.accelerator;
    std::printf("  holds an accelerator: %s\n", accelerator.valid() ? "yes" : "no");
    if (!accelerator.valid()) {
        if (!r.as_label || r.part >= 0)
            std::printf("  (no key name at the end of the accelerator text)\n");
        return;
    }
    note_unread_modifiers(r.as_label ? text + r.part : text, accelerator.flags());
    std::printf("  modifiers:            %s\n", modifier_names(accelerator.flags()).c_str());
    std::printf("  key:                  \"%s\"\n", tool::visible(accelerator.key()).c_str());
    std::printf("  descriptive_text:     \"%s\"\n",
                tool::visible(accelerator.descriptive_text()).c_str());
    if (r.records.empty()) {
        std::printf("  platform record:      (the platform made no table)\n");
        return;
    }
    std::printf("  platform record:      %s\n", tool::describe_record(r.records.back()).c_str());
    if (r.records.size() > 1)
        std::printf("  keypad twin:          %s\n",
                    tool::describe_record(r.records.front()).c_str());
    else
        std::printf("  keypad twin:          none (not a digit key)\n");
    if (!r.fires())
        std::printf(
            "  warning:              no key code: this accelerator will never fire (key\n"
            "                        names other than one letter or digit, F-names such as\n"
            "                        F5 and keypad names such as Key5 or KP_7 give 0)\n");
}

// One line of tab-separated fields; see the help's --format.
void print_tsv(const Reading& r, const char* text) {
    const uiAccelerator& a = r.accelerator;
    const ACCEL none = {0, 0, 0};
    const ACCEL& record = r.records.empty() ? none : r.records.back();
    const bool valid = a.valid() != 0;
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%u\t%u\t%u\t%u\t%s\n", tool::visible(text).c_str(),
                r.as_label ? "label" : "specification", valid ? "yes" : "no",
                valid ? modifier_names(a.flags()).c_str() : "",
                valid ? tool::visible(a.key()).c_str() : "",
                valid ? tool::visible(a.descriptive_text()).c_str() : "",
                static_cast<unsigned>(record.fVirt), static_cast<unsigned>(record.key),
                static_cast<unsigned>(record.cmd),
                r.records.size() > 1 ? static_cast<unsigned>(r.records.front().key) : 0u,
                r.fires() ? "yes" : "no");
}

int run(const tool::Arguments& args) {
    if (args.has("--label") && args.has("--spec"))
        return tool::usage_error(args.command(), "--label and --spec exclude each other");
    bool tsv = false;
    if (!tool::read_format(args, tsv))
        return tool::usage_error(args.command(), "--format is text or tsv");
    if (tsv)
        std::printf("text\treading\tholds\tmodifiers\tkey\tdescriptive_text\tfVirt\tkey_code\t"
                    "cmd\tkeypad_key_code\tfires\n");
    bool all_fire = true;
    for (std::size_t i = 0; i < args.count(); ++i) {
        const char* text = args.operand(i);
        const Reading r = read(args, text, first_command + static_cast<unsigned int>(i));
        if (tsv) {
            print_tsv(r, text);
        } else {
            if (i > 0)
                std::printf("\n");
            print_block(r, text);
        }
        all_fire = r.fires() && all_fire;
    }
    return all_fire ? tool::exit_ok : tool::exit_not_found;
}

tool::RegisterSubcommand
    reg({"accel",
         "accel [--label | --spec] [--format=tsv] TEXT...",
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
         "  --label       read every TEXT as a menu label\n"
         "  --spec        read every TEXT as an accelerator specification\n"
         "  --format=tsv  a header line, then one line per text of tab-separated fields:\n"
         "                text, reading (label | specification), holds (yes | no),\n"
         "                modifiers, key, descriptive_text, fVirt, key_code, cmd,\n"
         "                keypad_key_code (0: no twin), fires (yes | no)\n"
         "\n"
         "output, one block per text (\"name: value\" lines, values from column 25):\n"
         "  read as, holds an accelerator (yes | no), modifiers, key, descriptive_text,\n"
         "  platform record (fVirt, key, cmd), keypad twin (a digit key's second record).\n"
         "  warning: no key code ... this accelerator will never fire: the key name has\n"
         "    no virtual-key code (key names other than one letter or digit, F-names\n"
         "    such as F5 and keypad names such as Key5 or KP_7 give 0: Home, Del, Esc)\n"
         "  note: a modifier word the library did not read (\"Ctrl + A\": the modifier\n"
         "    counts only when - or + follows the word directly)\n"
         "Texts are shown with control characters as \\t, \\n, \\xHH and backslashes as \\\\.\n"
         "\n"
         "exit codes: 0 every text holds an accelerator that can fire; 1 some text holds\n"
         "none, or one with no key code; 2 usage.\n",
         {{"--label", nullptr}, {"--spec", nullptr}, {"--format", "text|tsv"}},
         1,
         -1,
         run});

} // namespace
