#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "shared/utils/lowercase.hpp"
#include "shared/utils/string_hash.hpp"
#include "shared/utils/white_space.hpp"

namespace shared::utils {

// An optional sign and one or more ASCII digits, within the signed 64-bit range.
bool is_integer(std::string_view text);

// Every character an ASCII letter; true for "".
bool is_alphabets_only(std::string_view text);

// Every character in U+0391-U+03A9 or U+03B1-U+03C9; true for "".
bool is_greek_only(std::string_view text);

// The text without the prefix (suffix) when it has it, else a copy.
std::string remove_prefix(std::string_view text, std::string_view prefix);
std::string remove_suffix(std::string_view text, std::string_view suffix);

// Whether any text of the list is in the set.
bool hashset_contains_any(const StringSet& set, std::span<const std::string_view> texts);
inline bool hashset_contains_any(const StringSet& set,
                                 std::initializer_list<std::string_view> texts) {
    return hashset_contains_any(set,
                                std::span<const std::string_view>(texts.begin(), texts.size()));
}

}  // namespace shared::utils
