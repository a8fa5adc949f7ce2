#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"

namespace kerfa_parser_kerfa::parser {

// The Kerfa markup parser: one pass over the text through the character filters of the mode, the
// tokenizer, the state machine and the collector. Never fails: problems become messages. Holds no
// state between parses, so one parser can run any number of them.
class Parser final : public kerfa_content::modules::parser::Parser {
  public:
    using DoubleTagMode = components::char_iterator::DoubleTagMode;
    using ParseData = kerfa_content::modules::parser::types::ParseData;
    using CharIterator = shared::components::char_iterator::CharIterator;

    Parser(bool trace, DoubleTagMode mode) : trace_(trace), mode_(mode) {}

    ParseData parse_chars(std::unique_ptr<CharIterator> chars) override;
    ParseData parse_str(std::string_view text) override;
    // Built on the heap rather than in an arena, so that a section handed over is freed with it.
    ParseData parse_str_each(std::string_view text,
                             const kerfa_content::modules::parser::SectionSink& each) override;

    // The pipeline over a character source.
    ParseData parse(std::unique_ptr<CharIterator> chars) const;

    bool trace() const { return trace_; }
    DoubleTagMode mode() const { return mode_; }

  private:
    bool trace_;
    DoubleTagMode mode_;
};

}  // namespace kerfa_parser_kerfa::parser
