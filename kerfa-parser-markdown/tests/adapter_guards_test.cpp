// The guards that keep every input linear: pre-scans and budgets just under and just over their
// limits, the fallbacks and their messages. An input that triggers none is read in full.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "event_text.hpp"
#include "events/adapter.hpp"
#include "events/guards.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

namespace guards = events::guards;

std::string repeat(std::string_view part, std::size_t times) {
    std::string out;
    out.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += part;
    }
    return out;
}

std::size_t count(const EventList& list, EventKind kind) {
    std::size_t n = 0;
    for (const Event& e : list.events) {
        n += e.kind == kind ? 1 : 0;
    }
    return n;
}

void expect_literal(const std::string& input) {
    const EventList list = events::read_events(input);
    ASSERT_EQ(list.events.size(), 3u) << input.substr(0, 40);
    EXPECT_EQ(list.events[1].kind, EventKind::Text);
    EXPECT_EQ(list.message, std::string(guards::LITERAL_MESSAGE));
}

TEST(AdapterGuards, ListMarkersOnOneLine) {
    EXPECT_FALSE(guards::too_many_list_markers(repeat("- ", 256) + "x\n"));
    EXPECT_TRUE(guards::too_many_list_markers(repeat("- ", 257) + "x\n"));
    EXPECT_TRUE(guards::too_many_list_markers("> " + repeat("1. > ", 257) + "x\n"));
    // A thematic break is not a list.
    EXPECT_FALSE(guards::too_many_list_markers(repeat("- ", 300) + "\n"));
    EXPECT_EQ(count(events::read_events(repeat("- ", 256) + "x\n"), EventKind::StartList), 256u);
    expect_literal(repeat("- ", 257) + "x\n");
}

TEST(AdapterGuards, LongParagraphsWithBrackets) {
    EXPECT_FALSE(guards::too_long_bracket_paragraph(repeat("[a]\n", 50'000)));
    EXPECT_TRUE(guards::too_long_bracket_paragraph(repeat("[a]\n", 50'001)));
    // Without brackets, or broken by a blank line, the run is harmless.
    EXPECT_FALSE(guards::too_long_bracket_paragraph(repeat("a\n", 50'001)));
    EXPECT_FALSE(guards::too_long_bracket_paragraph(repeat("[a]\n", 30'000) + " \t\n" +
                                                    repeat("[a]\n", 30'000)));
    expect_literal(repeat("[a]\n", 50'001));
}

TEST(AdapterGuards, DeepBracketsWithADefinition) {
    const std::string definition = "\n[r]: /u\n";
    EXPECT_FALSE(guards::too_deep_brackets(repeat("[", 32) + repeat("]", 32) + definition));
    EXPECT_TRUE(guards::too_deep_brackets(repeat("[", 33) + repeat("]", 33) + definition));
    EXPECT_FALSE(guards::too_deep_brackets(repeat("[", 33) + repeat("]", 33) + "\n"));
    // A blank line starts the count again.
    EXPECT_FALSE(
        guards::too_deep_brackets(repeat("[", 20) + "\n\n" + repeat("[", 20) + definition));
    expect_literal(repeat("[", 33) + repeat("]", 33) + definition);
}

TEST(AdapterGuards, CellsOfOneTable) {
    auto table = [](std::size_t body_rows) {
        return repeat("|a", 1024) + "|\n" + repeat("|---", 1024) + "|\n" +
               repeat(repeat("|b", 1024) + "|\n", body_rows);
    };
    const EventList under = events::read_events(table(1023));
    EXPECT_FALSE(under.message.has_value());
    EXPECT_EQ(count(under, EventKind::StartTableCell), 1024u * 1024u);
    const EventList over = events::read_events(table(1024));
    EXPECT_EQ(over.message, std::string(guards::TABLES_OFF_MESSAGE));
    EXPECT_EQ(count(over, EventKind::StartTable), 0u);
    EXPECT_EQ(count(over, EventKind::StartParagraph), 1u);
}

// One-cell rows are padded to the header's width: few bytes, many cells. The cells of all tables
// together are held to 16 per byte of text (at least 2^16).
TEST(AdapterGuards, CellsOfAllTables) {
    auto tables = [](std::size_t count, std::size_t rows) {
        const std::string one =
            repeat("|a", 1024) + "|\n" + repeat("|---", 1024) + "|\n" + repeat("|x\n", rows) + "\n";
        return repeat(one, count);
    };
    // The largest row count that stays within the budget for two tables.
    std::size_t rows = 1;
    while (1024 * 2 * (rows + 2) <= guards::max_total_table_cells(tables(2, rows + 1).size())) {
        ++rows;
    }
    const EventList under = events::read_events(tables(2, rows));
    EXPECT_FALSE(under.message.has_value());
    EXPECT_EQ(count(under, EventKind::StartTable), 2u);
    const EventList over = events::read_events(tables(2, rows + 1));
    EXPECT_EQ(over.message, std::string(guards::TABLES_OFF_MESSAGE));
    EXPECT_EQ(count(over, EventKind::StartTable), 0u);
}

TEST(AdapterGuards, BudgetLimits) {
    EXPECT_EQ(guards::max_total_table_cells(100), std::uint64_t{1} << 16);
    EXPECT_EQ(guards::max_total_table_cells(100'000), 1'600'000u);
    EXPECT_EQ(guards::max_total_table_cells(1'000'000), std::uint64_t{1} << 22);
    EXPECT_EQ(guards::max_destination_bytes(100), std::uint64_t{1} << 20);
    EXPECT_EQ(guards::max_destination_bytes(1'000'000), 16'000'000u);
    EXPECT_FALSE(guards::too_large_for_engine((std::uint64_t{1} << 32) - 1));
    EXPECT_TRUE(guards::too_large_for_engine(std::uint64_t{1} << 32));
}

TEST(AdapterGuards, DestinationBytes) {
    auto links = [](std::size_t uses) {
        return repeat("[a][r]\n\n", uses) + "[r]: /" + std::string(999, 'u') + "\n";
    };
    const EventList under = events::read_events(links(1048));
    EXPECT_FALSE(under.message.has_value());
    EXPECT_EQ(count(under, EventKind::StartLink), 1048u);
    expect_literal(links(1100));
}

// The literal reading: one paragraph, line ends made LF, U+0000 made U+FFFD, no byte-order mark.
TEST(AdapterGuards, LiteralText) {
    const std::string tail = "\n" + repeat("- ", 257) + "x";
    const EventList list = events::read_events(std::string("\xEF\xBB\xBF"
                                                           "a\r\nb\rc\0d",
                                                           11) +
                                               tail);
    ASSERT_EQ(list.events.size(), 3u);
    EXPECT_EQ(std::string(list.events[1].text).substr(0, 10),
              "a\nb\nc\xEF\xBF\xBD"
              "d\n");
    const EventList empty = guards::literal_events("");
    EXPECT_EQ(events_text(empty), "Start(Paragraph) End(Paragraph)");
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
