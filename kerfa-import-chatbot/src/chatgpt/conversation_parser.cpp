#include "chatgpt/conversation_parser.hpp"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "shared/utils/white_space.hpp"
#include "utils/date_formatter.hpp"
#include "utils/json_access.hpp"
#include "utils/lines.hpp"

namespace import_chatbot::chatgpt {
namespace {

using model::Message;
using model::MessageKind;
using utils::json::as_array;
using utils::json::as_number;
using utils::json::as_string;
using utils::json::member;
using utils::json::non_empty_string;
using utils::json::Value;

// Appends a part, with a blank line before every part but the first.
void append_part(std::string& text, std::string_view part) {
    if (!text.empty()) {
        text += "\n\n";
    }
    text += part;
}

std::string joined_parts(Value content) {
    std::string text;
    if (const auto parts = as_array(member(content, "parts"))) {
        for (const simdjson::dom::element part : *parts) {
            const std::string_view piece = non_empty_string(part);
            if (!piece.empty()) {
                append_part(text, piece);
            }
        }
    }
    return text;
}

std::string thoughts_text(Value content) {
    const Value thoughts = member(content, "thoughts");
    if (const auto text = as_string(thoughts)) {
        return std::string(*text);
    }
    std::string text;
    if (const auto list = as_array(thoughts)) {
        for (const simdjson::dom::element thought : *list) {
            const std::string_view piece = non_empty_string(member(thought, "content"));
            if (!piece.empty()) {
                append_part(text, piece);
            }
        }
    }
    return text;
}

std::string quote_text(Value content) {
    const std::string_view quoted = non_empty_string(member(content, "text"));
    if (quoted.empty()) {
        return {};
    }
    std::string text;
    std::string_view source = non_empty_string(member(content, "title"));
    if (source.empty()) {
        source = non_empty_string(member(content, "url"));
    }
    if (!source.empty()) {
        text += "**Source**: ";
        text += source;
    }
    utils::for_each_line(quoted, [&](std::string_view line) {
        if (!text.empty()) {
            text += '\n';
        }
        text += "> ";
        text += line;
    });
    return text;
}

std::string wrapped(std::string_view before, std::string_view inner, std::string_view after) {
    if (inner.empty()) {
        return {};
    }
    std::string text;
    text.reserve(before.size() + inner.size() + after.size());
    text += before;
    text += inner;
    text += after;
    return text;
}

std::string code_text(Value content) {
    const std::string_view code = non_empty_string(member(content, "text"));
    if (code.empty()) {
        return {};
    }
    std::string opening = "```";
    opening += as_string(member(content, "language")).value_or("");
    opening += '\n';
    return wrapped(opening, code, "\n```");
}

std::string content_text(Value content, std::string_view type) {
    if (type == "text" || type == "multimodal_text") {
        return joined_parts(content);
    }
    if (type == "code") {
        return code_text(content);
    }
    if (type == "thoughts") {
        return thoughts_text(content);
    }
    if (type == "reasoning_recap") {
        return std::string(as_string(member(content, "content")).value_or(""));
    }
    if (type == "system_error") {
        return std::string(as_string(member(content, "text")).value_or(""));
    }
    if (type == "tether_quote") {
        return quote_text(content);
    }
    if (type == "execution_output") {
        return wrapped("**Output**:\n```\n", non_empty_string(member(content, "text")), "\n```");
    }
    if (type == "tether_browsing_display") {
        return wrapped("**Browsing result**: ", non_empty_string(member(content, "result")), "");
    }
    return {};
}

MessageKind kind_of(std::string_view type, std::string_view role) {
    if (type == "thoughts" || type == "reasoning_recap") {
        return MessageKind::Thinking;
    }
    if (type == "code" || type == "tether_quote" || type == "execution_output" ||
        type == "tether_browsing_display" || role == "tool") {
        return MessageKind::Working;
    }
    return MessageKind::Standard;
}

std::vector<model::Attachment> attachments_of(Value message) {
    std::vector<model::Attachment> attachments;
    const auto list = as_array(member(member(message, "metadata"), "attachments"));
    if (!list) {
        return attachments;
    }
    for (const simdjson::dom::element attachment : *list) {
        const std::optional<std::string_view> name = as_string(member(attachment, "name"));
        if (!name) {
            attachments.push_back({"Attachment", {}});
        } else if (!name->empty()) {
            attachments.push_back({std::string(*name), {}});
        }
    }
    return attachments;
}

std::vector<std::string> asset_pointers_of(Value content) {
    std::vector<std::string> pointers;
    const auto parts = as_array(member(content, "parts"));
    if (!parts) {
        return pointers;
    }
    for (const simdjson::dom::element part : *parts) {
        if (as_string(member(part, "content_type")) != "image_asset_pointer") {
            continue;
        }
        const std::string_view pointer = non_empty_string(member(part, "asset_pointer"));
        if (!pointer.empty()) {
            pointers.emplace_back(pointer);
        }
    }
    return pointers;
}

// The nodes from the mapping's root to the current node. The mapping is indexed once, so the
// walk is linear; a parent chain that loops stops at the first node seen twice.
std::vector<simdjson::dom::element> branch_of(simdjson::dom::object mapping,
                                              std::string_view current) {
    struct Node {
        simdjson::dom::element value;
        bool visited = false;
    };
    std::unordered_map<std::string_view, Node> nodes;
    nodes.reserve(mapping.size());
    for (const simdjson::dom::key_value_pair field : mapping) {
        nodes.insert_or_assign(field.key, Node{field.value});
    }
    std::vector<simdjson::dom::element> branch;
    std::optional<std::string_view> id = current;
    while (id) {
        const auto found = nodes.find(*id);
        if (found == nodes.end() || found->second.visited) {
            break;
        }
        found->second.visited = true;
        branch.push_back(found->second.value);
        id = as_string(member(found->second.value, "parent"));
    }
    std::reverse(branch.begin(), branch.end());
    return branch;
}

}  // namespace

std::optional<Message> build_message(simdjson::dom::element message, std::string_view role) {
    const Value content = member(message, "content");
    const std::string_view type = as_string(member(content, "content_type")).value_or("");
    std::string text = content_text(content, type);
    std::vector<model::Attachment> attachments = attachments_of(message);
    std::vector<std::string> pointers = asset_pointers_of(content);
    if (attachments.empty() && pointers.empty() && shared::utils::is_blank(text)) {
        return std::nullopt;
    }
    Message built;
    built.role = role == "tool" ? std::string("assistant") : std::string(role);
    built.content = std::move(text);
    if (const auto seconds = as_number(member(message, "create_time"))) {
        built.timestamp = utils::timestamp_text(*seconds);
    }
    built.attachments = std::move(attachments);
    built.asset_pointers = std::move(pointers);
    built.kind = kind_of(type, role);
    return built;
}

std::optional<Message> parse_node(simdjson::dom::element node) {
    const Value message = member(node, "message");
    if (utils::json::is_null(message)) {
        return std::nullopt;
    }
    if (as_number(member(message, "weight")) == 0.0) {
        return std::nullopt;
    }
    if (utils::json::is_true(
            member(member(message, "metadata"), "is_visually_hidden_from_conversation"))) {
        return std::nullopt;
    }
    const std::string_view role = as_string(member(member(message, "author"), "role")).value_or("");
    if (role == "system") {
        return std::nullopt;
    }
    return build_message(*message, role);
}

model::Conversation parse_conversation(simdjson::dom::element value) {
    model::Conversation conversation;
    conversation.title = as_string(member(value, "title")).value_or("Untitled");
    if (const auto seconds = as_number(member(value, "create_time"))) {
        conversation.created = utils::timestamp_text(*seconds);
    }
    std::vector<Message> messages;
    const auto current = as_string(member(value, "current_node"));
    const auto mapping = utils::json::as_object(member(value, "mapping"));
    if (current && mapping) {
        for (const simdjson::dom::element node : branch_of(*mapping, *current)) {
            if (auto message = parse_node(node)) {
                messages.push_back(std::move(*message));
            }
        }
    }
    return std::move(conversation).with_messages(std::move(messages));
}

}  // namespace import_chatbot::chatgpt
