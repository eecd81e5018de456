// uiIntArray: bounds-checked indexing, growth by a factor, appending.
#include <cmath>
#include <gtest/gtest.h>
#include <new>
#include <uiutil/containers.h>

namespace {

// Reaches the protected growth.
struct GrowableArray : uiIntArray {
    using uiIntArray::grow;
    using uiIntArray::uiIntArray;
};

TEST(IntArray, IndexingOutsideTheCountReachesNoElement) {
    uiIntArray a(4);
    EXPECT_EQ(0, a.count());
    a[0] = 7; // the scratch int: count is still 0
    EXPECT_EQ(0, a.count());
    a.append(1);
    a.append(2);
    a[-1] = 99;
    a[2] = 99;
    a[1] = 5;
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(5, a[1]);
    EXPECT_NE(&a[0], &a[2]);
    EXPECT_EQ(&a[-1], &a[2]);
}

TEST(IntArray, GrowKeepsElementsInOrder) {
    GrowableArray a(4);
    for (int i = 0; i < 4; ++i)
        a.append(10 * i);
    a.grow(2.0);
    EXPECT_EQ(8, a.capacity());
    EXPECT_EQ(4, a.count());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(10 * i, a[i]);

    GrowableArray b(5);
    b.grow(1.5);
    EXPECT_EQ(7, b.capacity());

    GrowableArray none(0);
    none.grow(1000.0);
    EXPECT_EQ(0, none.capacity());
}

TEST(IntArray, ShrinkingFactorsClampToTheCount) {
    GrowableArray a(8);
    for (int i = 0; i < 5; ++i)
        a.append(i + 1);
    a.grow(0.75); // 6 places: still room for the 5 elements
    EXPECT_EQ(6, a.capacity());
    for (double factor : {0.5, 0.0, -2.0, std::nan("")}) {
        a.grow(factor);
        EXPECT_EQ(5, a.capacity()) << factor;
        EXPECT_EQ(5, a.count());
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(i + 1, a[i]);
    }
    a.append(6); // full: appending grows again
    EXPECT_EQ(6, a[5]);
    EXPECT_EQ(10, a.capacity());
}

TEST(IntArray, AppendDoublesFromFourAndOversizeFailsCleanly) {
    uiIntArray a(0);
    int capacities[9];
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(i, a.append(i * i));
        capacities[i] = a.capacity();
    }
    EXPECT_EQ(4, capacities[0]);
    EXPECT_EQ(4, capacities[3]);
    EXPECT_EQ(8, capacities[4]);
    EXPECT_EQ(16, capacities[8]);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(i * i, a[i]);

    GrowableArray b(3);
    b.append(42);
    EXPECT_THROW(b.grow(1e12), std::bad_alloc);
    EXPECT_EQ(3, b.capacity());
    EXPECT_EQ(42, b[0]);

    EXPECT_THROW(uiIntArray(-1), std::bad_alloc);
    EXPECT_THROW(uiIntArray(0x40000000), std::bad_alloc); // 4 GiB of ints
}

} // namespace
