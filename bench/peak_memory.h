// Peak resident memory added by a piece of work, read from the process's own
// status (Linux): the high-water mark is reset just before the work.
#pragma once

#include <functional>

namespace bench {

// How far the process's peak resident size rose above its resident size
// while `work` ran, in KiB; -1 when the system gives no such figures. Free
// heap memory is handed back first, so that the work cannot reuse pages
// left resident by earlier work unseen.
long peak_growth_kib(const std::function<void()>& work);

} // namespace bench
