// One keyboard shortcut: parsing its text, rendering it, and its platform
// record.
#include <uiutil/accel.h>
#include <uiutil/pattern.h>

#include "accel/accelerator_results.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

// The key name: the leftmost run of name characters that reaches the end of
// the text (or a newline), in register 1.
const char* const key_name_pattern = "\\([a-zA-Z0-9_]+\\)$";
// The modifier words count only when a '-' or '+' follows them directly.
const char* const ctrl_pattern = "[Cc][Tt][Rr][Ll][-+]";
const char* const alt_pattern = "[Aa][Ll][Tt][-+]";
const char* const shift_pattern = "[Ss][Hh][Ii][Ff][Tt][-+]";

// The result record of specifier_style: plain data, zero until first used.
tagACCEL specifier_result;

// 1 when `pattern` occurs anywhere in `text`.
int occurs(const char* pattern, const uiSaveString& text) {
    uiPattern p{uiSaveString(pattern)};
    return p.match(text);
}

// `base` + the number atof reads at `digits`, truncated toward zero, as the
// low 16 bits of the sum. Infinite and not-a-number readings count as 0;
// huge ones keep their low 16 bits without overflowing an integer.
unsigned short offset_code(int base, const char* digits) {
    double number = std::trunc(std::atof(digits));
    if (!std::isfinite(number))
        number = 0.0;
    long low = static_cast<long>(std::fmod(number, 65536.0)); // exact, |low| < 65536
    return static_cast<unsigned short>((base + low) & 0xFFFF);
}

} // namespace

uiAccelerator::uiAccelerator() : m_flags(uiAccelUnset) {}

uiAccelerator::uiAccelerator(const uiAccelerator& other)
    : m_flags(other.m_flags), m_key(other.m_key) {}

uiAccelerator::~uiAccelerator() {}

void uiAccelerator::operator=(const uiAccelerator& other) {
    m_flags = other.m_flags;
    m_key = other.m_key;
}

void uiAccelerator::set(const uiSaveString& text) {
    if (!static_cast<const char*>(text))
        return; // the null text has no key name
    uiPattern key_name{uiSaveString(key_name_pattern)};
    if (!key_name.match(text) || !key_name.has_register(1))
        return;
    m_flags = 0;
    // A copy of our own: the register text is a shared result object.
    m_key = uiSaveString(static_cast<const char*>(key_name.get_register(1)));
    if (occurs(ctrl_pattern, text))
        m_flags |= uiAccelCtrl;
    if (occurs(alt_pattern, text))
        m_flags |= uiAccelAlt;
    if (occurs(shift_pattern, text))
        m_flags |= uiAccelShift;
}

int uiAccelerator::is_accelerator(const uiSaveString& text) {
    const char* s = text;
    for (int i = text.length() - 1; i >= 0; --i) {
        const bool tab = s[i] == '\t';
        const bool backslash_t = s[i] == 't' && i > 0 && s[i - 1] == '\\';
        if (tab || backslash_t) {
            set(uiSaveString(s + i + 1));
            return valid();
        }
    }
    return 0;
}

int uiAccelerator::valid() const {
    return m_flags != uiAccelUnset ? 1 : 0;
}

const uiSaveString& uiAccelerator::descriptive_text() const {
    uiSaveString& text = uiutil_internal::accelerator_text_result;
    text = uiSaveString("");
    if (m_flags & uiAccelShift)
        text = uiSaveString("Shift-");
    if (m_flags & uiAccelCtrl)
        text += "Ctrl-";
    if (m_flags & uiAccelAlt)
        text += "Alt-";
    text += m_key;
    return text;
}

tagACCEL* uiAccelerator::specifier_style(unsigned int cmd) const {
    tagACCEL& entry = specifier_result;
    entry.cmd = static_cast<WORD>(cmd & 0xFFFF);
    BYTE virt = FVIRTKEY;
    if (m_flags & uiAccelShift)
        virt |= FSHIFT;
    if (m_flags & uiAccelCtrl)
        virt |= FCONTROL;
    if (m_flags & uiAccelAlt)
        virt |= FALT;
    entry.fVirt = virt;
    if (m_key.length() == 1)
        entry.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(m_key[0])));
    else
        entry.key = vk_code(m_key);
    return &entry;
}

unsigned short uiAccelerator::vk_code(const uiSaveString& name) {
    const char* s = name;
    if (!s)
        return 0;
    switch (s[0]) {
    case 'F':
    case 'f':
        return offset_code(111, s + 1);
    case 'K':
    case 'k':
        return name.length() > 3 ? offset_code(96, s + 3) : 96;
    default:
        return 0;
    }
}
