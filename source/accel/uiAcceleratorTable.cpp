// Building platform accelerator tables from accelerators.
#include <uiutil/accel.h>
#include <uiutil/support.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Room the pending array starts with; it doubles when full.
const int initial_capacity = 128;

// What a digit key's record adds to reach the same digit on the numeric
// keypad ('0' 48 + 48 = VK_NUMPAD0 96).
const int keypad_offset = 48;

} // namespace

uiAcceleratorTable::uiAcceleratorTable()
    : m_entries(nullptr), m_created(nullptr), m_attached(nullptr), m_used(0), m_capacity(0) {}

uiAcceleratorTable::~uiAcceleratorTable() {
    delete[] m_entries;
    if (!m_attached && m_created)
        DestroyAcceleratorTable(m_created);
}

void uiAcceleratorTable::reserve(int more) {
    if (!m_entries) {
        // A fresh collection: earlier records went into a table already, so
        // counting starts again at the first slot.
        m_capacity = initial_capacity;
        m_entries = new tagACCEL[static_cast<std::size_t>(m_capacity)];
        m_used = 0;
    }
    if (m_used + more <= m_capacity)
        return;
    const int grown = std::max(m_capacity * 2, m_used + more);
    tagACCEL* larger = new tagACCEL[static_cast<std::size_t>(grown)];
    std::copy(m_entries, m_entries + m_used, larger);
    delete[] m_entries;
    m_entries = larger;
    m_capacity = grown;
}

void uiAcceleratorTable::append(const tagACCEL& entry) {
    m_entries[m_used++] = entry;
}

void uiAcceleratorTable::add(const uiAccelerator& accelerator, unsigned int cmd) {
    // Copied at once: the record behind specifier_style is shared.
    const tagACCEL entry = *accelerator.specifier_style(cmd);
    const bool digit_key = std::isdigit(entry.key & 0xFF) != 0;
    reserve(digit_key ? 2 : 1);
    if (digit_key) {
        tagACCEL twin = entry;
        twin.key = static_cast<WORD>(entry.key + keypad_offset);
        append(twin);
    }
    append(entry);
}

void uiAcceleratorTable::create() {
    if (!m_entries)
        return;
    m_created = CreateAcceleratorTableW(m_entries, m_used);
    if (m_attached) {
        // The new table takes the place of the one the application handed
        // in, and belongs to the application from now on.
        DestroyAcceleratorTable(m_attached);
        m_attached = m_created;
    }
    delete[] m_entries;
    m_entries = nullptr;
    m_capacity = 0;
}

void uiAcceleratorTable::create(HACCEL* handle) {
    if (!handle) {
        ut_report_assert_failure(__FILE__, __LINE__,
                                 "uiAcceleratorTable::create: null handle pointer");
        return;
    }
    attach(*handle);
    create();
    *handle = m_created;
}

HACCEL uiAcceleratorTable::attach(HACCEL handle) {
    HACCEL previous = m_attached;
    m_attached = handle;
    return previous;
}

HACCEL uiAcceleratorTable::handle() const {
    return m_created ? m_created : m_attached;
}

int uiAcceleratorTable::reset_table() {
    if (!m_created)
        return 0;
    if (!DestroyAcceleratorTable(m_created))
        return 0;
    if (m_attached == m_created)
        m_attached = nullptr;
    m_created = nullptr;
    m_used = 0;
    return 1;
}

int uiAcceleratorTable::valid() const {
    return (m_created || (m_attached && m_used == 0)) ? 1 : 0;
}
