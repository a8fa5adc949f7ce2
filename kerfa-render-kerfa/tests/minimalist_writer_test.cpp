#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/testing/writer_cases.hpp"
#include "kerfa_render_kerfa/minimalist_renderer.hpp"
#include "minimalist_render/tables.hpp"
#include "model.hpp"

namespace kerfa_render_kerfa::testing {
namespace {

namespace kattr = kerfa_content::data::attributes;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;

void expect_written(const std::vector<WriterCase>& cases) {
    kerfa_content::testing::expect_written(MinimalistRenderer(), cases);
}

types::Document document_with(std::vector<std::pair<std::string, std::string>> metadata,
                              std::vector<Data> children) {
    types::Document d;
    for (const auto& [key, value] : metadata) {
        d.metadata.insert(key, value);
    }
    d.children = std::move(children);
    return d;
}

TEST(MinimalistWriter, ShortNamesOfEveryBlockAndPropertyKind) {
    struct Named {
        std::uint16_t id;
        std::string written;  // of the element around the text "x"
    };
    const std::vector<Named> blocks = {
        {bk::BLOCK, "<{}>x<>"},         {bk::BLOCK_QUOTE, "<bq>x<>"},
        {bk::BULLET, "<*>x<>"},         {bk::BULLET_ENTRY, "x"},
        {bk::CARD, "<card>x<>"},        {bk::CODEBOX, "<cb>x<>"},
        {bk::INDENT, "<in>x<>"},        {bk::TABLE, "<t>x<>"},
        {bk::TABLE_ROW, "x"},           {bk::TABLE_ENTRY, "x"},
        {bk::TABLE_HEADING, "<h>x<>"},  {bk::TABLE_HEADING_ROW, "x"},
        {bk::TABLE_HEADING_ENTRY, "x"}, {bk::STANDALONE_HEADING, "<h>x<>"},
    };
    const std::vector<Named> properties = {
        {pk::BOLD, "<b>x<>"},
        {pk::CAUTION, "<caution>x<>"},
        {pk::CODE, "<c>x<>"},
        {pk::DIM, "<d>x<>"},
        {pk::FONT_NAME, "<font-name>x<>"},
        {pk::FONT_SIZE, "<font-size>x<>"},
        {pk::HIGHLIGHT, "<hl>x<>"},
        {pk::IMPORTANT, "<!>x<>"},
        {pk::ITALIC, "<i>x<>"},
        {pk::MONOSPACE, "<m>x<>"},
        {pk::NOTE, "<n>x<>"},
        {pk::SMALL, "<s>x<>"},
        {pk::STRIKETHROUGH, "<->x<>"},
        {pk::SUBSCRIPT, "<sub>x<>"},
        {pk::SUPERSCRIPT, "<sup>x<>"},
        {pk::UNDERLINE, "<_>x<>"},
        {pk::VARIABLE, "<v>x<>"},
        {pk::WARNING, "<!!>x<>"},
        {pk::TAG, "<@>x<>"},
        {pk::BACKGROUND, "<on>x<>"},
        {pk::BADGE, "<badge>x<>"},
        {pk::COLOR, "<color>x<>"},  // no colour to make a tag of
        {pk::ADDRESS, "<addr>x<>"},
        {pk::COORDINATES, "<geo>x<>"},
        {pk::DOCUMENT, "<doc>x<>"},
        {pk::DOCUMENT_FILTER, "<doc?>x<>"},
        {pk::DOCUMENT_SELECT, "<doc#>x<>"},
        {pk::EMAIL, "<email>x<>"},
        {pk::LINK, "<l>x<>"},
        {pk::TELEPHONE, "<tel>x<>"},
        {pk::FIXED, "<fixed>x<>"},
    };
    ASSERT_EQ(blocks.size() + properties.size(), 45u);
    const MinimalistRenderer writer;
    for (std::size_t id = 0; id < blocks.size(); ++id) {
        ASSERT_EQ(blocks[id].id, id);
        EXPECT_EQ(writer.render_all(list(block(blocks[id].id, list(text("x"))))),
                  blocks[id].written)
            << "block " << id;
    }
    for (std::size_t id = 0; id < properties.size(); ++id) {
        ASSERT_EQ(properties[id].id, id);
        EXPECT_EQ(writer.render_all(list(open(properties[id].id), text("x"), close())),
                  properties[id].written)
            << "property " << id;
        // A span whose value is its text is written without one, like the canonical writer.
        EXPECT_EQ(writer.render_all(list(open_content(properties[id].id), text("x"), close())),
                  properties[id].written)
            << "property " << id;
    }
    EXPECT_EQ(minimalist_render::new_renders_lookup().name, "Default");
}

TEST(MinimalistWriter, ColourSpansTakeTheColourAsTagWhenItReadsBack) {
    const auto color = [](std::optional<Attributes> values) {
        return [values] { return list(open(pk::COLOR, values), text("x"), close()); };
    };
    using kattr::NamedColor;
    expect_written({
        {"named colour by its Kerfa name", color(attrs({attr::color(NamedColor::Red)})),
         "<red>x<>"},
        {"compound and mixed names", color(attrs({attr::color(NamedColor::DarkSlateGray)})),
         "<dark-slate-gray>x<>"},
        {"mixed colour", color(attrs({attr::color(NamedColor::MidYellowGreen)})),
         "<mid-yellow-green>x<>"},
        {"three digits", color(attrs({attr::hex("abc")})), "<#abc>x<>"},
        {"six digits keep their case", color(attrs({attr::hex("A1B2c3")})), "<#A1B2c3>x<>"},
        {"no blank before the first value, one before each further",
         color(attrs(
             {attr::color(NamedColor::Red), attr::color(NamedColor::Blue), attr::text("a b")})),
         "<red blue \"a b\">x<>"},
        {"bullet values in their short form after the colour",
         color(attrs({attr::hex("abc"), attr::bullet(kattr::BulletStyle::Dash)})), "<#abc ->x<>"},
        // A tag that would not read back as this colour: the long element instead.
        {"four digits", color(attrs({attr::hex("abcd")})), "<color #abcd>x<>"},
        {"eight digits", color(attrs({attr::hex("aabbccdd")})), "<color #aabbccdd>x<>"},
        {"three characters that are no digits", color(attrs({attr::hex("xyz")})),
         "<color #xyz>x<>"},
        {"no attributes", color(std::nullopt), "<color>x<>"},
        {"an empty list", color(attrs({})), "<color>x<>"},
        {"an invalid first value",
         color(attrs({attr::invalid("nonsense"), attr::color(NamedColor::Red)})),
         "<color nonsense red>x<>"},
        {"a text first value", color(attrs({attr::text("red")})), "<color red>x<>"},
        {"background keeps its element",
         [] { return list(open(pk::BACKGROUND, attrs({attr::color(NamedColor::Red)})), close()); },
         "<on red><>"},
    });
}

TEST(MinimalistWriter, AttributesAndHeadings) {
    const auto dash = attrs({attr::bullet(kattr::BulletStyle::Dash)});
    expect_written({
        {"bullet styles asterisk and dash are short",
         [] {
             return list(block(bk::BULLET, {}, attrs({attr::bullet(kattr::BulletStyle::Asterisk)})),
                         block(bk::BULLET, {}, attrs({attr::bullet(kattr::BulletStyle::Dash)})),
                         block(bk::BULLET, {}, attrs({attr::bullet(kattr::BulletStyle::Disc)})));
         },
         "<* *><><* -><><* disc><>"},
        {"other values as the canonical writer writes them",
         [] {
             return list(block(bk::BLOCK, {},
                               attrs({attr::boolean(true), attr::integer(-5), attr::text("a b"),
                                      attr::color(kattr::NamedColor::DarkRed), attr::hex("AbC"),
                                      attr::doc_link("d", "f", std::nullopt)})));
         },
         "<{} true -5 \"a b\" dark-red #AbC d:?f><>"},
        {"a table heading keeps the canonical attribute form",
         [=] {
             return list(block(
                 bk::TABLE,
                 list(block(bk::TABLE_HEADING,
                            list(block(bk::TABLE_HEADING_ROW,
                                       list(block(bk::TABLE_HEADING_ENTRY, list(text("a"))),
                                            block(bk::TABLE_HEADING_ENTRY, list(text("b")))))),
                            dash),
                      block(bk::TABLE_ROW, list(block(bk::TABLE_ENTRY, list(text("c"))))))));
         },
         "<t><h dash>a<|>b<>\nc<>"},
        {"a standalone heading the minimalist one",
         [=] { return list(block(bk::STANDALONE_HEADING, {}, dash)); }, "<h -><>"},
        {"check boxes and divider lines", [] { return list(check(false), check(true), divider()); },
         "<check><check true><--->"},
        {"raw HTML keeps its long element", [] { return list(html("<p>\\</p>")); },
         "<html-block>\\<p>\\\\\\</p><>"},
        {"heading and tagline lines",
         [] {
             return list(heading(1), text("#T"), line_break(true), tagline(), text("@n"),
                         line_break());
         },
         "## \\#T\r\n@ \\@n\n"},
    });
}

// The canonical writer's mends hold here too: they live in the functions both writers share.
TEST(MinimalistWriter, WritesWhatReadsBackLikeTheCanonicalWriter) {
    expect_written({
        {"a heading after a closed block starts its own line",
         [] {
             return list(
                 section(list(block(bk::BULLET, list(block(bk::BULLET_ENTRY, list(text("b"))))))),
                 section_with(0, list(heading(0), text("T"))));
         },
         "<*>b<>\n# T"},
        {"an empty last entry stays an entry",
         [] {
             return list(block(bk::TABLE_ROW, list(block(bk::TABLE_ENTRY, list(text("a"))),
                                                   block(bk::TABLE_ENTRY, {}))));
         },
         "a<|><col><>"},
        {"long entries",
         [] {
             return list(block(bk::TABLE_ROW, list(block(bk::TABLE_ENTRY,
                                                         list(text("a"), line_break(), text("b"))),
                                                   block(bk::TABLE_ENTRY, list(text("c"))))));
         },
         "<col>a\nb<><|>c"},
        {"attribute texts: << escaped, a leading ' quoted, > and quotes escaped",
         [] {
             return list(
                 open(pk::LINK, attrs({attr::text("a<<b"), attr::text("'q"), attr::text("x>\"y")})),
                 close());
         },
         "<l \"a<\\<b\" \"'q\" x\\>\\\"y><>"},
        {"image paths escaped, an empty one kept",
         [] {
             return list(image("a b.png"), image(""), image("a>b\\c"),
                         image_source(kerfa_content::types::Source{}));
         },
         "<image \"a b.png\"><image \"\"><image a\\>b\\\\c><image>"},
        {"text escapes", [] { return list(text("a<b\\c>d")); }, "a\\<b\\\\c>d"},
        {"line ends inside a text", [] { return list(text("a\nb\rc")); }, "a\\nb\\rc"},
        {"an empty document link",
         [] {
             return list(open(pk::DOCUMENT, attrs({kattr::DocumentLink{}})), text("t"), close());
         },
         "<doc \"\">t<>"},
        {"invalid elements vanish, their items stay",
         [] { return list(open_invalid("zz"), text("a"), close()); }, "a"},
    });
}

TEST(MinimalistWriter, MetadataBlocks) {
    const MinimalistRenderer writer;
    EXPECT_EQ(writer.render(document_with({}, {})), "");
    EXPECT_EQ(writer.render(document_with({{"Author", "Ann"}}, {})), "<meta>author: Ann<>\n");
    EXPECT_EQ(writer.render(document_with({{"b", "2"}, {"a", "1"}}, {})),
              "<meta>\na: 1\nb: 2\n<>\n");
    EXPECT_EQ(writer.render(document_with({{"path", "C:\\dir"}, {"k<", "a<>b"}}, {})),
              "<meta>\nk\\<: a\\<>b\npath: C:\\\\dir\n<>\n");
    // Section metadata after the section's content, with no empty line added.
    EXPECT_EQ(writer.render(document_with(
                  {{"t", "T"}},
                  list(section_with(0, list(text("a"), line_break()), {{"k", "v"}}),
                       section_with(0, list(heading(0), text("B")), {{"x", "1"}, {"y", "2"}})))),
              "<meta>t: T<>\na\n<meta>k: v<>\n# B\n<meta>\nx: 1\ny: 2\n<>\n");
}

TEST(MinimalistWriter, WritesVeryDeepDocuments) {
    constexpr std::size_t depth = 200000;
    types::Document document;
    document.children = list(section(list(nested(bk::INDENT, depth, text("x")))));
    EXPECT_EQ(MinimalistRenderer().render(document),
              repeated("<in>", depth) + "x" + repeated("<>", depth));
}

}  // namespace
}  // namespace kerfa_render_kerfa::testing
