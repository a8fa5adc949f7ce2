#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/parser/parser.hpp"

namespace kerfa_parser_markdown::parser {

// Reads Markdown (CommonMark with tables, strikethrough and task lists) into the document model:
// sections cut at top-level headings, nested lists flattened, at most 256 nested levels. Never
// fails; the only messages are a text read in part and the nesting limit. Holds nothing
// between parses.
class Parser final : public kerfa_content::modules::parser::Parser {
  public:
    using ParseData = kerfa_content::modules::parser::types::ParseData;
    using CharIterator = shared::components::char_iterator::CharIterator;

    ParseData parse_chars(std::unique_ptr<CharIterator> chars) override;
    ParseData parse_str(std::string_view text) override;

    static ParseData parse(std::string_view text);
};

// The message of a parse that met more nested levels than the model keeps.
inline constexpr std::string_view NESTING_MESSAGE =
    "Nesting depth exceeded 256 levels; deeper content was flattened.";

}  // namespace kerfa_parser_markdown::parser
