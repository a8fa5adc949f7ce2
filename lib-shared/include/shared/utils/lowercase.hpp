#pragma once

#include <string>
#include <string_view>

namespace shared::utils {

// Full Unicode lower-case mapping in the root locale (never the process locale): "K" (Kelvin
// sign) gives "k", "İ" gives "i̇", a final capital sigma gives "ς". ASCII takes a fast path;
// bytes that are not UTF-8 are kept as they are.
std::string to_lowercase(std::string_view text);

// Appends the lower-case form of text to out.
void append_lowercase(std::string& out, std::string_view text);

}  // namespace shared::utils
