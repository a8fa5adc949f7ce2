// Markdown text in, the document model out: the importer as the tool uses it.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_content/testing/dump.hpp"
#include "kerfa_parser_markdown/configure/parser_factory.hpp"
#include "kerfa_parser_markdown/parser/parser.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

using kerfa_content::testing::dump_items;

std::vector<std::string> messages(const kerfa_content::modules::parser::types::ParseData& data) {
    return data.error ? data.error->messages : std::vector<std::string>{};
}

using kerfa_content::modules::parser::types::ParseData;

ParseData parse(std::string_view text) {
    return parser::Parser::parse(text);
}

struct Case {
    std::string input;
    std::string model;
    std::vector<std::size_t> starts = {0};
};

void expect_imports(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const ParseData data = parse(c.input);
        EXPECT_EQ(dump_items(data.content), c.model) << c.input;
        EXPECT_EQ(data.positions->section_starts, c.starts) << c.input;
        EXPECT_TRUE(data.metadata.keys().empty());
        EXPECT_FALSE(data.error.has_value()) << c.input;
    }
}

TEST(Importer, ParagraphsHeadingsAndBreaks) {
    expect_imports({
        {"", "S0['']"},
        {"a\n\nb\n", "S0['a' / / 'b']"},
        {"text\n\n  # Title\nmore\n", "S0['text' / /] S1\"Title\"[#0 'Title' / / 'more']", {0, 6}},
        {"## A *b* c\n", "S0:1\"A b c\"[#1 'A ' +italic 'b' - ' c']"},
        {"# T\n\n## U\n", "S0\"T\"[#0 'T' / /] S1:1\"U\"[#1 'U']", {0, 5}},
        {"#\n", "S0\"\"[#0]"},
        {"a\nb\n", "S0['a' ' ' 'b']"},
        {"a  \nb\\\n\\\nc\n", "S0['a' / 'b' / / 'c']"},
        {"```\nx\ny\n```\n", "S0[codebox['x' / 'y']]"},
        {"a\n\n---\n\nb", "S0['a' / / --- / 'b']"},
    });
}

// A heading inside a quote is a heading line with a break after it.
TEST(Importer, HeadingInAQuoteEndsItsLine) {
    expect_imports({
        {"> # T\n> text\n", "S0[block-quote[#0 'T' / / 'text']]"},
        {"- # T\n  text\n", "S0[bullet[bullet-entry[#0 'T' / / 'text']]]"},
    });
}

TEST(Importer, ListsAreFlattened) {
    expect_imports({
        {"1. a\n   - b\n2. c\n",
         "S0[bullet(decimal)[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
         "bullet(decimal,2)[bullet-entry['c']]]"},
        {"7. a\n   - b\n8. c\n",
         "S0[bullet(decimal,7)[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
         "bullet(decimal,8)[bullet-entry['c']]]"},
        {"- a\n  - b\n    - c\n",
         "S0[bullet[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
         "indent(2)[indent(2)[bullet[bullet-entry['c']]]]]"},
        {"- [x] done\n- [ ] open\n",
         "S0[bullet[bullet-entry[[x] '  ' 'done'] bullet-entry[[ ] '  ' 'open']]]"},
        // A list in a quote inside an item opens in place; item 2 stays in the outer list.
        {"1. a\n   > - b\n2. c\n",
         "S0[bullet(decimal)[bullet-entry['a' block-quote[bullet[bullet-entry['b']]]] "
         "bullet-entry['c']]]"},
        // Lists opening in empty entries: four levels flattened, deeper ones write into the
        // fourth entry, each item on a line of its own.
        {"- - - - x\n",
         "S0[bullet[bullet-entry[]] indent(2)[bullet[bullet-entry[]]] "
         "indent(2)[indent(2)[bullet[bullet-entry[]]]] "
         "indent(2)[indent(2)[indent(2)[bullet[bullet-entry['x']]]]]]"},
        {"- - - - - - a\n          - b\n- c\n",
         "S0[bullet[bullet-entry[]] indent(2)[bullet[bullet-entry[]]] "
         "indent(2)[indent(2)[bullet[bullet-entry[]]]] "
         "indent(2)[indent(2)[indent(2)[bullet[bullet-entry['a' / 'b']]]]] "
         "bullet[bullet-entry['c']]]"},
        // Deeper lists in that quote close only themselves: d, q and e keep their places.
        {"- a\n  > - b\n  >   - c\n  > - d\n  >\n  > q\n- e\n",
         "S0[bullet[bullet-entry['a' block-quote[bullet[bullet-entry['b' bullet[bullet-entry['c']]"
         "] bullet-entry['d']] 'q']] bullet-entry['e']]]"},
    });
}

