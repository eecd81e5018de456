// The doubly linked list family: stepping, the cursor's bookkeeping,
// copying and ownership.
#include <gtest/gtest.h>
#include <string>
#include <uiutil/containers.h>

namespace {

using PtrList = uiSaveStringcoDListPtrcoPtrcoDList;
using PtrListB = uiSaveStringcoDListPtrcoPtrcoDListB;
using PtrIter = uiSaveStringcoDListPtrcoPtrcoDListBcoIterator;
using PtrCursor = uiSaveStringcoDListPtrcoPtrcoDListBcoCursor;

struct Strings {
    uiSaveString a{"a"}, b{"b"}, c{"c"}, d{"d"};
};

// The texts of a list, first to last, with the index every step reports.
std::string texts(const PtrListB& list) {
    std::string out;
    PtrIter it(&list);
    while (++it)
        out += std::string(*it()) + std::to_string(it.index());
    return out;
}

TEST(DList, SteppingAndStepCounts) {
    Strings s;
    PtrListB list;
    PtrIter it(&list);
    EXPECT_EQ(0, ++it);
    EXPECT_EQ(0, --it);
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(1, list.empty());

    list.insert_last(&s.b);
    list.insert_last(&s.c);
    list.insert_first(&s.a);
    EXPECT_EQ("a0b1c2", texts(list));
    EXPECT_EQ(0, it += 4); // three elements, then the head
    EXPECT_EQ(-1, it.index());
    EXPECT_EQ(1, ++it); // through the head to the first again
    EXPECT_EQ(0, it.index());
    it.reset();
    EXPECT_EQ(1, --it); // from the undefined position to the last
    EXPECT_EQ(2, it.index());
    EXPECT_EQ(1, it += 0);
    EXPECT_EQ(1, it += -3);
    EXPECT_EQ(1, it -= 2);
    EXPECT_EQ(&s.a, it());
    EXPECT_EQ(0, it -= 1);

    // set_index walks from where the iterator stands.
    const int targets[] = {1, 2, 0, 3, -2, -1, 2147483647, -2147483647 - 1, 2};
    const int landed[] = {1, 2, 0, -1, 2, -1, -1, -1, 2};
    for (int i = 0; i < 9; ++i) {
        it.set_index(targets[i]);
        EXPECT_EQ(landed[i], it.index()) << "set_index(" << targets[i] << ")";
    }
    EXPECT_EQ(&s.c, it());

    // Undefined iterators are equal whatever their lists.
    PtrListB other;
    PtrIter x(&list), y(&other), z(&list);
    EXPECT_EQ(1, x == y);
    EXPECT_EQ(1, ++x && x != y && !(x == z));
    EXPECT_EQ(1, ++z && x == z);
}

TEST(DList, CursorIndexAfterEachInsertionAndRemoval) {
    Strings s;
    PtrListB list;
    PtrCursor cur(&list);
    auto state = [&] { return texts(list) + " @" + std::to_string(cur.index()); };

    cur.insert_after(&s.a);  // undefined: the new element is the first
    cur.insert_before(&s.b); // undefined: the new element is the last
    EXPECT_EQ("a0b1 @-1", state());
    ++cur;
    cur.insert_before(&s.c);
    EXPECT_EQ("c0a1b2 @1", state());
    cur.insert_first(&s.d);
    EXPECT_EQ("d0c1a2b3 @2", state());
    cur.insert_after(&s.b);
    cur.insert_last(&s.c);
    EXPECT_EQ("d0c1a2b3b4c5 @2", state());
    EXPECT_EQ(&s.a, cur());

    cur.remove(); // to the element that followed
    EXPECT_EQ("d0c1b2b3c4 @2", state());
    cur.remove_backwards(); // to the element before
    EXPECT_EQ("d0c1b2c3 @1", state());
    cur.remove_first(); // on element 1: index 0
    EXPECT_EQ("c0b1c2 @0", state());
    cur.remove_first(); // on the first: moves to the new first
    EXPECT_EQ("b0c1 @0", state());
    cur.remove_last(); // not on the last: unchanged
    EXPECT_EQ("b0 @0", state());
    cur.insert_last(&s.a);
    ++cur;
    cur.remove(); // removed the last: undefined
    EXPECT_EQ("b0 @-1", state());
    cur.insert_first(&s.a); // undefined stays undefined
    cur.remove_first();
    EXPECT_EQ("b0 @-1", state());
    ++cur;
    cur.remove_backwards(); // removed the first: undefined
    EXPECT_EQ(" @-1", state());

    cur.insert_last(&s.a);
    ++cur;
    cur.remove_last(); // on the last: undefined first
    EXPECT_EQ(" @-1", state());
    cur.insert_last(&s.a);
    ++cur;
    cur.remove_first(); // on the only element
    EXPECT_EQ(" @-1", state());
    EXPECT_EQ(1, cur.undefined());
}

TEST(DList, BrokenPreconditionsAreReportedAndChangeNothing) {
    static int reports;
    reports = 0;
    ut_set_assert_handler([](const char*, int, const char*, void*) { ++reports; }, nullptr);
    Strings s;
    PtrList list;
    list.remove_first();
    list.remove_last();
    list.remove();
    list.remove_backwards();
    EXPECT_EQ(nullptr, list.read_first());
    list.insert_last(&s.a);
    list.remove();                     // the cursor is undefined
    list.read() = &s.b;                // a scratch value: no element changes
    list.become(utCopyPointers, list); // a full list checks this itself: no report
    EXPECT_EQ(7, reports);
    PtrListB base;
    base.insert_last(&s.a);
    base.become(utCopyPointers, base);
    ut_set_assert_handler(nullptr, nullptr);
    EXPECT_EQ(8, reports);
    EXPECT_EQ("a0", texts(base));
    EXPECT_EQ(1, list.size());
    EXPECT_EQ(&s.a, list.read_first());
}

TEST(DList, PointerListsCopyPointersAndDeleteNothing) {
    Strings s;
    PtrList list;
    list.insert_last(&s.b);
    list.insert_first(&s.a);
    EXPECT_EQ(1, list.forwards());
    list.insert_after(&s.c);
    list.read() = &s.d; // a modifiable pointer
    EXPECT_EQ(&s.d, list.read_first());

    PtrList copy(utCopyPointers, list);
    uiSaveStringcoDListPtrcoPtrcoDListcoIterator a(&copy), b(&list);
    while (++a && ++b)
        EXPECT_EQ(a(), b());
    EXPECT_EQ(3, copy.size());

    copy.forwards();
    copy.become(utCopyPointers, list);
    EXPECT_EQ(-1, copy.index());
    EXPECT_EQ(3, copy.size());
    copy.clear();
    list.clear();
    EXPECT_EQ(1, list.empty());
    EXPECT_EQ(std::string("d"), static_cast<const char*>(s.d));

    EXPECT_FALSE(std::is_copy_constructible<PtrList>::value);
    EXPECT_FALSE(std::is_copy_assignable<PtrList>::value);
}

int g_deleted;
struct Counted : uiSaveString {
    Counted() : uiSaveString("x") {}
    ~Counted() override { ++g_deleted; }
};

TEST(DList, OwningListsDeleteEachObjectOnce) {
    using Holder = uiSaveStringcoDListPrgcoPrg;
    g_deleted = 0;
    {
        uiSaveStringcoDListPrgcoPrgcoDList list;
        Holder h(new Counted);
        list.insert_last(h);
        // h handed its object to the list: copying it moves nothing.
        { Holder emptied(h); } // NOLINT(performance-unnecessary-copy-initialization)
        list.insert_first(Holder(new Counted));
        list.insert_after(Holder(new Counted));
        list.insert_before(Holder(new Counted));
        EXPECT_EQ(0, g_deleted);
        list.remove_first();
        ++list;
        list.remove();
        list.remove_last();
        EXPECT_EQ(3, g_deleted);
        uiSaveStringcoDListPrgcoPrgcoDListB base;
        base.insert_last(Holder(new Counted));
        base.insert_last(Holder(new Counted));
        base.clear();
        base.insert_last(Holder(new Counted));
        EXPECT_EQ(5, g_deleted);
    }
    EXPECT_EQ(7, g_deleted);

    g_deleted = 0;
    Counted kept;
    {
        PtrList list;
        list.insert_last(&kept);
        list.insert_last(&kept);
        list.remove_first();
    }
    EXPECT_EQ(0, g_deleted); // the pointer kind deletes no object
}

} // namespace
