#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kerfa_content/data/storage/string.hpp"

namespace kerfa_content::data::attributes {

// A link to another document, optionally narrowed by a filter and a selection. A part that would
// be empty is absent.
struct DocumentLink {
    std::optional<storage::String> document;
    std::optional<storage::String> filter;
    std::optional<storage::String> select;

    // The text form: the document unescaped, then ":?" and the escaped filter, then ":#" and the
    // escaped selection, each only when present.
    std::string to_string() const;

    // Reads the text form; every text is accepted.
    static DocumentLink from_string(std::string_view text);

    bool operator==(const DocumentLink&) const = default;
};

// The escapes of the filter and select parts: "\" doubled, and a backslash before a colon that is
// directly followed by "?" or "#".
std::string escape(std::string_view text);

}  // namespace kerfa_content::data::attributes
