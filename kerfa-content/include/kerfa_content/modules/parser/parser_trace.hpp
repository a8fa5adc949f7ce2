#pragma once

#include <memory>

#include "kerfa_content/modules/parser/parser.hpp"

namespace kerfa_content::modules::parser {

// Logs entry and exit (with the duration) of every call through the trace log.
class ParserTrace final : public Parser {
  public:
    explicit ParserTrace(std::unique_ptr<Parser> inner);

    types::ParseData parse_chars(
        std::unique_ptr<shared::components::char_iterator::CharIterator> chars) override;
    types::ParseData parse_str(std::string_view text) override;

    const Parser& inner() const { return *inner_; }

  private:
    std::unique_ptr<Parser> inner_;
};

}  // namespace kerfa_content::modules::parser
