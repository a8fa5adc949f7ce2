#pragma once

#include <optional>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

// How the view shows elements and content. Nothing is escaped but an image's source.
namespace kerfa_render_kerfa_indented::describe {

// "<x true>", "<--->", "[html \"...\"]", "<image File { path: \"a.png\" }>", "\"text\"".
std::string content_text(const kerfa_content::data::structure::Content& content);

// Each attribute after one blank: names and numbers as they are, colour values without "#",
// texts between double quotes when they hold white space, an invalid value as "⚠" and the text
// between double quotes.
std::string attributes_text(
    const std::optional<kerfa_content::data::types::Attributes>& attributes);

// "<bullet dash>": the kind's name ("unknown" outside the kinds) and the attributes.
std::string block_open_text(const kerfa_content::data::types::Block& block);
std::string element_open_text(const kerfa_content::data::types::PropertyElement& element);

}  // namespace kerfa_render_kerfa_indented::describe
