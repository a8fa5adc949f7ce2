#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_parser_markdown::types {

// One open container of the importer: a section or a block being filled.
struct ContainerInFlight {
    kerfa_content::data::structure::Container container;
    std::size_t open_properties = 0;  // spans opened in it and not yet closed
    std::uint8_t pending_breaks = 0;  // line breaks owed before its next item, 0 to 2

    // The block's kind; none for a section.
    std::optional<kerfa_content::data::kinds::BlockKind> block_kind() const {
        const auto* block = container.as_block();
        return block != nullptr ? std::optional(block->id) : std::nullopt;
    }

    // The texts of its Text and Html items up to its first line break, untrimmed.
    std::string heading_name() const;
};

}  // namespace kerfa_parser_markdown::types
