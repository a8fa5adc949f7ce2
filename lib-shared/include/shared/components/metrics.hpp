#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/components/timer.hpp"

namespace shared::components {

// One measured operation.
struct Metric {
    std::string name;
    Timer::Clock::time_point start;
    std::optional<Timer::Clock::time_point> stop;
};

// Named timed operations; records only grow, a name points at its newest record.
class Metrics {
  public:
    // A record with the name, started now.
    Metric& add(std::string_view name);
    Metric& add_metric(std::string name, Metric metric);

    // The newest record of the name, or nullptr.
    Metric* get(std::string_view name);
    const Metric* get(std::string_view name) const;

    const std::vector<Metric>& records() const { return records_; }

  private:
    std::vector<Metric> records_;
    std::map<std::string, std::size_t, std::less<>> index_;
};

// The store shared by every meter, behind the program's one lock.
struct SharedMetrics {
    std::mutex mutex;
    Metrics metrics;
};

using MetricsArc = std::shared_ptr<SharedMetrics>;

MetricsArc new_metrics_arc();

}  // namespace shared::components
