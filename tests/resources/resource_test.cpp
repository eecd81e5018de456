// Resources and resource lists: the duplicate-of-first rule, iteration,
// update resources and ownership.
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <string>
#include <uiutil/commands.h>

#ifndef _WIN32
// Counts live heap blocks of the whole process (the library included), to
// check that a list releases everything it made.
static long g_live_blocks;
void* operator new(std::size_t n) {
    ++g_live_blocks;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    if (p) {
        --g_live_blocks;
        std::free(p);
    }
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
#endif

namespace {

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

std::string text(const uiSaveString& s) {
    return static_cast<const char*>(s) ? static_cast<const char*>(s) : "(null)";
}

TEST(ResourceList, OnlyTheFirstResourceIsComparedWhenAdding) {
    uiSaveString a("a"), b("b");
    {
        uiResourceList list;
        list.add_uiResource(a, uiTITLE);
        list.add_uiResource(uiSaveString("a"), uiTITLE);
        EXPECT_EQ(1, list.size());
    }
    {
        uiResourceList list;
        list.add_uiResource(a, uiTITLE);
        list.add_uiResource(b, uiTITLE);
        list.add_uiResource(a, uiTITLE);
        EXPECT_EQ(2, list.size());
        list.add_uiResource(b, uiTITLE);
        EXPECT_EQ(3, list.size());
        list.add_uiResource(a, uiLABELSTRING);
        EXPECT_EQ(4, list.size());
    }
    {
        // Null and empty texts are not equal; two null texts are.
        uiResourceList list;
        list.add_uiResource(uiSaveString(), uiTITLE);
        list.add_uiResource(uiSaveString(""), uiTITLE);
        list.add_uiResource(uiSaveString(), uiTITLE);
        EXPECT_EQ(2, list.size());
    }
    {
        uiResourceList list;
        list.add_uiResource(uiUpdate(1802));
        list.add_uiResource(uiUpdate(1802));
        EXPECT_EQ(1, list.size());
        list.add_uiResource(uiUpdate(7));
        EXPECT_EQ(2, list.size());
    }
    {
        uiResourceList list;
        list.add_uiResource(a, uiTITLE);
        list.add_uiResource(uiUpdate(5));
        list.add_uiResource(uiUpdate(5));
        EXPECT_EQ(3, list.size());
    }
}

TEST(ResourceList, Iteration) {
    uiResourceList list;
    EXPECT_EQ(1, list.empty());
    uiResourceListIter empty_iter = list.get_iter();
    EXPECT_EQ(0, ++empty_iter);
    EXPECT_EQ(0, --empty_iter);
    EXPECT_EQ(0, empty_iter.size());

    list.add_uiResource(uiSaveString("first"), uiTITLE);
    list.add_uiResource(uiSaveString("second"), uiLABELSTRING);
    EXPECT_EQ(0, list.empty());
    uiResourceListIter it(list);
    EXPECT_EQ(2, it.size());
    ASSERT_EQ(1, ++it);
    EXPECT_EQ("first", text(it().value()));
    ASSERT_EQ(1, ++it);
    EXPECT_EQ(uiLABELSTRING, it().type());
    EXPECT_EQ(0, ++it);
    ASSERT_EQ(1, ++it);
    EXPECT_EQ("first", text(it().value()));
    uiResourceListIter copy(it);
    EXPECT_EQ(0, --copy); // the copy stood on the first resource too
    EXPECT_EQ(0, --it);
    it.reset();
    ASSERT_EQ(1, --it);
    EXPECT_EQ("second", text(it().value()));

    uiResourceListCursor cur = list.get_cursor();
    ++cur;
    cur().value(uiSaveString("changed"));
    uiResourceListCursor cur2(cur);
    EXPECT_EQ("changed", text(cur2().value()));
    uiResourceListIter reader = list.get_iter();
    ++reader;
    EXPECT_EQ("changed", text(reader().value()));
}

TEST(ResourceList, ReadingAtTheUndefinedPositionIsReported) {
    AssertCounter counter;
    uiResourceList list;
    list.add_uiResource(uiSaveString("x"), uiTITLE);
    uiResourceListIter it(list);
    const uiResource& r = it();
    EXPECT_EQ(1, counter.reports);
    EXPECT_EQ(0, r.is_resource());
    EXPECT_EQ(1, list.size());
}

TEST(Resource, UpdateAndValueResources) {
    uiResource update(uiUpdate(42));
    EXPECT_EQ(0, update.is_resource());
    EXPECT_EQ(uiVALTYPE_UPDATE, update.type());
    EXPECT_EQ(42, update.reset_option());
    EXPECT_EQ(nullptr, static_cast<const char*>(update.value()));
    update.value(uiSaveString("ignored"));
    EXPECT_EQ(nullptr, static_cast<const char*>(update.value()));
    EXPECT_EQ(42, update.reset_option());

    uiResource from_null(uiSaveString(), uiCOMMAND);
    EXPECT_EQ(1, from_null.is_resource());
    EXPECT_EQ(nullptr, static_cast<const char*>(from_null.value()));
    from_null.value(uiSaveString("cmd"));
    EXPECT_EQ("cmd", text(from_null.value()));
    // Its string is its own: the shared null string of update resources
    // stays null.
    EXPECT_EQ(nullptr, static_cast<const char*>(update.value()));
}

TEST(Resource, ReservedKindsGivenAValueAreReported) {
    AssertCounter counter;
    uiResource r(uiSaveString("text"), uiVALTYPE_UPDATE);
    EXPECT_EQ(1, counter.reports);
    EXPECT_EQ(uiVALTYPE_ERROR, r.type());
    EXPECT_EQ(1, r.is_resource());
    EXPECT_EQ("text", text(r.value()));
}

// The protected copying, reached by deriving.
struct CopyableResource : uiResource {
    using uiResource::uiResource;
    CopyableResource(const CopyableResource& other) : uiResource(other) {}
    void assign(const uiResource& other) { uiResource::operator=(other); }
};

TEST(Resource, ProtectedCopyAndAssignment) {
    CopyableResource source(uiSaveString("v"), uiTITLE);
    CopyableResource copy(source);
    EXPECT_EQ(uiVALTYPE_UPDATE, copy.type());
    EXPECT_EQ(uiUPDATE_COPIED, copy.reset_option());

    copy.assign(source);
    EXPECT_EQ(uiTITLE, copy.type());
    copy.value(uiSaveString("w")); // a copy of its own: the source keeps "v"
    EXPECT_EQ("v", text(source.value()));
    EXPECT_EQ("w", text(copy.value()));

    copy.assign(copy);
    EXPECT_EQ("w", text(copy.value()));
    copy.assign(uiResource(uiUpdate(9)));
    EXPECT_EQ(0, copy.is_resource());
    EXPECT_EQ(9, copy.reset_option());
}

TEST(ResourceList, DestroyingTheListReleasesEveryResource) {
#ifdef _WIN32
    GTEST_SKIP() << "counts the process's heap blocks, which a DLL keeps apart";
#else
    uiSaveString a("a"), b("b"), c("c");
    long before = g_live_blocks;
    {
        uiResourceList list;
        list.add_uiResource(a, uiTITLE);
        list.add_uiResource(b, uiTITLE);
        list.add_uiResource(uiUpdate(3));
        list.add_uiResource(c, uiTITLE);
        list.add_uiResource(a, uiTITLE); // skipped: equals the first
    }
    EXPECT_EQ(before, g_live_blocks);
#endif
}

TEST(ResourceList, OwningListOfResourcesThroughItsComposedNames) {
    using Holder = uiResourcecoDListPrgcoPrg;
    uiResourcecoDListPrgcoPrgcoDList list;
    Holder h(new uiResource(uiSaveString("t"), uiTITLE));
    list.insert_last(h);
    EXPECT_EQ(nullptr, static_cast<uiResource*>(h)); // the list took the object
    list.insert_last(Holder(new uiResource(uiUpdate(4))));
    EXPECT_EQ(2, list.size());
    EXPECT_EQ(uiTITLE, (*list.read_first()).type());

    uiResourcecoDListPrgcoPrgcoDListcoIterator it(&list);
    ASSERT_EQ(1, it += 2);
    const Holder& held = it();
    EXPECT_EQ(4, (*held).reset_option());
    it.reset();
    EXPECT_EQ(-1, it.index());

    // The full list's own cursor removes (and deletes) resources.
    list.set_index(1);
    list.remove_first();
    EXPECT_EQ(0, list.index());
    EXPECT_EQ(uiVALTYPE_UPDATE, (*list.read_first()).type());
}

} // namespace
