#pragma once

#include <cstdint>
#include <string_view>

namespace import_chatbot::provider {

// Who made the export.
enum class Provider : std::uint8_t {
    Claude = 0,
    ChatGPT = 1,
};

// The request value that leaves the choice to the export folder.
inline constexpr std::uint8_t DETECT_PROVIDER = 2;

// "Claude" or "ChatGPT": also the assistant's name in the message headers.
std::string_view display(Provider provider);

// 0 is Claude and 1 ChatGPT; any other request reads the folder: ChatGPT when it holds a
// user.json, else Claude.
Provider resolve_provider(std::uint8_t request, std::string_view folder);

}  // namespace import_chatbot::provider
