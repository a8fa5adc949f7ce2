#include "html_render/utils/numbers.hpp"

#include <array>
#include <charconv>

namespace kerfa_render_html::html_render::utils {

namespace {

template <typename Integer>
void append_decimal(std::string& out, Integer value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

}  // namespace

void append_integer(std::string& out, std::int64_t value) {
    append_decimal(out, value);
}

void append_unsigned(std::string& out, std::uint64_t value) {
    append_decimal(out, value);
}

}  // namespace kerfa_render_html::html_render::utils
