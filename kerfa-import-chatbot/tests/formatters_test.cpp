#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formatters/kerfa_formatter.hpp"
#include "formatters/markdown_formatter.hpp"
#include "formatters/shared.hpp"
#include "kerfa_content/testing/dump.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"

namespace {

using namespace import_chatbot;
using formatters::kerfa_formatter::KerfaFormatter;
using formatters::markdown_formatter::MarkdownFormatter;
using model::Attachment;
using model::Conversation;
using model::ImageReference;
using model::MemoryCollection;
using model::Message;
using model::MessageKind;
namespace fs = formatters::shared;

Message message(std::string role, std::string content, MessageKind kind = MessageKind::Standard) {
    Message m;
    m.role = std::move(role);
    m.content = std::move(content);
    m.timestamp = "2024-05-06T07:08:09Z";
    m.kind = kind;
    return m;
}

Message with_images(Message m, std::vector<ImageReference> images) {
    for (const ImageReference& image : images) {
        m.asset_pointers.push_back("file-service://" + image.file_name);
    }
    m.images = std::move(images);
    return m;
}

Conversation conversation(std::string title, std::string created, std::vector<Message> messages) {
    return Conversation{std::move(title), std::move(created), {}}.with_messages(
        std::move(messages));
}

// The Kerfa text read back by the Kerfa parser, in the one-line dump form.
std::string read_back(const std::string& kerfa) {
    const auto parse =
        kerfa_parser_kerfa::configure::ParserFactory{}.new_parser()->parse_str(kerfa);
    return kerfa_content::testing::dump_items(parse.content);
}

// The entries of a Kerfa conversation as read back: each section below the title by its name,
// with the plain text of each of its indent blocks in brackets and "!" for anything else outside
// its heading line; or the format errors of the text.
std::string entry_blocks(const std::string& kerfa) {
    using kerfa_content::data::kinds::block_kind::INDENT;
    const auto parse =
        kerfa_parser_kerfa::configure::ParserFactory{}.new_parser()->parse_str(kerfa);
    if (parse.error) {
        std::string errors = "errors:";
        for (const std::string& error : parse.error->messages) {
            errors += " " + error;
        }
        return errors;
    }
    std::string out;
    for (std::size_t s = 1; s < parse.content.size(); ++s) {
        const auto& section = *parse.content[s].as_container()->as_section();
        out += (s > 1 ? " " : "") + section.name.value_or("?");
        bool in_heading_line = true;
        for (const auto& item : section.children) {
            if (item.as_line_break() != nullptr) {
                in_heading_line = false;
                continue;
            }
            const auto* container = item.as_container();
            const auto* block = container != nullptr ? container->as_block() : nullptr;
            if (block != nullptr && block->id == INDENT) {
                out += "[";
                container->text_append(out);
                out += "]";
            } else if (!in_heading_line) {
                out += "!";
            }
        }
    }
    return out;
}

TEST(FormatterSharedParts, SectionHeaders) {
    struct Case {
        std::string role;
        MessageKind kind;
        std::string header;
    };
    const std::vector<Case> cases = {
        {"user", MessageKind::Standard, "## Ada"},
        {"assistant", MessageKind::Standard, "## Claude"},
        {"", MessageKind::Standard, "## Claude"},
        {"User", MessageKind::Standard, "## Claude"},
        {"user", MessageKind::Thinking, "## Claude Thinking"},
        {"user", MessageKind::Working, "## Claude Working"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fs::get_section_header(message(c.role, "x", c.kind), "Ada", "Claude"), c.header)
            << c.role;
    }
}

TEST(FormatterSharedParts, BodiesShiftHeadingsAndQuoteAttachments) {
    struct Case {
        const char* what;
        std::string content;
        std::vector<Attachment> attachments;
        std::string body;
    };
    const std::vector<Case> cases = {
        {"headings two levels down, fences kept",
         "# Intro\r\n```\n# code\n```\n## Title\n",
         {},
         "### Intro\n```\n# code\n```\n#### Title"},
        {"attachment lines quoted",
         "Look",
         {{"a.txt", "a\r\nb\n"}},
         "Look\n\n**[a.txt]**:\n> a\n> b"},
        {"attachment without content", "", {{"x.pdf", ""}}, "**[x.pdf]**: (no content)"},
        {"attachments after empty content",
         "",
         {{"a", "1"}, {"b", ""}},
         "**[a]**:\n> 1\n\n**[b]**: (no content)"},
        {"content of one line feed is a part", "\n", {{"a", ""}}, "\n\n**[a]**: (no content)"},
        {"headings in attachments stay", "", {{"n.md", "# Title"}}, "**[n.md]**:\n> # Title"},
    };
    for (const Case& c : cases) {
        Message m = message("user", c.content);
        m.attachments = c.attachments;
        EXPECT_EQ(fs::format_body(m), c.body) << c.what;
    }
}

TEST(FormatterSharedParts, ImageElementsAndLinks) {
    const std::vector<ImageReference> images = {{"/e/photo 1.png", "photo 1.png"},
                                                {"/e/b.png", "a#(b)[c]%.png"}};
    EXPECT_EQ(fs::format_images_kerfa(images),
              "<image \"photo 1.png\">\n<image \"a#(b)[c]%.png\">");
    EXPECT_EQ(fs::format_images_markdown(images, "2024-05-06 - Trip (plan) [1]"),
              "![](2024-05-06%20-%20Trip%20%28plan%29%20%5B1%5D/photo%201.png)\n\n"
              "![](2024-05-06%20-%20Trip%20%28plan%29%20%5B1%5D/a%23%28b%29%5Bc%5D%25.png)");
    EXPECT_EQ(fs::format_images_markdown(images, ""),
              "![](photo%201.png)\n\n![](a%23%28b%29%5Bc%5D%25.png)");
    EXPECT_EQ(fs::format_images_kerfa({}), "");
    EXPECT_EQ(fs::format_images_markdown({}, "x"), "");

    // A quoted name reads back whole, whatever it holds.
    const std::vector<ImageReference> odd = {{"/e/x", "a\"b>c\\d<<e>>.png"}};
    EXPECT_EQ(fs::format_images_kerfa(odd), "<image \"a\\\"b\\>c\\\\d<\\<e\\>\\>.png\">");
    EXPECT_EQ(read_back(fs::format_images_kerfa(odd)), "S0[img'a\"b>c\\d<<e>>.png']");
}

TEST(FormatterSharedParts, DocumentDates) {
    EXPECT_EQ(fs::document_date("2024-05-06T07:08:09Z"), "2024-05-06");
    EXPECT_EQ(fs::document_date("2024-05-06"), "2024-05-06");
    EXPECT_EQ(fs::document_date("2024/05"), "2024/05");
    EXPECT_EQ(fs::document_date(""), "");
    // Byte 10 inside a character: the cut moves back to where it starts.
    EXPECT_EQ(fs::document_date("2024-05-0\u00e9x"), "2024-05-0");
    EXPECT_EQ(fs::document_date("2024-05-\u00e9x"), "2024-05-\u00e9");
}

TEST(KerfaFormatter, ConvertsMarkdownAndKeepsBlankText) {
    const KerfaFormatter formatter;
    EXPECT_EQ(formatter.convert_to_kerfa(""), "");
    EXPECT_EQ(formatter.convert_to_kerfa(" \n\t\u3000"), " \n\t\u3000");
    EXPECT_EQ(formatter.convert_to_kerfa("Hello **world**"), "Hello <bold>world<>");
    EXPECT_EQ(formatter.convert_to_kerfa("a <b> \\\\ c"), "a <html-block>\\<b><> \\\\ c");
}

TEST(KerfaFormatter, WritesTheConversationFrame) {
    const KerfaFormatter formatter;
    Message hidden = message("assistant", " \n ");
    Message thinking = message("assistant", "Hmm", MessageKind::Thinking);
    thinking.timestamp = "";
    const Conversation chat = conversation(
        "Trip", "2024-05-06T07:08:09.123456Z",
        {message("user", "Hello **there**"), hidden, thinking,
         with_images(message("user", ""), {{"/e/a.png", "a.png"}, {"/e/b c.png", "b c.png"}}),
         with_images(message("assistant", "See"), {{"/e/d.png", "d.png"}})});
    EXPECT_EQ(
        formatter.format_conversation(chat, "Ada", "Claude", "2024-05-06 - Trip"),
        "# Trip\n2024-05-06\n"
        "\n## Ada\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in>Hello <bold>there<><>\n"
        "\n## Claude Thinking\n<meta>created <>\n\n<in>Hmm<>\n"
        "\n## Ada\n<meta>created 2024-05-06T07:08:09Z<>\n\n"
        "<in><image \"a.png\">\n<image \"b c.png\"><>\n"
        "\n## Claude\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in>See\n\n<image \"d.png\"><>\n");

    // A pointer whose image was not found still shows its message, empty.
    Message unmatched = message("user", "");
    unmatched.asset_pointers = {"file-service://gone"};
    EXPECT_EQ(formatter.format_conversation(conversation("T", "", {unmatched}), "U", "A", ""),
              "# T\n\n\n## U\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in><>\n");
}

TEST(KerfaFormatter, FrameTextsReadBackAsWritten) {
    const KerfaFormatter formatter;
    Message user = message("user", "x");
    user.timestamp = "t<1>\\2";
    const Conversation chat =
        conversation("a<b> \\c\nd\re #f @g", "#2024-05-06", {user, message("assistant", "z")});
    const std::string text =
        formatter.format_conversation(chat, "Ann <admin>\\", "@Bot\nX", "folder");
    EXPECT_EQ(text,
              "# a\\<b> \\\\c\\nd\\re #f @g\n\\#2024-05-0\n"
              "\n## Ann \\<admin>\\\\\n<meta>created t\\<1>\\\\2<>\n\n<in>x<>\n"
              "\n## @Bot\\nX\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in>z<>\n");
    EXPECT_EQ(read_back(text),
              "S0\"a<b> \\c\\nd\\re #f @g\"[#0 'a<b> \\c\\nd\\re #f @g' / '#2024-05-0' / /] "
              "S1:1\"Ann <admin>\\\"{created=t<1>\\2}[#1 'Ann <admin>\\' / / indent['x'] / /] "
              "S2:1\"@Bot\\nX\"{created=2024-05-06T07:08:09Z}[#1 '@Bot\\nX' / / indent['z'] /]");

    // A date that starts a line with "@" stays text; one with a line feed stays on its line.
    Message plain = message("assistant", "y");
    EXPECT_EQ(formatter.format_conversation(conversation("T", "@a\nb", {plain}), "U", "A", ""),
              "# T\n\\@a\\nb\n\n## A\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in>y<>\n");
}

// A heading cannot stand inside a block: the body's headings stand between its blocks, and every
// text of the body reads back inside one. The entry after the message reads back as its own.
TEST(KerfaFormatter, HeadingsStandBetweenBlocks) {
    struct Case {
        const char* what;
        Message message;
        std::string entry;   // the message's entry after its header and metadata lines
        std::string blocks;  // entry_blocks of the message's sections
    };
    const std::vector<Case> cases = {
        {"no heading: one block, as ever",
         message("user", "Hello **there**\n\nsecond\n```\n# code\n```"),
         "<in>Hello <bold>there<>\n\nsecond\n\n<codebox>\\# code<><>\n",
         "Ada[Hello there\n\nsecond\n\n# code]"},
        {"a heading in the middle",
         message("user", "Hello **there**\n\n# A heading\n\nin my message"),
         "<in>Hello <bold>there<><>\n\n### A heading\n\n<in>in my message<>\n",
         "Ada[Hello there] A heading[in my message]"},
        {"a body that starts with a heading", message("user", "# Top\ntext"),
         "### Top\n\n<in>text<>\n", "Ada Top[text]"},
        {"a heading with nothing under it", message("user", "text\n# End"),
         "<in>text<>\n\n### End\n", "Ada[text] End"},
        {"a heading followed by images",
         with_images(message("user", "text\n# End"), {{"/e/a.png", "a.png"}}),
         "<in>text<>\n\n### End\n\n<in><image \"a.png\"><>\n", "Ada[text] End[]"},
        {"two headings, a code box line that is not one",
         message("user", "# One\n## Two\nunder two\n```\n# not a heading\n```"),
         "### One\n\n#### Two\n\n<in>under two\n\n<codebox>\\# not a heading<><>\n",
         "Ada One Two[under two\n\n# not a heading]"},
        {"attachments and images end the last block",
         [] {
             Message m = with_images(message("user", "# H\ntext"), {{"/e/a.png", "a.png"}});
             m.attachments = {{"a.txt", ""}};
             return m;
         }(),
         "### H\n\n<in>text\n\n<bold>[a.txt]<>: (no content)\n\n<image \"a.png\"><>\n",
         "Ada H[text\n\n[a.txt]: (no content)\n\n]"},
        {"a block's closing line end goes after it", message("user", "# H\n<b>\n"),
         "### H\n\n<in><html-block>\\<b><><>\n", "Ada H[<b>]"},
    };
    const KerfaFormatter formatter;
    const std::string head = "# T\n\n\n## Ada\n<meta>created 2024-05-06T07:08:09Z<>\n\n";
    const std::string next = "\n## Claude\n<meta>created 2024-05-06T07:08:09Z<>\n\n<in>Done.<>\n";
    for (const Case& c : cases) {
        const std::string text = formatter.format_conversation(
            conversation("T", "", {c.message, message("assistant", "Done.")}), "Ada", "Claude", "");
        EXPECT_EQ(text, head + c.entry + next) << c.what;
        EXPECT_EQ(entry_blocks(text), c.blocks + " Claude[Done.]") << c.what;
    }
}

TEST(KerfaFormatter, MemoryDocuments) {
    const KerfaFormatter formatter;
    const MemoryCollection memories{"2024-05-06",
                                    {{"General", "**Work**\n\n# Top"}, {"<Blank>", "  "}}};
    EXPECT_EQ(formatter.format_memories(memories),
              "# Memories\n2024-05-06\n"
              "\n## General\n\n<bold>Work<>\n\n# Top\n"
              "\n## \\<Blank>\n\n  \n");
    EXPECT_EQ(formatter.format_projects({"2024-05-06", {}}), "# Projects\n2024-05-06\n");
    EXPECT_EQ(formatter.memory_filename(memories), "\u00b7 Memories - 2024-05-06.kerfa");
    EXPECT_EQ(formatter.project_filename(memories), "\u00b7 Projects - 2024-05-06.kerfa");
    EXPECT_EQ(formatter.file_extension(), ".kerfa");
}

TEST(MarkdownFormatter, WritesTheConversation) {
    const MarkdownFormatter formatter;
    Message unmatched = message("user", "");
    unmatched.asset_pointers = {"sediment://gone"};
    Message tool = message("assistant", "# Out", MessageKind::Working);
    tool.attachments = {{"a.txt", ""}};
    const Conversation chat = conversation(
        "Trip\r\nplan <x>", "2024-05-06T07:08:09Z",
        {message("user", "Hi"), message("assistant", "\t"), unmatched, tool,
         with_images(message("user", ""), {{"/e/p 1.png", "p 1.png"}}),
         with_images(message("assistant", "See"), {{"/e/a.png", "a.png"}, {"/e/b.png", "b.png"}})});
    EXPECT_EQ(formatter.format_conversation(chat, "Ada", "ChatGPT", "2024-05-06 - Trip (1)"),
              "# Trip  plan <x>\n2024-05-06\n"
              "\n## Ada\n\nHi\n"
              "\n## Ada\n\n\n"
              "\n## ChatGPT Working\n\n### Out\n\n**[a.txt]**: (no content)\n"
              "\n## Ada\n\n![](2024-05-06%20-%20Trip%20%281%29/p%201.png)\n"
              "\n## ChatGPT\n\nSee\n\n![](2024-05-06%20-%20Trip%20%281%29/a.png)\n\n"
              "![](2024-05-06%20-%20Trip%20%281%29/b.png)\n");
    EXPECT_EQ(formatter.format_conversation(conversation("", "", {}), "U", "A", ""), "# \n\n");
}

TEST(MarkdownFormatter, MemoryDocuments) {
    const MarkdownFormatter formatter;
    const MemoryCollection projects{"2024-05-06", {{"Kerfa", "# Heading\nkept"}, {"Blank", ""}}};
    EXPECT_EQ(formatter.format_projects(projects),
              "# Projects\n2024-05-06\n\n## Kerfa\n\n# Heading\nkept\n\n## Blank\n\n\n");
    EXPECT_EQ(formatter.format_memories({"2024-05-06", {}}), "# Memories\n2024-05-06\n");
    EXPECT_EQ(formatter.memory_filename(projects), "\u00b7 Memories - 2024-05-06.md");
    EXPECT_EQ(formatter.project_filename(projects), "\u00b7 Projects - 2024-05-06.md");
    EXPECT_EQ(formatter.file_extension(), ".md");
}

}  // namespace
