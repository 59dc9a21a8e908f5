#pragma once
// Work on a list spread over threads with its results taken in list order: the
// threads make results ahead (a few per thread, so memory stays bounded),
// while the calling thread takes each one in turn. Whatever must happen in
// order (writing files, printing) happens in `take`, on the calling thread
// only, so a stop at entry i leaves nothing of a later entry behind.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace nimbrel {

// The number of processors, at least 1.
inline int processorCount()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

// With one job, results made ahead before they are taken: at most this many,
// and no more once they hold this many bytes (as `bytesOf` counts them).
inline constexpr std::size_t kResultsAheadOnOneThread = 8;
inline constexpr std::size_t kBytesAheadOnOneThread = std::size_t(128) << 10;

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
    if (jobs <= 1) {
        std::vector<Result> ahead;
        ahead.reserve(kResultsAheadOnOneThread);
        for (std::size_t next = 0; next < count;) {
            const std::size_t first = next;
            std::size_t bytes = 0;
            std::exception_ptr error;
            ahead.clear();
            while (next < count && ahead.size() < kResultsAheadOnOneThread && bytes <= kBytesAheadOnOneThread) {
                try {
                    ahead.push_back(make(next, 0));
                } catch (...) {
                    error = std::current_exception();
                    break;
                }
                if (bytesOf) bytes += bytesOf(ahead.back());
                ++next;
            }
            for (std::size_t k = 0; k < ahead.size(); ++k) take(first + k, ahead[k]);
            if (error) std::rethrow_exception(error);
        }
        return;
    }

    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool ready = false;
    };
    const std::size_t ahead = static_cast<std::size_t>(jobs) * 2;
    std::vector<Slot> slots(ahead);  // entry i waits in slot i % ahead
    std::mutex mutex;
    std::condition_variable made, taken;
    std::size_t next = 0;      // the next entry to make
    std::size_t nextTake = 0;  // the next entry to take
    bool stop = false;

    auto work = [&](int worker) {
        for (;;) {
            std::size_t i;
            {
                std::unique_lock<std::mutex> lock(mutex);
                taken.wait(lock, [&] { return stop || next >= count || next < nextTake + ahead; });
                if (stop || next >= count) return;
                i = next++;
            }
            Slot done;
            try {
                done.result.emplace(make(i, worker));
            } catch (...) {
                done.error = std::current_exception();
            }
            done.ready = true;
            {
                std::lock_guard<std::mutex> lock(mutex);
                slots[i % ahead] = std::move(done);
            }
            made.notify_all();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(jobs));
    for (int w = 0; w < jobs; ++w) threads.emplace_back(work, w);

    std::exception_ptr failure;
    for (std::size_t i = 0; i < count && !failure; ++i) {
        Slot slot;
        {
            std::unique_lock<std::mutex> lock(mutex);
            made.wait(lock, [&] { return slots[i % ahead].ready; });
            slot = std::move(slots[i % ahead]);
            slots[i % ahead] = Slot();
            nextTake = i + 1;
        }
        taken.notify_all();
        try {
            if (slot.error) std::rethrow_exception(slot.error);
            take(i, *slot.result);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        stop = true;
    }
    taken.notify_all();
    for (std::thread& t : threads) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace nimbrel
