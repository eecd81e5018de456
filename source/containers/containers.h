// Circular doubly linked lists and a growable integer array.
//
// The list family is written once, as one class template per role, and used
// with three element kinds. Each use carries composed class names: the prefix
// (element type, "coDList", kind, "co", kind) followed by the role's ending.
//
//   prefix                        elements                       owns objects
//   uiSaveStringcoDListPtrcoPtr   uiSaveString*                  no
//   uiSaveStringcoDListPrgcoPrg   uiSaveString, in a holder      yes
//   uiResourcecoDListPrgcoPrg     uiResource, in a holder        yes
//
//   ending               role
//   (none, Prg only)     holder owning one object
//   coDLink              link: the two ring pointers
//   coDLinkItem          element: a link plus one value
//   coDListB             base list: the head link of the ring plus the count
//   coDListBcoIteratorB  basic iterator: list and current link
//   coDListBcoIterator   iterator that also keeps the index of its element
//   coDListBcoCursor     iterator that may change the list
//   coDList              full list: a base list with one built-in cursor
//   coDListcoIterator    iterator over a full list
//
// Positions: an iterator stands on an element (index 0 to size() - 1) or on
// the list's head, the undefined position (index -1), which lies before the
// first and after the last element at once. Stepping off either end lands on
// the head; one more step enters the list at the other end. `+=` and `-=`
// stop on the head and answer 0.
//
// Ownership: a list owns its items (one heap block per element; the head
// lives in the list object). A Ptr list never deletes the objects its
// pointers point at. A Prg list owns its objects: inserting a holder takes the
// object out of it (the holder is left empty even though it is passed as a
// constant reference), and removing, clearing or destroying deletes them.
// Iterators and cursors own nothing and must not outlive their list.
//
// Not every kind offers every operation: the uiSaveString Prg kind offers no
// reading at all, copying (utCopy) and the full list's walking operations
// belong to the Ptr kind only. An operation a kind does not offer does not
// compile for it. Every kind's iterator has reset(), which also sets the index
// to -1, and every full list has its cursor's operations.
//
// Broken preconditions: removing from or reading the first element of an
// empty list, reading at or removing from the undefined position, and `become`
// from the list itself are reported through ut_report_assert_failure and then
// change nothing (a read yields a reference to an empty scratch value that
// belongs to no list). Changing a list other than through the iterator at
// hand leaves that iterator's index stale; removing the element another
// iterator stands on leaves that iterator dangling.
//
// Not thread-safe: a list and its iterators belong to one thread at a time.
#pragma once

#include <type_traits>
#include <uiutil/export.h>
#include <uiutil/strings.h>
#include <uiutil/support.h>

// Tag of the link and item constructors: its place in the argument list
// selects the side on which the new link enters the ring (after the
// neighbour when it follows the neighbour, before it when it precedes it).
// Its value is never read.
enum coDItem { coDItemSide = 0 };

// Copy mode of the Ptr lists' copying constructors and become(). Every mode
// copies the same way, element by element, the pointer values.
enum utCopy { utCopyPointers = 0 };

class uiResource; // <uiutil/commands.h>; needed complete to use its lists

