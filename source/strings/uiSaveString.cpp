// The counted, shared narrow string.
#include <uiutil/strings.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace {

// Written into a released string's buffer pointer by the destructor, so a
// use after destruction is recognisable in a debugger.
char* const released_marker = reinterpret_cast<char*>(static_cast<std::uintptr_t>(0x2BAD));

// The length of s, but no more than n: never reads past s's NUL.
int bounded_length(const char* s, int n) {
    const void* nul = std::memchr(s, '\0', static_cast<std::size_t>(n));
    return nul ? static_cast<int>(static_cast<const char*>(nul) - s) : n;
}

} // namespace

uiSaveString::uiSaveString() : m_string(nullptr), m_count(nullptr), m_length(0) {}

uiSaveString::uiSaveString(const char* s) : m_string(nullptr), m_count(nullptr), m_length(0) {
    if (!s)
        return;
    const std::size_t n = std::strlen(s);
    m_string = new char[n + 1];
    std::memcpy(m_string, s, n + 1);
    m_count = new int(1);
    m_length = static_cast<int>(n);
}

uiSaveString::uiSaveString(const char* s, int n)
    : m_string(nullptr), m_count(nullptr), m_length(0) {
    if (!s || n <= 0)
        return;
    const int copied = bounded_length(s, n);
    m_string = new char[copied + 1];
    std::memcpy(m_string, s, static_cast<std::size_t>(copied));
    m_string[copied] = '\0';
    m_count = new int(1);
    m_length = copied;
}

uiSaveString::uiSaveString(uiClaim, char* buffer)
    : m_string(buffer), m_count(nullptr), m_length(0) {
    if (!buffer)
        return;
    try {
        m_count = new int(1);
    } catch (...) {
        // The buffer was handed over: it is released, not leaked, when the
        // count cannot be made.
        delete[] buffer;
        m_string = nullptr;
        throw;
    }
    m_length = static_cast<int>(std::strlen(buffer));
}

uiSaveString::uiSaveString(const uiSaveString& other)
    : m_string(nullptr), m_count(nullptr), m_length(0) {
    *this = other;
}

uiSaveString::~uiSaveString() {
    if (!m_string || !m_count)
        return;
    if (--*m_count > 0)
        return;
    delete[] m_string;
    delete m_count;
    m_string = released_marker;
    m_count = nullptr;
    m_length = 0;
}

void uiSaveString::release() {
    if (m_string && m_count && --*m_count == 0) {
        delete[] m_string;
        delete m_count;
    }
    m_string = nullptr;
    m_count = nullptr;
    m_length = 0;
}

void uiSaveString::operator=(const uiSaveString& other) {
    if (this == &other)
        return;
    // Take the new share before dropping the old one: other may share this
    // buffer, and the order keeps the buffer alive throughout.
    if (other.m_string && other.m_count)
        ++*other.m_count;
    release();
    if (other.m_string) {
        m_string = other.m_string;
        m_count = other.m_count;
        m_length = other.m_length;
    }
}

int uiSaveString::empty() const {
    return (!m_string || m_string[0] == '\0') ? 1 : 0;
}

char uiSaveString::operator[](int i) const {
    return (i >= 0 && i < m_length) ? m_string[i] : '\0';
}

int uiSaveString::operator==(const char* s) const {
    if (m_string == s)
        return 1;
    if (!m_string || !s)
        return 0;
    return std::strcmp(m_string, s) == 0 ? 1 : 0;
}

int uiSaveString::operator==(const uiSaveString& other) const {
    return *this == other.m_string;
}

uiSaveString uiSaveString::operator+(const char* s) const {
    if (!s || *s == '\0')
        return *this;
    if (empty())
        return uiSaveString(s);
    return uiSaveString(uiClaimOwnership, apconcat(2, m_string, s));
}

uiSaveString uiSaveString::operator+(const uiSaveString& other) const {
    return *this + other.m_string;
}

void uiSaveString::operator+=(const char* s) {
    if (!s || *s == '\0')
        return;
    const std::size_t old_length = static_cast<std::size_t>(m_length);
    const std::size_t added = std::strlen(s);
    char* joined = new char[old_length + added + 1];
    if (m_string)
        std::memcpy(joined, m_string, old_length);
    std::memcpy(joined + old_length, s, added + 1);
    int* count = new int(1);
    release();
    m_string = joined;
    m_count = count;
    m_length = static_cast<int>(old_length + added);
}

std::ostream& operator<<(std::ostream& os, const uiSaveString& s) {
    const char* text = s;
    if (text)
        os << text;
    return os;
}
