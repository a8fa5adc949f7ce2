#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "chatgpt/conversation_parser.hpp"
#include "import_chatbot/chatgpt/conversations.hpp"
#include "import_chatbot/chatgpt/users.hpp"
#include "json_fixture.hpp"
#include "model_printers.hpp"
#include "temp_folder.hpp"

namespace {

using import_chatbot::chatgpt::build_message;
using import_chatbot::chatgpt::load_conversations;
using import_chatbot::chatgpt::load_user_name;
using import_chatbot::chatgpt::parse_conversation;
using import_chatbot::chatgpt::parse_node;
using import_chatbot::model::Attachment;
using import_chatbot::model::Message;
using import_chatbot::model::MessageKind;
using import_chatbot_test::Json;
using import_chatbot_test::TempFolder;

struct ContentCase {
    const char* what;
    std::string content;              // the message's "content" object
    std::optional<std::string> text;  // none: no message
    MessageKind kind = MessageKind::Standard;
};

TEST(ChatGptBuildMessage, TextOfEveryContentType) {
    const std::vector<ContentCase> cases = {
        {"text parts joined, empty and pointer parts left out",
         R"({"content_type":"text","parts":["","a",{"content_type":"image_asset_pointer","asset_pointer":"p"},"b",7]})",
         "a\n\nb"},
        {"multimodal text", R"({"content_type":"multimodal_text","parts":["x"]})", "x"},
        {"text without parts", R"({"content_type":"text"})", std::nullopt},
        {"code with language", R"({"content_type":"code","language":"python","text":"print 1"})",
         "```python\nprint 1\n```", MessageKind::Working},
        {"code without language", R"({"content_type":"code","text":"x"})", "```\nx\n```",
         MessageKind::Working},
        {"code with a language of another kind",
         R"({"content_type":"code","language":3,"text":"x"})", "```\nx\n```", MessageKind::Working},
        {"code with empty text", R"({"content_type":"code","language":"c","text":""})",
         std::nullopt},
        {"thoughts as a string", R"({"content_type":"thoughts","thoughts":"hmm"})", "hmm",
         MessageKind::Thinking},
        {"thoughts as a list",
         R"({"content_type":"thoughts","thoughts":[{"content":"a"},{"content":""},{"content":5},{},"s",{"content":"b"}]})",
         "a\n\nb", MessageKind::Thinking},
        {"reasoning recap", R"({"content_type":"reasoning_recap","content":"Thought for 3s"})",
         "Thought for 3s", MessageKind::Thinking},
        {"system error", R"({"content_type":"system_error","text":"boom"})", "boom"},
        {"quote with title",
         R"({"content_type":"tether_quote","title":"T","url":"u","text":"a\nb"})",
         "**Source**: T\n> a\n> b", MessageKind::Working},
        {"quote with empty title falls back to url",
         R"({"content_type":"tether_quote","title":"","url":"u","text":"a"})", "**Source**: u\n> a",
         MessageKind::Working},
        {"quote without source", R"({"content_type":"tether_quote","text":"a\r\n\nb\n"})",
         "> a\n> \n> b", MessageKind::Working},
        {"quote without text", R"({"content_type":"tether_quote","title":"T"})", std::nullopt},
        {"execution output", R"({"content_type":"execution_output","text":"42"})",
         "**Output**:\n```\n42\n```", MessageKind::Working},
        {"browsing display", R"({"content_type":"tether_browsing_display","result":"r"})",
         "**Browsing result**: r", MessageKind::Working},
        {"browsing display without result", R"({"content_type":"tether_browsing_display"})",
         std::nullopt},
        {"unknown type", R"({"content_type":"user_editable_context","parts":["x"]})", std::nullopt},
        {"type of another kind", R"({"content_type":5,"parts":["x"]})", std::nullopt},
        {"blank text", R"({"content_type":"text","parts":[" \n\u3000"]})", std::nullopt},
    };
    for (const ContentCase& c : cases) {
        const Json message(R"({"content":)" + c.content + "}");
        const std::optional<Message> built = build_message(message, "user");
        ASSERT_EQ(built.has_value(), c.text.has_value()) << c.what;
        if (built) {
            EXPECT_EQ(built->content, *c.text) << c.what;
            EXPECT_EQ(built->kind, c.kind) << c.what;
            EXPECT_EQ(built->role, "user") << c.what;
        }
    }
}

TEST(ChatGptBuildMessage, RolesKindsTimestampsAttachmentsAndPointers) {
    const Json text(
        R"({"content":{"content_type":"text","parts":["x"]},"create_time":1700000000.25})");
    const Message tool = build_message(text, "tool").value();
    EXPECT_EQ(tool.role, "assistant");
    EXPECT_EQ(tool.kind, MessageKind::Working);
    EXPECT_EQ(tool.timestamp, "2023-11-14T22:13:20.250000Z");
    EXPECT_EQ(build_message(text, "").value().role, "");
    EXPECT_EQ(build_message(text, "critic").value().role, "critic");

    const Json thoughts(
        R"({"content":{"content_type":"thoughts","thoughts":"t"},"create_time":"x"})");
    const Message thinking = build_message(thoughts, "tool").value();
    EXPECT_EQ(thinking.kind, MessageKind::Thinking);
    EXPECT_EQ(thinking.timestamp, "");

    const Json attached(
        R"({"content":{"content_type":"text","parts":[]},"metadata":{"attachments":[{"name":"a.txt"},{"name":""},{},{"name":5},"x",{"name":"b"}]}})");
    const Message with_attachments = build_message(attached, "user").value();
    EXPECT_EQ(with_attachments.content, "");
    EXPECT_EQ(
        with_attachments.attachments,
        (std::vector<Attachment>{
            {"a.txt", ""}, {"Attachment", ""}, {"Attachment", ""}, {"Attachment", ""}, {"b", ""}}));

    const Json only_empty_name(
        R"({"content":{"content_type":"text","parts":[]},"metadata":{"attachments":[{"name":""}]}})");
    EXPECT_FALSE(build_message(only_empty_name, "user"));

    const Json pointers(R"({"content":{"content_type":"multimodal_text","parts":[
        {"content_type":"image_asset_pointer","asset_pointer":"file-service://file-X"},
        {"content_type":"image_asset_pointer","asset_pointer":"sediment://file_Y"},
        {"content_type":"image_asset_pointer","asset_pointer":""},
        {"content_type":"audio_asset_pointer","asset_pointer":"file-service://file-A"},
        {"asset_pointer":"file-service://file-B"},
        " "]}})");
    const Message pictured = build_message(pointers, "user").value();
    EXPECT_EQ(pictured.content, " ");
    EXPECT_EQ(pictured.asset_pointers,
              (std::vector<std::string>{"file-service://file-X", "sediment://file_Y"}));
    EXPECT_TRUE(pictured.images.empty());
}

