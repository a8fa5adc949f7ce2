#pragma once

#include <string_view>

#include "shared/components/metrics.hpp"

namespace shared::components::metrics::utils {

// Locks the store and adds a record with the name, started now.
void add_metric(const MetricsArc& store, std::string_view name);

// Locks the store and stops the newest record of the name; nothing when there is none.
void stop_metric(const MetricsArc& store, std::string_view name);

}  // namespace shared::components::metrics::utils
