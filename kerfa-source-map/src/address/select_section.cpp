#include <cstdint>
#include <limits>
#include <string>

#include "kerfa_source_map/address/handles.hpp"
#include "shared/utils/lowercase.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_source_map::address {

namespace {

// Digits only, after at most one leading "+", within 64 bits.
std::optional<std::uint64_t> parse_outline_id(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (kMax - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

std::optional<std::size_t> select_section(std::span<const SectionHandle> handles,
                                          std::string_view selector) {
    const std::string_view trimmed = shared::utils::trim(selector);
    if (const auto id = parse_outline_id(trimmed)) {
        for (std::size_t i = 0; i < handles.size(); ++i) {
            if (handles[i].id == *id) {
                return i;
            }
        }
        return std::nullopt;
    }
    const std::string wanted = shared::utils::to_lowercase(trimmed);
    for (std::size_t i = 0; i < handles.size(); ++i) {
        const auto& title = handles[i].title;
        if (title && shared::utils::to_lowercase(shared::utils::trim(*title)) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace kerfa_source_map::address
