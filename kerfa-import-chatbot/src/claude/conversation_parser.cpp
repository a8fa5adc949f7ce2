#include "claude/conversation_parser.hpp"

#include <array>
#include <optional>
#include <string>

#include "shared/utils/white_space.hpp"
#include "utils/json_access.hpp"
#include "utils/pretty_json.hpp"

namespace import_chatbot::claude {
namespace {

using model::Message;
using model::MessageKind;
using utils::json::as_array;
using utils::json::as_string;
using utils::json::member;
using utils::json::non_empty_string;
using utils::json::Value;

struct BlockText {
    std::string text;
    MessageKind kind;
};

std::string tool_text(Value block) {
    std::string text = "**Tool**: ";
    text += as_string(member(block, "name")).value_or("unknown");
    const Value input = member(block, "input");
    if (!utils::json::is_null(input)) {
        text += "\n**Input**:\n```json\n";
        text += utils::pretty_json(*input);
        text += "\n```";
    }
    return text;
}

// The text a content block gives, by its type; none for a block that gives nothing.
std::optional<BlockText> block_text(Value block) {
    const std::optional<std::string_view> type = as_string(member(block, "type"));
    if (type == "text" || type == "thinking") {
        const std::string_view text = non_empty_string(member(block, *type));
        if (text.empty()) {
            return std::nullopt;
        }
        return BlockText{std::string(text),
                         type == "text" ? MessageKind::Standard : MessageKind::Thinking};
    }
    if (type == "tool_use") {
        return BlockText{tool_text(block), MessageKind::Working};
    }
    if (type == "tool_result") {
        return BlockText{"**Result**: (tool output)", MessageKind::Working};
    }
    return std::nullopt;
}

// The texts of one chat message grouped by kind, the groups in the order their kinds first
// appear among the blocks.
class KindGroups {
  public:
    void add(BlockText block) {
        std::optional<std::string>& group = texts_[static_cast<std::size_t>(block.kind)];
        if (group) {
            *group += "\n\n";
            *group += block.text;
            return;
        }
        group = std::move(block.text);
        order_[count_++] = block.kind;
    }

    template <typename Visit>
    void for_each(Visit&& visit) {
        for (std::size_t i = 0; i < count_; ++i) {
            visit(order_[i], std::move(*texts_[static_cast<std::size_t>(order_[i])]));
        }
    }

  private:
    static constexpr std::size_t KINDS = 3;
    std::array<std::optional<std::string>, KINDS> texts_;
    std::array<MessageKind, KINDS> order_{};
    std::size_t count_ = 0;
};

std::vector<model::Attachment> attachments_of(Value chat_message) {
    std::vector<model::Attachment> attachments;
    const auto list = as_array(member(chat_message, "attachments"));
    if (!list) {
        return attachments;
    }
    for (const simdjson::dom::element attachment : *list) {
        const std::string_view name =
            as_string(member(attachment, "file_name")).value_or("Attachment");
        const std::string_view content = non_empty_string(member(attachment, "extracted_content"));
        if (!name.empty() || !content.empty()) {
            attachments.push_back({std::string(name), std::string(content)});
        }
    }
    return attachments;
}

std::string role_of(Value chat_message) {
    const std::string_view sender = as_string(member(chat_message, "sender")).value_or("");
    return sender == "human" ? std::string("user") : std::string(sender);
}

}  // namespace

std::vector<Message> parse_message(simdjson::dom::element chat_message) {
    const std::string role = role_of(chat_message);
    const std::string_view timestamp = as_string(member(chat_message, "created_at")).value_or("");
    KindGroups groups;
    if (const auto blocks = as_array(member(chat_message, "content"))) {
        for (const simdjson::dom::element block : *blocks) {
            if (auto text = block_text(block)) {
                groups.add(std::move(*text));
            }
        }
    }
    std::vector<Message> messages;
    const auto add = [&](MessageKind kind, std::string content) -> Message& {
        Message& message = messages.emplace_back();
        message.role = role;
        message.content = std::move(content);
        message.timestamp = timestamp;
        message.kind = kind;
        return message;
    };
    groups.for_each([&](MessageKind kind, std::string text) {
        if (!shared::utils::is_blank(text)) {
            add(kind, std::move(text));
        }
    });
    std::vector<model::Attachment> attachments = attachments_of(chat_message);
    if (!attachments.empty()) {
        add(MessageKind::Standard, {}).attachments = std::move(attachments);
    }
    return messages;
}

model::Conversation parse_conversation(simdjson::dom::element value) {
    model::Conversation conversation;
    conversation.title = as_string(member(value, "name")).value_or("Untitled");
    conversation.created = as_string(member(value, "created_at")).value_or("");
    std::vector<Message> messages;
    if (const auto chat_messages = as_array(member(value, "chat_messages"))) {
        for (const simdjson::dom::element chat_message : *chat_messages) {
            std::vector<Message> parsed = parse_message(chat_message);
            messages.insert(messages.end(), std::make_move_iterator(parsed.begin()),
                            std::make_move_iterator(parsed.end()));
        }
    }
    return std::move(conversation).with_messages(std::move(messages));
}

}  // namespace import_chatbot::claude
