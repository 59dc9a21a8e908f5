// Work spread over threads and taken back in list order.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "batch/ordered_pipeline.h"

namespace nimbrel {
namespace {

// Later entries are made faster, so threads finish them out of order.
std::size_t slowlyMade(std::size_t i)
{
    std::this_thread::sleep_for(std::chrono::microseconds(((40 - i) % 7) * 300));
    return i * 10;
}

TEST(OrderedPipeline, TakesEveryResultOnceInListOrder)
{
    for (int jobs : {1, 2, 5}) {
        std::vector<std::size_t> taken;
        std::atomic<int> made{0};
        runInListOrder<std::size_t>(
            40, jobs,
            [&](std::size_t i, int worker) {
                EXPECT_LT(worker, jobs);
                ++made;
                return slowlyMade(i);
            },
            [&](std::size_t i, std::size_t& result) {
                EXPECT_EQ(result, i * 10);
                taken.push_back(i);
            });
        EXPECT_EQ(made, 40) << jobs;
        ASSERT_EQ(taken.size(), 40u) << jobs;
        for (std::size_t i = 0; i < taken.size(); ++i) EXPECT_EQ(taken[i], i);
    }
}

TEST(OrderedPipeline, FirstErrorStopsAtItsTurnWithNothingLaterTaken)
{
    for (int jobs : {1, 4}) {
        for (bool inTake : {false, true}) {
            std::vector<std::size_t> taken;
            const auto run = [&] {
                runInListOrder<std::size_t>(
                    30, jobs,
                    [&](std::size_t i, int) {
                        if (!inTake && (i == 7 || i == 9))
                            throw std::runtime_error("make " + std::to_string(i));
                        return slowlyMade(i);
                    },
                    [&](std::size_t i, std::size_t&) {
                        if (inTake && i == 7) throw std::runtime_error("take 7");
                        taken.push_back(i);
                    });
            };
            try {
                run();
                ADD_FAILURE() << "no error";
            } catch (const std::runtime_error& e) {
                EXPECT_EQ(std::string(e.what()), inTake ? "take 7" : "make 7");
            }
            EXPECT_EQ(taken, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6})) << jobs;
        }
    }
}

TEST(OrderedPipeline, OneJobHoldsAFewSmallResultsOrOneLargeOne)
{
    // Results made and not yet taken, at most, for small and for large results.
    for (const std::size_t resultBytes : {std::size_t(100), std::size_t(5) << 20}) {
        std::size_t waiting = 0, mostWaiting = 0;
        runInListOrder<std::size_t>(
            50, 1,
            [&](std::size_t i, int) {
                mostWaiting = std::max(mostWaiting, ++waiting);
                return i;
            },
            [&](std::size_t, std::size_t&) { --waiting; },
            [&](const std::size_t&) { return resultBytes; });
        EXPECT_EQ(mostWaiting, resultBytes < kBytesAheadOnOneThread ? kResultsAheadOnOneThread : 1u);
    }
}

}  // namespace
}  // namespace nimbrel
