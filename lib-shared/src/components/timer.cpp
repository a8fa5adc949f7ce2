#include "shared/components/timer.hpp"

#include <fmt/format.h>

#include <cstdint>

namespace shared::components {

std::string Timer::format_duration(std::chrono::nanoseconds elapsed) {
    const std::int64_t total = elapsed.count() < 0 ? 0 : elapsed.count();
    const std::int64_t seconds = total / 1'000'000'000;
    const std::int64_t nanos = total % 1'000'000'000;
    if (seconds != 0) {
        return fmt::format("{} s  {:03} ms", seconds, nanos / 1'000'000);
    }
    if (nanos >= 1'000'000) {
        // U+03BC GREEK SMALL LETTER MU
        return fmt::format("{} ms  {:03} \u03bcs", nanos / 1'000'000, (nanos / 1'000) % 1'000);
    }
    // U+00B5 MICRO SIGN
    return fmt::format("{} \u00b5s", nanos / 1'000);
}

}  // namespace shared::components
