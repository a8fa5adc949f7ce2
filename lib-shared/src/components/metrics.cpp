#include "shared/components/metrics.hpp"

namespace shared::components {

Metric& Metrics::add(std::string_view name) {
    return add_metric(std::string(name), Metric{std::string(name), Timer::Clock::now(), {}});
}

Metric& Metrics::add_metric(std::string name, Metric metric) {
    index_.insert_or_assign(std::move(name), records_.size());
    records_.push_back(std::move(metric));
    return records_.back();
}

Metric* Metrics::get(std::string_view name) {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &records_[found->second];
}

const Metric* Metrics::get(std::string_view name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &records_[found->second];
}

MetricsArc new_metrics_arc() {
    return std::make_shared<SharedMetrics>();
}

}  // namespace shared::components