namespace uiutil_internal {

// Makes a member template exist only for the kinds that offer it.
template <bool offered> using Offered = std::enable_if_t<offered, int>;

// Reports a broken precondition of the list family; answers `ok`.
inline bool dlist_expect(bool ok, int line, const char* message) {
    if (!ok)
        ut_report_assert_failure(__FILE__, line, message);
    return ok;
}

template <class K> class DListHolder;

// The three kinds. `reads`: elements can be read. `copies`: the utCopy
// constructors, become(), the cursor's clear() and the full list's walking
// operations. `dereferences`: the holder gives access to its object.
struct SaveStringPtr {
    using Element = uiSaveString;
    using Value = uiSaveString*;
    using ReadRef = uiSaveString*&;
    static constexpr bool owning = false;
    static constexpr bool reads = true;
    static constexpr bool copies = true;
    static constexpr bool dereferences = false;
};
struct SaveStringPrg {
    using Element = uiSaveString;
    using Value = DListHolder<SaveStringPrg>;
    using ReadRef = const Value&;
    static constexpr bool owning = true;
    static constexpr bool reads = false;
    static constexpr bool copies = false;
    static constexpr bool dereferences = false;
};
struct ResourcePrg {
    using Element = uiResource;
    using Value = DListHolder<ResourcePrg>;
    using ReadRef = const Value&;
    static constexpr bool owning = true;
    static constexpr bool reads = true;
    static constexpr bool copies = false;
    static constexpr bool dereferences = true;
};

template <class K> class DLink;
template <class K> class DLinkItem;
template <class K> class DListB;
template <class K> class DListBIteratorB;
template <class K> class DListBIterator;
template <class K> class DListBCursor;
template <class K> class DList;
template <class K> class DListIterator;

// A reference to an empty value that belongs to no list: what a read that
// breaks its precondition yields.
template <class K> typename K::ReadRef dlist_scratch() {
    static typename K::Value scratch{};
    if constexpr (!K::owning)
        scratch = nullptr;
    return scratch;
}

// Holder (Prg kinds): owns one object, or none. Copying moves the object out
// of the source, which is left empty; a holder never shares its object.
template <class K> class DListHolder {
public:
    // The type of the object held.
    using Element = typename K::Element;

    // An empty holder.
    DListHolder() : m_object(nullptr) {}
    // Takes ownership of `object` (null makes an empty holder).
    DListHolder(Element* object) : m_object(object) {}
    // Moves the object out of `other`, which is left empty.
    DListHolder(const DListHolder& other) : m_object(other.m_object) { other.m_object = nullptr; }
    ~DListHolder() { delete_ptr(); }
    DListHolder& operator=(const DListHolder&) = delete;

    // The object held (resource kind only); the holder must not be empty.
    // The static analyzer follows paths on which a list's count and its ring
    // disagree (a count above 0 with an empty ring, or the reverse), which no
    // operation produces; the NOLINTs below mark the reports it makes there.
    template <class U = K, Offered<U::dereferences> = 0> Element& operator*() const {
        return *m_object; // NOLINT(clang-analyzer-core.uninitialized.UndefReturn)
    }
    // The object held, or null (resource kind only).
    template <class U = K, Offered<U::dereferences> = 0> operator Element*() const {
        return m_object;
    }

private:
    void delete_ptr() {
        delete m_object;
        m_object = nullptr;
    }

    mutable Element* m_object;
};

// Link: the two ring pointers. A new link is a ring of one.
template <class K> class DLink {
public:
    DLink() : m_next(this), m_prev(this) {}
    // Enters the ring of `at` directly after `at`.
    DLink(DLink* at, coDItem) : m_next(at->m_next), m_prev(at) {
        at->m_next->m_prev = this;
        at->m_next = this;
    }
    // Enters the ring of `at` directly before `at`.
    DLink(coDItem, DLink* at) : m_next(at), m_prev(at->m_prev) {
        at->m_prev->m_next = this;
        at->m_prev = this;
    }
    // Leaves the ring: the two neighbours are joined.
    ~DLink() {
        m_prev->m_next = m_next;
        m_next->m_prev = m_prev; // NOLINT(clang-analyzer-cplusplus.NewDelete): see DListHolder
    }
    DLink(const DLink&) = delete;
    DLink& operator=(const DLink&) = delete;

    // The next link of the ring (for a list's head: the first item).
    DLink* next() const { return m_next; } // NOLINT(clang-analyzer-cplusplus.NewDelete)
    // The previous link of the ring (for a list's head: the last item).
    DLink* prev() const { return m_prev; }

    // The value of the item this link belongs to; only for links that are
    // items, never for a list's head.
    template <class U = K, Offered<U::reads> = 0> typename K::ReadRef read() {
        return static_cast<DLinkItem<K>*>(this)->m_value;
    }

private:
    DLink* m_next;
    DLink* m_prev;
};

// Element: a link plus one value. For Prg kinds the value is a holder, so
// destroying the item deletes the object first; then the link leaves.
template <class K> class DLinkItem : public DLink<K> {
public:
    // Enters directly before `at`.
    DLinkItem(const typename K::Value& value, DLink<K>* at)
        : DLink<K>(coDItemSide, at), m_value(value) {}
    // Enters directly after `at`.
    DLinkItem(DLink<K>* at, const typename K::Value& value)
        : DLink<K>(at, coDItemSide), m_value(value) {}

private:
    friend class DLink<K>;
    typename K::Value m_value;
};

// Base list: the head of the ring (its next is the first item, its previous
// the last) and the number of items.
template <class K> class DListB : public DLink<K> {
public:
    DListB() : m_count(0) {}
    // A list holding the pointers of `other`, in order (Ptr kind).
    template <class U = K, Offered<U::copies> = 0>
    DListB(utCopy mode, const DListB& other) : m_count(0) {
        become(mode, other);
    }
    ~DListB() { clear(); }

    // Inserts `value` as the new first element (an owning list takes the object
    // out of the holder); answers 1.
    int insert_first(const typename K::Value& value) {
        new DLinkItem<K>(static_cast<DLink<K>*>(this), value);
        ++m_count;
        return 1;
    }
    // Appends `value` as the new last element (an owning list takes the object out
    // of the holder); answers 1.
    int insert_last(const typename K::Value& value) {
        new DLinkItem<K>(value, static_cast<DLink<K>*>(this));
        ++m_count;
        return 1;
    }
    // Frees the first (last) item; a Prg list deletes its object.
    void remove_first() {
        if (dlist_expect(m_count > 0, __LINE__, "remove_first on an empty list")) {
            delete static_cast<DLinkItem<K>*>(this->next());
            --m_count;
        }
    }
    // Frees the last item; on an empty list this is reported and nothing happens.
    void remove_last() {
        if (dlist_expect(m_count > 0, __LINE__, "remove_last on an empty list")) {
            delete static_cast<DLinkItem<K>*>(this->prev());
            --m_count;
        }
    }
    // Removes every element (an owning list deletes the objects).
    void clear() {
        while (m_count > 0)
            remove_first();
    }

    // The first element's value. On an empty list this is reported and the
    // answer is a scratch value that belongs to no list.
    template <class U = K, Offered<U::reads> = 0> typename K::ReadRef read_first() {
        if (!dlist_expect(m_count > 0, __LINE__, "read_first on an empty list"))
            return dlist_scratch<K>();
        return this->next()->read();
    }
    // 1 when the list has no elements, else 0.
    int empty() const { return m_count == 0; }
    // The number of elements.
    int size() const { return m_count; }

    // Clears this list, then appends each pointer of `other` in order; the
    // objects are shared, not copied. `other` must be another list.
    template <class U = K, Offered<U::copies> = 0> void become(utCopy, const DListB& other) {
        if (!dlist_expect(&other != this, __LINE__, "become from the list itself"))
            return;
        clear();
        for (DLink<K>* link = other.next(); link != &other; link = link->next())
            insert_last(link->read());
    }

protected:
    // Counts an item that a cursor linked in.
    void n_inc() { ++m_count; }
    // Uncounts an item that a cursor unlinked.
    void n_dec() { --m_count; }

private:
    friend class DListBCursor<K>;
    int m_count;
};

// Basic iterator: the list and the current link, which is an item or the
// head (undefined).
template <class K> class DListBIteratorB {
public:
    // An iterator over `list`, on the undefined position.
    explicit DListBIteratorB(const DListB<K>* list) : m_list(list), m_current(head_of(list)) {}

    // One step; 1 when it ends on an element, 0 on the head.
    int operator++() {
        m_current = m_current->next();
        return !undefined();
    }
    // One step back; 1 when it ends on an element, 0 on the head.
    int operator--() {
        m_current = m_current->prev();
        return !undefined();
    }
    // Up to n steps, stopping on the head with 0; n below 1 does nothing.
    int operator+=(int n) {
        for (int i = 0; i < n; ++i)
            if (!operator++())
                return 0;
        return 1;
    }
    // Up to n steps back, stopping on the head with 0; n below 1 does nothing.
    int operator-=(int n) {
        for (int i = 0; i < n; ++i)
            if (!operator--())
                return 0;
        return 1;
    }

    // The current element's value; the iterator must stand on an element.
    template <class U = K, Offered<U::reads> = 0> typename K::ReadRef operator()() const {
        if (!dlist_expect(!undefined(), __LINE__, "reading at the undefined position"))
            return dlist_scratch<K>();
        return m_current->read();
    }

    // 1 on the undefined position (the list's head), else 0.
    int undefined() const { return m_current == head_of(m_list); }
    // Back to the undefined position.
    void reset() { m_current = head_of(m_list); }
    // The number of elements of the list.
    int size() const { return m_list->size(); }

    // Two undefined iterators are equal whatever their lists.
    int operator==(const DListBIteratorB& other) const {
        if (undefined() || other.undefined())
            return undefined() && other.undefined();
        return m_current == other.m_current;
    }
    // The negation of ==.
    int operator!=(const DListBIteratorB& other) const { return !(*this == other); }

protected:
    struct DeferredHead {};
    // For a full list whose own base list is not built yet: the current link
    // is set by bind_head() once it is.
    DListBIteratorB(const DListB<K>* list, DeferredHead) : m_list(list), m_current(nullptr) {}
    // Puts the iterator on its list's head, once a full list's own base list is built.
    void bind_head() { m_current = head_of(m_list); }

    // The list, writable (for the cursors, which change it).
    DListB<K>* cheat() const { return const_cast<DListB<K>*>(m_list); }
    // The head link of `list`: the undefined position.
    static DLink<K>* head_of(const DListB<K>* list) {
        return const_cast<DLink<K>*>(static_cast<const DLink<K>*>(list));
    }

    // The list walked.
    const DListB<K>* m_list;
    // The current link: an item, or the list's head.
    DLink<K>* m_current;
};

// Iterator that keeps the 0-based index of its element, -1 when undefined.
template <class K> class DListBIterator : public DListBIteratorB<K> {

public:
    // An iterator over `list`, on the undefined position (index -1).
    explicit DListBIterator(const DListB<K>* list) : DListBIteratorB<K>(list), m_index(-1) {}

    // One step forward, keeping the index; 1 when it ends on an element, 0 on the
    // head.
    int operator++() {
        ++m_index;
        DListBIteratorB<K>::operator++();
        if (this->undefined())
            m_index = -1;
        return m_index >= 0;
    }
    // One step back, keeping the index (from the head, the last element, index
    // size() - 1); 1 when it ends on an element, 0 on the head.
    int operator--() {
        DListBIteratorB<K>::operator--();
        if (this->undefined()) {
            m_index = -1;
            return 0;
        }
        m_index = m_index == -1 ? this->size() - 1 : m_index - 1;
        return 1;
    }
    // Up to n steps forward, keeping the index; stops on the head with 0.
    int operator+=(int n) {
        for (int i = 0; i < n; ++i)
            if (!operator++())
                return 0;
        return 1;
    }
    // Up to n steps back, keeping the index; stops on the head with 0.
    int operator-=(int n) {
        for (int i = 0; i < n; ++i)
            if (!operator--())
                return 0;
        return 1;
    }

    // Walks from the current position to element i: the undefined position
    // when i is negative or at or beyond the count. From the undefined
    // position, i below -1 counts back from the end (-2 is the last element).
    void set_index(int i) {
        long long d = static_cast<long long>(i) - m_index;
        const long long most = 0x7fffffff; // more steps than that reach the head anyway
        if (d >= 0)
            *this += static_cast<int>(d < most ? d : most);
        else
            *this -= static_cast<int>(-d < most ? -d : most);
    }
    // The current element's 0-based index, -1 on the undefined position.
    int index() const { return m_index; }
    // Back to the undefined position (index -1).
    void reset() { go_undefined(); }

protected:
    // For a full list whose own base list is not built yet (see bind_head).
    DListBIterator(const DListB<K>* list, typename DListBIteratorB<K>::DeferredHead)
        : DListBIteratorB<K>(list, typename DListBIteratorB<K>::DeferredHead()), m_index(-1) {}
    // Moves to the undefined position and sets the index to -1.
    void go_undefined() {
        DListBIteratorB<K>::reset();
        m_index = -1;
    }

    // The current element's index, -1 when undefined.
    int m_index;
};

// Iterator that changes its list; it keeps its index right as long as the
// list is changed only through it.
template <class K> class DListBCursor : public DListBIterator<K> {

public:
    // A cursor over `list`, on the undefined position.
    explicit DListBCursor(DListB<K>* list) : DListBIterator<K>(list) {}

    // A new first element; a cursor on an element stays on it.
    int insert_first(const typename K::Value& value) {
        int result = this->cheat()->insert_first(value);
        if (!this->undefined())
            ++this->m_index;
        return result;
    }
    // Appends `value`; the cursor stays where it is. Answers 1.
    int insert_last(const typename K::Value& value) { return this->cheat()->insert_last(value); }
    // Directly after the current element; from the undefined position the
    // new element is the first.
    int insert_after(const typename K::Value& value) {
        new DLinkItem<K>(this->m_current, value);
        this->cheat()->n_inc();
        return 1;
    }
    // Directly before the current element, which keeps the cursor; from the
    // undefined position the new element is the last.
    int insert_before(const typename K::Value& value) {
        new DLinkItem<K>(value, this->m_current);
        this->cheat()->n_inc();
        if (!this->undefined())
            ++this->m_index;
        return 1;
    }

    // Removes the current element; the cursor moves to the one that followed
    // it (same index), or becomes undefined after the last.
    void remove() {
        if (!dlist_expect(!this->undefined(), __LINE__, "remove at the undefined position"))
            return;
        DLink<K>* next = this->m_current->next();
        unlink_current();
        this->m_current = next;
        if (this->undefined())
            this->m_index = -1;
    }
    // Removes the current element; the cursor moves to the one before it,
    // or becomes undefined when it removed the first.
    void remove_backwards() {
        if (!dlist_expect(!this->undefined(), __LINE__, "remove at the undefined position"))
            return;
        DLink<K>* prev = this->m_current->prev();
        unlink_current();
        this->m_current = prev;
        this->m_index = this->undefined() ? -1 : this->m_index - 1;
    }
    // A cursor on the first element moves to the new first one.
    void remove_first() {
        DListB<K>* list = this->cheat();
        if (!dlist_expect(!list->empty(), __LINE__, "remove_first on an empty list"))
            return;
        if (this->undefined()) {
            list->remove_first();
        } else if (this->m_current == list->next()) {
            this->m_current = this->m_current->next();
            list->remove_first();
            this->m_index = this->undefined() ? -1 : 0;
        } else {
            list->remove_first();
            --this->m_index;
        }
    }
    // A cursor on the last element becomes undefined.
    void remove_last() {
        DListB<K>* list = this->cheat();
        if (!dlist_expect(!list->empty(), __LINE__, "remove_last on an empty list"))
            return;
        if (this->m_current == list->prev())
            this->go_undefined();
        list->remove_last();
    }
    // Removes every element; the cursor becomes undefined (pointer kind only).
    template <class U = K, Offered<U::copies> = 0> void clear() {
        this->cheat()->clear();
        this->go_undefined();
    }

    // 1 when the list has no elements, else 0.
    template <class U = K, Offered<U::reads> = 0> int empty() const {
        return this->m_list->empty();
    }
    // The first element's value (reported, with a scratch answer, on an empty
    // list).
    template <class U = K, Offered<U::reads> = 0> typename K::ReadRef read_first() {
        return this->cheat()->read_first();
    }

protected:
    // For a full list whose own base list is not built yet.
    DListBCursor(DListB<K>* list, typename DListBIteratorB<K>::DeferredHead)
        : DListBIterator<K>(list, typename DListBIteratorB<K>::DeferredHead()) {}

private:
    void unlink_current() {
        delete static_cast<DLinkItem<K>*>(this->m_current);
        this->cheat()->n_dec();
    }
};

// Full list: a base list of its own walked by one built-in cursor. Clients
// cannot copy or assign it (the Ptr kind copies explicitly, with utCopy).
template <class K> class DList : public DListBCursor<K> {

public:
    DList() : DListBCursor<K>(&m_base_list, typename DListBIteratorB<K>::DeferredHead()) {
        this->bind_head();
    }
    template <class U = K, Offered<U::copies> = 0>
    // A list holding other's pointers, in order (pointer kind only); the objects
    // are shared, not copied. The cursor is undefined.
    DList(utCopy mode, const DList& other)
        : DListBCursor<K>(&m_base_list, typename DListBIteratorB<K>::DeferredHead()),
          m_base_list(mode, other.m_base_list) {
        this->bind_head();
    }

    // Clears the list and copies the pointers of `other` in order; the
    // cursor becomes undefined. Nothing happens when `other` is this list.
    template <class U = K, Offered<U::copies> = 0> void become(utCopy mode, const DList& other) {
        if (&other == this)
            return;
        this->clear();
        m_base_list.become(mode, other.m_base_list);
    }
    // One step of the built-in cursor forward: 1 on an element, 0 on the head
    // (pointer kind only).
    template <class U = K, Offered<U::copies> = 0> int forwards() {
        return DListBIterator<K>::operator++();
    }
    // One step of the built-in cursor back: 1 on an element, 0 on the head
    // (pointer kind only).
    template <class U = K, Offered<U::copies> = 0> int backwards() {
        return DListBIterator<K>::operator--();
    }
    // The value the built-in cursor stands on (pointer kind only).
    template <class U = K, Offered<U::copies> = 0> typename K::ReadRef read() { return (*this)(); }

protected:
    // An empty list: the source's elements are not copied.
    DList(const DList&)
        : DListBCursor<K>(&m_base_list, typename DListBIteratorB<K>::DeferredHead()) {
        this->bind_head();
    }
    // Does nothing.
    void operator=(const DList&) const {}

    // The list's own elements, walked by the built-in cursor.
    DListB<K> m_base_list;

private:
    friend class DListIterator<K>;
};

// Iterator over a full list's own base list, undefined at first.
template <class K> class DListIterator : public DListBIterator<K> {
public:
    template <class U = K, Offered<U::reads> = 0>
    // An iterator over the full list `list`, on the undefined position.
    explicit DListIterator(const DList<K>* list) : DListBIterator<K>(&list->m_base_list) {}
};

} // namespace uiutil_internal

