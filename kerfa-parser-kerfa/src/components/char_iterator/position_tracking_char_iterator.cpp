#include "components/char_iterator/position_tracking_char_iterator.hpp"

#include <utility>

namespace kerfa_parser_kerfa::components::char_iterator {

PositionTrackingCharIterator::PositionTrackingCharIterator(
    std::unique_ptr<shared::components::char_iterator::CharIterator> inner, SharedPosition position)
    : layer_(BoxedCharSource(std::move(inner)), std::move(position)) {}

std::optional<char32_t> PositionTrackingCharIterator::next() {
    const char32_t c = layer_.next();
    if (c == kEndOfInput) {
        return std::nullopt;
    }
    return c;
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