TEST(ChatGptParseNode, HidesWeightlessHiddenAndSystemMessages) {
    const auto node = [](const std::string& fields) {
        return R"({"message":{"content":{"content_type":"text","parts":["x"]},"author":{"role":"user"})" +
               fields + "}}";
    };
    const std::vector<std::pair<std::string, bool>> cases = {
        {node(""), true},
        {node(R"(,"weight":0)"), false},
        {node(R"(,"weight":0.0)"), false},
        {node(R"(,"weight":-0.0)"), false},
        {node(R"(,"weight":0e5)"), false},
        {node(R"(,"weight":1)"), true},
        {node(R"(,"weight":"0")"), true},
        {node(R"(,"weight":null)"), true},
        {node(R"(,"metadata":{"is_visually_hidden_from_conversation":true})"), false},
        {node(R"(,"metadata":{"is_visually_hidden_from_conversation":false})"), true},
        {node(R"(,"metadata":{"is_visually_hidden_from_conversation":"true"})"), true},
        {node(R"(,"metadata":{"is_visually_hidden_from_conversation":1})"), true},
        {R"({"message":{"content":{"content_type":"text","parts":["x"]},"author":{"role":"system"}}})",
         false},
        {R"({"message":null})", false},
        {R"({"parent":"a"})", false},
        {R"({"message":"text"})", false},
        {"42", false},
    };
    for (const auto& [json, shown] : cases) {
        EXPECT_EQ(parse_node(Json(json)).has_value(), shown) << json;
    }
    // A role that is missing or not a string is the empty role, not the user.
    const Json no_role(R"({"message":{"content":{"content_type":"text","parts":["x"]}}})");
    EXPECT_EQ(parse_node(no_role).value().role, "");
    const Json number_role(
        R"({"message":{"content":{"content_type":"text","parts":["x"]},"author":{"role":1}}})");
    EXPECT_EQ(parse_node(number_role).value().role, "");
}

std::string text_node(const std::string& id, const std::string& parent, const std::string& text) {
    return "\"" + id + R"(":{"parent":)" + parent +
           R"(,"message":{"author":{"role":"user"},"content":{"content_type":"text","parts":[")" +
           text + "\"]}}}";
}

std::vector<std::string> contents(const import_chatbot::model::Conversation& conversation) {
    std::vector<std::string> texts;
    for (const Message& message : conversation.messages) {
        texts.push_back(message.content);
    }
    return texts;
}

