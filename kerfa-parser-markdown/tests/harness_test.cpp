// The importer's harness on its own: events in, the document model out.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "events/event.hpp"
#include "kerfa_content/testing/dump.hpp"
#include "parser/import_events.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

using kerfa_content::testing::dump_items;

std::vector<std::string> messages(const kerfa_content::modules::parser::types::ParseData& data) {
    return data.error ? data.error->messages : std::vector<std::string>{};
}

using events::Event;
using events::EventKind;
using events::EventList;

Event k(EventKind kind) {
    return Event::of(kind);
}
Event t(EventKind kind, std::string_view text) {
    return Event::with_text(kind, text);
}
Event heading(std::uint8_t level, std::uint32_t offset) {
    return Event{EventKind::StartHeading, level, false, offset, {}};
}
Event list(std::optional<std::uint32_t> start) {
    return Event{EventKind::StartList, 0, start.has_value(), start.value_or(0), {}};
}

std::string import(std::vector<Event> events, std::string_view text = "") {
    EventList list;
    list.events = std::move(events);
    return dump_items(parser::import_events(list, text).content);
}

using enum EventKind;

TEST(Harness, PendingBreaksAreWrittenOnlyBeforeTheNextItem) {
    // Two paragraphs: two breaks between, none after the last.
    EXPECT_EQ(import({k(StartParagraph), t(Text, "a"), k(EndParagraph), k(StartParagraph),
                      t(Text, "b"), k(EndParagraph)}),
              "S0['a' / / 'b']");
    // Hard breaks: one, two, and three capped at two.
    EXPECT_EQ(import({t(Text, "a"), k(HardBreak), t(Text, "b"), k(HardBreak), k(HardBreak),
                      t(Text, "c"), k(HardBreak), k(HardBreak), k(HardBreak), t(Text, "d")}),
              "S0['a' / 'b' / / 'c' / / 'd']");
    // Opening a span writes none: they go inside it, before its text; a paragraph start
    // writes them.
    EXPECT_EQ(import({k(StartParagraph), t(Text, "a"), k(EndParagraph), k(StartStrong),
                      t(Text, "b"), k(EndStrong)}),
              "S0['a' +bold / / 'b' -]");
    EXPECT_EQ(import({k(StartParagraph), t(Text, "a"), k(EndParagraph), k(StartParagraph),
                      k(StartStrong), t(Text, "b"), k(EndStrong), k(EndParagraph)}),
              "S0['a' / / +bold 'b' -]");
    // A block's breaks go into its parent when it closes; the block's own are dropped.
    EXPECT_EQ(
        import({k(StartParagraph), t(Text, "a"), k(EndParagraph), k(StartBlockQuote),
                k(StartParagraph), t(Text, "q"), k(EndParagraph), k(EndBlockQuote), t(Text, "z")}),
        "S0['a' / / block-quote['q'] / / 'z']");
}

TEST(Harness, TextsSplitAtLineFeeds) {
    // One final LF goes, then every CR; an empty text writes only the pending breaks.
    EXPECT_EQ(import({k(StartCodeBlock), t(Text, "a\r\nb\r\n"), k(EndCodeBlock)}),
              "S0[codebox['a' / 'b']]");
    EXPECT_EQ(import({t(Text, "a\n\nb\n\n")}), "S0['a' / '' / 'b' / '']");
    EXPECT_EQ(import({t(Text, "a\r\n")}), "S0['a']");
    EXPECT_EQ(import({t(Text, "a"), k(EndParagraph), t(Text, "")}), "S0['a' / /]");
    EXPECT_EQ(import({t(Text, "x"), k(SoftBreak), t(Text, "y")}), "S0['x' ' ' 'y']");
}

