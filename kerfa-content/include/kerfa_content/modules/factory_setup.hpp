#pragma once

#include <memory>
#include <optional>

#include "shared/components/metrics.hpp"

namespace kerfa_content::modules {

namespace parser {
class Parser;
}
namespace renderer {
class Renderer;
}

// What every parser and writer factory holds: which decorators to put around what it makes.
struct FactorySetup {
    // When present, every object made is wrapped in the meter.
    std::optional<shared::components::MetricsArc> metrics;
    // When set, every object made is wrapped in the trace, outside the meter.
    bool trace = false;

    // The implementation, then the meter when a store is set, then the trace when asked for.
    std::unique_ptr<parser::Parser> wrap(std::unique_ptr<parser::Parser> parser) const;
    std::unique_ptr<renderer::Renderer> wrap(std::unique_ptr<renderer::Renderer> renderer) const;
};

}  // namespace kerfa_content::modules
