// Resources: a value kind with a value text, or an update code.
#include <uiutil/commands.h>

#include <cstdint>

namespace {

// Left in a released string pointer.
uiSaveString* const kReleased = reinterpret_cast<uiSaveString*>(std::uintptr_t(0x2BAD2BAD));

bool is_reserved(uiValType type) {
    return type == uiVALTYPE_REFERENCE || type == uiVALTYPE_UPDATE;
}

} // namespace

uiResource::uiResource(const uiSaveString& value, uiValType type) : m_type(type) {
    if (is_reserved(type)) {
        ut_report_assert_failure(__FILE__, __LINE__,
                                 "uiResource: a reserved kind given with a value text");
        m_type = uiVALTYPE_ERROR;
    }
    m_value.string = new uiSaveString(value);
}

uiResource::uiResource(uiUpdate u) : m_type(uiVALTYPE_UPDATE) {
    m_value.update = u;
}

uiResource::uiResource(const uiResource&) : m_type(uiVALTYPE_UPDATE) {
    m_value.update = uiUPDATE_COPIED;
}

uiResource::~uiResource() {
    if (is_resource()) {
        delete m_value.string;
        m_value.string = kReleased;
    }
}

void uiResource::operator=(const uiResource& r) {
    if (&r == this)
        return;
    // The new copy is made first, so a failed allocation leaves this
    // resource as it was.
    Value value = r.m_value;
    if (r.is_resource())
        value.string = new uiSaveString(r.m_value.string ? *r.m_value.string : uiSaveString());
    if (is_resource())
        delete m_value.string;
    m_value = value;
    m_type = r.m_type;
}

int uiResource::is_resource() const {
    return !is_reserved(m_type);
}

uiUpdate uiResource::reset_option() const {
    return static_cast<uiUpdate>(m_value.update);
}

const uiSaveString& uiResource::value() const {
    static const uiSaveString no_value;
    if (m_type == uiVALTYPE_UPDATE || !m_value.string)
        return no_value;
    return *m_value.string;
}

void uiResource::value(const uiSaveString& v) {
    if (m_type != uiVALTYPE_UPDATE && m_value.string)
        *m_value.string = v;
}
