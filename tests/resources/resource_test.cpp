// Resources and resource lists: the duplicate-of-first rule, iteration,
// update resources and ownership.
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <string>
#include <uiutil/commands.h>

#ifndef _WIN32
// Counts the process's live heap blocks (the library's included).
static long g_live_blocks;
void* operator new(std::size_t n) {
    ++g_live_blocks;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
static void release(void* p) {
    if (p)
        --g_live_blocks;
    std::free(p);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
#endif

namespace {

std::string text(const uiSaveString& s) {
    return s ? static_cast<const char*>(s) : "(null)";
}

// Adds "text/KIND" items ("TITLE", "LABEL") or update codes ("#code") and
// answers the resulting size.
int size_after(std::initializer_list<const char*> items) {
    uiResourceList list;
    for (std::string item : items) {
        if (item[0] == '#') {
            list.add_uiResource(uiUpdate(std::atoi(item.c_str() + 1)));
        } else {
            std::string::size_type slash = item.find('/');
            uiSaveString value = slash == 0 ? uiSaveString() : uiSaveString(item.c_str(), slash);
            list.add_uiResource(value, item.substr(slash + 1) == "TITLE" ? uiTITLE : uiLABELSTRING);
        }
    }
    return list.size();
}

TEST(ResourceList, OnlyTheFirstResourceIsComparedWhenAdding) {
    EXPECT_EQ(1, size_after({"a/TITLE", "a/TITLE"}));
    EXPECT_EQ(2, size_after({"a/TITLE", "b/TITLE", "a/TITLE"}));
    EXPECT_EQ(3, size_after({"a/TITLE", "b/TITLE", "b/TITLE"}));
    EXPECT_EQ(2, size_after({"a/TITLE", "a/LABEL"}));
    EXPECT_EQ(2, size_after({"/TITLE", "/TITLE", "a/TITLE"})); // two null texts are equal
    EXPECT_EQ(1, size_after({"#1802", "#1802"}));
    EXPECT_EQ(2, size_after({"#1802", "#7"}));
    EXPECT_EQ(3, size_after({"a/TITLE", "#5", "#5"}));
    uiResourceList list;
    list.add_uiResource(uiSaveString(), uiTITLE);
    list.add_uiResource(uiSaveString(""), uiTITLE); // null and empty differ
    EXPECT_EQ(2, list.size());
}

TEST(ResourceList, IterationAndWriting) {
    uiResourceList list;
    uiResourceListIter empty_iter = list.get_iter();
    EXPECT_EQ(0, ++empty_iter);
    EXPECT_EQ(0, --empty_iter);
    EXPECT_EQ(1, list.empty());

    list.add_uiResource(uiSaveString("first"), uiTITLE);
    list.add_uiResource(uiSaveString("second"), uiLABELSTRING);
    uiResourceListIter it(list);
    std::string walk;
    for (int i = 0; i < 4; ++i)
        walk += ++it ? text(it().value()) + " " : "| ";
    EXPECT_EQ("first second | first ", walk);
    it.reset();
    ASSERT_EQ(1, --it);
    EXPECT_EQ(uiLABELSTRING, it().type());

    uiResourceListCursor cur = list.get_cursor();
    ++cur;
    cur().value(uiSaveString("changed"));
    uiResourceListIter reader(cur);
    EXPECT_EQ("changed", text(reader().value()));

    static int reports;
    reports = 0;
    ut_set_assert_handler([](const char*, int, const char*, void*) { ++reports; }, nullptr);
    const uiResource& nothing = list.get_iter()(); // undefined: a scratch resource
    ut_set_assert_handler(nullptr, nullptr);
    EXPECT_EQ(1, reports);
    EXPECT_EQ(0, nothing.is_resource());
}

// Reaches the protected copying.
struct CopyableResource : uiResource {
    using uiResource::uiResource;
    CopyableResource(const CopyableResource& other) : uiResource(other) {}
    void assign(const uiResource& other) { uiResource::operator=(other); }
};

TEST(Resource, KindsValuesAndCopying) {
    uiResource update(uiUpdate(42));
    update.value(uiSaveString("ignored"));
    EXPECT_EQ(0, update.is_resource());
    EXPECT_EQ(42, update.reset_option());
    EXPECT_EQ("(null)", text(update.value()));

    CopyableResource source(uiSaveString(), uiCOMMAND);
    EXPECT_EQ(1, source.is_resource());
    EXPECT_EQ("(null)", text(source.value()));
    source.value(uiSaveString("v")); // its own string, not the shared null one
    EXPECT_EQ("(null)", text(update.value()));

    CopyableResource copy(source);
    EXPECT_EQ(uiVALTYPE_UPDATE, copy.type());
    EXPECT_EQ(uiUPDATE_COPIED, copy.reset_option());
    copy.assign(source);
    copy.value(uiSaveString("w")); // a copy of its own: the source keeps "v"
    EXPECT_EQ(uiCOMMAND, copy.type());
    EXPECT_EQ("v", text(source.value()));
    copy.assign(copy);
    EXPECT_EQ("w", text(copy.value()));
    copy.assign(update);
    EXPECT_EQ(42, copy.reset_option());

    static int reports;
    reports = 0;
    ut_set_assert_handler([](const char*, int, const char*, void*) { ++reports; }, nullptr);
    uiResource reserved(uiSaveString("t"), uiVALTYPE_UPDATE);
    ut_set_assert_handler(nullptr, nullptr);
    EXPECT_EQ(1, reports);
    EXPECT_EQ(uiVALTYPE_ERROR, reserved.type());
    EXPECT_EQ("t", text(reserved.value()));
}

TEST(ResourceList, ResourcesAreReleasedWithTheirList) {
#ifdef _WIN32
    GTEST_SKIP() << "counts the process's heap blocks, which a DLL keeps apart";
#else
    uiSaveString a("a"), b("b");
    long before = g_live_blocks;
    {
        uiResourceList list;
        list.add_uiResource(a, uiTITLE);
        list.add_uiResource(b, uiTITLE);
        list.add_uiResource(uiUpdate(3));
        list.add_uiResource(a, uiTITLE); // skipped
        uiResourcecoDListPrgcoPrgcoDList direct;
        uiResourcecoDListPrgcoPrg held(new uiResource(a, uiTITLE));
        long before_insert = g_live_blocks;
        direct.insert_last(held);
        EXPECT_EQ(before_insert + 1, g_live_blocks); // one block per element
        EXPECT_EQ(nullptr, static_cast<uiResource*>(held));
        direct.insert_last(uiResourcecoDListPrgcoPrg(new uiResource(uiUpdate(4))));
        direct.remove_first();
    }
    EXPECT_EQ(before, g_live_blocks);
#endif
}

} // namespace
