#include "shared/components/char_iterator/str_char_iterator.hpp"

#include "shared/utils/utf8.hpp"

namespace shared::components::char_iterator {

std::unique_ptr<CharIterator> StrCharIterator::boxed(std::string_view text) {
    return std::make_unique<StrCharIterator>(text);
}

std::optional<char32_t> StrCharIterator::next() {
    if (position_ >= text_.size()) {
        return std::nullopt;
    }
    const utils::DecodedChar decoded = utils::decode_utf8(text_, position_);
    position_ += decoded.length;
    return decoded.code_point;
}

std::string StrCharIterator::to_string() {
    std::string rest(text_.substr(position_));
    position_ = text_.size();
    return rest;
}

}  // namespace shared::components::char_iterator