// ---- uiSaveString pointers (not owned) -------------------------------------
// The ring link of the lists of uiSaveString pointers (not owned).
typedef uiutil_internal::DLink<uiutil_internal::SaveStringPtr> uiSaveStringcoDListPtrcoPtrcoDLink;
// An element of the lists of uiSaveString pointers (not owned).
typedef uiutil_internal::DLinkItem<uiutil_internal::SaveStringPtr>
    uiSaveStringcoDListPtrcoPtrcoDLinkItem;
// The base list of uiSaveString pointers (not owned): the ring's head and the count.
typedef uiutil_internal::DListB<uiutil_internal::SaveStringPtr> uiSaveStringcoDListPtrcoPtrcoDListB;
// The basic iterator over a base list of uiSaveString pointers (not owned).
typedef uiutil_internal::DListBIteratorB<uiutil_internal::SaveStringPtr>
    uiSaveStringcoDListPtrcoPtrcoDListBcoIteratorB;
// An iterator over a base list of uiSaveString pointers (not owned) that keeps its index.
typedef uiutil_internal::DListBIterator<uiutil_internal::SaveStringPtr>
    uiSaveStringcoDListPtrcoPtrcoDListBcoIterator;
// A cursor over a base list of uiSaveString pointers (not owned): an iterator that changes the
// list.
typedef uiutil_internal::DListBCursor<uiutil_internal::SaveStringPtr>
    uiSaveStringcoDListPtrcoPtrcoDListBcoCursor;
