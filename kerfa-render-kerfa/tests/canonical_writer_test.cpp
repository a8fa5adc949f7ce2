#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/modules/renderer/renderer_meter.hpp"
#include "kerfa_content/modules/renderer/renderer_trace.hpp"
#include "kerfa_content/testing/writer_cases.hpp"
#include "kerfa_render/tables.hpp"
#include "kerfa_render_kerfa/configure/renderer_factory.hpp"
#include "kerfa_render_kerfa/renderer.hpp"
#include "model.hpp"
#include "utils/attributes.hpp"

namespace kerfa_render_kerfa::testing {
namespace {

namespace kattr = kerfa_content::data::attributes;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;

using Case = WriterCase;

void expect_written(const std::vector<Case>& cases) {
    kerfa_content::testing::expect_written(kerfa_render_kerfa::Renderer(), cases);
}

Data entry(std::vector<Data> children) {
    return block(bk::TABLE_ENTRY, std::move(children));
}
Data row(std::vector<Data> entries) {
    return block(bk::TABLE_ROW, std::move(entries));
}
Data bullet_entry(std::vector<Data> children) {
    return block(bk::BULLET_ENTRY, std::move(children));
}

TEST(CanonicalWriter, BlockTable) {
    expect_written({
        {"block", [] { return list(block(bk::BLOCK, list(text("a")))); }, "<block>a<>"},
        {"block-quote is blockquote", [] { return list(block(bk::BLOCK_QUOTE)); },
         "<blockquote><>"},
        {"card, codebox, indent",
         [] { return list(block(bk::CARD), block(bk::CODEBOX), block(bk::INDENT)); },
         "<card><><codebox><><indent><>"},
        {"present but empty attributes", [] { return list(block(bk::BLOCK, {}, attrs({}))); },
         "<block><>"},
        {"bullet entries separated by line feeds, empty ones kept",
         [] {
             return list(block(bk::BULLET, list(bullet_entry(list(text("a"))),
                                                bullet_entry(list(text("b"))), bullet_entry({}))));
         },
         "<bullet>a\nb\n<>"},
        {"table rows and short entries",
         [] {
             return list(
                 block(bk::TABLE, list(row(list(entry(list(text("a"))), entry(list(text("b"))),
                                                entry(list(text("c"))))),
                                       row(list(entry(list(text("d"))))))));
         },
         "<table>a<|>b<|>c\nd<>"},
        {"long entry needs a direct line break; no separator before it after a written entry",
         [] {
             return list(row(
                 list(entry(list(text("a"))), entry(list(text("x"), line_break(), text("y"))),
                      entry(list(text("z"))), entry(list(block(bk::BLOCK, list(line_break())))))));
         },
         "a<col>x\ny<><|>z<|><block>\n<>"},
        {"long entries after long, bare and empty entries, in rows and heading rows",
         [] {
             return list(
                 row(list(entry(list(line_break())), entry(list(line_break())),
                          entry(list(text(" "))), entry(list(line_break())))),
                 row(list(entry(list(open_invalid("q"), close())), entry(list(line_break())),
                          entry(list(text(""))), entry(list(line_break())))),
                 block(bk::TABLE_HEADING_ROW,
                       list(block(bk::TABLE_HEADING_ENTRY, {}),
                            block(bk::TABLE_HEADING_ENTRY, list(line_break())),
                            block(bk::TABLE_HEADING_ENTRY, list(text("h"))),
                            block(bk::TABLE_HEADING_ENTRY, list(line_break())))));
         },
         "<col>\n<><col>\n<><|> <col>\n<>\n<|><col>\n<><|><|><col>\n<>\n<|><col>\n<><|>h<col>\n<>"},
        {"an empty entry before a long one stays an entry",
         [] {
             return list(row(list(entry({}), entry(list(line_break())))),
                         row(list(entry(list(text("a"))), entry({}), entry({}),
                                  entry(list(line_break())))));
         },
         "<|><col>\n<>\na<|><|><|><col>\n<>"},
        {"an empty last entry stays an entry",
         [] {
             return list(row(list(entry(list(text("a"))), entry({}))),
                         row(list(entry({}), entry({}), entry(list(text("b"))))),
                         row(list(entry({}))),
                         row(list(entry(list(open_invalid("q"), close())),
                                  entry(list(open_invalid("q"), close())))));
         },
         "a<|><col><>\n<|><|>b\n\n<|><col><>"},
        {"table heading part, its rows and its line feed",
         [] {
             return list(block(
                 bk::TABLE,
                 list(block(bk::TABLE_HEADING,
                            list(block(bk::TABLE_HEADING_ROW,
                                       list(block(bk::TABLE_HEADING_ENTRY, list(text("h1"))),
                                            block(bk::TABLE_HEADING_ENTRY, {}))),
                                 block(bk::TABLE_HEADING_ROW,
                                       list(block(bk::TABLE_HEADING_ENTRY, list(text("h3")))))),
                            attrs({Attribute::str("inverse")})),
                      row(list(entry(list(text("r"))))))));
         },
         "<table><heading inverse>h1<|><col><>\nh3<>\nr<>"},
        {"table heading as the last item gets no line feed",
         [] { return list(block(bk::TABLE, list(block(bk::TABLE_HEADING)))); },
         "<table><heading><><>"},
        {"standalone heading",
         [] {
             return list(block(bk::STANDALONE_HEADING,
                               list(block(bk::TABLE_HEADING_ROW,
                                          list(block(bk::TABLE_HEADING_ENTRY, list(text("h"))))))));
         },
         "<heading>h<>"},
    });
}

TEST(CanonicalWriter, AttributeValues) {
    const auto with = [](std::vector<Attribute> values) {
        return [values] { return list(block(bk::BLOCK, {}, values)); };
    };
    expect_written({
        {"boolean, integer, quoted text",
         with({Attribute::Boolean{true}, Attribute::Integer{-5}, Attribute::str("a b")}),
         "<block true -5 \"a b\"><>"},
        {"bullet style and start",
         with({Attribute::Bullet{kattr::BulletStyle::LowerRoman}, Attribute::str("3")}),
         "<block lower-roman 3><>"},
        {"named colour by its Kerfa name, colour value with #",
         with({kattr::Color{kattr::NamedColor::DarkSlateGray}, Attribute::color("AbC"),
               kattr::Color{kattr::NamedColor::MidCyanBlue}}),
         "<block dark-slate-gray #AbC mid-cyan-blue><>"},
        {"< forces quotes and stays", with({Attribute::str("x<y")}), "<block \"x<y\"><>"},
        {"> is escaped", with({Attribute::str("a>b")}), "<block a\\>b><>"},
        {"quote escaped without quotes", with({Attribute::str("a\"b")}), "<block a\\\"b><>"},
        {"backslashes doubled", with({Attribute::str("C:\\d")}), "<block C:\\\\d><>"},
        {"escape order inside quotes", with({Attribute::str("\\ \" >")}),
         "<block \"\\\\ \\\" \\>\"><>"},
        // Nothing after the blank would read back as no value, or a link to the span's text.
        {"empty text is written as an empty quoted value", with({Attribute::str("")}),
         "<block \"\"><>"},
        {"invalid text written as a text", with({Attribute::invalid("no pe")}),
         "<block \"no pe\"><>"},
        {"tab, no-break space, U+0085, U+2000, U+3000 force quotes",
         with({Attribute::str("a\tb"),
               Attribute::str("a\xC2\xA0"
                              "b"),
               Attribute::str("a\xC2\x85"
                              "b"),
               Attribute::str("a\xE2\x80\x80"
                              "b"),
               Attribute::str("a\xE3\x80\x80"
                              "b")}),
         "<block \"a\tb\" \"a\xC2\xA0"
         "b\" \"a\xC2\x85"
         "b\" \"a\xE2\x80\x80"
         "b\" \"a\xE3\x80\x80"
         "b\"><>"},
        {"bytes A0 and 85 inside other characters are not white space",
         with({Attribute::str("\xC3\xA0\xC3\x85")}), "<block \xC3\xA0\xC3\x85><>"},
        {"<< cannot open a double tag", with({Attribute::str("a<<<b")}), "<block \"a<\\<\\<b\"><>"},
        {"a leading ' would open a quoted value", with({Attribute::str("'q")}), "<block \"'q\"><>"},
        {"document link text form", with({kattr::DocumentLink{"my doc", "f", std::nullopt}}),
         "<block \"my doc:?f\"><>"},
        {"an empty document link keeps its empty value",
         with({kattr::DocumentLink{}, kattr::DocumentLink{"", std::nullopt, std::nullopt}}),
         "<block \"\" \"\"><>"},
    });
}

TEST(CanonicalWriter, PropertiesAndContent) {
    const auto link_to = [](std::string address) {
        return open(pk::LINK, attrs({Attribute::str(std::move(address))}));
    };
    expect_written({
        {"bold span", [] { return list(open(pk::BOLD), text("x"), close()); }, "<bold>x<>"},
        {"strikethrough is strike", [] { return list(open(pk::STRIKETHROUGH), close()); },
         "<strike><>"},
        {"names with ? and #",
         [] {
             return list(open(pk::DOCUMENT_FILTER), close(), open(pk::DOCUMENT_SELECT), close());
         },
         "<document?><><document#><>"},
        {"a span left open gets no terminator", [] { return list(open(pk::BOLD), text("x")); },
         "<bold>x"},
        {"needs_content writes no value",
         [] { return list(open_content(pk::LINK), text("x.org"), close()); }, "<link>x.org<>"},
        {"link with an address", [=] { return list(link_to("a b"), text("x"), close()); },
         "<link \"a b\">x<>"},
        {"empty string attribute is an empty quoted value",
         [=] { return list(link_to(""), text("t"), close()); }, "<link \"\">t<>"},
        {"colour property",
         [] {
             return list(open(pk::COLOR, attrs({kattr::Color{kattr::NamedColor::Red}})), close());
         },
         "<color red><>"},
        {"invalid element and its terminator vanish, the span's items stay",
         [] { return list(open_invalid("zz"), text("a"), close()); }, "a"},
        {"check boxes", [] { return list(check(false), check(true)); },
         "<checkbox><checkbox true>"},
        {"divider line", [] { return list(divider()); }, "<divider-line>"},
        {"text escapes", [] { return list(text("a<b\\c>d")); }, "a\\<b\\\\c>d"},
        {"line ends inside a text are escaped, not written raw",
         [] { return list(text("a\nb\r\nc\rd\\n")); }, "a\\nb\\r\\nc\\rd\\\\n"},
        {"leading # and @ on every text item, not doubled",
         [] { return list(text("#1"), text("@x"), text("a#")); }, "\\#1\\@xa#"},
        {"raw HTML", [] { return list(html("<p>\\x</p>")); }, "<html-block>\\<p>\\\\x\\</p><>"},
        {"image paths",
         [] {
             return list(image("pic.png"), image("a b.png"), image(""), image("a>b\\c\""),
                         image_source(kerfa_content::types::Source::http("http://x.org/y.png")),
                         image_source(kerfa_content::types::Source{}));
         },
         "<image pic.png><image \"a b.png\"><image \"\"><image a\\>b\\\\c\\\"><image "
         "http://x.org/y.png><image>"},
        {"line breaks", [] { return list(line_break(), line_break(true)); }, "\n\r\n"},
        {"heading and tagline lines",
         [] {
             return list(heading(0), text("T"), line_break(), tagline(), text("n"), line_break(),
                         heading(2), text("x"));
         },
         "# T\n@ n\n### x"},
    });
}

// A line end directly in a list entry would end the entry; inside a span or a nested block it
// does not, and stays raw.
TEST(CanonicalWriter, ListEntriesWithLineBreaksStayOneEntry) {
    const auto quote = [](std::vector<Data> items) {
        return block(bk::BLOCK_QUOTE, std::move(items));
    };
    expect_written({
        {"escaped directly in the entry, CR LF too",
         [] {
             return list(block(bk::BULLET, list(bullet_entry(list(text("a"), line_break(),
                                                                  line_break(true), text("b"))),
                                                bullet_entry(list(text("c"))))));
         },
         "<bullet>a\\n\\r\\nb\nc<>"},
        {"raw inside a span and inside a block in the entry",
         [=] {
             return list(
                 block(bk::BULLET,
                       list(bullet_entry(list(open(pk::BOLD), text("a"), line_break(), text("b"),
                                              close(), line_break(), text("c"))),
                            bullet_entry(list(quote(list(text("q"), line_break(), text("r"))))))));
         },
         "<bullet><bold>a\nb<>\\nc\n<blockquote>q\nr<><>"},
        {"an invalid element is no span: it is written as nothing",
         [] {
             return list(block(bk::BULLET, list(bullet_entry(list(open_invalid("zz"), text("a"),
                                                                  line_break(), text("b"))))));
         },
         "<bullet>a\\nb<>"},
        {"raw in table entries, sections and top-level lists",
         [] {
             return list(row(list(entry(list(text("x"), line_break(), text("y"))))),
                         section(list(text("s"), line_break())), line_break());
         },
         "<col>x\ny<>\ns\n\n"},
    });
}

TEST(CanonicalWriter, HeadingLevel255HasTwoHundredFiftySixSigns) {
    const kerfa_render_kerfa::Renderer writer;
    EXPECT_EQ(writer.render_all(list(heading(255))), std::string(256, '#') + " ");
}

TEST(CanonicalWriter, HeadingsStartTheirOwnLine) {
    expect_written({
        {"after a closed block on the same line",
         [] {
             return list(section(list(text("a"), line_break(),
                                      block(bk::BULLET, list(bullet_entry(list(text("b"))))))),
                         section_with(0, list(heading(0), text("T"))));
         },
         "a\n<bullet>b<>\n# T"},
        {"after a line break or at the start, no extra line feed",
         [] {
             return list(section_with(0, list(heading(0), text("A"), line_break())),
                         section_with(1, list(heading(1), text("B"), line_break(true))),
                         section_with(0, list(heading(0))));
         },
         "# A\n## B\r\n# "},
        {"raw HTML ending its line: in a section the line end follows the terminator",
         [] {
             return list(section(list(html("<pre>\n"), html("x\r\n"),
                                      block(bk::BULLET, list(bullet_entry(list(html("y\n"))))))),
                         section(list(html("</pre>\n"))), section_with(0, list(heading(0))));
         },
         "<html-block>\\<pre><>\n<html-block>x<>\r\n<bullet><html-block>y\n<><>"
         "<html-block>\\</pre><>\n# "},
        {"inside a block a heading is kept as text: no line feed, escaped at a line start",
         [] {
             return list(
                 section(list(block(bk::BULLET, list(bullet_entry(list(heading(0), text("T"))),
                                                     bullet_entry(list(heading(1), text("U"))))),
                              block(bk::BLOCK_QUOTE, list(heading(0), text("Q"), line_break(),
                                                          heading(2), text("R"))),
                              text("x"), block(bk::CARD, list(text("y"), heading(0), text("Z"))))));
         },
         "<bullet># T\n\\## U<><blockquote># Q\n\\### R<>x<card>y# Z<>"},
    });
}

TEST(CanonicalWriter, MetadataBlocks) {
    const auto doc = [](std::vector<std::pair<std::string, std::string>> metadata,
                        std::vector<Data> children) {
        types::Document d;
        for (const auto& [key, value] : metadata) {
            d.metadata.insert(key, value);
        }
        d.children = std::move(children);
        return d;
    };
    const kerfa_render_kerfa::Renderer writer;
    struct DocCase {
        const char* name;
        std::function<types::Document()> document;
        std::string expected;
    };
    const std::vector<DocCase> cases = {
        {"empty document", [=] { return doc({}, {}); }, ""},
        {"one key on one line",
         [=] {
             return doc({{"author", "Ann Lee"}}, {});
         },
         "<metadata>author: Ann Lee<>\n"},
        {"keys sorted bytewise, one per line",
         [=] {
             return doc({{"b", "2"}, {"Z", "3"}, {"a", "1"}, {"\xC3\xA9", "4"}}, {});
         },
         "<metadata>\na: 1\nb: 2\nz: 3\n\xC3\xA9: 4\n<>\n"},
        {"backslash and < escaped in keys and values",
         [=] {
             return doc({{"path", "C:\\dir"}, {"k<", "a<>b"}}, {});
         },
         "<metadata>\nk\\<: a\\<>b\npath: C:\\\\dir\n<>\n"},
        {"document metadata first, section metadata after the section's content",
         [=] {
             return doc(
                 {{"title", "T"}},
                 list(section_with(0, list(text("a"), line_break()), {{"k", "v"}}),
                      section_with(0, list(heading(0), text("B")), {{"x", "1"}, {"y", "2"}})));
         },
         "<metadata>title: T<>\na\n<metadata>k: v<>\n# B\n<metadata>\nx: 1\ny: 2\n<>\n"},
        {"section metadata of an empty first section keeps its line feed",
         [=] {
             return doc({}, list(section_with(0, {}, {{"k", "v"}})));
         },
         "\n<metadata>k: v<>\n"},
    };
    for (const DocCase& c : cases) {
        EXPECT_EQ(writer.render(c.document()), c.expected) << c.name;
    }
}

TEST(CanonicalWriter, InterfaceOperations) {
    const kerfa_render_kerfa::Renderer writer;
    const auto items = list(section(list(text("a"))), text("b"), block(bk::CARD, list(text("c"))));
    EXPECT_EQ(writer.render_children(items), (std::vector<std::string>{"a", "<card>c<>"}));
    std::string out = "x";
    writer.render_all_to(items, out);
    EXPECT_EQ(out, "xab<card>c<>");
    out = "y";
    writer.render_container_to(*items[2].as_container(), out);
    EXPECT_EQ(out, "y<card>c<>");
    EXPECT_EQ(writer.render_container(*items[0].as_container()), "a");
}

TEST(CanonicalWriter, ComponentTablesAndNames) {
    const auto blocks = kerfa_render::all_blocks();
    std::vector<std::string> names;
    for (const auto& b : blocks) {
        names.push_back(b->debug_text());
    }
    EXPECT_EQ(
        names,
        (std::vector<std::string>{
            "RenderActualBlock { name: \"block\" }", "RenderActualBlock { name: \"blockquote\" }",
            "RenderActualBlock { name: \"bullet\" }", "RenderActualBulletEntry",
            "RenderActualBlock { name: \"card\" }", "RenderActualBlock { name: \"codebox\" }",
            "RenderActualBlock { name: \"indent\" }", "RenderActualBlock { name: \"table\" }",
            "RenderActualTableRow", "RenderActualTableEntry", "RenderActualTableHeading",
            "RenderActualTableHeadingRow", "RenderActualTableHeadingEntry",
            "RenderActualBlock { name: \"heading\" }"}));
    const auto properties = kerfa_render::all_properties();
    ASSERT_EQ(properties.size(), 31u);
    EXPECT_EQ(properties[12]->debug_text(), "RenderActualProperty { name: \"strike\" }");
    EXPECT_EQ(properties[25]->debug_text(), "RenderActualProperty { name: \"document?\" }");
    EXPECT_EQ(properties[30]->debug_text(), "RenderActualProperty { name: \"fixed\" }");
    EXPECT_EQ(kerfa_render::new_renders_lookup().name, "Default");

    struct ColorCase {
        kattr::NamedColor color;
        const char* name;
    };
    for (const ColorCase& c :
         std::vector<ColorCase>{{kattr::NamedColor::MidYellowGreen, "mid-yellow-green"},
                                {kattr::NamedColor::BlueViolet, "blue-violet"},
                                {kattr::NamedColor::RebeccaPurple, "rebeccapurple"},
                                {kattr::NamedColor::YellowGreen, "yellow-green"},
                                {kattr::NamedColor::Transparent, "transparent"}}) {
        EXPECT_EQ(utils::kerfa_color_name(c.color), c.name);
    }
}

TEST(RendererFactory, WrapsTheCanonicalWriterAsTheSetupAsks) {
    namespace r = kerfa_content::modules::renderer;
    const configure::RendererFactory plain{};
    const auto writer = plain.renderer();
    EXPECT_NE(dynamic_cast<const kerfa_render_kerfa::Renderer*>(writer.get()), nullptr);
    EXPECT_NE(dynamic_cast<const kerfa_render_kerfa::Renderer*>(plain.min_renderer().get()),
              nullptr);

    configure::RendererFactory both{};
    both.setup.metrics = shared::components::new_metrics_arc();
    both.setup.trace = true;
    const auto wrapped = both.min_renderer();
    const auto* trace = dynamic_cast<const r::RendererTrace*>(wrapped.get());
    ASSERT_NE(trace, nullptr);
    const auto* meter = dynamic_cast<const r::RendererMeter*>(&trace->inner());
    ASSERT_NE(meter, nullptr);
    EXPECT_NE(dynamic_cast<const kerfa_render_kerfa::Renderer*>(&meter->inner()), nullptr);
    EXPECT_EQ(wrapped->render_all(list(open(pk::BOLD), text("x"), close())), "<bold>x<>");
}

TEST(CanonicalWriter, WritesVeryDeepDocuments) {
    constexpr std::size_t depth = 200000;
    Data nested = text("x");
    for (std::size_t i = 0; i < depth; ++i) {
        nested = block(bk::INDENT, list(std::move(nested)));
    }
    const kerfa_render_kerfa::Renderer writer;
    const std::string out = writer.render_all(list(std::move(nested)));
    std::string expected;
    for (std::size_t i = 0; i < depth; ++i) {
        expected += "<indent>";
    }
    expected += "x";
    for (std::size_t i = 0; i < depth; ++i) {
        expected += "<>";
    }
    EXPECT_EQ(out, expected);
}

}  // namespace
}  // namespace kerfa_render_kerfa::testing
