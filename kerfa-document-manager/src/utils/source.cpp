#include "utils/source.hpp"

#include <string>

#include "shared/utils/lowercase.hpp"

namespace kerfa_document_manager::utils {

types::DocumentType extension_to_document_type(std::string_view extension) {
    const std::string lower = shared::utils::to_lowercase(extension);
    if (lower == "md" || lower == "markdown") {
        return types::DocumentType::Markdown;
    }
    if (lower == "kfa" || lower == "kerfa") {
        return types::DocumentType::Kerfa;
    }
    return types::DocumentType::Text;
}

}  // namespace kerfa_document_manager::utils
