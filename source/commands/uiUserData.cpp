// User data: a string quoted with the class-wide delimiter set, with a
// run-time type identity. The class-wide set and the type record are
// load-time objects (see load_time_objects.cpp).
#include <uiutil/commands.h>

uiUserData::uiUserData(const char* s) : uiSaveString(s) {}

uiUserData::uiUserData(const uiSaveString& s) : uiSaveString(s) {}

uiUserData::uiUserData(const uiUserData& u) : uiSaveString(u) {}

uiUserData::~uiUserData() {}

void uiUserData::operator=(const uiUserData& u) {
    uiSaveString::operator=(u);
}

const uiDelimiter& uiUserData::delimiter() {
    return m_delimiter;
}

const uiDelimiter& uiUserData::delimiter(const uiDelimiter& d) {
    static uiDelimiter previous;
    // d may be the object an earlier call returned (a caller restoring the
    // set it replaced): take its value before that object is overwritten.
    const uiDelimiter wanted(d); // NOLINT(performance-unnecessary-copy-initialization)
    previous = m_delimiter;
    m_delimiter = wanted;
    return previous;
}

const utTypeID& uiUserData::ut_static_type() {
    return s_ut_type_id;
}

const utTypeID& uiUserData::ut_dynamic_type() const {
    return s_ut_type_id;
}

int uiUserData::ut_is_kind_of(const utTypeID& t) const {
    return s_ut_type_id.is_same_type(t);
}

const uiSaveString& uiUserData::get_delimited() const {
    static uiSaveString result;
    if (!empty() && m_delimiter.get_delimiters())
        m_delimiter.delimit_string(*this, result);
    else
        result = *this;
    return result;
}

uiUserData* uiUserData::ut_dynamic_cast(const uiUserData* p) {
    if (p && p->ut_is_kind_of(ut_static_type()))
        return const_cast<uiUserData*>(p);
    return nullptr;
}
