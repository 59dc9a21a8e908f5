#pragma once
// A list worked through on several threads, its results taken in list order
// on the calling thread: the threads make results ahead into a ring of slots
// (two per thread, so memory stays bounded) while the calling thread takes
// each one in turn.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace nimbrel {

// runInListOrder with `jobs` threads, jobs >= 1 and at most count.
template <class Result>
void makeOnThreadsInListOrder(std::size_t count, int jobs,
                              const std::function<Result(std::size_t, int)>& make,
                              const std::function<void(std::size_t, Result&)>& take)
{
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
