#pragma once

#include <optional>
#include <string>
#include <variant>

#include "kerfa_content/data/storage/string.hpp"

namespace kerfa_content::types {

namespace source_value {
struct None {
    bool operator==(const None&) const = default;
};
struct File {
    data::storage::String path;  // a file-system path, as bytes
    bool operator==(const File&) const = default;
};
struct Http {
    data::storage::String url;
    bool operator==(const Http&) const = default;
};
}  // namespace source_value

// Where a document or an image comes from. Alternatives in order: None, File, Http.
class Source : public std::variant<source_value::None, source_value::File, source_value::Http> {
  public:
    using None = source_value::None;
    using File = source_value::File;
    using Http = source_value::Http;
    using variant::variant;

    Source() : variant(None{}) {}

    static Source file(data::storage::String path) { return File{std::move(path)}; }
    static Source http(data::storage::String url) { return Http{std::move(url)}; }

    // None for no origin; the path (invalid UTF-8 replaced by U+FFFD) or a copy of the address.
    std::optional<std::string> path_string_option() const;

    // The stem of the path's last component, or of the address's last path segment.
    std::optional<std::string> name() const;

    // The extension of the path's last component (without the dot; may be empty when the
    // component ends with a dot), or of the address's last path segment.
    std::optional<std::string> extension() const;

    // The debugging form: "None", or e.g. File { path: "a/b.kerfa" } with the text quoted and
    // escaped.
    std::string debug_text() const;

    bool operator==(const Source& other) const = default;
};

}  // namespace kerfa_content::types
