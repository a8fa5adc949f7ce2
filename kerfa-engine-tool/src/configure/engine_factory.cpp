#include "kerfa_engine_tool/configure/engine_factory.hpp"

#include "shared/components/metrics.hpp"

namespace kerfa_engine_tool::configure {

EngineFactory EngineFactory::create(std::uint32_t options, DoubleTagMode mode) {
    kerfa_content::modules::FactorySetup setup;
    if ((options & METRICS) != 0) {
        setup.metrics = shared::components::new_metrics_arc();
    }
    setup.trace = (options & TRACE) != 0;
    return EngineFactory{kerfa_document_manager::configure::ParserFactory::with_setup(setup, mode),
                         mode, options};
}

}  // namespace kerfa_engine_tool::configure
