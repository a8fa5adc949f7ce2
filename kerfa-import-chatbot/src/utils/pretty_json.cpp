#include "utils/pretty_json.hpp"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <system_error>
#include <utility>
#include <vector>

namespace import_chatbot::utils {
namespace {

using Json = nlohmann::json;  // objects keep their members in a map sorted by key bytes

// A copy of the parsed value, level by level through an explicit stack. A container's children
// are handled in file order before its next sibling, so a later duplicate key replaces an
// earlier one whole.
Json to_json(simdjson::dom::element root) {
    Json result;
    std::vector<std::pair<simdjson::dom::element, Json*>> pending{{root, &result}};
    std::vector<std::pair<simdjson::dom::element, Json*>> children;
    while (!pending.empty()) {
        const auto [value, target] = pending.back();
        pending.pop_back();
        children.clear();
        switch (value.type()) {
            case simdjson::dom::element_type::ARRAY: {
                const simdjson::dom::array array = value.get_array().value_unsafe();
                *target = Json::array();
                target->get_ref<Json::array_t&>().resize(array.size());
                std::size_t index = 0;
                for (const simdjson::dom::element child : array) {
                    children.emplace_back(child, &(*target)[index++]);
                }
                break;
            }
            case simdjson::dom::element_type::OBJECT: {
                const simdjson::dom::object object = value.get_object().value_unsafe();
                *target = Json::object();
                for (const simdjson::dom::key_value_pair field : object) {
                    children.emplace_back(field.value, &(*target)[std::string(field.key)]);
                }
                break;
            }
            case simdjson::dom::element_type::INT64:
                *target = value.get_int64().value_unsafe();
                break;
            case simdjson::dom::element_type::UINT64:
                *target = value.get_uint64().value_unsafe();
                break;
            case simdjson::dom::element_type::DOUBLE:
                *target = value.get_double().value_unsafe();
                break;
            case simdjson::dom::element_type::STRING:
                *target = std::string(value.get_string().value_unsafe());
                break;
            case simdjson::dom::element_type::BOOL:
                *target = value.get_bool().value_unsafe();
                break;
            case simdjson::dom::element_type::NULL_VALUE:
                *target = nullptr;
                break;
        }
        // Reversed, so the first child is taken next.
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return result;
}

bool is_number_byte(char byte) {
    return (byte >= '0' && byte <= '9') || byte == '-' || byte == '+' || byte == '.' ||
           byte == 'e' || byte == 'E';
}

// The writer's text with every number that has a fraction or an exponent rewritten in the
// shortest form; strings are copied untouched.
std::string with_shortest_floats(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const char byte = text[position];
        std::size_t end = position + 1;
        if (byte == '"') {
            while (end < text.size() && text[end] != '"') {
                end += text[end] == '\\' ? 2 : 1;
            }
            end = std::min(end + 1, text.size());
        } else if (byte == '-' || (byte >= '0' && byte <= '9')) {
            while (end < text.size() && is_number_byte(text[end])) {
                ++end;
            }
            const std::string_view number = text.substr(position, end - position);
            double value = 0;
            if (number.find_first_of(".eE") != std::string_view::npos &&
                std::from_chars(number.data(), number.data() + number.size(), value).ec ==
                    std::errc()) {
                out += shortest_float(value);
                position = end;
                continue;
            }
        }
        out += text.substr(position, end - position);
        position = end;
    }
    return out;
}

}  // namespace

std::string shortest_float(double value) {
    if (value == 0.0) {
        return std::signbit(value) ? "-0.0" : "0.0";
    }
    // The shortest digits that read back as the value, as d.ddde±x.
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string_view mantissa = scientific.substr(0, e);
    std::string out;
    if (mantissa.starts_with('-')) {
        out += '-';
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (const char c : mantissa) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const int magnitude = exponent + 1;
    const int length = static_cast<int>(digits.size());
    if (length <= magnitude && magnitude <= 16) {
        out += digits;
        out.append(static_cast<std::size_t>(magnitude - length), '0');
        out += ".0";
    } else if (0 < magnitude && magnitude <= 16) {
        out += std::string_view(digits).substr(0, static_cast<std::size_t>(magnitude));
        out += '.';
        out += std::string_view(digits).substr(static_cast<std::size_t>(magnitude));
    } else if (-5 < magnitude && magnitude <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-magnitude), '0');
        out += digits;
    } else {
        out += digits[0];
        if (length > 1) {
            out += '.';
            out += std::string_view(digits).substr(1);
        }
        out += 'e';
        out += std::to_string(magnitude - 1);
    }
    return out;
}

std::string pretty_json(simdjson::dom::element value) {
    // Texts are UTF-8 (checked when the file was read); replacing is only a guard against a throw.
    return with_shortest_floats(to_json(value).dump(2, ' ', false, Json::error_handler_t::replace));
}

}  // namespace import_chatbot::utils
