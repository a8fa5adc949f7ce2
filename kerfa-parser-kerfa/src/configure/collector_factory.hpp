#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "errors/element_error.hpp"
#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/source_positions.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "parser/collector/collector.hpp"

namespace kerfa_parser_kerfa::configure {

// Makes the collector of one parse, traced when the parser traces.
struct CollectorFactory {
    bool trace = false;

    // A collector over the parse's holders, which must outlive it.
    std::unique_ptr<parser::collector::Collector> collector(
        kerfa_content::data::structure::DataList& content, kerfa_content::types::Metadata& metadata,
        std::vector<errors::ElementError>& errors, std::uint64_t first_id,
        kerfa_content::modules::parser::types::SourcePositions& positions,
        kerfa_content::data::storage::Arena* arena = nullptr,
        const kerfa_content::modules::parser::SectionSink* each = nullptr) const;
};

}  // namespace kerfa_parser_kerfa::configure
