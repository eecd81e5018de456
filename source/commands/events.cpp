// The event family and info objects. Each event class compares its own type
// record and then asks its base's; the records are load-time objects (see
// load_time_objects.cpp).
#include <uiutil/commands.h>

uiInfo::uiInfo() {}

uiInfo::~uiInfo() {}

uiEvent::uiEvent() {}

uiEvent::~uiEvent() {}

const utTypeID& uiEvent::ut_static_type() {
    return s_ut_type_id;
}

const utTypeID& uiEvent::ut_dynamic_type() const {
    return s_ut_type_id;
}

int uiEvent::ut_is_kind_of(const utTypeID& t) const {
    return s_ut_type_id.is_same_type(t);
}

uiEvent* uiEvent::ut_dynamic_cast(const uiEvent* e) {
    if (e && e->ut_is_kind_of(uiEvent::ut_static_type()))
        return const_cast<uiEvent*>(e);
    return nullptr;
}

uiSystemEvent::uiSystemEvent(const uiSaveString& name) : m_name(name) {}

uiSystemEvent::~uiSystemEvent() {}

const utTypeID& uiSystemEvent::ut_static_type() {
    return s_ut_type_id;
}

const utTypeID& uiSystemEvent::ut_dynamic_type() const {
    return s_ut_type_id;
}

int uiSystemEvent::ut_is_kind_of(const utTypeID& t) const {
    if (s_ut_type_id.is_same_type(t))
        return 1;
    return uiEvent::ut_is_kind_of(t) ? 1 : 0;
}

uiSystemEvent* uiSystemEvent::ut_dynamic_cast(const uiEvent* e) {
    if (e && e->ut_is_kind_of(uiSystemEvent::ut_static_type()))
        return static_cast<uiSystemEvent*>(const_cast<uiEvent*>(e));
    return nullptr;
}
