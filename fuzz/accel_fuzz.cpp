// Accelerator texts: set, is_accelerator, the readable form, the platform
// record and vk_code, each checked against a model of the parsing rules, and
// every record collected into an accelerator table and read back from the
// created table. Fields (separated by NUL): accelerator texts or menu
// labels, as many as the input holds.
#include "fuzz_support.h"

#include <uiutil/accel.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool is_key_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// What set() makes of a text.
struct Model {
    bool valid = false;
    int flags = uiAccelUnset;
    std::string key;
};

bool has_word(const std::string& text, const char* word) {
    const size_t n = std::char_traits<char>::length(word);
    for (size_t at = 0; at + n < text.size(); ++at) {
        bool same = true;
        for (size_t i = 0; i < n && same; ++i)
            same = std::tolower(static_cast<unsigned char>(text[at + i])) == word[i];
        if (same && (text[at + n] == '-' || text[at + n] == '+'))
            return true;
    }
    return false;
}

void model_set(Model& m, const std::string& text) {
    // The key: the first run of key characters that reaches the end of the
    // text or a newline.
    for (size_t at = 0; at < text.size(); ++at) {
        if (!is_key_char(text[at]) || (at > 0 && is_key_char(text[at - 1])))
            continue;
        size_t end = at;
        while (end < text.size() && is_key_char(text[end]))
            ++end;
        if (end == text.size() || text[end] == '\n') {
            m.valid = true;
            m.key = text.substr(at, end - at);
            m.flags = (has_word(text, "ctrl") ? uiAccelCtrl : 0) |
                      (has_word(text, "alt") ? uiAccelAlt : 0) |
                      (has_word(text, "shift") ? uiAccelShift : 0);
            return;
        }
    }
}

// The accelerator part of a label: after the last tab or backslash-t pair.
bool label_part(const std::string& label, std::string& part) {
    for (size_t at = label.size(); at-- > 0;) {
        if (label[at] == '\t' || (at > 0 && label[at] == 't' && label[at - 1] == '\\')) {
            part = label.substr(at + 1);
            return true;
        }
    }
    return false;
}

std::string text_of(const uiSaveString& s) {
    const char* p = s;
    return p ? std::string(p) : std::string();
}

void check_accelerator(const uiAccelerator& a, const Model& m, unsigned cmd,
                       const std::string& context) {
    fuzz::check(a.valid() == (m.valid ? 1 : 0), "valid", context);
    fuzz::check(a.flags() == m.flags, "flags", context);
    fuzz::check(text_of(a.key()) == m.key, "key", context);
    const int bits = m.valid ? m.flags : 0;
    const std::string readable = std::string(bits & uiAccelShift ? "Shift-" : "") +
                                 (bits & uiAccelCtrl ? "Ctrl-" : "") +
                                 (bits & uiAccelAlt ? "Alt-" : "") + m.key;
    fuzz::check(text_of(a.descriptive_text()) == readable, "descriptive_text", context);

    const tagACCEL record = *a.specifier_style(cmd);
    const int virt = FVIRTKEY | (bits & uiAccelShift ? FSHIFT : 0) |
                     (bits & uiAccelCtrl ? FCONTROL : 0) | (bits & uiAccelAlt ? FALT : 0);
    fuzz::check(record.fVirt == virt, "record flags", context);
    fuzz::check(record.cmd == (cmd & 0xFFFF), "record command", context);
    const unsigned short key =
        m.key.size() == 1
            ? static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(m.key[0])))
            : uiAccelerator::vk_code(a.key());
    fuzz::check(record.key == key, "record key", context);
}

// vk_code for names whose number is small enough to model exactly.
void check_vk_code(const std::string& name) {
    const unsigned short code = uiAccelerator::vk_code(uiSaveString(name.c_str()));
    if (name.empty())
        return fuzz::check(code == 0, "vk_code of the empty name");
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (first != 'F' && first != 'K')
        return fuzz::check(code == 0, "vk_code of another name", name);
    const size_t from = first == 'F' ? 1 : 3;
    const double number = from < name.size() ? std::atof(name.c_str() + from) : 0.0;
    if (!std::isfinite(number) || std::fabs(number) > 1e9)
        return; // only that it does not fail
    const long base = first == 'F' ? 111 : 96;
    const unsigned short expected =
        static_cast<unsigned short>((base + static_cast<long>(number)) & 0xFFFF);
    fuzz::check(code == expected, "vk_code", name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const auto fields = fuzz::split_fields(data, size, 200);

    uiAcceleratorTable table;
    std::vector<tagACCEL> expected;
    uiAccelerator previous;
    Model previous_model;
    unsigned cmd = 40000;
    for (const std::string& text : fields) {
        cmd = cmd * 31 + static_cast<unsigned>(text.size());
        uiAccelerator a;
        Model m;
        a.set(uiSaveString(text.c_str()));
        model_set(m, text);
        check_accelerator(a, m, cmd, "set " + text);
        check_vk_code(text);

        // A label changes the previous accelerator only when it has an
        // accelerator part with a key.
        std::string part;
        const bool has_part = label_part(text, part);
        const int answer = previous.is_accelerator(uiSaveString(text.c_str()));
        if (has_part)
            model_set(previous_model, part);
        fuzz::check(answer == (has_part && previous_model.valid ? 1 : 0), "is_accelerator", text);
        check_accelerator(previous, previous_model, cmd, "label " + text);

        const tagACCEL record = *a.specifier_style(cmd);
        if (std::isdigit(record.key & 0xFF)) {
            tagACCEL twin = record;
            twin.key = static_cast<WORD>(record.key + 48);
            expected.push_back(twin);
        }
        expected.push_back(record);
        table.add(a, cmd);
        fuzz::check(table.used() == static_cast<int>(expected.size()), "records collected", text);
    }

    HACCEL handle = nullptr;
    table.create(&handle);
    fuzz::check(handle != nullptr && table.valid() == 1, "table created");
    const int count = CopyAcceleratorTableW(handle, nullptr, 0);
    fuzz::check(count == static_cast<int>(expected.size()), "records in the table");
    std::vector<tagACCEL> records(expected.size());
    CopyAcceleratorTableW(handle, records.data(), count);
    for (size_t i = 0; i < records.size(); ++i)
        fuzz::check(records[i].fVirt == expected[i].fVirt && records[i].key == expected[i].key &&
                        records[i].cmd == expected[i].cmd,
                    "table record", std::to_string(i));
    // The created table took the place of the (null) attachment and belongs
    // to the caller now.
    fuzz::check(table.reset_table() == 1, "reset_table");
    fuzz::check(DestroyAcceleratorTable(handle) == 0, "table destroyed twice");
    return 0;
}
