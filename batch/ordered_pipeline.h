#pragma once
// Work on a list spread over threads with its results taken in list order: the
// threads make results ahead (a few per thread, so memory stays bounded),
// while the calling thread takes each one in turn. Whatever must happen in
// order (writing files, printing) happens in `take`, on the calling thread
// only, so a stop at entry i leaves nothing of a later entry behind.
#include <cstddef>
#include <functional>
#include <thread>

#include "batch/list_order_one_thread.h"
#include "batch/list_order_threads.h"

namespace nimbrel {

// The number of processors, at least 1.
inline int processorCount()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

// Calls make(i, worker) for every i below count, on `jobs` threads (worker is
// the thread's number, below jobs, for state a thread keeps to itself), and
// take(i, result) for i = 0, 1, ... in order on the calling thread. The first
// error, from make(i) at i's turn or from take, stops everything: no later
// take runs, and it is rethrown once the threads have ended. With one job,
// everything runs on the calling thread: a few small results are made, then
// taken, so that making runs with its code and tables still in the caches
// that taking (writing files) evicts.
template <class Result>
void runInListOrder(std::size_t count, int jobs, const std::function<Result(std::size_t, int)>& make,
                    const std::function<void(std::size_t, Result&)>& take,
                    const std::function<std::size_t(const Result&)>& bytesOf = {})
{
    if (static_cast<std::size_t>(jobs) > count) jobs = static_cast<int>(count);  // no idle threads
    if (jobs <= 1)
        makeAheadInListOrder(count, make, take, bytesOf);
    else
        makeOnThreadsInListOrder(count, jobs, make, take);
}

}  // namespace nimbrel
