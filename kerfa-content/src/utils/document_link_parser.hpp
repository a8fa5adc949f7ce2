#pragma once

#include <string_view>

#include "kerfa_content/data/attributes/document_link.hpp"

namespace kerfa_content::utils {

// Reads the text form of a document link; every text is accepted. "\:" is a colon everywhere;
// "\\" is one backslash in the filter and select parts and stays two in the document part.
data::attributes::DocumentLink parse_document_link(std::string_view text);

}  // namespace kerfa_content::utils
