// The claiming constructor when the count cannot be allocated: the buffer it
// was handed is released, not leaked, and the failure reaches the caller.
// This program replaces the allocation functions to make one allocation
// fail; the library's allocations go through them too (not on Windows, where
// the DLL keeps its own).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <uiutil/strings.h>

#if !defined(_WIN32)

namespace {
bool g_fail_next = false;
const void* g_last_array_released = nullptr;
} // namespace

void* operator new(std::size_t n) {
    if (g_fail_next) {
        g_fail_next = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    return ::operator new(n);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    g_last_array_released = p;
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    g_last_array_released = p;
    std::free(p);
}

namespace {

// Claims `buffer` with the count's allocation failing: true when the
// failure reached the caller.
bool claim_with_failing_count(char* buffer) {
    g_fail_next = true; // the count, the constructor's only allocation
    try {
        const uiSaveString claimed(uiClaimOwnership, buffer);
    } catch (const std::bad_alloc&) {
        return true;
    }
    return false;
}

TEST(ClaimingConstructor, ReleasesTheBufferWhenTheCountCannotBeMade) {
    char* buffer = new char[6];
    std::memcpy(buffer, "claim", 6);
    g_last_array_released = nullptr;
    EXPECT_TRUE(claim_with_failing_count(buffer));
    EXPECT_FALSE(g_fail_next);
    EXPECT_EQ(g_last_array_released, buffer);

    // Without the failure the buffer is the string's.
    char* kept = new char[3];
    std::memcpy(kept, "ok", 3);
    g_last_array_released = nullptr;
    {
        uiSaveString claimed(uiClaimOwnership, kept);
        EXPECT_EQ(static_cast<const char*>(claimed), kept);
        EXPECT_NE(g_last_array_released, kept);
    }
    EXPECT_EQ(g_last_array_released, kept);
}

} // namespace

#endif // !_WIN32
