#include "kerfa_content/data/storage/string.hpp"

#include <ostream>

namespace kerfa_content::data::storage {

std::ostream& operator<<(std::ostream& out, const String& text) {
    return out << text.view();
}

}  // namespace kerfa_content::data::storage
