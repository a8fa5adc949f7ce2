#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "describe.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/testing/small_stack.hpp"
#include "kerfa_render_kerfa_indented/structure_renderer.hpp"

namespace kerfa_render_kerfa_indented {
namespace {

using namespace kerfa_content::testing;
namespace kattr = kerfa_content::data::attributes;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::types::Source;

const std::string ARROW = "\xE2\x86\x90 ";
const std::string WARN = "\xE2\x9A\xA0";

// A line with a note: the text padded to 44 characters (at least two blanks), "← ", the note.
std::string noted(const std::string& text, const std::string& note, std::size_t chars = 0) {
    const std::size_t width = chars == 0 ? text.size() : chars;
    return text + std::string(width + 2 < 44 ? 44 - width : 2, ' ') + ARROW + note + "\n";
}

std::string view(const std::vector<Data>& items) {
    return StructureRenderer().render_all(items);
}

TEST(IndentedView, DescribesElementsAndContent) {
    EXPECT_EQ(describe::content_text(std::get<Content>(check(true))), "<x true>");
    EXPECT_EQ(describe::content_text(std::get<Content>(check(false))), "<x false>");
    EXPECT_EQ(describe::content_text(std::get<Content>(divider())), "<--->");
    EXPECT_EQ(describe::content_text(std::get<Content>(html("<a href=\"x\">\\"))),
              "[html \"<a href=\"x\">\\\"]");
    EXPECT_EQ(describe::content_text(std::get<Content>(image("a \"b\"\\c\n.png"))),
              "<image File { path: \"a \\\"b\\\"\\\\c\\n.png\" }>");
    EXPECT_EQ(describe::content_text(std::get<Content>(image_source(Source::http("h://x")))),
              "<image Http { url: \"h://x\" }>");
    EXPECT_EQ(describe::content_text(std::get<Content>(image_source(Source{}))), "<image None>");
    EXPECT_EQ(describe::content_text(std::get<Content>(text("a \"q\" <b>"))), "\"a \"q\" <b>\"");

    EXPECT_EQ(describe::attributes_text(std::nullopt), "");
    EXPECT_EQ(describe::attributes_text(attrs({})), "");
    EXPECT_EQ(describe::attributes_text(attrs({
                  attr::boolean(false),
                  attr::bullet(kattr::BulletStyle::LowerRoman),
                  attr::color(kattr::NamedColor::DarkRed),
                  attr::color(kattr::NamedColor::MidCyanBlue),
                  attr::hex("AbC"),
                  attr::doc_link("d", std::nullopt, "s s"),
                  attr::integer(-3),
                  attr::text("bare\"q"),
                  attr::text("a\xC2\xA0"
                             "b"),
                  attr::text("zero\xE2\x80\x8Bwidth"),
                  attr::invalid("no good"),
              })),
              " false lower-roman darkred #0080FF AbC d:#s s -3 bare\"q \"a\xC2\xA0"
              "b\" zero\xE2\x80\x8Bwidth " +
                  WARN + "\"no good\"");

    EXPECT_EQ(describe::block_open_text(
                  std::get<Container>(
                      block(bk::BULLET, {}, attrs({attr::bullet(kattr::BulletStyle::Dash)})))
                      .as_block()[0]),
              "<bullet dash>");
    EXPECT_EQ(describe::block_open_text(*std::get<Container>(block(40)).as_block()), "<unknown>");
    EXPECT_EQ(describe::element_open_text(*std::get<types::Property>(open(pk::BOLD)).as_element()),
              "<bold>");
    EXPECT_EQ(describe::element_open_text(*std::get<types::Property>(open(31)).as_element()),
              "<unknown>");
}

TEST(IndentedView, SpansAndBlocksOpenLinesAndCloseThem) {
    EXPECT_EQ(view(list(text("a"), open(pk::BOLD), text("b"), close(), text("c"))),
              "\"a\"\n"
              "<bold>\n"
              "    \"b\"\n" +
                  noted("<>", "closes <bold> (L2)") + "\"c\"\n");
    EXPECT_EQ(view(list(block(bk::CARD, list(text("x"), line_break(), text("y")),
                              attrs({attr::color(kattr::NamedColor::Red)})),
                        block(bk::INDENT, list(), attrs({attr::integer(2)})))),
              "<card red>\n"
              "    \"x\"\n"
              "    \"y\"\n" +
                  noted("<>", "closes <card> (L1)") + "<indent 2>\n" +
                  noted("<>", "closes <indent> (L5)"));
    // Unknown kinds are named so, never read from past a table.
    EXPECT_EQ(view(list(block(99, list(open(64), close())))),
              "<unknown>\n"
              "    <unknown>\n" +
                  noted("    <>", "closes <unknown> (L2)") + noted("<>", "closes <unknown> (L1)"));
}

TEST(IndentedView, RowsEntriesAndCells) {
    const auto entry = [](std::vector<Data> items) {
        return block(bk::TABLE_ENTRY, std::move(items));
    };
    EXPECT_EQ(
        view(list(
            block(bk::TABLE,
                  list(block(bk::TABLE_ROW, list(entry(list(text("a"))), entry(list(text("b"))),
                                                 entry(list(text("c"))))),
                       // An empty first cell leaves no line to put a separator on.
                       block(bk::TABLE_ROW, list(entry({}), entry(list(text("e"))))))),
            block(bk::BULLET, list(block(bk::BULLET_ENTRY, list(text("one"))),
                                   block(bk::BULLET_ENTRY, list(text("two"))))))),
        "<table>\n"
        "    \"a\"  <|>  \"b\"  <|>  \"c\"\n"
        "    \"e\"\n" +
            noted("<>", "closes <table> (L1)") +
            "<bullet>\n"
            "    \"one\"\n"
            "    \"two\"\n" +
            noted("<>", "closes <bullet> (L5)"));
}

TEST(IndentedView, TextsAreBareFromAHeadingToTheNextLineBreak) {
    EXPECT_EQ(view(list(heading(1), text("Ti \"tle\""), open(pk::BOLD), text("b"), close(),
                        block(bk::BLOCK, list(text("in"), check(true))), line_break(), text("t"),
                        tagline(), text("n"))),
              "## Ti \"tle\"\n"
              "<bold>\n"
              "    b\n" +
                  noted("<>", "closes <bold> (L2)") +
                  "<block>\n"
                  "    in<x true>\n" +
                  noted("<>", "closes <block> (L5)") + "\"t\"\n@ n\n");
}

TEST(IndentedView, SectionsAndMetadata) {
    types::Document document;
    document.metadata.insert("b", "2");
    document.metadata.insert("a", "1");
    document.children =
        list(section(list(text("x"), line_break())),
             section_with(0, list(heading(0), text("T"), line_break(), text("y")), {{"k", "v"}}));
    EXPECT_EQ(StructureRenderer().render(document),
              "<metadata>\n"
              "    a = 1\n"
              "    b = 2\n" +
                  noted("<>", "closes <metadata> (L1)") +
                  // Every section opens with an empty line once something was written.
                  "\n"
                  "\"x\"\n"
                  "\n"
                  "<metadata>\n"
                  "    k = v\n" +
                  noted("<>", "closes <metadata> (L8)") +
                  "# T\n"
                  "\"y\"\n");
    // No empty line before the first section's heading when nothing comes before it.
    types::Document plain;
    plain.children = list(section_with(0, list(heading(0), text("A"))),
                          section_with(0, list(heading(0), text("B"))));
    EXPECT_EQ(StructureRenderer().render(plain), "# A\n\n# B\n");
}

TEST(IndentedView, OneContainerAlone) {
    const Data card = block(bk::CARD, list(open(pk::BOLD), text("x")));
    EXPECT_EQ(StructureRenderer().render_container(*card.as_container()),
              "<card>\n"
              "    <bold>\n"
              "        \"x\"\n" +
                  noted("    ", WARN + " <bold> (L2) never closed - auto-closed here") +
                  noted("<>", "closes <card> (L1)"));
}

TEST(IndentedView, NotesSpansNeverClosedStrayTerminatorsAndInvalidElements) {
    // Parsed Kerfa always closes its spans; these come from hand-built documents.
    EXPECT_EQ(
        view(list(section(list(text("a"), open(pk::BOLD), open(pk::ITALIC), text("b"))), close())),
        "\"a\"\n"
        "<bold>\n"
        "    <italic>\n"
        "        \"b\"\n" +
            noted("    ", WARN + " <italic> (L3) never closed - auto-closed here") +
            noted("", WARN + " <bold> (L2) never closed - auto-closed here") +
            noted("<>", WARN + " closes NOTHING - stray terminator"));
    EXPECT_EQ(view(list(open_invalid("zz", attrs({attr::text("a b")})), text("k"), close())),
              noted("<zz \"a b\">", WARN + " invalid element - markup dropped, content kept") +
                  "    \"k\"\n" + noted("<>", "closes <zz> (L1)"));
}

TEST(IndentedView, ANestedListsTerminatorMayCloseAnOuterSpan) {
    // The bullet entry's terminator closes the bold span opened outside it: the entry ends with
    // fewer spans open than it began with, and nothing is closed twice.
    EXPECT_EQ(view(list(open(pk::BOLD),
                        block(bk::BULLET, list(block(bk::BULLET_ENTRY, list(text("a"), close())))),
                        text("after"))),
              "<bold>\n"
              "    <bullet>\n"
              "        \"a\"\n" +
                  noted("    <>", "closes <bold> (L1)") + noted("<>", "closes <bullet> (L2)") +
                  "\"after\"\n");
    // Spans left open are counted, not matched: a list closes only as many as it adds to those
    // open when it began, so a span opened after popping an outer one is closed further out.
    EXPECT_EQ(view(list(open(pk::BOLD),
                        block(bk::BULLET, list(block(bk::BULLET_ENTRY,
                                                     list(close(), open(pk::CODE), text("c"))))),
                        text("after"))),
              "<bold>\n"
              "    <bullet>\n" +
                  noted("    <>", "closes <bold> (L1)") +
                  "    <code>\n"
                  "        \"c\"\n" +
                  noted("    <>", "closes <bullet> (L2)") + "    \"after\"\n" +
                  noted("", WARN + " <code> (L4) never closed - auto-closed here"));
}

TEST(IndentedView, DoesNotRecurseOverDepth) {
    constexpr std::size_t depth = 5000;
    const auto items = list(section(list(nested(bk::INDENT, depth, text("x")), open(pk::BOLD))));
    std::string out;
    run_on_small_stack([&] { out = StructureRenderer().render_all(items); });
    // Indentation stops growing at 256 levels; every block has an opening and a closing line.
    const std::string deepest = std::string(1024, ' ') + "\"x\"\n";
    EXPECT_NE(out.find(deepest), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2 * depth + 1 + 2);
    EXPECT_TRUE(out.ends_with("never closed - auto-closed here\n"));
}

}  // namespace
}  // namespace kerfa_render_kerfa_indented