TEST(Harness, InlineItems) {
    EXPECT_EQ(import({t(Code, "a\nb")}), "S0[+code 'a\\nb' -]");
    EXPECT_EQ(import({k(StartItem), k(TaskListMarker), t(Text, "a")}),
              "S0[bullet-entry[[ ] '  ' 'a']]");
    EXPECT_EQ(import({t(Text, "a"), k(Rule), t(Text, "b")}), "S0['a' --- / 'b']");
    EXPECT_EQ(import({t(StartLink, "a%20b"), t(Text, "l"), k(EndLink), t(Html, "<b>")}),
              "S0[+link(\"a b\") 'l' - html'<b>']");
    // An unbalanced span end is ignored; a span still open at the end is closed.
    EXPECT_EQ(import({k(EndEmphasis), k(StartEmphasis), t(Text, "x")}), "S0[+italic 'x' -]");
}

TEST(Harness, ImageDescriptionsAreDropped) {
    EXPECT_EQ(import({t(StartImage, "i%20j.png"), t(Text, "a "), k(StartEmphasis), t(Text, "b"),
                      k(EndEmphasis), t(Code, "c"), t(InlineHtml, "<b>"), k(SoftBreak),
                      t(StartImage, "n.png"), t(Text, "n"), k(EndImage), t(Text, "d"), k(EndImage),
                      t(Text, "after")}),
              "S0[img'i j.png' 'after']");
}

TEST(Harness, Tables) {
    EXPECT_EQ(import({k(StartTable), k(StartTableHead), k(StartTableCell), t(Text, "h"),
                      k(EndTableCell), k(EndTableHead), k(StartTableRow), k(StartTableCell),
                      t(Text, "c"), k(EndTableCell), k(EndTableRow), k(EndTable)}),
              "S0[table(\"striped\",\"grid\")[table-heading[table-heading-row["
              "table-heading-entry['h']]] table-row[table-entry['c']]]]");
}

TEST(Harness, HeadingsCutSections) {
    // Text before the first heading is section 0; the heading's section starts at its line.
    EXPECT_EQ(import({t(Text, "a"), k(EndParagraph), heading(1, 3), t(Text, "T"), k(EndHeading),
                      t(Text, "b")}),
              "S0['a' / /] S1\"T\"[#0 'T' / / 'b']");
    // A text that starts with a heading has no implicit section; names are untrimmed and set
    // even when empty; a section closed by the next heading keeps its pending breaks.
    EXPECT_EQ(import({heading(2, 0), t(Text, " T "), k(EndHeading), heading(1, 5), k(EndHeading)}),
              "S0:1\" T \"[#1 ' T ' / /] S1\"\"[#0]");
    // Inside a quote: a heading line, no section, and a break after it.
    EXPECT_EQ(import({k(StartBlockQuote), heading(1, 0), t(Text, "T"), k(EndHeading),
                      k(StartParagraph), t(Text, "text"), k(EndParagraph), k(EndBlockQuote)}),
              "S0[block-quote[#0 'T' / / 'text']]");
}

TEST(Harness, SectionStartsMoveBackToTheirLine) {
    const std::string text = "a\n\n  # T\r\n# U";
    EventList events;
    events.events = {t(Text, "a"),   heading(1, 5), t(Text, "T"), k(EndHeading),
                     heading(1, 11), t(Text, "U"),  k(EndHeading)};
    const auto data = parser::import_events(events, text);
    EXPECT_EQ(data.positions->section_starts, (std::vector<std::size_t>{0, 3, 10}));
    // A lone carriage return ends a line as well.
    events.events = {heading(1, 0), k(EndHeading), heading(1, 2), k(EndHeading)};
    EXPECT_EQ(parser::import_events(events, "#\r#").positions->section_starts,
              (std::vector<std::size_t>{0, 2}));
    events.events = {t(Text, "a"), heading(1, 4), k(EndHeading)};
    EXPECT_EQ(parser::import_events(events, "a\r  # T").positions->section_starts,
              (std::vector<std::size_t>{0, 2}));
}

