#pragma once

#include <cstdint>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_document_manager::components::convertors {

// The 8-bit number of an output form: 0 headings list, 1 HTML page, 2 Markdown, 3 canonical
// Kerfa, 4 indented view, 5 minimalist Kerfa, 6 Kerfa V1, 7 structure dump, 8 plain text.
using ConvertTarget = std::uint8_t;

inline constexpr ConvertTarget TARGET_COUNT = 9;

// Whether the tool has the writer of this output form.
bool has_writer(ConvertTarget target);

// The whole text of the document in the output form, from a fresh writer without wrappers. A
// form without a writer, or a number past the nine forms, is an internal fault: the command
// line makes only these nine.
std::string convert(const kerfa_content::data::types::Document& document, ConvertTarget target);

}  // namespace kerfa_document_manager::components::convertors
