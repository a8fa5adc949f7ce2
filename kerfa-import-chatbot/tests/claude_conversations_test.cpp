#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "claude/conversation_parser.hpp"
#include "import_chatbot/claude/conversations.hpp"
#include "import_chatbot/claude/users.hpp"
#include "json_fixture.hpp"
#include "model_printers.hpp"
#include "temp_folder.hpp"

namespace {

using import_chatbot::claude::load_conversations;
using import_chatbot::claude::load_user_name;
using import_chatbot::claude::parse_conversation;
using import_chatbot::claude::parse_message;
using import_chatbot::model::Attachment;
using import_chatbot::model::Message;
using import_chatbot::model::MessageKind;
using import_chatbot_test::Json;
using import_chatbot_test::TempFolder;

struct Expected {
    MessageKind kind;
    std::string content;
    std::vector<Attachment> attachments = {};
};

struct MessageCase {
    const char* what;
    std::string json;  // one chat message
    std::vector<Expected> messages;
};

constexpr const char* kTool =
    "**Tool**: search\n**Input**:\n```json\n{\n  \"a\": [\n    true\n  ],\n  \"b\": 1\n}\n```";

TEST(ClaudeParseMessage, GroupsBlockTextsByKind) {
    const std::vector<MessageCase> cases = {
        {"one text block",
         R"({"content":[{"type":"text","text":"hi"}]})",
         {{MessageKind::Standard, "hi"}}},
        {"every block type, in first-appearance order",
         R"({"content":[{"type":"text","text":"answer"},{"type":"thinking","thinking":"hmm"},
             {"type":"tool_use","name":"search","input":{"b":1,"a":[true]}},
             {"type":"tool_result","content":[{"type":"text","text":"never read"}]}]})",
         {{MessageKind::Standard, "answer"},
          {MessageKind::Thinking, "hmm"},
          {MessageKind::Working, std::string(kTool) + "\n\n**Result**: (tool output)"}}},
        {"thinking first comes first",
         R"({"content":[{"type":"thinking","thinking":"t"},{"type":"tool_result"},
             {"type":"text","text":"a"},{"type":"thinking","thinking":"u"}]})",
         {{MessageKind::Thinking, "t\n\nu"},
          {MessageKind::Working, "**Result**: (tool output)"},
          {MessageKind::Standard, "a"}}},
        {"texts joined, empty ones adding nothing",
         R"({"content":[{"type":"text","text":"a"},{"type":"text","text":""},{"type":"text"},
             {"type":"text","text":"b"}]})",
         {{MessageKind::Standard, "a\n\nb"}}},
        {"tool without name or input",
         R"({"content":[{"type":"tool_use"}]})",
         {{MessageKind::Working, "**Tool**: unknown"}}},
        {"tool with null input and a name of another kind",
         R"({"content":[{"type":"tool_use","name":5,"input":null}]})",
         {{MessageKind::Working, "**Tool**: unknown"}}},
        {"tool with a scalar input",
         R"({"content":[{"type":"tool_use","name":"n","input":"q"}]})",
         {{MessageKind::Working, "**Tool**: n\n**Input**:\n```json\n\"q\"\n```"}}},
        {"blank group dropped",
         R"({"content":[{"type":"text","text":" \n "},{"type":"thinking","thinking":"t"}]})",
         {{MessageKind::Thinking, "t"}}},
        {"unknown and untyped blocks give nothing",
         R"({"content":[{"type":"image"},{"text":"x"},{"type":5,"text":"x"},"text",7]})",
         {}},
        {"content of another kind", R"({"content":"hi"})", {}},
        {"attachments after the groups",
         R"({"content":[{"type":"text","text":"see"}],"attachments":[
             {"file_name":"a.txt","extracted_content":"hello"},{"file_name":"","extracted_content":"body"},
             {"file_name":"","extracted_content":""},{"extracted_content":5},{"file_name":3},"x"]})",
         {{MessageKind::Standard, "see"},
          {MessageKind::Standard,
           "",
           {{"a.txt", "hello"},
            {"", "body"},
            {"Attachment", ""},
            {"Attachment", ""},
            {"Attachment", ""}}}}},
        {"only an attachment",
         R"({"attachments":[{"file_name":"a.txt","extracted_content":"hello"}]})",
         {{MessageKind::Standard, "", {{"a.txt", "hello"}}}}},
        {"only an attachment without name and content",
         R"({"content":[],"attachments":[{"file_name":""}]})",
         {}},
    };
    for (const MessageCase& c : cases) {
        const std::vector<Message> messages = parse_message(Json(c.json));
        ASSERT_EQ(messages.size(), c.messages.size()) << c.what;
        for (std::size_t i = 0; i < messages.size(); ++i) {
            EXPECT_EQ(messages[i].kind, c.messages[i].kind) << c.what << " #" << i;
            EXPECT_EQ(messages[i].content, c.messages[i].content) << c.what << " #" << i;
            EXPECT_EQ(messages[i].attachments, c.messages[i].attachments) << c.what << " #" << i;
            EXPECT_TRUE(messages[i].asset_pointers.empty());
            EXPECT_TRUE(messages[i].images.empty());
        }
    }
}

