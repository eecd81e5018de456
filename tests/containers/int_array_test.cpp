// uiIntArray: bounds-checked indexing, growth by a factor, appending.
#include <cmath>
#include <gtest/gtest.h>
#include <new>
#include <uiutil/containers.h>

namespace {

struct GrowableArray : uiIntArray {
    using uiIntArray::grow;
    using uiIntArray::uiIntArray;
};

TEST(IntArray, IndexingOutsideTheCountReachesNoElement) {
    uiIntArray a(4);
    a[0] = 7; // count 0: the scratch int
    a.append(1);
    a.append(2);
    a[-1] = 99;
    a[2] = 99;
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(2, a[1]);
    EXPECT_EQ(2, a.count());
}

TEST(IntArray, GrowthKeepsTheElementsAndNeverLosesOne) {
    GrowableArray a(4);
    for (int i = 0; i < 4; ++i)
        a.append(i + 1);
    a.grow(2.0);
    EXPECT_EQ(8, a.capacity());
    a.grow(0.75);
    EXPECT_EQ(6, a.capacity());
    // Factors that would leave fewer places than elements clamp to the count.
    for (double factor : {0.5, 0.0, -2.0, std::nan("")}) {
        a.grow(factor);
        EXPECT_EQ(4, a.capacity()) << factor;
    }
    EXPECT_THROW(a.grow(1e12), std::bad_alloc);
    EXPECT_EQ(4, a.capacity());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i + 1, a[i]);

    GrowableArray b(5), none(0);
    b.grow(1.5);
    none.grow(1000.0);
    EXPECT_EQ(7, b.capacity());
    EXPECT_EQ(0, none.capacity());
}

TEST(IntArray, AppendDoublesTheCapacityFromFour) {
    uiIntArray a(0);
    const int capacities[] = {4, 4, 4, 4, 8, 8, 8, 8, 16};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(i, a.append(i * i));
        EXPECT_EQ(capacities[i], a.capacity());
    }
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(i * i, a[i]);
    EXPECT_THROW(uiIntArray(-1), std::bad_alloc);
    EXPECT_THROW(uiIntArray(0x40000000), std::bad_alloc); // 4 GiB of ints
}

} // namespace