TEST(Importer, TablesLinksAndImages) {
    expect_imports({
        {"| a |\n|---|\n| 1 |\n",
         "S0[table(\"striped\",\"grid\")[table-heading[table-heading-row[table-heading-entry['a']]"
         "] table-row[table-entry['1']]]]"},
        {"[l](a%20b) ![d](i%20j.png)\n", "S0[+link(\"a b\") 'l' - ' ' img'i j.png']"},
        // Code, emphasis, inline HTML, breaks and nested images of a description are dropped.
        {"![a `c` *e* <b>\nx ![n](n.png) y](i.png) z\n", "S0[img'i.png' ' z']"},
    });
}

// CR LF: sections start at their line starts and no text keeps a CR.
TEST(Importer, CrLfLineEnds) {
    expect_imports({
        {"a\r\n\r\n# T\r\n```\r\nx\r\ny\r\n```\r\n",
         "S0['a' / /] S1\"T\"[#0 'T' / / codebox['x' / 'y']]",
         {0, 5}},
        {"\xEF\xBB\xBF# T\r\nb\r\n", "S0\"T\"[#0 'T' / / 'b']"},
    });
}

TEST(Importer, NestingLimitAndMessages) {
    const ParseData quotes = parse(std::string(300, '>') + " deep\n");
    std::string expected = "S0[";
    for (int i = 0; i < 256; ++i) {
        expected += "block-quote[";
    }
    expected += "'deep'" + std::string(257, ']');
    EXPECT_EQ(dump_items(quotes.content), expected);
    EXPECT_EQ(messages(quotes), (std::vector<std::string>{std::string(parser::NESTING_MESSAGE)}));

    // The adapter's message comes first, the nesting message after it.
    std::string both = std::string(300, '>') + " x\n\n";
    for (int i = 0; i < 1100; ++i) {
        both += "[a][r]\n\n";
    }
    both += "[r]: /" + std::string(999, 'u') + "\n";
    const ParseData literal = parse(both);
    EXPECT_EQ(
        messages(literal),
        (std::vector<std::string>{"Markdown too complex to read in full: read as plain text."}));
}

// No input is too deep: 100,000 nested quotes stop at 256 levels, 100,000 nested list items
// are read as plain text.
TEST(Importer, DeepInputs) {
    const ParseData quotes = parse(std::string(100'000, '>') + " x\n");
    EXPECT_EQ(messages(quotes), (std::vector<std::string>{std::string(parser::NESTING_MESSAGE)}));
    std::string items;
    for (int i = 0; i < 100'000; ++i) {
        items += "- ";
    }
    const ParseData lists = parse(items + "x\n");
    EXPECT_EQ(
        messages(lists),
        (std::vector<std::string>{"Markdown too complex to read in full: read as plain text."}));
    EXPECT_EQ(lists.content.size(), 1u);
}

TEST(Importer, FactoryAndEntryPoints) {
    const std::string text = "# A\n\n- x\n";
    const std::string expected = dump_items(parse(text).content);
    kerfa_content::modules::FactorySetup both{shared::components::new_metrics_arc(), true};
    const configure::ParserFactory factory{both};
    auto wrapped = factory.new_parser();
    const auto* trace =
        dynamic_cast<const kerfa_content::modules::parser::ParserTrace*>(wrapped.get());
    ASSERT_NE(trace, nullptr);
    const auto* meter =
        dynamic_cast<const kerfa_content::modules::parser::ParserMeter*>(&trace->inner());
    ASSERT_NE(meter, nullptr);
    EXPECT_NE(dynamic_cast<const parser::Parser*>(&meter->inner()), nullptr);
    EXPECT_EQ(dump_items(wrapped->parse_str(text).content), expected);
    EXPECT_EQ(
        dump_items(
            wrapped->parse_chars(shared::components::char_iterator::StrCharIterator::boxed(text))
                .content),
        expected);
    EXPECT_EQ(dump_items(factory.parse_from(text).content), expected);
    EXPECT_NE(dynamic_cast<const parser::Parser*>(configure::ParserFactory{}.new_parser().get()),
              nullptr);
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