TEST(ClaudeParseMessage, RoleAndTimestampReachEveryMessage) {
    const std::vector<std::pair<std::string, std::string>> roles = {
        {R"("sender":"human",)", "user"},
        {R"("sender":"Human",)", "Human"},
        {R"("sender":"assistant",)", "assistant"},
        {R"("sender":"tool",)", "tool"},
        {R"("sender":1,)", ""},
        {"", ""},
    };
    for (const auto& [sender, role] : roles) {
        const std::vector<Message> messages = parse_message(
            Json("{" + sender +
                 R"("created_at":"2024-05-06T07:08:09Z","content":[{"type":"text","text":"a"},
                {"type":"thinking","thinking":"b"}],"attachments":[{"file_name":"f"}]})"));
        ASSERT_EQ(messages.size(), 3U) << sender;
        for (const Message& message : messages) {
            EXPECT_EQ(message.role, role) << sender;
            EXPECT_EQ(message.timestamp, "2024-05-06T07:08:09Z") << sender;
        }
    }
    EXPECT_EQ(parse_message(Json(R"({"created_at":5,"content":[{"type":"text","text":"a"}]})"))[0]
                  .timestamp,
              "");
}

TEST(ClaudeParseConversation, KeepsEachChatMessagesMessagesTogether) {
    const Json conversation(R"({"name":"Trip","created_at":"2024-05-06T07:08:09.123Z",
        "chat_messages":[
          {"sender":"human","content":[{"type":"text","text":"q"}]},
          {"sender":"assistant","content":[{"type":"thinking","thinking":"t"},{"type":"text","text":"a"}]},
          {"sender":"human","content":[]},
          42]})");
    const auto parsed = parse_conversation(conversation);
    EXPECT_EQ(parsed.title, "Trip");
    EXPECT_EQ(parsed.created, "2024-05-06T07:08:09.123Z");
    ASSERT_EQ(parsed.messages.size(), 3U);
    EXPECT_EQ(parsed.messages[0].role, "user");
    EXPECT_EQ(parsed.messages[1].kind, MessageKind::Thinking);
    EXPECT_EQ(parsed.messages[2].content, "a");

    const std::vector<std::tuple<std::string, std::string, std::string>> fallbacks = {
        {"{}", "Untitled", ""},
        {R"({"name":"","created_at":"../../evil"})", "", "../../evil"},
        {R"({"name":null,"created_at":7,"chat_messages":{}})", "Untitled", ""},
        {"42", "Untitled", ""},
    };
    for (const auto& [json, title, created] : fallbacks) {
        const auto fallback = parse_conversation(Json(json));
        EXPECT_EQ(fallback.title, title) << json;
        EXPECT_EQ(fallback.created, created) << json;
        EXPECT_TRUE(fallback.messages.empty()) << json;
    }
}

TEST(ClaudeLoadConversations, ReadsTheArrayOrFailsForTheWholeFile) {
    const TempFolder folder;
    const auto loaded = load_conversations(folder.write(
        "conversations.json",
        R"([{"name":"A","chat_messages":[{"sender":"human","content":[{"type":"text","text":"x"}]}]},42])"));
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 2U);
    EXPECT_EQ((*loaded)[0].messages.size(), 1U);
    EXPECT_EQ((*loaded)[1].title, "Untitled");
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::JsonParseFailed>(
        load_conversations(folder.write("c.json", "[] []")).error()));
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::JsonParseFailed>(
        load_conversations(folder.write("c.json", "{}")).error()));
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::ReadFailed>(
        load_conversations(folder.write("c.json", "[\"\xED\xA0\x80\"]")).error()));
}

TEST(ClaudeLoadUserName, FallsBackToUser) {
    const TempFolder folder;
    EXPECT_EQ(load_user_name(folder.write("users.json", R"([{"full_name":"Ada"}])")), "Ada");
    EXPECT_EQ(load_user_name(folder.write("users.json", R"({"full_name":""})")), "User");
    EXPECT_EQ(load_user_name(folder.path("missing.json")), "User");
}

}  // namespace
