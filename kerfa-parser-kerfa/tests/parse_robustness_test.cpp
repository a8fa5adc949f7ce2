// Inputs no one writes by hand: very deep, very long and random.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "parse_dump.hpp"
#include "parse_invariants.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

using kerfa_content::data::structure::DataList;

std::string repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

// Depth of the first chain of containers, walked without recursion.
std::size_t first_chain_depth(const DataList& items) {
    std::size_t depth = 0;
    const DataList* list = &items;
    while (!list->empty() && list->front().as_container() != nullptr) {
        list = &list->front().as_container()->children();
        ++depth;
    }
    return depth;
}

TEST(ParseRobustnessTest, HalfAMillionNestedCards) {
    const std::size_t depth = 500000;
    const std::string text = "# Deep " + repeat("<card>", depth) + "x\n" + repeat("<>", depth);
    const ParseData data = parse(text, Mode::RemovePrivate);
    EXPECT_FALSE(data.error.has_value());
    ASSERT_EQ(data.content.size(), 1u);
    const auto* section = data.content[0].as_container()->as_section();
    EXPECT_EQ(section->name, std::optional<std::string>("Deep x"));
    // The section, then the cards below the heading marker and its text.
    EXPECT_EQ(first_chain_depth(section->children[2].as_container()->children()), depth - 1);
    EXPECT_EQ(broken_invariant(data, text.size()), std::nullopt);
}

TEST(ParseRobustnessTest, CardsLeftOpenAreClosedByTheSection) {
    const std::size_t depth = 500000;
    const std::string text = repeat("<card>", depth);
    const ParseData data = parse(text);
    EXPECT_FALSE(data.error.has_value());
    EXPECT_EQ(first_chain_depth(data.content), depth + 1);
}

TEST(ParseRobustnessTest, AMillionSpansInOneSection) {
    const std::size_t count = 1000000;
    const ParseData data = parse(repeat("<b>", count) + "x");
    EXPECT_FALSE(data.error.has_value());
    ASSERT_EQ(data.content.size(), 1u);
    const auto& children = data.content[0].as_container()->children();
    EXPECT_EQ(children.size(), 2 * count + 1);  // the openers, the text, the terminators
    EXPECT_EQ(broken_invariant(data, 3 * count + 1), std::nullopt);
}

// Random texts of Kerfa fragments: the parse holds every invariant, and parsing is repeatable.
TEST(ParseRobustnessTest, RandomInputsKeepTheInvariants) {
    const std::vector<std::string> fragments = {
        "<b>",     "<>",         "<bullet>",     "<table>", "<|>",     "<||>",        "<th>",
        "<meta>",  "k: v",       "<html-block>", "\n",      "\r\n",    "\r",          "# ",
        "## ",     "@ ",         "text",         " ",       "<",       ">",           "<<p>>",
        "<<>>",    "<<",         "\\",           "<x yes>", "<color>", "<color red>", "<card>",
        "<img a>", "<q",         "\"",           "'",       "<link>",  "<indent-2>",  "<hr x>",
        "é",       "<dark red>", "<#abc>",       "<bg",     ">>",      "<<x>>",       "<heading>",
    };
    const Mode modes[] = {Mode::Off, Mode::Strip, Mode::RemoveAll, Mode::RemovePrivate};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, fragments.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    auto parser = configure::ParserFactory{}.new_parser();
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n) {
            text += fragments[pick(random)];
        }
        const Mode mode = modes[round % 4];
        SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(mode) << ": " << text);
        const ParseData data = parse(text, mode);
        ASSERT_EQ(broken_invariant(data, text.size()), std::nullopt);
        const ParseData again = parse(text, mode);
        ASSERT_EQ(dump_items(again.content), dump_items(data.content));
        ASSERT_EQ(messages(again), messages(data));
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing

