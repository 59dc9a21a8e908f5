#pragma once
// A list worked through in list order on the calling thread alone: a few
// small results are made, then taken, so that making runs with its code and
// tables still in the caches that taking (writing files) evicts.
#include <cstddef>
#include <exception>
#include <functional>
#include <vector>

namespace nimbrel {

// Results made ahead before they are taken: at most this many, and no more
// once they hold this many bytes (as `bytesOf` counts them).
inline constexpr std::size_t kResultsAheadOnOneThread = 8;
inline constexpr std::size_t kBytesAheadOnOneThread = std::size_t(128) << 10;

// runInListOrder with one job: make(i, 0) and take(i, result) for every i
// below count; an error of make(i) is rethrown after the results made before
// it are taken, an error of take at once.
template <class Result>
void makeAheadInListOrder(std::size_t count, const std::function<Result(std::size_t, int)>& make,
                          const std::function<void(std::size_t, Result&)>& take,
                          const std::function<std::size_t(const Result&)>& bytesOf)
{
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
}

}  // namespace nimbrel
