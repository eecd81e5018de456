// The doubly linked list family: stepping, cursor bookkeeping, ownership.
#include <gtest/gtest.h>
#include <string>
#include <uiutil/containers.h>
#include <vector>

namespace {

using PtrList = uiSaveStringcoDListPtrcoPtrcoDList;
using PtrListB = uiSaveStringcoDListPtrcoPtrcoDListB;
using PtrIter = uiSaveStringcoDListPtrcoPtrcoDListBcoIterator;
using PtrIterB = uiSaveStringcoDListPtrcoPtrcoDListBcoIteratorB;
using PtrCursor = uiSaveStringcoDListPtrcoPtrcoDListBcoCursor;
using PtrListIter = uiSaveStringcoDListPtrcoPtrcoDListcoIterator;

// Counts failed-assertion reports while it lives.
struct AssertCounter {
    int reports = 0;
    AssertCounter() {
        ut_set_assert_handler([](const char*, int, const char*,
                                 void* self) { ++static_cast<AssertCounter*>(self)->reports; },
                              this);
    }
    ~AssertCounter() { ut_set_assert_handler(nullptr, nullptr); }
};

// The texts of a list, first to last, read through a fresh iterator.
std::string texts(const PtrListB& list) {
    std::string out;
    PtrIter it(&list);
    while (++it)
        out += static_cast<const char*>(*it());
    return out;
}

struct Strings {
    uiSaveString a{"a"}, b{"b"}, c{"c"}, d{"d"};
};

TEST(DList, EmptyListIteration) {
    PtrListB list;
    PtrIter it(&list);
    EXPECT_EQ(0, ++it);
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(0, --it);
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(0, it.size());
    EXPECT_EQ(1, list.empty());
}

TEST(DList, WalkingWrapsThroughTheUndefinedPosition) {
    Strings s;
    PtrListB list;
    list.insert_last(&s.a);
    list.insert_last(&s.b);
    list.insert_first(&s.c);
    EXPECT_EQ("cab", texts(list));

    PtrIter it(&list);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(1, ++it);
        EXPECT_EQ(i, it.index());
    }
    EXPECT_EQ(0, ++it);
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(1, it.undefined());
    EXPECT_EQ(1, ++it);
    EXPECT_EQ(0, it.index());

    it.reset();
    EXPECT_EQ(1, --it);
    EXPECT_EQ(2, it.index());
    EXPECT_EQ(&s.b, it());
    EXPECT_EQ(1, --it);
    EXPECT_EQ(1, it.index());

    // The basic iterator steps the same way, without an index.
    PtrIterB basic(&list);
    EXPECT_EQ(1, --basic);
    EXPECT_EQ(&s.b, basic());
    EXPECT_EQ(0, ++basic);
    EXPECT_EQ(1, basic.undefined());
}

TEST(DList, StepCountsStopAtTheHead) {
    Strings s;
    PtrListB list;
    list.insert_last(&s.a);
    list.insert_last(&s.b);
    list.insert_last(&s.c);
    PtrIter it(&list);
    EXPECT_EQ(1, it += 0);
    EXPECT_EQ(1, it += -3);
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(0, it += 5);
    EXPECT_EQ(1, it.undefined());
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(1, it += 3);
    EXPECT_EQ(2, it.index());
    EXPECT_EQ(1, it -= 2);
    EXPECT_EQ(0, it.index());
    EXPECT_EQ(0, it -= 2);
    EXPECT_EQ(-1, it.index());
}

TEST(DList, SetIndex) {
    Strings s;
    PtrListB list;
    list.insert_last(&s.a);
    list.insert_last(&s.b);
    list.insert_last(&s.c);
    PtrIter it(&list);
    it.set_index(1);
    EXPECT_EQ(&s.b, it());
    it.set_index(2);
    EXPECT_EQ(&s.c, it());
    it.set_index(0);
    EXPECT_EQ(&s.a, it());
    it.set_index(3);
    EXPECT_EQ(1, it.undefined());
    EXPECT_EQ(-1, it.index());
    it.set_index(-2); // from the undefined position: the last element
    EXPECT_EQ(&s.c, it());
    EXPECT_EQ(2, it.index());
    it.set_index(-1);
    EXPECT_EQ(1, it.undefined());
    it.set_index(-2147483647 - 1);
    EXPECT_EQ(1, it.undefined());
    it.set_index(2147483647);
    EXPECT_EQ(1, it.undefined());
}

TEST(DList, Equality) {
    Strings s;
    PtrListB one, two;
    one.insert_last(&s.a);
    one.insert_last(&s.b);
    PtrIter x(&one), y(&two), z(&one);
    EXPECT_EQ(1, x == y);
    ++x;
    EXPECT_EQ(0, x == y);
    EXPECT_EQ(1, x != z);
    ++z;
    EXPECT_EQ(1, x == z);
    ++z;
    EXPECT_EQ(0, x == z);
}

