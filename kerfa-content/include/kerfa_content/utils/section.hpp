#pragma once

#include <optional>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::utils {

// The plain text of the section's first line (up to its first line break); none when empty.
std::optional<std::string> first_line_text(const data::types::Section& section);

// Trimmed of white space at both ends; none for none and for a blank text.
std::optional<std::string> normalize_name(std::optional<std::string> name);

// When the section starts with a heading marker: its level and the normalized first-line text
// become the section's level and name. Otherwise the section is left alone.
void update_from_heading(data::types::Section& section);

}  // namespace kerfa_content::utils
