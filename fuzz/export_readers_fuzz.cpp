// Any bytes as each JSON file of an export, through both providers' readers: conversations,
// user names, memories with the same bytes as projects.json. Besides no crash: the error
// locator agrees with the parser on whether the text is JSON, and every JSON error names its
// byte offset.

#include <simdjson.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "import_chatbot/chatgpt/conversations.hpp"
#include "import_chatbot/chatgpt/users.hpp"
#include "import_chatbot/claude/conversations.hpp"
#include "import_chatbot/claude/memories.hpp"
#include "import_chatbot/claude/users.hpp"
#include "import_chatbot/error.hpp"
#include "scratch.hpp"
#include "utils/json_reader.hpp"
#include "utils/json_text.hpp"

namespace {

namespace error = import_chatbot::error;
namespace utils = import_chatbot::utils;

void check_error_offset(std::string_view bytes, const std::string& path) {
    const auto parsed = utils::parse_json_file(path);
    if (parsed || !std::holds_alternative<error::JsonParseFailed>(parsed.error())) {
        std::string_view text = bytes;
        if (text.starts_with(utils::BYTE_ORDER_MARK)) {
            text.remove_prefix(utils::BYTE_ORDER_MARK.size());
        }
        if (parsed && utils::json_error_offset(text)) {
            fuzz::fail("the locator finds an error in a text the parser reads",
                       std::to_string(*utils::json_error_offset(text)));
        }
        return;
    }
    const std::string shown = error::display(parsed.error());
    if (shown.find(" at byte offset ") == std::string::npos) {
        fuzz::fail("a JSON error without its offset", shown);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = (fuzz::scratch() / "export.json").string();
    fuzz::must_write_file(path, bytes);
    check_error_offset(bytes, path);
    (void)import_chatbot::chatgpt::load_conversations(path);
    (void)import_chatbot::claude::load_conversations(path);
    if (import_chatbot::chatgpt::load_user_name(path).empty() ||
        import_chatbot::claude::load_user_name(path).empty()) {
        fuzz::fail("an empty user name");
    }
    (void)import_chatbot::claude::load_memories(path, path);
    return 0;
}
