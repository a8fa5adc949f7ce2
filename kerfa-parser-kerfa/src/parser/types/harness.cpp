#include "parser/types/harness.hpp"

#include <string>
#include <variant>

namespace kerfa_parser_kerfa::parser::types {

namespace {

using tokenizer::types::Token;

// What a token looks like in a message about it.
std::string token_text(const Token& token) {
    return std::visit(
        [](const auto& value) -> std::string {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, Token::Element>) {
                return "Impossible element found '" + value.name + "'.";
            } else if constexpr (std::is_same_v<T, Token::ElementAttribute>) {
                return "Impossible attribute found '" + value.value + "'.";
            } else if constexpr (std::is_same_v<T, Token::ElementComplete>) {
                return "Impossible '>' found.";
            } else if constexpr (std::is_same_v<T, Token::ElementTerminator>) {
                return "Impossible terminator '<>' found.";
            } else if constexpr (std::is_same_v<T, Token::Heading>) {
                return "Impossible heading found.";
            } else if constexpr (std::is_same_v<T, Token::Newline>) {
                return "Impossible newline found.";
            } else if constexpr (std::is_same_v<T, Token::Tagline>) {
                return "Impossible tagline found.";
            } else if constexpr (std::is_same_v<T, Token::Text>) {
                return "Impossible text found '" + value.text + "'.";
            } else if constexpr (std::is_same_v<T, Token::OrphanedElementOpen>) {
                return "Impossible '<' found.";
            } else {
                static_assert(std::is_same_v<T, Token::UnterminatedElement>);
                return "Impossible unterminated element found.";
            }
        },
        token.value);
}

}  // namespace

void Harness::report_bad_token(const Token& token, std::string_view context) {
    std::string message = token_text(token);
    message += ' ';
    message += context;
    message += ' ';
    message += token.name();
    collector->report_error(errors::ElementError::UnexpectedToken{line, std::move(message)});
}

void Harness::report_bad_state_token(const Token& token, const state::State& state) {
    std::string context = "Not expected for state '";
    context += state.display_name();
    context += "'.";
    report_bad_token(token, context);
}

void Harness::report_unexpected_state(const state::State& state, std::string_view action) {
    collector->report_error(errors::ElementError::UnexpectedState{
        line, std::string(state.display_name()), std::string(action)});
}

}  // namespace kerfa_parser_kerfa::parser::types
