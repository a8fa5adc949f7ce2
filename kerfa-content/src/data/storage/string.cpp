#include "kerfa_content/data/storage/string.hpp"

#include <ostream>

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::storage {

namespace detail {

void text_too_long() {
    shared::utils::internal_fault("a text of 2^40 bytes or more");
}

}  // namespace detail

std::ostream& operator<<(std::ostream& out, const String& text) {
    return out << text.view();
}

}  // namespace kerfa_content::data::storage
