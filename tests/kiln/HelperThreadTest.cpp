// The engine's helper thread: every part once, failures on either thread thrown to the caller
// only once the other thread is done with its part.

#include "sim/kiln/HelperThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(HelperThreadTest, EveryPartIsDoneOnceWhicheverThreadTakesIt)
{
    kiln::HelperThread helper;
    for (const int count : {1, 2, 16, 300}) {
        std::vector<std::atomic<int>> done(static_cast<std::size_t>(count));
        helper.Run(count, [&](int part, int) { ++done[static_cast<std::size_t>(part)]; });
        for (int part = 0; part < count; ++part)
            ASSERT_EQ(done[static_cast<std::size_t>(part)], 1) << count << ": " << part;
    }
}

TEST(HelperThreadTest, AFailureOnEitherThreadIsThrownOnceTheOtherPartIsDone)
{
    kiln::HelperThread helper;
    // The helper's part fails: the caller (which waits for it to take one) stops taking parts
    // and throws it.
    std::atomic<bool> helperTook{false};
    std::atomic<int> rendered{0};
    EXPECT_THROW(helper.Run(1000,
                            [&](int, int worker) {
                                if (worker == 1) {
                                    helperTook = true;
                                    throw std::bad_alloc();
                                }
                                while (!helperTook)
                                    std::this_thread::yield();
                                ++rendered;
                                std::this_thread::sleep_for(std::chrono::microseconds(20));
                            }),
                 std::bad_alloc);
    EXPECT_LT(rendered, 1000);
    // The caller's part fails while the helper still works on one: Run returns only after it.
    std::atomic<bool> helperWorking{false};
    std::atomic<bool> helperDone{false};
    EXPECT_THROW(helper.Run(2,
                            [&](int, int worker) {
                                if (worker == 1) {
                                    helperWorking = true;
                                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                    helperDone = true;
                                    return;
                                }
                                while (!helperWorking)
                                    std::this_thread::yield();
                                throw std::runtime_error("caller's part");
                            }),
                 std::runtime_error);
    EXPECT_TRUE(helperDone);
    // And the helper serves the next rendering.
    std::atomic<int> next{0};
    helper.Run(8, [&](int, int) { ++next; });
    EXPECT_EQ(next, 8);
}

}  // namespace
