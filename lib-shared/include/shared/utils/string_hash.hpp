#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace shared::utils {

// Lets hash containers of std::string be searched with a std::string_view, without a copy.
struct TransparentStringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};

using StringSet = std::unordered_set<std::string, TransparentStringHash, std::equal_to<>>;

template <typename V>
using StringMap = std::unordered_map<std::string, V, TransparentStringHash, std::equal_to<>>;

}  // namespace shared::utils
