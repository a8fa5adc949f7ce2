#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/testing/writer_cases.hpp"
#include "kerfa_render/tables.hpp"
#include "kerfa_render_kerfa_v1/renderer.hpp"

namespace kerfa_render_kerfa_v1 {
namespace {

using namespace kerfa_content::testing;
namespace kattr = kerfa_content::data::attributes;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::types::Source;

void expect_written(const std::vector<WriterCase>& cases) {
    kerfa_content::testing::expect_written(kerfa_render_kerfa_v1::Renderer(), cases);
}

Data entry(std::vector<Data> children) {
    return block(bk::TABLE_ENTRY, std::move(children));
}
Data heading_entry(std::vector<Data> children) {
    return block(bk::TABLE_HEADING_ENTRY, std::move(children));
}

TEST(V1Writer, BlockNamesAndSeparators) {
    const auto dash = attrs({attr::bullet(kattr::BulletStyle::Dash)});
    expect_written({
        {"element blocks",
         [] {
             return list(block(bk::BLOCK, list(text("a"))), block(bk::BLOCK_QUOTE), block(bk::CARD),
                         block(bk::CODEBOX), block(bk::TABLE));
         },
         "<block>a<><blockquote><><card><><cb><><table><>"},
        {"a list: entries separated by line feeds, no markers",
         [=] {
             return list(block(bk::BULLET,
                               list(block(bk::BULLET_ENTRY, list(text("a"))),
                                    block(bk::BULLET_ENTRY, list(text("b")))),
                               dash));
         },
         "<* dash>a\nb<>"},
        {"a table with a heading: bold columns, rows separated by line feeds",
         [] {
             return list(block(
                 bk::TABLE,
                 list(block(bk::TABLE_HEADING, list(block(bk::TABLE_HEADING_ROW,
                                                          list(heading_entry(list(text("x"))),
                                                               heading_entry(list(text("y"))))))),
                      block(bk::TABLE_ROW, list(entry(list(text("a"))), entry(list(text("b"))))),
                      block(bk::TABLE_ROW, list(entry({}))))));
         },
         "<table><col><b>x<><><col><b>y<><>\n<col>a<><col>b<>\n<col> <><>"},
        {"heading rows separated too; an empty heading cell gets its blank",
         [] {
             return list(block(bk::TABLE_HEADING,
                               list(block(bk::TABLE_HEADING_ROW, list(heading_entry({}))),
                                    block(bk::TABLE_HEADING_ROW, list(heading_entry({}))))));
         },
         "<col><b> <><>\n<col><b> <><>"},
        {"a standalone heading is a table",
         [=] {
             return list(
                 block(bk::STANDALONE_HEADING,
                       list(block(bk::TABLE_HEADING_ROW, list(heading_entry(list(text("h")))))),
                       attrs({attr::text("inverse")})));
         },
         "<table inverse><col><b>h<><><>"},
        {"indents are numbered by their first value of any kind, else 1",
         [] {
             return list(block(bk::INDENT), block(bk::INDENT, {}, attrs({attr::integer(3)})),
                         block(bk::INDENT, {}, attrs({attr::text("x")})),
                         block(bk::INDENT, {}, attrs({attr::invalid("x y")})),
                         block(bk::INDENT, {}, attrs({attr::hex("abc")})),
                         block(bk::INDENT, {}, attrs({})));
         },
         "<in-1><><in-3><><in-x><><in-x y><><in-abc><><in-1><>"},
    });
}

TEST(V1Writer, PropertyNames) {
    const std::vector<std::string> names = {
        "bold", "caution", "code", "dim",        "font-name", "font-size", "hl",     "important",
        "i",    "m",       "note", "small",      "strike",    "sub",       "sup",    "_",
        "v",    "warning", "tag",  "background", "badge",     "color",     "address"};
    const kerfa_render_kerfa_v1::Renderer writer;
    for (std::size_t id = 0; id < names.size(); ++id) {
        EXPECT_EQ(writer.render_all(list(open(static_cast<std::uint16_t>(id)), text("x"), close())),
                  "<" + names[id] + ">x<>")
            << id;
    }
    expect_written({
        {"email, link, telephone",
         [] {
             return list(open(pk::EMAIL), close(), open(pk::LINK), close(), open(pk::TELEPHONE),
                         close());
         },
         "<email><><link><><tel><>"},
        {"a span that takes its value from its text is written by name, its text follows",
         [] { return list(open_content(pk::LINK), text("x.org"), close()); }, "<link>x.org<>"},
        {"an address loses its attributes",
         [] { return list(open(pk::ADDRESS, attrs({attr::text("a b")})), text("x"), close()); },
         "<address>x<>"},
        {"coordinates and fixed keep only their text",
         [] {
             return list(open(pk::COORDINATES, attrs({attr::text("1,2")})), text("c"), close(),
                         open(pk::FIXED), text("f"), close());
         },
         "cf"},
        {"invalid elements vanish, their items stay",
         [] { return list(open_invalid("zz"), text("a"), close()); }, "a"},
        {"colours by their CSS names",
         [] {
             return list(open(pk::COLOR, attrs({attr::color(kattr::NamedColor::DarkRed)})), close(),
                         open(pk::BACKGROUND, attrs({attr::hex("abc")})), close());
         },
         "<color darkred><><background #abc><>"},
    });
}

TEST(V1Writer, AttributeValuesAreNeverEscaped) {
    const auto with = [](std::vector<Attribute> values) {
        return [values] { return list(block(bk::BLOCK, {}, values)); };
    };
    expect_written({
        {"boolean, bullet, colours, integer",
         with({attr::boolean(false), attr::bullet(kattr::BulletStyle::LowerRoman),
               attr::color(kattr::NamedColor::MidYellowGreen), attr::hex("A1b2C3"),
               attr::integer(-7)}),
         "<block false lower-roman #80FF00 #A1b2C3 -7><>"},
        {"white space by code point quotes; U+200B is none",
         with({attr::text("a\xC2\xA0"
                          "b"),
               attr::text("a\xE2\x80\xA8"
                          "b"),
               attr::text("a\xE3\x80\x80"
                          "b"),
               attr::text("a\xE2\x80\x8B"
                          "b"),
               attr::text("t\tb")}),
         "<block \"a\xC2\xA0"
         "b\" \"a\xE2\x80\xA8"
         "b\" \"a\xE3\x80\x80"
         "b\" a\xE2\x80\x8B"
         "b \"t\tb\"><>"},
        {"< quotes, quotes and backslashes are written raw",
         with({attr::text("x<y"), attr::text("a\"b\\c>"), attr::text("\"q r\"")}),
         "<block \"x<y\" a\"b\\c> \"\"q r\"\"><>"},
        {"the empty text leaves its blank", with({attr::text(""), attr::text("")}), "<block  ><>"},
        {"an invalid value is written as a text", with({attr::invalid("no pe")}),
         "<block \"no pe\"><>"},
        {"a document link is written raw between double quotes",
         with({attr::doc_link("my doc", "a b", "c:#d"),
               attr::doc_link(std::nullopt, std::nullopt, std::nullopt)}),
         "<block \"my doc?q=a b#c:#d\" \"\"><>"},
    });
}

TEST(V1Writer, TextsRawHtmlChecksAndImages) {
    expect_written({
        {"backslashes doubled, then < escaped; > and quotes pass",
         [] { return list(text("a\\<b>\"c")); }, "a\\\\\\<b>\"c"},
        {"a leading @ or # on every text item",
         [] { return list(text("#1"), text("@x"), text("a#"), text("\\#")); }, "\\#1\\@xa#\\\\#"},
        {"raw HTML is mapped in one pass",
         [] { return list(html("<a class=\"x\">y\\z</a>"), html("<h>")); },
         "<h>a class=<hq>x<hq></h>y\\\\z<h>/a</h><h>h</h>"},
        {"checks", [] { return list(check(true), check(false)); }, "<c>[x]<><c>[ ]<>"},
        {"a divider is forty hyphens", [] { return list(divider()); }, std::string(40, '-')},
        {"images",
         [] {
             return list(image("pic.png"), image("a b.png"), image(""), image("a<b\"c"),
                         image_source(Source::http("http://x.org/a b.png")),
                         image_source(Source{}));
         },
         "<image pic.png><image \"a b.png\"><image ><image a<b\"c>"
         "<image \"http://x.org/a b.png\"><image>"},
        {"headings, taglines and line breaks",
         [] {
             return list(heading(0), text("A"), line_break(), heading(2), text("B"),
                         line_break(true), tagline(), text("n"));
         },
         "# A\n### B\r\n@ n"},
    });
}

TEST(V1Writer, DocumentLinksArePercentEncoded) {
    const auto partial = [](std::uint16_t kind, std::optional<Attributes> values) {
        return [kind, values] { return list(open(kind, values), text("t"), close()); };
    };
    expect_written({
        {"a link from its value",
         [] {
             return list(open(pk::DOCUMENT, attrs({attr::doc_link("notes", "a b", "x#y")})),
                         text("t"), close());
         },
         "<link \"notes?q=a%20b#x%23y\">t<>"},
        {"a link from its text",
         [] { return list(open_content(pk::DOCUMENT), text("my notes:?a&b:#s"), close()); },
         "<link \"my%20notes?q=a%26b#s\">my notes:?a&b:#s<>"},
        {"an empty link", [] { return list(open_content(pk::DOCUMENT), close()); },
         "<link \"\"><>"},
        {"a link whose value is no document link",
         [] { return list(open(pk::DOCUMENT, attrs({attr::text("x")})), close()); }, "<link><>"},
        {"filter and selection from their text",
         [] {
             return list(open_content(pk::DOCUMENT_FILTER), text("a b"), close(),
                         open_content(pk::DOCUMENT_SELECT), text("intro"), close());
         },
         "<link \"?q=a%20b\">a b<><link \"#intro\">intro<>"},
        {"a filter from a text value", partial(pk::DOCUMENT_FILTER, attrs({attr::text("x/y")})),
         "<link \"?q=x%2Fy\">t<>"},
        {"a selection whose value is not a text",
         partial(pk::DOCUMENT_SELECT, attrs({attr::integer(3)})), "<link>t<>"},
        {"a selection whose value is invalid",
         partial(pk::DOCUMENT_SELECT, attrs({attr::invalid("x")})), "<link>t<>"},
        {"a selection without a value", partial(pk::DOCUMENT_SELECT, std::nullopt), "<link>t<>"},
    });
}

TEST(V1Writer, NoMetadataAndNoSectionSeparators) {
    types::Document document;
    document.metadata.insert("title", "T");
    document.children = list(section(list(text("a"), line_break())),
                             section_with(0, list(heading(0), text("B")), {{"k", "v"}}),
                             section_with(1, list(heading(1), text("C"))));
    EXPECT_EQ(kerfa_render_kerfa_v1::Renderer().render(document), "a\n# B## C");
    EXPECT_EQ(kerfa_render::new_default_renderer().name, "Default");
}

TEST(V1Writer, ComponentTables) {
    std::vector<std::string> blocks;
    for (const auto& component : kerfa_render::all_blocks()) {
        blocks.push_back(component->debug_text());
    }
    EXPECT_EQ(
        blocks,
        (std::vector<std::string>{
            "RenderActualBlock { name: \"block\" }", "RenderActualBlock { name: \"blockquote\" }",
            "RenderActualBlock { name: \"*\" }", "RenderActualBulletEntry",
            "RenderActualBlock { name: \"card\" }", "RenderActualBlock { name: \"cb\" }",
            "RenderActualIndent", "RenderActualBlock { name: \"table\" }", "RenderActualTableRow",
            "RenderActualTableEntry", "RenderActualTableHeading", "RenderActualTableHeadingRow",
            "RenderActualTableHeadingEntry", "RenderActualBlock { name: \"table\" }"}));
    const auto properties = kerfa_render::all_properties();
    EXPECT_EQ(properties[pk::ADDRESS]->debug_text(),
              "RenderActualPropertyNoAttributes { name: \"address\" }");
    EXPECT_EQ(properties[pk::COORDINATES]->debug_text(), "RenderNoopProperty");
    EXPECT_EQ(properties[pk::DOCUMENT]->debug_text(), "RenderActualDocLink");
    EXPECT_EQ(properties[pk::DOCUMENT_FILTER]->debug_text(),
              "RenderActualDocLinkPartial { prefix: \"?q=\" }");
    EXPECT_EQ(properties[pk::TELEPHONE]->debug_text(), "RenderActualProperty { name: \"tel\" }");
    EXPECT_EQ(properties[pk::FIXED]->debug_text(), "RenderNoopProperty");
}

// Only the document links read a span's text, so spans that take their value from their text
// cost nothing more, however deeply they nest.
TEST(V1Writer, OnlyDocumentLinksReadTheirText) {
    const auto properties = kerfa_render::all_properties();
    ASSERT_EQ(properties.size(), 31u);
    for (std::size_t id = 0; id < properties.size(); ++id) {
        EXPECT_EQ(properties[id]->uses_content(), id >= pk::DOCUMENT && id <= pk::DOCUMENT_SELECT)
            << id;
    }
    constexpr std::size_t spans = 200000;
    std::vector<Data> items;
    for (std::size_t i = 0; i < spans; ++i) {
        items.push_back(open_content(pk::LINK));
        items.push_back(text("ab "));
    }
    const std::string out = kerfa_render_kerfa_v1::Renderer().render_all(items);
    EXPECT_EQ(out.size(), spans * std::string("<link>ab ").size());
}

TEST(V1Writer, WritesVeryDeepDocuments) {
    constexpr std::size_t depth = 200000;
    types::Document document;
    document.children = list(section(list(nested(bk::CODEBOX, depth, text("x")))));
    EXPECT_EQ(kerfa_render_kerfa_v1::Renderer().render(document),
              repeated("<cb>", depth) + "x" + repeated("<>", depth));
}

}  // namespace
}  // namespace kerfa_render_kerfa_v1
