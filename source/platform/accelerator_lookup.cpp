// Finding the command a table binds to a key event, through the platform's
// own read-back of the table's records.
#include <uiutil/accelerator_tables.h>

#include <vector>

namespace {

// The record bits that describe the key event; others (FNOINVERT) only
// change how a window reacts.
const BYTE event_bits = FVIRTKEY | FSHIFT | FCONTROL | FALT;

} // namespace

int ui_accelerator_command(HACCEL table, BYTE flags, WORD key) {
    if (!table)
        return -1;
    const int count = CopyAcceleratorTableW(table, nullptr, 0);
    if (count < 1)
        return -1;
    std::vector<ACCEL> records(static_cast<std::size_t>(count));
    const int copied = CopyAcceleratorTableW(table, records.data(), count);
    for (int i = 0; i < copied; ++i) {
        const ACCEL& r = records[static_cast<std::size_t>(i)];
        if ((r.fVirt & event_bits) == (flags & event_bits) && r.key == key)
            return r.cmd;
    }
    return -1;
}
