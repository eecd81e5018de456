// Printing platform accelerator records.
#include "accel_records.h"

#include <cstdio>

namespace tool {

namespace {

std::string flag_names(BYTE fVirt) {
    static const struct {
        BYTE bit;
        const char* name;
    } names[] = {
        {FVIRTKEY, "FVIRTKEY"}, {FSHIFT, "FSHIFT"}, {FCONTROL, "FCONTROL"}, {FALT, "FALT"}};
    std::string out;
    for (const auto& n : names) {
        if (fVirt & n.bit)
            out += out.empty() ? n.name : std::string("|") + n.name;
    }
    return out.empty() ? "none" : out;
}

// What a virtual-key code stands for, as far as accelerator texts reach.
std::string key_name(WORD key) {
    char text[32];
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        std::snprintf(text, sizeof text, "'%c'", static_cast<char>(key));
    else if (key >= 96 && key <= 105)
        std::snprintf(text, sizeof text, "VK_NUMPAD%d", key - 96);
    else if (key >= 112 && key <= 135)
        std::snprintf(text, sizeof text, "VK_F%d", key - 111);
    else if (key == 0)
        std::snprintf(text, sizeof text, "no key code");
    else
        std::snprintf(text, sizeof text, "code %u", static_cast<unsigned>(key));
    return text;
}

} // namespace

std::string describe_record(const ACCEL& record) {
    char text[160];
    std::snprintf(text, sizeof text, "fVirt %u (%s), key %u (%s), cmd %u",
                  static_cast<unsigned>(record.fVirt), flag_names(record.fVirt).c_str(),
                  static_cast<unsigned>(record.key), key_name(record.key).c_str(),
                  static_cast<unsigned>(record.cmd));
    return text;
}

std::vector<ACCEL> read_table(HACCEL table) {
    if (!table)
        return {};
    const int count = CopyAcceleratorTableW(table, nullptr, 0);
    if (count < 1)
        return {};
    std::vector<ACCEL> records(static_cast<std::size_t>(count));
    records.resize(static_cast<std::size_t>(CopyAcceleratorTableW(table, records.data(), count)));
    return records;
}

} // namespace tool