TEST(Harness, EmptyInputGivesOneEmptySection) {
    const auto data = parser::import_events(EventList{}, "");
    EXPECT_EQ(dump_items(data.content), "S0['']");
    EXPECT_EQ(data.positions->section_starts, (std::vector<std::size_t>{0}));
    EXPECT_FALSE(data.error.has_value());
}

// Nested lists are flattened: the nested list follows its outer list inside indents, and the
// outer list resumes after it with its numbering carried on.
TEST(Harness, NestedListsAreFlattened) {
    auto nested = [](std::optional<std::uint32_t> start) {
        return import({list(start), k(StartItem), t(Text, "a"), list(std::nullopt), k(StartItem),
                       t(Text, "b"), k(EndItem), k(EndList), k(EndItem), k(StartItem), t(Text, "c"),
                       k(EndItem), k(EndList)});
    };
    EXPECT_EQ(nested(1),
              "S0[bullet(decimal)[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
              "bullet(decimal,2)[bullet-entry['c']]]");
    EXPECT_EQ(nested(7),
              "S0[bullet(decimal,7)[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
              "bullet(decimal,8)[bullet-entry['c']]]");
    // Three levels: two indents around the innermost list.
    EXPECT_EQ(import({list(std::nullopt), k(StartItem), t(Text, "a"), list(std::nullopt),
                      k(StartItem), t(Text, "b"), list(std::nullopt), k(StartItem), t(Text, "c"),
                      k(EndItem), k(EndList), k(EndItem), k(EndList), k(EndItem), k(EndList)}),
              "S0[bullet[bullet-entry['a']] indent(2)[bullet[bullet-entry['b']]] "
              "indent(2)[indent(2)[bullet[bullet-entry['c']]]]]");
    // Content of the outer item after its nested list lands between the two parts, right
    // after the closed indents.
    EXPECT_EQ(import({list(std::nullopt), k(StartItem), k(StartParagraph), t(Text, "a"),
                      k(EndParagraph), list(std::nullopt), k(StartItem), t(Text, "b"), k(EndItem),
                      k(EndList), k(StartParagraph), t(Text, "after"), k(EndParagraph), k(EndItem),
                      k(StartItem), t(Text, "c"), k(EndItem), k(EndList)}),
              "S0[bullet[bullet-entry['a' / /]] indent(2)[bullet[bullet-entry['b']]] "
              "'after' / / bullet[bullet-entry['c']]]");
}

// A list nested in a quote inside an item cannot close the outer list: it opens in place, and
// the next item stays in the outer list.
TEST(Harness, AListInAQuoteInsideAnItemIsNotFlattened) {
    EXPECT_EQ(import({list(1), k(StartItem), t(Text, "a"), k(StartBlockQuote), list(std::nullopt),
                      k(StartItem), t(Text, "b"), k(EndItem), k(EndList), k(EndBlockQuote),
                      k(EndItem), k(StartItem), t(Text, "c"), k(EndItem), k(EndList)}),
              "S0[bullet(decimal)[bullet-entry['a' block-quote[bullet[bullet-entry['b']]]] "
              "bullet-entry['c']]]");
}

TEST(Harness, NestingStopsAt256Levels) {
    std::vector<Event> events;
    for (int i = 0; i < 300; ++i) {
        events.push_back(k(StartBlockQuote));
    }
    events.push_back(t(Text, "deep"));
    for (int i = 0; i < 300; ++i) {
        events.push_back(k(EndBlockQuote));
    }
    EventList list;
    list.events = std::move(events);
    const auto data = parser::import_events(list, "");
    std::string expected = "S0[";
    for (int i = 0; i < 256; ++i) {
        expected += "block-quote[";
    }
    expected += "'deep'" + std::string(257, ']');
    EXPECT_EQ(dump_items(data.content), expected);
    EXPECT_EQ(messages(data),
              (std::vector<std::string>{
                  "Nesting depth exceeded 256 levels; deeper content was flattened."}));
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
