#pragma once

#include <string>
#include <vector>

namespace kerfa_content::modules::parser::types {

// The format problems of a parse, one message each, in the order found.
struct FormatError {
    std::vector<std::string> messages;

    bool operator==(const FormatError&) const = default;
};

}  // namespace kerfa_content::modules::parser::types
