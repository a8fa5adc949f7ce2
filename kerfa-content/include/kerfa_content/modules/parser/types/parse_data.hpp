#pragma once

#include <optional>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/format_error.hpp"
#include "kerfa_content/modules/parser/types/source_positions.hpp"
#include "kerfa_content/types/metadata.hpp"

namespace kerfa_content::modules::parser::types {

// What every parse gives; owned by the caller.
struct ParseData {
    std::vector<data::structure::Data> content;  // one Section container per section
    std::optional<FormatError> error;
    std::optional<SourcePositions> positions;
    kerfa_content::types::Metadata metadata;

    // The same record with positions replaced.
    static ParseData with_positions(ParseData data, SourcePositions positions) {
        data.positions = std::move(positions);
        return data;
    }
};

}  // namespace kerfa_content::modules::parser::types
