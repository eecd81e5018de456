// Accelerator tables without a windowing system: each table is a copy of its
// records held in a registry under a handle that is never handed out twice.
#include <uiutil/accelerator_tables.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using Records = std::vector<ACCEL>;

// Live tables by handle value. Built on first use and never destroyed, so
// that static objects of any library can make and destroy tables while the
// process starts and ends.
std::map<std::uintptr_t, Records>& live_tables() {
    static auto* tables = new std::map<std::uintptr_t, Records>;
    return *tables;
}

// Handle values advance by 4 from a start that no small integer or null
// pointer test confuses with a handle.
std::uintptr_t next_handle_value = 0x10000;

HACCEL to_handle(std::uintptr_t value) {
    return reinterpret_cast<HACCEL>(value);
}
std::uintptr_t to_value(HACCEL table) {
    return reinterpret_cast<std::uintptr_t>(table);
}

} // namespace

HACCEL CreateAcceleratorTableW(LPACCEL entries, int count) {
    if (!entries || count < 1)
        return nullptr;
    const std::uintptr_t value = next_handle_value;
    next_handle_value += 4;
    live_tables()[value] = Records(entries, entries + count);
    return to_handle(value);
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    return live_tables().erase(to_value(table)) ? TRUE : FALSE;
}

int CopyAcceleratorTableW(HACCEL table, LPACCEL entries, int size) {
    const auto found = live_tables().find(to_value(table));
    if (found == live_tables().end())
        return 0;
    const Records& records = found->second;
    const int count = static_cast<int>(records.size());
    if (!entries)
        return count;
    const int copied = std::max(0, std::min(size, count));
    std::copy(records.begin(), records.begin() + copied, entries);
    return copied;
}