TEST(DList, CursorInsertionKeepsItsElementAndIndex) {
    Strings s;
    PtrListB list;
    PtrCursor cur(&list);
    cur.insert_after(&s.a);  // undefined: becomes the first
    cur.insert_before(&s.b); // undefined: becomes the last
    EXPECT_EQ("ab", texts(list));
    EXPECT_EQ(-1, cur.index());

    ++cur; // on "a", index 0
    cur.insert_before(&s.c);
    EXPECT_EQ("cab", texts(list));
    EXPECT_EQ(&s.a, cur());
    EXPECT_EQ(1, cur.index());

    cur.insert_first(&s.d);
    EXPECT_EQ(2, cur.index());
    EXPECT_EQ(&s.a, cur());
    cur.insert_after(&s.d);
    cur.insert_last(&s.c);
    EXPECT_EQ("dcadbc", texts(list));
    EXPECT_EQ(2, cur.index());
    EXPECT_EQ(&s.a, cur());

    cur.reset();
    cur.insert_first(&s.a);
    EXPECT_EQ(-1, cur.index());
    EXPECT_EQ(7, cur.size());
    EXPECT_EQ(1, cur.undefined());
}

TEST(DList, CursorRemoval) {
    Strings s;
    PtrListB list;
    for (uiSaveString* p : {&s.a, &s.b, &s.c, &s.d})
        list.insert_last(p);
    PtrCursor cur(&list);

    cur.set_index(1);
    cur.remove(); // "b" goes; cursor on "c", still index 1
    EXPECT_EQ("acd", texts(list));
    EXPECT_EQ(1, cur.index());
    EXPECT_EQ(&s.c, cur());

    cur.remove_backwards(); // "c" goes; cursor on "a", index 0
    EXPECT_EQ("ad", texts(list));
    EXPECT_EQ(0, cur.index());
    EXPECT_EQ(&s.a, cur());

    cur.remove_backwards(); // removed the first: undefined
    EXPECT_EQ("d", texts(list));
    EXPECT_EQ(-1, cur.index());
    EXPECT_EQ(1, cur.undefined());

    list.insert_last(&s.b);
    cur.set_index(1);
    cur.remove(); // removed the last: undefined
    EXPECT_EQ("d", texts(list));
    EXPECT_EQ(-1, cur.index());
    EXPECT_EQ(1, cur.undefined());
}

TEST(DList, CursorRemoveFirstAndLast) {
    Strings s;
    PtrListB list;
    for (uiSaveString* p : {&s.a, &s.b, &s.c, &s.d})
        list.insert_last(p);
    PtrCursor cur(&list);

    cur.set_index(2); // on "c"
    cur.remove_first();
    EXPECT_EQ(1, cur.index());
    EXPECT_EQ(&s.c, cur());

    cur.set_index(0); // on "b", the first
    cur.remove_first();
    EXPECT_EQ(0, cur.index());
    EXPECT_EQ(&s.c, cur());
    EXPECT_EQ("cd", texts(list));

    cur.remove_last(); // not on the last: unchanged
    EXPECT_EQ(0, cur.index());
    EXPECT_EQ(&s.c, cur());
    cur.remove_last(); // on the last: undefined first
    EXPECT_EQ(-1, cur.index());
    EXPECT_EQ(1, list.empty());

    list.insert_last(&s.a);
    cur.reset();
    cur.remove_first(); // undefined stays undefined
    EXPECT_EQ(1, cur.undefined());

    list.insert_last(&s.a);
    ++cur;
    cur.remove_first(); // on the only element
    EXPECT_EQ(1, list.empty());
    EXPECT_EQ(1, cur.undefined());
    EXPECT_EQ(-1, cur.index());
}

TEST(DList, BrokenPreconditionsAreReportedAndChangeNothing) {
    AssertCounter counter;
    Strings s;
    PtrList list;
    list.remove_first();
    list.remove_last();
    list.remove();
    list.remove_backwards();
    EXPECT_EQ(nullptr, list.read_first());
    EXPECT_EQ(nullptr, list.read());
    EXPECT_EQ(6, counter.reports);

    list.insert_last(&s.a);
    list.remove(); // undefined cursor
    EXPECT_EQ(1, list.size());
    uiSaveString*& scratch = list.read(); // writing the scratch value reaches no element
    scratch = &s.b;
    ++list;
    EXPECT_EQ(&s.a, list.read());
    EXPECT_EQ(8, counter.reports);

    PtrListB base;
    base.insert_last(&s.a);
    base.become(utCopyPointers, base);
    EXPECT_EQ(1, base.size());
    EXPECT_EQ(9, counter.reports);
}

