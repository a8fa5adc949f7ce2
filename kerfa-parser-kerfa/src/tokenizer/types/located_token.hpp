#pragma once

#include <cstddef>

#include "tokenizer/types/token.hpp"

namespace kerfa_parser_kerfa::tokenizer::types {

// A token with the line and line start that the shared counters showed when its first character
// was delivered: what every message about the token uses.
struct LocatedToken {
    Token token;
    std::size_t line = 1;
    std::size_t line_start = 0;

    bool operator==(const LocatedToken&) const = default;
};

}  // namespace kerfa_parser_kerfa::tokenizer::types
