#include "parser/state/state_post_metadata.hpp"

#include <utility>

#include "parser/state/terminator_rule.hpp"

namespace kerfa_parser_kerfa::parser::state {

using tokenizer::types::Token;

State StatePostMetadata::next_text(types::Harness& harness, std::string text) {
    Token token = Token::Text{std::move(text)};
    return State::next(resume(harness), harness, token);
}

State StatePostMetadata::next_newline(types::Harness& harness, Token token) {
    if (harness.collector->is_very_first()) {
        return State::Start{};  // so that a heading on the next line joins the first section
    }
    State resumed = resume(harness);
    if (resumed.is<State::Default>()) {
        return resumed;  // the line end after the metadata adds no line break
    }
    return State::next(std::move(resumed), harness, token);
}

State StatePostMetadata::next_terminator(types::Harness& harness) {
    if (harness.collector->is_very_first()) {
        harness.report_bad_state_token(Token::ElementTerminator{}, State::Start{});
        return State::Start{};
    }
    State resumed = resume(harness);
    if (resumed.is<State::Default>()) {
        return terminator_rule(harness);
    }
    return State::next_terminator(std::move(resumed), harness);
}

}  // namespace kerfa_parser_kerfa::parser::state
