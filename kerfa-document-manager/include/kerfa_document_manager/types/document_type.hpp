#pragma once

#include <cstdint>

namespace kerfa_document_manager::types {

// Which parser reads a file.
enum class DocumentType : std::uint8_t {
    Markdown = 0,
    Kerfa = 1,
    Text = 2,
};

}  // namespace kerfa_document_manager::types
