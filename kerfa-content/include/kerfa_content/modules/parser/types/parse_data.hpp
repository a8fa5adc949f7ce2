#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/format_error.hpp"
#include "kerfa_content/modules/parser/types/source_positions.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "kerfa_content/types/source.hpp"

namespace kerfa_content::modules::parser::types {

// What every parse gives; owned by the caller.
struct ParseData {
    // The arena that the parser built the items in, if it used one; it must outlive them, so it
    // comes first and goes with them (to_document moves both).
    std::shared_ptr<data::storage::Arena> storage;
    data::structure::DataList content;  // one Section container per section
    std::optional<FormatError> error;
    std::optional<SourcePositions> positions;
    kerfa_content::types::Metadata metadata;

    // The same record with positions replaced.
    static ParseData with_positions(ParseData data, SourcePositions positions) {
        data.positions = std::move(positions);
        return data;
    }
};

// The document of a parse: id 0, no name, the given source, the parse's metadata and sections.
// Format errors and source positions are dropped: a document does not carry them.
data::types::Document to_document(ParseData parse, kerfa_content::types::Source source);

}  // namespace kerfa_content::modules::parser::types
