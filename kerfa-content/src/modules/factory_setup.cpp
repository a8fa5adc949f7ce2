#include "kerfa_content/modules/factory_setup.hpp"

#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_content/modules/renderer/renderer_meter.hpp"
#include "kerfa_content/modules/renderer/renderer_trace.hpp"

namespace kerfa_content::modules {

namespace {

template <class Meter, class Trace, class Interface>
std::unique_ptr<Interface> wrap_with(const FactorySetup& setup, std::unique_ptr<Interface> made) {
    if (setup.metrics) {
        made = std::make_unique<Meter>(std::move(made), *setup.metrics);
    }
    if (setup.trace) {
        made = std::make_unique<Trace>(std::move(made));
    }
    return made;
}

}  // namespace

std::unique_ptr<parser::Parser> FactorySetup::wrap(std::unique_ptr<parser::Parser> parser) const {
    return wrap_with<parser::ParserMeter, parser::ParserTrace>(*this, std::move(parser));
}

std::unique_ptr<renderer::Renderer> FactorySetup::wrap(
    std::unique_ptr<renderer::Renderer> renderer) const {
    return wrap_with<renderer::RendererMeter, renderer::RendererTrace>(*this, std::move(renderer));
}

}  // namespace kerfa_content::modules
