// The backtracking matcher's failure stack: the resume points a run can go
// back to, newest last.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>

namespace uiutil_internal {

// A run of resume points: where to continue (null for an empty point) and
// from which subject positions, plus the offset of the instruction that
// recorded them, by which a loop finds the point its current pass began with.
// A loop over one character leaves a point at every position it passed; they
// differ only in the position, so they are kept as one run of `count`
// consecutive positions from `position` on, newest (highest) first.
// A run can be futile: resuming at any of its positions only writes
// registers and then fails, because the continuation needs a character the
// loop's body refuses and every position in the run holds one the body took.
struct ResumePoint {
    const unsigned char* resume;
    int position;
    int owner;
    int count;
    bool futile;

    int newest() const { return position + count - 1; }
};

// The owner of the mark a remembered visit leaves on the failure stack (see
// failure_memo.h); real points are owned by instruction offsets.
const int visit_mark = -1;

// The failure stack: 64 points in place, doubling on the heap beyond that.
class FailureStack {
public:
    // The 64 points in place stay unwritten until used: a matcher runs once
    // per candidate position, and clearing them would cost more than most runs.
    // cppcheck-suppress uninitMemberVar
    FailureStack() : m_points(m_local), m_size(0), m_capacity(64) {}
    ~FailureStack() {
        if (m_points != m_local) {
            std::free(m_points);
        }
    }
    FailureStack(const FailureStack&) = delete;
    void operator=(const FailureStack&) = delete;

    void push(const unsigned char* resume, int position, int owner) {
        push_run(resume, position, 1, owner, false);
    }
    // Points at positions from, from + 1, ..., from + count - 1 (count > 0),
    // as if pushed in that order.
    void push_run(const unsigned char* resume, int from, int count, int owner, bool futile) {
        if (m_size == m_capacity) {
            grow();
        }
        m_points[m_size++] = {resume, from, owner, count, futile};
    }
    bool empty() const { return m_size == 0; }
    const ResumePoint& top() const { return m_points[m_size - 1]; }
    // Takes the newest run off whole.
    void discard_top() { --m_size; }
    void clear() { m_size = 0; }
    // The number of runs; at(i) is a run, newest last.
    int size() const { return m_size; }
    const ResumePoint& at(int i) const { return m_points[i]; }
    // Discards the newest point, passing over visit marks; answers how many
    // marks it passed over.
    int drop() {
        int i = m_size - 1;
        while (i >= 0 && m_points[i].owner == visit_mark) {
            --i;
        }
        int passed = m_size - 1 - i;
        if (i >= 0 && --m_points[i].count == 0) {
            std::memmove(m_points + i, m_points + i + 1, sizeof(ResumePoint) * passed);
            --m_size;
        }
        return passed;
    }
    // Takes the newest point off (count 1).
    ResumePoint pop() {
        ResumePoint& top = m_points[m_size - 1];
        ResumePoint point{top.resume, top.newest(), top.owner, 1, top.futile};
        if (--top.count == 0) {
            --m_size;
        }
        return point;
    }

private:
    void grow() {
        int capacity = m_capacity * 2;
        void* memory = std::malloc(sizeof(ResumePoint) * capacity);
        if (!memory) {
            throw std::bad_alloc();
        }
        ResumePoint* points = static_cast<ResumePoint*>(memory);
        std::memcpy(points, m_points, sizeof(ResumePoint) * m_size);
        if (m_points != m_local) {
            std::free(m_points);
        }
        m_points = points;
        m_capacity = capacity;
    }

    ResumePoint m_local[64];
    ResumePoint* m_points;
    int m_size;
    int m_capacity;
};

} // namespace uiutil_internal