// The full list of uiSaveString pointers (not owned): a base list with one built-in cursor.
typedef uiutil_internal::DList<uiutil_internal::SaveStringPtr> uiSaveStringcoDListPtrcoPtrcoDList;
// An iterator over a full list of uiSaveString pointers (not owned).
typedef uiutil_internal::DListIterator<uiutil_internal::SaveStringPtr>
    uiSaveStringcoDListPtrcoPtrcoDListcoIterator;

// ---- uiSaveString objects (owned) ------------------------------------------
// The holder that owns one uiSaveString of the lists of owned uiSaveString objects.
typedef uiutil_internal::DListHolder<uiutil_internal::SaveStringPrg> uiSaveStringcoDListPrgcoPrg;
// The ring link of the lists of owned uiSaveString objects.
typedef uiutil_internal::DLink<uiutil_internal::SaveStringPrg> uiSaveStringcoDListPrgcoPrgcoDLink;
// An element of the lists of owned uiSaveString objects.
typedef uiutil_internal::DLinkItem<uiutil_internal::SaveStringPrg>
    uiSaveStringcoDListPrgcoPrgcoDLinkItem;
// The base list of owned uiSaveString objects: the ring's head and the count.
typedef uiutil_internal::DListB<uiutil_internal::SaveStringPrg> uiSaveStringcoDListPrgcoPrgcoDListB;
// The basic iterator over a base list of owned uiSaveString objects.
typedef uiutil_internal::DListBIteratorB<uiutil_internal::SaveStringPrg>
    uiSaveStringcoDListPrgcoPrgcoDListBcoIteratorB;
