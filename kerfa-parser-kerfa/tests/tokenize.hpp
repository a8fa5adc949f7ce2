#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "components/char_iterator/char_chain.hpp"
#include "components/char_iterator/char_source.hpp"
#include "tokenizer/tokenizer.hpp"

namespace kerfa_parser_kerfa::test {

struct Tokenized {
    std::vector<tokenizer::types::LocatedToken> tokens;
    std::optional<std::size_t> unexpected_end_line;
};

// Every token of a text, read through the chain of a mode, as the parse driver reads them.
inline Tokenized tokenize(
    std::string_view input,
    components::char_iterator::DoubleTagMode mode = components::char_iterator::DoubleTagMode::Off) {
    components::char_iterator::SharedPosition position;
    components::char_iterator::SharedSpans spans;
    return components::char_iterator::visit_char_chain(
        components::char_iterator::StrCharSource(input), mode, position, spans, [&](auto& chain) {
            tokenizer::Tokenizer tokenizer(std::move(chain), position);
            Tokenized result;
            while (auto token = tokenizer.next_token()) {
                result.tokens.push_back(std::move(*token));
            }
            result.unexpected_end_line = tokenizer.unexpected_end_line();
            return result;
        });
}

}  // namespace kerfa_parser_kerfa::test
