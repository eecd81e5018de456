// Delimiter sets: how a value or user data is quoted in a command text.
#include <uiutil/commands.h>

#include <cctype>
#include <cstring>

namespace {

// The text get_delimiters answers, shared by all delimiters.
char g_delimiters_text[5];

bool is_space(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A working copy of one side of the set, with white-space characters cut
// off: the text ends at the first of them.
void working_text(const char* stored, char (&text)[3]) {
    text[0] = is_space(stored[0]) ? '\0' : stored[0];
    text[1] = is_space(stored[1]) ? '\0' : stored[1];
    text[2] = '\0';
}

} // namespace

uiDelimiter::uiDelimiter() : m_open{}, m_close{}, m_two_chars(0) {}

uiDelimiter::uiDelimiter(const char* s) : m_open{}, m_close{}, m_two_chars(0) {
    set_delimiters(s);
}

uiDelimiter::uiDelimiter(const uiDelimiter& d) : m_open{}, m_close{}, m_two_chars(0) {
    *this = d;
}

void uiDelimiter::operator=(const uiDelimiter& d) {
    if (&d == this)
        return;
    m_open[0] = d.m_open[0];
    m_open[1] = d.m_open[1];
    m_close[0] = d.m_close[0];
    m_close[1] = d.m_close[1];
    m_two_chars = d.m_close[1] != '\0' ? 1 : 0;
}

void uiDelimiter::set_delimiters(const char* s) {
    const std::size_t n = s ? std::strlen(s) : 0;
    if (n == 0) {
        m_open[0] = m_open[1] = m_close[0] = m_close[1] = '\0';
        m_two_chars = 0;
    } else if (n == 2) {
        m_open[0] = s[0];
        m_open[1] = '\0';
        m_close[0] = s[1];
        m_close[1] = '\0';
        m_two_chars = 0;
    } else if (n == 4) {
        m_open[0] = s[0];
        m_open[1] = s[1];
        m_close[0] = s[2];
        m_close[1] = s[3];
        m_two_chars = 1;
    }
}

const char* uiDelimiter::get_delimiters() const {
    char* out = g_delimiters_text;
    std::memset(out, 0, sizeof g_delimiters_text);
    if (m_open[0] == '\0')
        return nullptr;
    if (m_two_chars) {
        out[0] = m_open[0];
        out[1] = m_open[1];
        out[2] = m_close[0];
        out[3] = m_close[1];
    } else {
        out[0] = m_open[0];
        out[1] = m_close[0];
    }
    return out;
}

void uiDelimiter::delimit_string(const uiSaveString& in, uiSaveString& out) const {
    if (m_open[0] == '\0') {
        out = in;
        return;
    }
    char open[3];
    char close[3];
    working_text(m_open, open);
    working_text(m_close, close);
    const char* text = in;
    char* joined = text ? apconcat(3, open, text, close) : apconcat(2, open, close);
    out = uiSaveString(uiClaimOwnership, joined);
}
