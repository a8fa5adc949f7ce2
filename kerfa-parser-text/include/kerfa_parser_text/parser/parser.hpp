#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/parser/parser.hpp"

namespace kerfa_parser_text::parser {

// Reads any text as one section per line, each line's text unchanged inside a "fixed" span.
// Never reports a problem. Holds nothing between parses.
class Parser final : public kerfa_content::modules::parser::Parser {
  public:
    using ParseData = kerfa_content::modules::parser::types::ParseData;
    using CharIterator = shared::components::char_iterator::CharIterator;

    ParseData parse_chars(std::unique_ptr<CharIterator> chars) override;
    ParseData parse_str(std::string_view text) override;

    // The sections of the characters of the source, which is released at the end.
    static ParseData parse(std::unique_ptr<CharIterator> chars);
};

}  // namespace kerfa_parser_text::parser