TEST(ChatGptParseConversation, ReadsTheBranchEndingAtTheCurrentNode) {
    const std::string mapping =
        "{" + std::string(R"("root":{"message":null,"parent":null},)") +
        text_node("a", "\"root\"", "A") + "," + text_node("b1", "\"a\"", "B1 regenerated away") +
        "," + text_node("b2", "\"a\"", "B2") + "," + text_node("c", "\"b2\"", "C") + "}";
    const Json conversation(R"({"title":"T","create_time":0,"current_node":"c","mapping":)" +
                            mapping + "}");
    const auto parsed = parse_conversation(conversation);
    EXPECT_EQ(parsed.title, "T");
    EXPECT_EQ(parsed.created, "1970-01-01T00:00:00.000000Z");
    EXPECT_EQ(contents(parsed), (std::vector<std::string>{"A", "B2", "C"}));

    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {R"({"current_node":"zz","mapping":)" + mapping + "}", {}},
        {R"({"current_node":"b1","mapping":)" + mapping + "}", {"A", "B1 regenerated away"}},
        {R"({"current_node":5,"mapping":)" + mapping + "}", {}},
        {R"({"current_node":"c","mapping":[]})", {}},
        // A parent that is missing from the mapping or not a string ends the branch.
        {"{\"current_node\":\"b\",\"mapping\":{" + text_node("b", "\"gone\"", "B") + "}}", {"B"}},
        {"{\"current_node\":\"b\",\"mapping\":{" + text_node("b", "7", "B") + "," +
             text_node("7", "null", "seven") + "}}",
         {"B"}},
        // A parent cycle stops at the first node seen again, keeping the nodes read.
        {"{\"current_node\":\"x\",\"mapping\":{" + text_node("x", "\"y\"", "X") + "," +
             text_node("y", "\"z\"", "Y") + "," + text_node("z", "\"x\"", "Z") + "}}",
         {"Z", "Y", "X"}},
        {"{\"current_node\":\"s\",\"mapping\":{" + text_node("s", "\"s\"", "S") + "}}", {"S"}},
        // Duplicate keys: the later member wins, in the mapping and in every object.
        {"{\"current_node\":\"d\",\"current_node\":\"e\",\"mapping\":{" +
             text_node("d", "null", "D") + "," + text_node("e", "null", "E1") + "," +
             text_node("e", "null", "E2") + "}}",
         {"E2"}},
    };
    for (const auto& [json, expected] : cases) {
        EXPECT_EQ(contents(parse_conversation(Json(json))), expected) << json;
    }
}

TEST(ChatGptParseConversation, TitleAndCreationFallBack) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {R"({})", "Untitled", ""},
        {R"({"title":"","create_time":"2024"})", "", ""},
        {R"({"title":null,"create_time":null})", "Untitled", ""},
        {R"({"title":7,"create_time":1700000000})", "Untitled", "2023-11-14T22:13:20.000000Z"},
        {R"({"title":"a","title":"b"})", "b", ""},
        {"42", "Untitled", ""},
        {"[]", "Untitled", ""},
    };
    for (const auto& [json, title, created] : cases) {
        const auto parsed = parse_conversation(Json(json));
        EXPECT_EQ(parsed.title, title) << json;
        EXPECT_EQ(parsed.created, created) << json;
        EXPECT_TRUE(parsed.messages.empty()) << json;
    }
}

TEST(ChatGptLoadConversations, ReadsTheArrayOrFailsForTheWholeFile) {
    const TempFolder folder;
    const std::string good =
        folder.write("conversations.json", R"([{"title":"One","current_node":"a","mapping":{)" +
                                               text_node("a", "null", "hi") +
                                               R"(}}, 42, "x", {"title":"Three"}])");
    const auto loaded = load_conversations(good);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 4U);
    EXPECT_EQ((*loaded)[0].title, "One");
    EXPECT_EQ(contents((*loaded)[0]), std::vector<std::string>{"hi"});
    EXPECT_EQ((*loaded)[1].title, "Untitled");
    EXPECT_TRUE((*loaded)[1].messages.empty());
    EXPECT_EQ((*loaded)[3].title, "Three");

    EXPECT_TRUE(load_conversations(folder.write("empty.json", " [ ] \n"))->empty());

    using import_chatbot::error::display;
    const std::string not_array = folder.write("object.json", R"({"title":"x"})");
    EXPECT_EQ(display(load_conversations(not_array).error()),
              "Failed to parse JSON in " + not_array +
                  ": The JSON element does not have the requested type. at byte offset 0");
    for (const std::string text : {"[] []", "[", ""}) {
        const std::string path = folder.write("bad.json", text);
        const auto failed = load_conversations(path);
        ASSERT_FALSE(failed) << text;
        EXPECT_TRUE(std::holds_alternative<import_chatbot::error::JsonParseFailed>(failed.error()))
            << text;
    }
    const std::string invalid = folder.write("utf8.json", "[{\"title\":\"\xC0\"}]");
    EXPECT_EQ(display(load_conversations(invalid).error()),
              "Failed to read " + invalid + ": stream did not contain valid UTF-8");
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::ReadFailed>(
        load_conversations(folder.path("missing.json")).error()));
}

TEST(ChatGptLoadUserName, FallsBackToUser) {
    const TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"full_name":"Ada Lovelace"})", "Ada Lovelace"},
        {R"([{"full_name":"Ada"},{"full_name":"Bob"}])", "Ada"},
        {R"({"full_name":""})", "User"},
        {R"({"full_name":5})", "User"},
        {R"({"name":"Ada"})", "User"},
        {"[]", "User"},
        {"{", "User"},
        {"{\"full_name\":\"\xFF\"}", "User"},
    };
    for (const auto& [text, name] : cases) {
        EXPECT_EQ(load_user_name(folder.write("user.json", text)), name) << text;
    }
    EXPECT_EQ(load_user_name(folder.path("missing.json")), "User");
}

}  // namespace
