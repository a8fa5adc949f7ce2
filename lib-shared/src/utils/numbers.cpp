#include "shared/utils/numbers.hpp"

#include <vector>

#include "shared/utils/utf8.hpp"

namespace shared::utils {

std::string comma_separated_str(std::string_view digits) {
    std::vector<std::size_t> starts;  // byte offset of each character
    for (std::size_t position = 0; position < digits.size();) {
        starts.push_back(position);
        position += decode_utf8(digits, position).length;
    }
    std::string out;
    out.reserve(digits.size() + starts.size() / 3);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t remaining = starts.size() - i;
        if (i > 0 && remaining % 3 == 0) {
            out.push_back(',');
        }
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : digits.size();
        out.append(digits.substr(starts[i], end - starts[i]));
    }
    return out;
}

std::string comma_separated_i32(std::int32_t value) {
    // In 64 bits, so that the magnitude of the smallest 32-bit value fits.
    const std::int64_t wide = value;
    const std::int64_t magnitude = wide < 0 ? -wide : wide;
    std::string grouped = comma_separated_str(std::to_string(magnitude));
    return wide < 0 ? "-" + grouped : grouped;
}

}  // namespace shared::utils
