#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "components/char_iterator/char_chain.hpp"
#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/utf8.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"

namespace kerfa_parser_kerfa::test {

using components::char_iterator::DoubleTagMode;
using components::char_iterator::PrivateSpan;

// Everything a character chain leaves behind once read to its end.
struct Drained {
    std::string delivered;
    std::vector<PrivateSpan> spans;
    std::size_t offset = 0;
    std::optional<std::size_t> abandoned_tag_line;

    bool operator==(const Drained&) const = default;
};

template <class Chain>
std::string drain_chars(Chain& chain) {
    std::string out;
    for (char32_t c = chain.next(); c != components::char_iterator::kEndOfInput; c = chain.next()) {
        components::char_iterator::append_utf8(out, c);
    }
    return out;
}

// Through the templated chain, as the parse reads it.
inline Drained drain(std::string_view input, DoubleTagMode mode) {
    components::char_iterator::SharedPosition position;
    components::char_iterator::SharedSpans spans;
    Drained result;
    result.delivered = components::char_iterator::visit_char_chain(
        components::char_iterator::StrCharSource(input), mode, position, spans,
        [](auto& chain) { return drain_chars(chain); });
    result.spans = spans.to_vec();
    result.offset = position.offset();
    result.abandoned_tag_line = position.abandoned_tag_line();
    return result;
}

// Through the same layers stacked as boxed CharIterators, read with to_string.
inline Drained drain_boxed(std::string_view input, DoubleTagMode mode) {
    components::char_iterator::SharedPosition position;
    components::char_iterator::SharedSpans spans;
    auto chain = components::char_iterator::make_char_chain(
        shared::components::char_iterator::StrCharIterator::boxed(input), mode, position, spans);
    Drained result;
    result.delivered = chain->to_string();
    result.spans = spans.to_vec();
    result.offset = position.offset();
    result.abandoned_tag_line = position.abandoned_tag_line();
    return result;
}

}  // namespace kerfa_parser_kerfa::test