namespace kerfa_parser_kerfa::testing {
namespace {

std::string read_fixture(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sample documents (also the fuzzer's seeds) in every mode.
TEST(ParseRobustnessTest, FixturesKeepTheInvariants) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/fixtures")) {
        const std::string text = read_fixture(entry.path());
        for (Mode mode : {Mode::Off, Mode::Strip, Mode::RemoveAll, Mode::RemovePrivate}) {
            SCOPED_TRACE(entry.path().string() + " mode " + std::to_string(static_cast<int>(mode)));
            EXPECT_EQ(broken_invariant(parse(text, mode), text.size()), std::nullopt);
        }
        ++count;
    }
    EXPECT_GE(count, 4u);
}

TEST(ParseRobustnessTest, FixtureMessages) {
    const ParseData tour = parse(read_fixture("tests/fixtures/tour.kerfa"), Mode::RemovePrivate);
    EXPECT_EQ(messages(tour), std::vector<std::string>{});
    EXPECT_EQ(tour.metadata.get("title"), std::optional<std::string_view>("A tour of Kerfa"));
    EXPECT_EQ(tour.content.size(), 4u);
    const std::vector<std::string> expected = {
        "Line 2: Invalid element: 'nonsense'.",
        "Line 3: Missing attribute: 'color'.",
        "Line 3: Invalid element: 'color'.",
        "Line 4: Invalid attribute: 'color' => 'nonsense'.",
        "Line 4: Missing attribute: 'color'.",
        "Line 4: Invalid element: 'color'.",
        "Line 5: Unexpected attribute: 'bold' => 'extra'.",
        "Line 5: Unexpected attribute: 'bold' => 'words'.",
        "Line 6: Unexpected attribute: 'divider-line' => 'x'.",
        "Line 7: Invalid element: 'x'.",
        "Line 8: Invalid element: 'img'.",
        "Line 9: Invalid element: '|'.",
        "Line 9: Invalid element: '||'.",
        "Line 11: Invalid element: '|'.",  // inside a column entry
        "Line 13: Unexpected attribute: 'bold' => 'y'.",
        "Line 15: Invalid attribute: 'card' => 'unterminated'.",
        "Line 16: Invalid element: 'card'.",
    };
    EXPECT_EQ(messages(parse(read_fixture("tests/fixtures/errors.kerfa"))), expected);
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing

namespace kerfa_parser_kerfa::testing {
namespace {

// Sections handed over as they complete, built on the heap, are those of the whole parse built
// in the arena; the rest of the parse is the same and holds no section.
TEST(ParseRobustnessTest, SectionsHandedOverMatchTheWholeParse) {
    std::vector<std::string> texts = {
        "",
        "plain",
        "<meta>\nk: v\n<>\n# A\ntext <b>open\n# B\n<card>left <i>open",
        "\xEF\xBB\xBF# first\n# second\n",
        "# a\n\n<meta>\nx: 1\n<>\n## b <<p>>private<<>>\n<>\n<unknown x>y<>",
        repeat("<card>", 1000) + "deep",
    };
    for (const auto& entry : std::filesystem::directory_iterator("tests/fixtures")) {
        texts.push_back(read_fixture(entry.path()));
    }
    for (const std::string& text : texts) {
        for (Mode mode : {Mode::Off, Mode::Strip, Mode::RemoveAll, Mode::RemovePrivate}) {
            SCOPED_TRACE(text.substr(0, 40) + " mode " + std::to_string(static_cast<int>(mode)));
            const ParseData whole = parse(text, mode);
            DataList handed;
            const ParseData rest = configure::ParserFactory{{}, mode}.new_parser()->parse_str_each(
                text, [&handed](Data section) { handed.push_back(std::move(section)); });
            EXPECT_TRUE(rest.content.empty());
            EXPECT_TRUE(kerfa_content::data::structure::items_equal(handed, whole.content));
            EXPECT_EQ(messages(rest), messages(whole));
            EXPECT_EQ(rest.metadata, whole.metadata);
            EXPECT_EQ(rest.positions, whole.positions);
        }
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
