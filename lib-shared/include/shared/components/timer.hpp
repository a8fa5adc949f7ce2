#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace shared::components {

// Elapsed time on the monotonic clock from construction to stop(), or to now while running.
class Timer {
  public:
    using Clock = std::chrono::steady_clock;

    // A running timer started now.
    Timer() : start_(Clock::now()) {}

    // Sets (or moves) the stop instant; returns the timer for chaining.
    Timer& stop() {
        stop_ = Clock::now();
        return *this;
    }

    Clock::duration elapsed() const { return stop_.value_or(Clock::now()) - start_; }

    // "1 s  500 ms", "12 ms  034 μs" or "999 µs" (see format_duration).
    std::string duration_formatted() const { return format_duration(elapsed()); }

    // Whole seconds: "S s  MMM ms"; under a second but at least a millisecond: "M ms  UUU μs"
    // (U+03BC); below: "U µs" (U+00B5). The two different micro signs are intended.
    static std::string format_duration(std::chrono::nanoseconds elapsed);

  private:
    Clock::time_point start_;
    std::optional<Clock::time_point> stop_;
};

}  // namespace shared::components
