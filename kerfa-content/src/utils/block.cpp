#include "kerfa_content/utils/block.hpp"

#include <charconv>
#include <string_view>

#include "shared/utils/lowercase.hpp"
#include "shared/utils/strings.hpp"
#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_content::utils {

namespace {

std::int64_t parse_integer(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Letters read from the last to the first: the last weighs 1, the one k places before it
// base * k. Wraps rather than overflows on absurdly long texts.
template <class Letters>
std::int64_t letter_number(const Letters& letters, std::uint64_t base, char32_t zero) {
    std::uint64_t sum = 0;
    const std::size_t n = letters.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint64_t weight = k == 0 ? 1 : base * k;
        const auto letter = static_cast<std::uint64_t>(letters[n - 1 - k]);
        sum += (letter - zero) * weight;
    }
    return static_cast<std::int64_t>(sum);
}

std::vector<char32_t> code_points(std::string_view text) {
    std::vector<char32_t> result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto decoded = shared::utils::decode_utf8(text, i);
        result.push_back(decoded.code_point);
        i += decoded.length;
    }
    return result;
}

std::int64_t start_from_text(std::string_view written) {
    const auto text = shared::utils::trim(written);
    if (text.empty()) {
        return 1;
    }
    if (shared::utils::is_integer(text)) {
        return parse_integer(text);
    }
    if (shared::utils::is_alphabets_only(text)) {
        return letter_number(shared::utils::to_lowercase(text), 26, U'a' - 1);
    }
    if (shared::utils::is_greek_only(text)) {
        // Full lower-casing: a capital sigma that ends a word becomes the final sigma.
        return letter_number(code_points(shared::utils::to_lowercase(text)), 23, 944);
    }
    return 1;
}

}  // namespace

std::optional<std::int64_t> bullet_start(const data::types::Block& block) {
    if (!block.attributes || block.attributes->size() < 2) {
        return std::nullopt;
    }
    const auto& second = (*block.attributes)[1];
    if (const auto* integer = std::get_if<data::attributes::Attribute::Integer>(&second)) {
        return integer->value;
    }
    if (const auto* text = std::get_if<data::attributes::Attribute::String>(&second)) {
        return start_from_text(text->text);
    }
    return std::nullopt;
}

}  // namespace kerfa_content::utils
