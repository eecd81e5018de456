// Resource lists and the iterator and cursor that walk them.
#include <uiutil/commands.h>

uiResourceList::uiResourceList() {}

uiResourceList::~uiResourceList() {}

void uiResourceList::add_uiResource(uiUpdate u) {
    if (!m_list.empty()) {
        const uiResource& first = *m_list.read_first();
        if (first.type() == uiVALTYPE_UPDATE && first.reset_option() == u)
            return;
    }
    m_list.insert_last(uiResourcecoDListPrgcoPrg(new uiResource(u)));
}

void uiResourceList::add_uiResource(const uiSaveString& value, uiValType type) {
    if (!m_list.empty()) {
        const uiResource& first = *m_list.read_first();
        if (first.type() == type && first.value() == value)
            return;
    }
    m_list.insert_last(uiResourcecoDListPrgcoPrg(new uiResource(value, type)));
}

int uiResourceList::empty() const {
    return m_list.size() == 0;
}

int uiResourceList::size() const {
    return m_list.size();
}

uiResourceListCursor uiResourceList::get_cursor() {
    return uiResourceListCursor(*this);
}

uiResourceListIter uiResourceList::get_iter() const {
    return uiResourceListIter(*this);
}

uiResourceListIter::uiResourceListIter(const uiResourceList& l)
    : m_iter(uiResourcecoDListPrgcoPrgcoDListcoIterator(&l.m_list)) {}

uiResourceListIter::uiResourceListIter(const uiResourceListIter& i) : m_iter(i.m_iter) {}

uiResourceListIter::~uiResourceListIter() {}

int uiResourceListIter::operator++() {
    return ++m_iter;
}

int uiResourceListIter::operator--() {
    return --m_iter;
}

void uiResourceListIter::reset() {
    m_iter.reset();
}

const uiResource& uiResourceListIter::operator()() const {
    if (m_iter.undefined()) {
        static uiResource scratch{uiUpdate(0)};
        ut_report_assert_failure(__FILE__, __LINE__, "uiResourceListIter: no current resource");
        return scratch;
    }
    return *m_iter();
}

int uiResourceListIter::size() const {
    return m_iter.size();
}

uiResourceListCursor::uiResourceListCursor(uiResourceList& l) : uiResourceListIter(l) {}

uiResourceListCursor::uiResourceListCursor(const uiResourceListCursor& c) : uiResourceListIter(c) {}

uiResourceListCursor::~uiResourceListCursor() {}

uiResource& uiResourceListCursor::operator()() {
    return const_cast<uiResource&>(uiResourceListIter::operator()());
}
