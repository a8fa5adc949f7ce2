#include "shared/types/namevalue.hpp"

namespace shared::types {

NameValue<std::string> new_name_string(std::string_view name, std::string_view value) {
    return {std::string(name), std::string(value)};
}

}  // namespace shared::types
