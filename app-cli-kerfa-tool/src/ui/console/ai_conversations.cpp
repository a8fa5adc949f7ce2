#include "ui/console/ai_conversations.hpp"

#include <fmt/format.h>

#include <string>

#include "shared/colors.hpp"
#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::ui::console {

namespace console = shared::utils::console;

void show_convert_ai_conversations_start(import_chatbot::provider::Provider provider) {
    console::nl();
    // The same words for a Markdown run.
    console::info("Converting AI conversations to kerfa...");
    std::string format = "Format: ";
    format.append(shared::colors::LIGHT_YELLOW).append(import_chatbot::provider::display(provider));
    console::color(format);
    console::nl();
    shared::utils::write_stdout("Converting...\n");
}

void show_convert_ai_conversations_index_created(std::string_view index_file_name) {
    shared::utils::write_stdout(fmt::format("{} created.\n", index_file_name));
    console::nl();
    console::info("Done.");
}

}  // namespace kerfa_tool::ui::console
