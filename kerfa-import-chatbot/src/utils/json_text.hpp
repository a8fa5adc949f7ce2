#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The export's JSON text as the readers take it before and around the parser: numbers the
// parser would refuse or lose the sign of, a leading byte-order mark, and where an error lies.
namespace import_chatbot::utils {

inline constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// The parser's nesting limit: a value inside this many open arrays and objects is too deep.
inline constexpr std::size_t JSON_MAX_DEPTH = 1024;

// The text with ".0" after every integer that must be read as a floating-point number: one
// beyond 64 bits (signed when negative, unsigned otherwise) and -0. None when there is none.
// The copy's capacity holds spare_capacity bytes beyond its size.
std::optional<std::string> with_wide_integers_as_floats(std::string_view text,
                                                        std::size_t spare_capacity);

// The byte offset of the first error in the text read as one JSON value within the parser's
// limits: where the bytes stop being the beginning of a valid text, or where a too-deep value or
// a number beyond the floating-point range begins. None when the text is valid.
std::optional<std::size_t> json_error_offset(std::string_view text);

// The offset of the first byte that is not JSON white space.
std::size_t json_value_offset(std::string_view text);

}  // namespace import_chatbot::utils
