#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "shared/components/timer.hpp"

namespace {

using shared::components::Timer;
using namespace std::chrono_literals;

TEST(Timer, FormatsEachRangeWithItsOwnUnits) {
    struct Case {
        std::chrono::nanoseconds elapsed;
        std::string expected;
    };
    // "\u03bcs" is GREEK SMALL LETTER MU, "\u00b5s" MICRO SIGN: both on purpose.
    const std::vector<Case> cases = {
        {1500ms, "1 s  500 ms"},
        {2s + 3ms, "2 s  003 ms"},
        {2s + 3ms + 999us, "2 s  003 ms"},
        {61s, "61 s  000 ms"},
        {12'034'500ns, "12 ms  034 \u03bcs"},
        {1ms, "1 ms  000 \u03bcs"},
        {999ms + 999us, "999 ms  999 \u03bcs"},
        {999us, "999 \u00b5s"},
        {999'999ns, "999 \u00b5s"},
        {250ns, "0 \u00b5s"},
        {0ns, "0 \u00b5s"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Timer::format_duration(c.elapsed), c.expected) << c.elapsed.count();
    }
    EXPECT_EQ(Timer::format_duration(1ms), "1 ms  000 \xce\xbcs");
    EXPECT_EQ(Timer::format_duration(1us), "1 \xc2\xb5s");
}

TEST(Timer, StopFreezesTheElapsedTimeAndCanBeMoved) {
    Timer timer;
    const std::string running = timer.duration_formatted();
    EXPECT_FALSE(running.empty());
    const auto stopped = timer.stop().elapsed();
    std::this_thread::sleep_for(2ms);
    EXPECT_EQ(timer.elapsed(), stopped);
    timer.stop();
    EXPECT_GE(timer.elapsed(), stopped + 2ms);
}

}  // namespace
