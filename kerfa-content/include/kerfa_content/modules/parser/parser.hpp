#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_content::modules::parser {

// Every parser: text in, a ParseData out. Parsing never fails; problems become messages.
class Parser {
  public:
    virtual ~Parser() = default;

    virtual types::ParseData parse_chars(
        std::unique_ptr<shared::components::char_iterator::CharIterator> chars) = 0;
    virtual types::ParseData parse_str(std::string_view text) = 0;
};

// The name under which meters and traces record this interface's calls.
inline constexpr std::string_view PARSER_MODULE = "parser";

}  // namespace kerfa_content::modules::parser
