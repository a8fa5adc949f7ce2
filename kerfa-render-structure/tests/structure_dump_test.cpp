#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/testing/small_stack.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_render_structure/structure_renderer.hpp"
#include "utils.hpp"

namespace kerfa_render_structure {
namespace {

using namespace kerfa_content::testing;
namespace kattr = kerfa_content::data::attributes;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::types::Source;

TEST(StructureDump, OneLinePerItemKind) {
    struct Case {
        const char* what;
        Data item;
        std::string line;
    };
    std::vector<Case> cases;
    cases.push_back({"block without attributes", block(bk::BULLET), "[Block : bullet ]"});
    cases.push_back({"block with a style",
                     block(bk::BULLET, {}, attrs({attr::bullet(kattr::BulletStyle::Dash)})),
                     "[Block : bullet Bullet dash ]"});
    cases.push_back({"block outside the kinds", block(99), "[Block : unknown ]"});
    cases.push_back({"section without a name", section_with_id(3),
                     "[Section : id: 3, level: 0, name: \"None\"]"});
    cases.push_back({"nested document", document(), "[Document : id: 0, name: \"\"]"});
    cases.push_back({"check", check(true), "[check: true]"});
    cases.push_back({"unchecked", check(false), "[check: false]"});
    cases.push_back({"divider", divider(), "[divider line]"});
    cases.push_back(
        {"raw HTML unescaped", html("<p class=\"x\">\\</p>"), "[html] \"<p class=\"x\">\\</p>\""});
    cases.push_back({"image without a source", image_source(Source{}), "[image source: None]"});
    cases.push_back({"image file, escaped", image("a \"b\"\\c\n\x01.png"),
                     "[image source: File { path: \"a \\\"b\\\"\\\\c\\n\\u{1}.png\" }]"});
    cases.push_back({"image address", image_source(Source::http("http://x.org/\xC3\xA9\t.png")),
                     "[image source: Http { url: \"http://x.org/\xC3\xA9\\t.png\" }]"});
    cases.push_back({"text unescaped", text("a \"<b>\" \\"), "\"a \"<b>\" \\\""});
    cases.push_back({"heading", heading(2), "<<Heading>> level: 2"});
    cases.push_back({"tagline", tagline(), "<<Tagline>>"});
    cases.push_back({"line break", line_break(), "\\n"});
    cases.push_back({"line break with a carriage return: n before r", line_break(true), "\\n\\r"});
    cases.push_back({"span without attributes", open(pk::STRIKETHROUGH), "<strikethrough>"});
    cases.push_back({"span outside the kinds", open(77), "<unknown>"});
    cases.push_back({"invalid element", open_invalid("zz", attrs({attr::text("a")})),
                     "< [:invalid:] zz \"a\">"});
    cases.push_back({"terminator", close(), "<>"});
    for (const Case& c : cases) {
        EXPECT_EQ(utils::data_description(c.item), c.line) << c.what;
    }
}

TEST(StructureDump, AttributeLabels) {
    const auto all = attrs({
        attr::boolean(true),
        attr::bullet(kattr::BulletStyle::DecimalLeadingZero),
        attr::color(kattr::NamedColor::DarkSlateGray),
        attr::color(kattr::NamedColor::MidYellowGreen),
        attr::hex("AbC"),
        attr::doc_link("notes", "a:?b", "s"),
        attr::integer(-9223372036854775807 - 1),
        attr::text("two words"),
        attr::text(""),
        attr::invalid("bad"),
    });
    EXPECT_EQ(
        utils::to_attributes(all),
        " Boolean true Bullet decimal-leading-zero Color-Name darkslategray Color-Name #80FF00"
        " Color AbC DocLink notes:?a\\:?b:#s Integer -9223372036854775808 \"two words\" \"\""
        "  [:invalid:] \"bad\"");
    EXPECT_EQ(utils::to_attributes(std::nullopt), "");
    EXPECT_EQ(utils::to_attributes(attrs({})), "");
    EXPECT_EQ(
        utils::data_description(open(pk::COLOR, attrs({attr::color(kattr::NamedColor::Red)}))),
        "<color Color-Name red>");
}

TEST(StructureDump, WritesTheDocumentAsAnOutline) {
    types::Document document;
    document.metadata.insert("date", "today");
    document.metadata.insert("author", "Ann");
    document.children =
        list(section(list(text("a"), open(pk::BOLD), text("x"), close())),
             section_with(0, list(heading(0), text("Intro"), line_break(),
                                  block(bk::CARD, list(text("in"), line_break(true))))));
    document.children[1].as_container()->as_section()->id = 1;
    document.children[1].as_container()->as_section()->name = "Intro";
    kerfa_content::types::Metadata section_metadata;
    section_metadata.insert("\xC3\xA9t\xC3\xA9", "summer");
    section_metadata.insert("a-key-longer-than-twenty", "v");
    document.children[1].as_container()->as_section()->metadata = section_metadata;
    EXPECT_EQ(StructureRenderer().render(document),
              "[Document : id: 0, name: \"\"]\n"
              "    [Metadata : ]\n"
              "        author                Ann\n"
              "        date                  today\n"
              "    [Section : id: 0, level: 0, name: \"None\"]\n"
              "        \"a\"\n"
              "        <bold>\n"
              "        \"x\"\n"
              "        <>\n"
              "    [Section : id: 1, level: 0, name: \"Intro\"]\n"
              "        [Metadata : ]\n"
              "            a-key-longer-than-twenty  v\n"
              "            \xC3\xA9t\xC3\xA9                   summer\n"
              "        <<Heading>> level: 0\n"
              "        \"Intro\"\n"
              "        \\n\n"
              "        [Block : card ]\n"
              "            \"in\"\n"
              "            \\n\\r\n");
}

TEST(StructureDump, AnEmptyDocumentIsOneLineAndAnEmptyFileTwo) {
    EXPECT_EQ(StructureRenderer().render(types::Document{}), "[Document : id: 0, name: \"\"]\n");
    // The parser gives an empty file one empty section.
    const auto parser = kerfa_parser_kerfa::configure::ParserFactory{}.new_parser();
    const types::Document parsed = kerfa_content::modules::parser::types::to_document(
        parser->parse_str(""), Source::file("empty.kerfa"));
    EXPECT_EQ(StructureRenderer().render(parsed),
              "[Document : id: 0, name: \"\"]\n"
              "    [Section : id: 0, level: 0, name: \"None\"]\n");
}

TEST(StructureDump, InterfaceOperationsStartAtTheLeftMargin) {
    const StructureRenderer writer;
    const auto items =
        list(text("t"), block(bk::INDENT, list(text("x")), attrs({attr::integer(2)})));
    EXPECT_EQ(writer.render_all(items), "\"t\"\n[Block : indent Integer 2 ]\n    \"x\"\n");
    EXPECT_EQ(writer.render_container(*items[1].as_container()),
              "[Block : indent Integer 2 ]\n    \"x\"\n");
    const Data inner_document = document(list(section()));
    EXPECT_EQ(
        writer.render_children(list(text("a"), section_with(1, list(text("b"))))),
        (std::vector<std::string>{"[Section : id: 0, level: 1, name: \"None\"]\n    \"b\"\n"}));
    EXPECT_EQ(writer.render_container(*inner_document.as_container()),
              "[Document : id: 0, name: \"\"]\n    [Section : id: 0, level: 0, name: \"None\"]\n");
}

// The outline grows with the square of the depth, so the walk is proved on a depth where a
// recursive one would overflow the small stack.
TEST(StructureDump, DoesNotRecurseOverDepthAndStopsIndentingAt256Levels) {
    constexpr std::size_t depth = 5000;
    types::Document document;
    document.children = list(section(list(nested(bk::INDENT, depth, text("x")))));
    std::string out;
    run_on_small_stack([&] { out = StructureRenderer().render(document); });
    const auto indent = [](std::size_t level) { return std::min<std::size_t>(level, 256) * 4; };
    const std::string block_line = "[Block : indent ]\n";
    std::size_t expected = std::string("[Document : id: 0, name: \"\"]\n").size() + 4 +
                           std::string("[Section : id: 0, level: 0, name: \"None\"]\n").size() +
                           indent(depth + 2) + std::string("\"x\"\n").size();
    for (std::size_t level = 2; level < depth + 2; ++level) {
        expected += indent(level) + block_line.size();
    }
    EXPECT_EQ(out.size(), expected);
    EXPECT_NE(out.find("\n" + std::string(255 * 4, ' ') + block_line), std::string::npos);
    EXPECT_TRUE(out.ends_with("\n" + std::string(1024, ' ') + "\"x\"\n"));
}

}  // namespace
}  // namespace kerfa_render_structure
