#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "components/char_iterator/char_chain.hpp"
#include "components/char_iterator/char_source.hpp"
#include "tokenizer/tokenizer.hpp"

namespace kerfa_parser_kerfa::test {

struct Tokenized {
    std::vector<tokenizer::types::LocatedToken> tokens;
    std::optional<std::size_t> unexpected_end_line;
};

// Every token of a source, read through the chain of a mode, as the parse driver reads them.
template <components::char_iterator::CharSource Source>
Tokenized tokenize_source(Source source, components::char_iterator::DoubleTagMode mode) {
    components::char_iterator::SharedPosition position;
    components::char_iterator::SharedSpans spans;
    return components::char_iterator::visit_char_chain(
        std::move(source), mode, position, spans, [&](auto& chain) {
            tokenizer::Tokenizer tokenizer(std::move(chain), position);
            Tokenized result;
            while (auto token = tokenizer.next_token()) {
                result.tokens.push_back(std::move(*token));
            }
            result.unexpected_end_line = tokenizer.unexpected_end_line();
            return result;
        });
}

// The same for a text read in place, as the parser reads a whole file.
inline Tokenized tokenize(
    std::string_view input,
    components::char_iterator::DoubleTagMode mode = components::char_iterator::DoubleTagMode::Off) {
    return tokenize_source(components::char_iterator::StrCharSource(input), mode);
}

}  // namespace kerfa_parser_kerfa::test
