#pragma once

#include <simdjson.h>

#include <string>

namespace import_chatbot::utils {

// The value as indented JSON text: two blanks per level, ": " after keys, "{}" and "[]" when
// empty, object members sorted by key bytes at every level (a later duplicate key wins), and
// numbers with a fraction or exponent in their shortest form ("0.1", "1.0", "1e16", "1e-7").
std::string pretty_json(simdjson::dom::element value);

// A finite double in that shortest form.
std::string shortest_float(double value);

}  // namespace import_chatbot::utils
