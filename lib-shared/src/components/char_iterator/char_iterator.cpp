#include "shared/components/char_iterator/char_iterator.hpp"

#include "shared/utils/utf8.hpp"

namespace shared::components::char_iterator {

std::string CharIterator::to_string() {
    std::string rest;
    while (const std::optional<char32_t> c = next()) {
        utils::append_utf8(rest, *c);
    }
    return rest;
}

}  // namespace shared::components::char_iterator
