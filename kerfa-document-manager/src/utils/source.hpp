#pragma once

#include <string_view>

#include "kerfa_document_manager/types/document_type.hpp"

namespace kerfa_document_manager::utils {

// The extension compared lower-cased: "md" and "markdown" are Markdown, "kfa" and "kerfa" Kerfa,
// anything else (the empty extension too) Text.
types::DocumentType extension_to_document_type(std::string_view extension);

}  // namespace kerfa_document_manager::utils
