#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_source_map/address/section_handle.hpp"

namespace kerfa_source_map::address {

// One handle per top-level item of the parse that is a section, in order.
std::vector<SectionHandle> section_handles(
    const kerfa_content::modules::parser::types::ParseData& parse);

// The index of the handle the selector names. A selector that is an unsigned decimal number
// (after trimming; one optional "+") names an outline id and never a title; any other selector
// names the first handle whose title is equal to it, both trimmed and lower-cased.
std::optional<std::size_t> select_section(std::span<const SectionHandle> handles,
                                          std::string_view selector);

}  // namespace kerfa_source_map::address