// An iterator over a base list of owned uiSaveString objects that keeps its index.
typedef uiutil_internal::DListBIterator<uiutil_internal::SaveStringPrg>
    uiSaveStringcoDListPrgcoPrgcoDListBcoIterator;
// A cursor over a base list of owned uiSaveString objects: an iterator that changes the list.
typedef uiutil_internal::DListBCursor<uiutil_internal::SaveStringPrg>
    uiSaveStringcoDListPrgcoPrgcoDListBcoCursor;
// The full list of owned uiSaveString objects: a base list with one built-in cursor.
typedef uiutil_internal::DList<uiutil_internal::SaveStringPrg> uiSaveStringcoDListPrgcoPrgcoDList;
// An iterator over a full list of owned uiSaveString objects.
typedef uiutil_internal::DListIterator<uiutil_internal::SaveStringPrg>
    uiSaveStringcoDListPrgcoPrgcoDListcoIterator;

// ---- uiResource objects (owned); used by uiResourceList ---------------------
// The holder that owns one uiResource of the lists of owned uiResource objects.
typedef uiutil_internal::DListHolder<uiutil_internal::ResourcePrg> uiResourcecoDListPrgcoPrg;
// The ring link of the lists of owned uiResource objects.
typedef uiutil_internal::DLink<uiutil_internal::ResourcePrg> uiResourcecoDListPrgcoPrgcoDLink;
// An element of the lists of owned uiResource objects.
typedef uiutil_internal::DLinkItem<uiutil_internal::ResourcePrg>
    uiResourcecoDListPrgcoPrgcoDLinkItem;
