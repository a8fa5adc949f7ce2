#pragma once

#include <simdjson.h>

#include <optional>
#include <string_view>

// Typed reads of JSON values: a value of another kind than the one asked for reads as missing,
// and so does a member looked up in a value that is not an object.
namespace import_chatbot::utils::json {

using Value = std::optional<simdjson::dom::element>;

// The member of that key. With duplicate keys the last one wins, as it would in a map built from
// the object (a plain look-up would give the first).
inline Value member(Value value, std::string_view key) {
    simdjson::dom::object object;
    if (!value || value->get_object().get(object) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    Value found;
    for (const simdjson::dom::key_value_pair field : object) {
        if (field.key == key) {
            found = field.value;
        }
    }
    return found;
}

inline std::optional<std::string_view> as_string(Value value) {
    std::string_view text;
    if (!value || value->get_string().get(text) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    return text;
}

// A string that is not empty, else "".
inline std::string_view non_empty_string(Value value) {
    return as_string(value).value_or(std::string_view());
}

// Any JSON number, integers converted to double.
inline std::optional<double> as_number(Value value) {
    double number = 0;
    if (!value || value->get_double().get(number) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    return number;
}

inline std::optional<simdjson::dom::array> as_array(Value value) {
    simdjson::dom::array array;
    if (!value || value->get_array().get(array) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    return array;
}

inline std::optional<simdjson::dom::object> as_object(Value value) {
    simdjson::dom::object object;
    if (!value || value->get_object().get(object) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    return object;
}

inline bool is_true(Value value) {
    return value && value->is_bool() && value->get_bool().value_unsafe();
}

inline bool is_null(Value value) {
    return !value || value->is_null();
}

}  // namespace import_chatbot::utils::json
