// Run-time type records, compared by name.
#include <uiutil/support.h>

#include <cstring>

utTypeID::utTypeID(utTypeMaker maker, const char* name) : m_maker(maker), m_name(nullptr) {
    const char* text = name ? name : "";
    const std::size_t n = std::strlen(text);
    m_name = new char[n + 1];
    std::memcpy(m_name, text, n + 1);
}

utTypeID::~utTypeID() {
    delete[] m_name;
}

const char* utTypeID::name() const {
    return m_name;
}

utTypeMaker utTypeID::maker() const {
    return m_maker;
}

int utTypeID::is_same_type(const utTypeID& other) const {
    return (this == &other || std::strcmp(m_name, other.m_name) == 0) ? 1 : 0;
}
