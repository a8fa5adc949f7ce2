#include <gtest/gtest.h>

#include "import_chatbot/model/conversation.hpp"

namespace {

using import_chatbot::model::Attachment;
using import_chatbot::model::Conversation;
using import_chatbot::model::ImageReference;
using import_chatbot::model::Message;

Message with_content(std::string content) {
    Message message;
    message.content = std::move(content);
    return message;
}

TEST(Message, HasSomethingToShowBeyondBlankContent) {
    EXPECT_FALSE(Message{}.has_something_to_show());
    EXPECT_FALSE(with_content(" \n\u3000\t").has_something_to_show());
    EXPECT_TRUE(with_content(" x ").has_something_to_show());
    Message attached = with_content(" ");
    attached.attachments.push_back(Attachment{});
    EXPECT_TRUE(attached.has_something_to_show());
    Message pointed;
    pointed.asset_pointers.emplace_back();
    EXPECT_TRUE(pointed.has_something_to_show());
    Message pictured;
    pictured.images.push_back(ImageReference{});
    EXPECT_TRUE(pictured.has_something_to_show());
}

TEST(Conversation, WithMessagesReplacesTheList) {
    Conversation conversation{"T", "c", {with_content("old")}};
    const Conversation filled = std::move(conversation).with_messages({with_content("new")});
    EXPECT_EQ(filled.title, "T");
    EXPECT_EQ(filled.created, "c");
    ASSERT_EQ(filled.messages.size(), 1U);
    EXPECT_EQ(filled.messages[0].content, "new");
}

}  // namespace
