#pragma once

#include <expected>
#include <string_view>

#include "import_chatbot/error.hpp"

namespace import_chatbot::source {

// The export folder exists, is a folder and holds a conversations.json (of any kind).
std::expected<void, error::ImportError> validate_source(std::string_view folder);

}  // namespace import_chatbot::source
