#include "shared/components/metrics/utils/arc_utils.hpp"

namespace shared::components::metrics::utils {

void add_metric(const MetricsArc& store, std::string_view name) {
    const std::lock_guard lock(store->mutex);
    store->metrics.add(name);
}

void stop_metric(const MetricsArc& store, std::string_view name) {
    const std::lock_guard lock(store->mutex);
    if (Metric* metric = store->metrics.get(name)) {
        metric->stop = Timer::Clock::now();
    }
}

}  // namespace shared::components::metrics::utils
