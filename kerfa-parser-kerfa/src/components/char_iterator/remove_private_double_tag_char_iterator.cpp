#include "components/char_iterator/remove_private_double_tag_char_iterator.hpp"

#include <utility>

namespace kerfa_parser_kerfa::components::char_iterator {

RemovePrivateDoubleTagCharIterator::RemovePrivateDoubleTagCharIterator(
    std::unique_ptr<shared::components::char_iterator::CharIterator> inner, SharedPosition position,
    SharedSpans spans)
    : layer_(BoxedCharSource(std::move(inner)), std::move(position), std::move(spans)) {}

std::optional<char32_t> RemovePrivateDoubleTagCharIterator::next() {
    const char32_t c = layer_.next();
    if (c == kEndOfInput) {
        return std::nullopt;
    }
    return c;
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