// The base list of owned uiResource objects: the ring's head and the count.
typedef uiutil_internal::DListB<uiutil_internal::ResourcePrg> uiResourcecoDListPrgcoPrgcoDListB;
// The basic iterator over a base list of owned uiResource objects.
typedef uiutil_internal::DListBIteratorB<uiutil_internal::ResourcePrg>
    uiResourcecoDListPrgcoPrgcoDListBcoIteratorB;
// An iterator over a base list of owned uiResource objects that keeps its index.
typedef uiutil_internal::DListBIterator<uiutil_internal::ResourcePrg>
    uiResourcecoDListPrgcoPrgcoDListBcoIterator;
// A cursor over a base list of owned uiResource objects: an iterator that changes the list.
typedef uiutil_internal::DListBCursor<uiutil_internal::ResourcePrg>
    uiResourcecoDListPrgcoPrgcoDListBcoCursor;
// The full list of owned uiResource objects: a base list with one built-in cursor.
typedef uiutil_internal::DList<uiutil_internal::ResourcePrg> uiResourcecoDListPrgcoPrgcoDList;
// An iterator over a full list of owned uiResource objects.
typedef uiutil_internal::DListIterator<uiutil_internal::ResourcePrg>
    uiResourcecoDListPrgcoPrgcoDListcoIterator;

