#pragma once

#include <string>
#include <string_view>

namespace shared::types {

template <typename T>
struct NameValue {
    std::string name;
    T value;

    bool operator==(const NameValue&) const = default;
};

NameValue<std::string> new_name_string(std::string_view name, std::string_view value);

}  // namespace shared::types
