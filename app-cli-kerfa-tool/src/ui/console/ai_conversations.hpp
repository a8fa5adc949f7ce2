#pragma once

#include <string_view>

#include "import_chatbot/provider.hpp"

namespace kerfa_tool::ui::console {

// The lines that open an ai-chats run, naming the provider in bright yellow.
void show_convert_ai_conversations_start(import_chatbot::provider::Provider provider);

// The lines that close an ai-chats run: the index written, then "Done.".
void show_convert_ai_conversations_index_created(std::string_view index_file_name);

}  // namespace kerfa_tool::ui::console
