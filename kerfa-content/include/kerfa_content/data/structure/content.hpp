#pragma once

#include <string>
#include <variant>

#include "kerfa_content/data/storage/box.hpp"
#include "kerfa_content/data/storage/string.hpp"
#include "kerfa_content/types/source.hpp"

namespace kerfa_content::data::structure {

namespace content_value {
// A check box, true when checked.
struct Check {
    bool checked;
    bool operator==(const Check&) const = default;
};
struct DividerLine {
    bool operator==(const DividerLine&) const = default;
};
// Raw HTML, kept unchanged.
struct Html {
    storage::String text;
    bool operator==(const Html&) const = default;
};
// The source is kept out of line: it is large and rare, and an item stays small.
struct Image {
    storage::Boxed<kerfa_content::types::Source> source;
    bool operator==(const Image&) const = default;
};
struct Text {
    storage::String text;
    bool operator==(const Text&) const = default;
};
}  // namespace content_value

// A leaf item. Alternatives in order: Check, DividerLine, Html, Image, Text.
class Content
    : public std::variant<content_value::Check, content_value::DividerLine, content_value::Html,
                          content_value::Image, content_value::Text> {
  public:
    using Check = content_value::Check;
    using DividerLine = content_value::DividerLine;
    using Html = content_value::Html;
    using Image = content_value::Image;
    using Text = content_value::Text;
    using variant::variant;

    static Content text_of(storage::String text) { return Text{std::move(text)}; }

    // Appends the text of Html or Text; the others add nothing.
    void text_append(std::string& out) const;

    // A copy of the text of Html or Text; empty for the others.
    std::string text() const;

    bool operator==(const Content& other) const = default;
};

}  // namespace kerfa_content::data::structure