TEST(DList, FullListOfPointers) {
    Strings s;
    PtrList list;
    EXPECT_EQ(1, list.empty());
    list.insert_last(&s.b);
    list.insert_first(&s.a);
    list.insert_last(&s.d);
    EXPECT_EQ(3, list.size());
    EXPECT_EQ(&s.a, list.read_first());

    EXPECT_EQ(1, list.forwards());
    EXPECT_EQ(&s.a, list.read());
    list.insert_after(&s.c); // a c b d
    list.set_index(1);
    EXPECT_EQ(&s.c, list.read());
    list.remove(); // cursor now on "b"
    EXPECT_EQ(&s.b, list.read());
    EXPECT_EQ(1, list.backwards());
    EXPECT_EQ(0, list.index());

    // The list's pointers can be changed through a read.
    list.read() = &s.c;
    PtrListIter it(&list);
    ++it;
    EXPECT_EQ(&s.c, it());

    PtrList copy(utCopyPointers, list);
    EXPECT_EQ(3, copy.size());
    EXPECT_EQ(-1, copy.index());
    copy.become(utCopyPointers, copy);
    EXPECT_EQ(3, copy.size());

    PtrList other;
    other.insert_last(&s.a);
    other.forwards();
    other.become(utCopyPointers, list);
    EXPECT_EQ(-1, other.index());
    EXPECT_EQ(1, other.undefined());
    PtrListIter a(&other), b(&list);
    while (++a && ++b)
        EXPECT_EQ(a(), b());
    EXPECT_EQ(1, a.undefined());

    list.clear();
    EXPECT_EQ(1, list.empty());
    EXPECT_EQ(-1, list.index());
    // The pointer lists never delete their objects.
    EXPECT_EQ(std::string("a"), static_cast<const char*>(s.a));
}

// An element type whose destructor counts, to check the owning kinds.
int g_deleted;
struct Counted : uiSaveString {
    explicit Counted(const char* text) : uiSaveString(text) {}
    ~Counted() override { ++g_deleted; }
};

TEST(DList, OwningListsDeleteEachObjectOnce) {
    using Holder = uiSaveStringcoDListPrgcoPrg;
    g_deleted = 0;
    {
        uiSaveStringcoDListPrgcoPrgcoDList list;
        Holder h(new Counted("x"));
        list.insert_last(h);
        list.insert_first(Holder(new Counted("y")));
        list.insert_after(Holder(new Counted("z")));
        list.insert_before(Holder(new Counted("w")));
        // The holder handed over its object: destroying it deletes nothing.
        { Holder moved(h); }
        EXPECT_EQ(0, g_deleted);
        EXPECT_EQ(4, list.size());

        list.remove_first();
        EXPECT_EQ(1, g_deleted);
        ++list;
        list.remove();
        EXPECT_EQ(2, g_deleted);
        list.remove_last();
        EXPECT_EQ(3, g_deleted);
    }
    EXPECT_EQ(4, g_deleted);

    g_deleted = 0;
    {
        uiSaveStringcoDListPrgcoPrgcoDListB base;
        for (int i = 0; i < 5; ++i)
            base.insert_last(Holder(new Counted("v")));
        base.clear();
        EXPECT_EQ(5, g_deleted);
        base.insert_last(Holder(new Counted("v")));
    }
    EXPECT_EQ(6, g_deleted);

    g_deleted = 0;
    {
        Counted kept("kept");
        PtrList list;
        list.insert_last(&kept);
        list.insert_last(&kept);
        list.clear();
        list.insert_last(&kept);
    }
    EXPECT_EQ(1, g_deleted); // only `kept` itself, when it left its scope
}

// Which operations each kind offers.
template <class T, class = void> struct has_read : std::false_type {};
template <class T>
struct has_read<T, std::void_t<decltype(std::declval<T&>()())>> : std::true_type {};
template <class T, class = void> struct has_become : std::false_type {};
template <class T>
struct has_become<
    T, std::void_t<decltype(std::declval<T&>().become(utCopyPointers, std::declval<const T&>()))>>
    : std::true_type {};

TEST(DList, OfferedOperationsDifferByKind) {
    EXPECT_TRUE(has_read<PtrIter>::value);
    EXPECT_FALSE(has_read<uiSaveStringcoDListPrgcoPrgcoDListBcoIterator>::value);
    EXPECT_TRUE(has_become<PtrList>::value);
    EXPECT_FALSE(has_become<uiSaveStringcoDListPrgcoPrgcoDList>::value);
    EXPECT_FALSE(std::is_copy_constructible<PtrList>::value);
    EXPECT_FALSE(std::is_copy_assignable<PtrList>::value);
    EXPECT_TRUE(std::is_copy_constructible<PtrCursor>::value);
}

} // namespace
