#pragma once

#include <memory>

#include "kerfa_content/modules/parser/parser.hpp"
#include "shared/components/metrics.hpp"

namespace kerfa_content::modules::parser {

// Records every call's duration in the shared store as "parser.<operation>".
class ParserMeter final : public Parser {
  public:
    ParserMeter(std::unique_ptr<Parser> inner, shared::components::MetricsArc metrics);

    types::ParseData parse_chars(
        std::unique_ptr<shared::components::char_iterator::CharIterator> chars) override;
    types::ParseData parse_str(std::string_view text) override;

    const Parser& inner() const { return *inner_; }

  private:
    std::unique_ptr<Parser> inner_;
    shared::components::MetricsArc metrics_;
};

}  // namespace kerfa_content::modules::parser
