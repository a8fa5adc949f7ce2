#include "components/char_iterator/remove_all_double_tag_char_iterator.hpp"

#include <utility>

namespace kerfa_parser_kerfa::components::char_iterator {

RemoveAllDoubleTagCharIterator::RemoveAllDoubleTagCharIterator(
    std::unique_ptr<shared::components::char_iterator::CharIterator> inner, SharedPosition position)
    : layer_(BoxedCharSource(std::move(inner)), std::move(position)) {}

std::optional<char32_t> RemoveAllDoubleTagCharIterator::next() {
    const char32_t c = layer_.next();
    if (c == kEndOfInput) {
        return std::nullopt;
    }
    return c;
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
