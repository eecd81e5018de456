// The growable integer array.
#include <uiutil/containers.h>

#include <cstdint>
#include <new>

namespace {

// The most ints whose size in bytes fits in 32 bits.
const long long kMostInts = 0xFFFFFFFFLL / static_cast<long long>(sizeof(int));

// What out-of-range indexing yields: an int that belongs to no array.
int g_scratch;

int* allocate(long long capacity) {
    if (capacity < 0 || capacity > kMostInts)
        throw std::bad_array_new_length();
    return new int[static_cast<std::size_t>(capacity)];
}

} // namespace

uiIntArray::uiIntArray(int capacity)
    : m_storage(allocate(capacity)), m_capacity(capacity), m_count(0) {}

uiIntArray::~uiIntArray() {
    delete[] m_storage;
    m_storage = reinterpret_cast<int*>(static_cast<std::uintptr_t>(0x2BAD2BAD));
}

int& uiIntArray::operator[](int index) const {
    if (m_storage && index >= 0 && index < m_count)
        return m_storage[index];
    return g_scratch;
}

void uiIntArray::reallocate(int capacity) {
    int* storage = allocate(capacity);
    for (int i = 0; i < m_count; ++i)
        storage[i] = m_storage[i];
    delete[] m_storage;
    m_storage = storage;
    m_capacity = capacity;
}

void uiIntArray::grow(double factor) {
    double wanted = static_cast<double>(m_capacity) * factor;
    // The comparisons are false for NaN, which therefore clamps as well.
    if (!(wanted >= m_count))
        wanted = m_count;
    if (!(wanted <= static_cast<double>(kMostInts)))
        throw std::bad_array_new_length();
    reallocate(static_cast<int>(wanted));
}

int uiIntArray::append(int value) {
    if (m_count == m_capacity) {
        if (m_capacity >= kMostInts)
            throw std::bad_array_new_length();
        long long doubled = m_capacity == 0 ? 4 : 2LL * m_capacity;
        reallocate(static_cast<int>(doubled < kMostInts ? doubled : kMostInts));
    }
    m_storage[m_count] = value;
    return m_count++;
}