// ---- Growable integer array ------------------------------------------------

// Signed integers in one heap block of `capacity()` ints, of which the first
// `count()` are in use. Storage is not initialised. Copying is not offered
// (the array owns its block).
class UIUTIL_API uiIntArray {
public:
    // Storage for `capacity` ints, count 0. A negative capacity, or one whose
    // size in bytes does not fit in 32 bits, fails as the allocator does
    // (std::bad_alloc).
    explicit uiIntArray(int capacity);
    ~uiIntArray();
    uiIntArray(const uiIntArray&) = delete;
    uiIntArray& operator=(const uiIntArray&) = delete;

    // Element `index` when 0 <= index < count(); otherwise a scratch int that
    // belongs to no element (reading it gives an unspecified value, writing
    // it changes no element).
    int& operator[](int index) const;

    // Stores `value` at index count() and raises the count; answers that
    // index. When the array is full its capacity first doubles (an empty
    // capacity becomes 4). Fails as the allocator does when the capacity
    // cannot grow any further; the array is then unchanged.
    int append(int value);

    // The number of elements in use.
    int count() const { return m_count; }
    // The number of ints the storage has room for.
    int capacity() const { return m_capacity; }

protected:
    // Multiplies the capacity by `factor`, truncating toward zero, and moves
    // the elements in use to new storage. A factor that would leave fewer
    // places than count() (a small, zero, negative or NaN factor) is clamped:
    // the new capacity is count(), so no element is ever lost. A capacity
    // whose size in bytes would not fit in 32 bits fails as the allocator
    // does, and the array keeps its storage.
    void grow(double factor);

private:
    void reallocate(int capacity);

    int* m_storage;
    int m_capacity;
    int m_count;
};
