#pragma once

#include <cstdint>
#include <memory>

#include "kerfa_document_manager/configure/parser_factory.hpp"

namespace kerfa_engine_tool::configure {

using kerfa_document_manager::configure::DoubleTagMode;

// The tool's parser set-up: the document manager's parser factory for a double-tag mode, with
// the decorators the option bits ask for.
struct EngineFactory {
    // A new shared metrics store: every parser is metered.
    static constexpr std::uint32_t METRICS = 8;
    // Every parser is traced.
    static constexpr std::uint32_t TRACE = 16;

    kerfa_document_manager::configure::ParserFactory factory;
    DoubleTagMode mode;
    std::uint32_t options;

    // Bits other than METRICS and TRACE have no effect; the command line passes 0.
    static EngineFactory create(std::uint32_t options, DoubleTagMode mode);

    std::unique_ptr<kerfa_content::modules::parser::Parser> new_parser(
        const kerfa_content::types::Source& source) const {
        return factory.new_parser(source);
    }
};

}  // namespace kerfa_engine_tool::configure
