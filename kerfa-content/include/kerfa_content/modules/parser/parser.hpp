#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_content::modules::parser {

// Takes one complete section of a parse, to own from then on.
using SectionSink = std::function<void(data::structure::Data section)>;

// Every parser: text in, a ParseData out. Parsing never fails; problems become messages.
class Parser {
  public:
    virtual ~Parser() = default;

    virtual types::ParseData parse_chars(
        std::unique_ptr<shared::components::char_iterator::CharIterator> chars) = 0;
    virtual types::ParseData parse_str(std::string_view text) = 0;

    // As parse_str, but each section goes to `each` once complete, in order, and the result holds
    // none. A parser that can drops what it built for a section when handing it over, so that a
    // caller keeping nothing of them needs the memory of one section; by default the whole parse
    // is made first.
    virtual types::ParseData parse_str_each(std::string_view text, const SectionSink& each) {
        types::ParseData parse = parse_str(text);
        for (data::structure::Data& section : parse.content) {
            each(std::move(section));
        }
        parse.content.clear();
        return parse;
    }
};

// The name under which meters and traces record this interface's calls.
inline constexpr std::string_view PARSER_MODULE = "parser";

}  // namespace kerfa_content::modules::parser
