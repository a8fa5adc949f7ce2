#pragma once

#include <memory>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"

namespace kerfa_parser_kerfa::configure {

// Makes Kerfa parsers: traced when the setup asks, metered when it holds a metrics store.
struct ParserFactory {
    kerfa_content::modules::FactorySetup setup;
    components::char_iterator::DoubleTagMode mode = components::char_iterator::DoubleTagMode::Off;

    // A new parser owned by the caller, wrapped as the setup asks (the trace outermost).
    std::unique_ptr<kerfa_content::modules::parser::Parser> new_parser() const;
};

}  // namespace kerfa_parser_kerfa::configure
