// A table repair reads again only the part of the text around it (from a top-level heading to
// the next), where it is: every text must give the events of reading the whole edited text.
// Each text here is put together from parts that test one way the part and the rest could
// differ, in every order, so that the repaired part comes before, between and after the others.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "event_text.hpp"
#include "events/adapter.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

void expect_as_whole(const std::string& text) {
    const EventList parts = events::read_events(text);
    const EventList whole = events::read_events_whole(text);
    EXPECT_EQ(events_text(parts), events_text(whole)) << "input: " << quoted(text);
    EXPECT_EQ(parts.message, whole.message) << "input: " << quoted(text);
}

// Parts that need a repair: a header after paragraph text, short delimiters, adjacent pipes, a
// block right after a table, each using links whose definitions may be anywhere.
const std::vector<std::string> REPAIRED = {
    "# Repaired\n\ntext [x]\n| a | b |\n|-|-|\n| [y] | [z][] |\n\n",
    "## Cut\n\n| a |\n|---|\n| [x] |\n<!-- end -->\n\n",
    "## Cut before a definition\n\n| a |\n|---|\n| [z] |\n# h\n[y]: /made-by-the-cut\n\n",
    "# Pipes\n\n| a || b |\n|---|---|---|\n| [X] || [y] |\n\n",
    "# In a quote\n\n> text\n> | a |\n> |:-|\n> | [x] |\n\n",
    "# Failing\n\ntext\n| a | b |\n|---|\n\n",
};

// Parts around them: definitions of the same labels, some shadowed, over several lines,
// inside containers, or in text that only looks like one; headings that are no part start.
const std::vector<std::string> OTHERS = {
    "# Definitions\n\n[x]: /first \"one\"\n[y]: /y\n",
    "# Later\n\n[x]: /second\n[z]:\n  /z\n  'title'\n\nafter\n",
    "# Quoted\n\n> [y]: /quoted\n",
    "# Listed\n\n- [z]: /listed\n",
    "# Text\n\nsee [x]: here\n[y]: /not-a-definition\n",
    "# Fence\n\n```\n\n# inside\n[x]: /in-code\n```\n\n",
    "# Open fence\n\n```\n\n# in the fence to the end\n",
    "# Html\n\n<div>\n\n# after\n\n<!--\n\n# in a comment\n-->\n\n",
    "# Title [x]\n\n#\n\n# [](u) [y]\n\n- item\n\n# After a list\n",
    "Setext\n===\n\n[X]: /upper\n\n    [y]: /indented\n",
    "# Title trap\n\nsee [a](/u 'ti\n[x]: /in-a-title\n') more\n",
    "# Right after a heading\n[y]: /after-heading\nSetext\n---\n[z]: /after-setext\n",
    "# Uses\n\n[x], [y] and [z]\n",
    "# Empty\n",
};

TEST(AdapterParts, ReadingAPartAloneGivesTheEventsOfTheWholeText) {
    for (const std::string& repaired : REPAIRED) {
        for (const std::string& before : OTHERS) {
            for (const std::string& after : OTHERS) {
                // Without the blank line, the heading of the next part starts none.
                for (const std::string between : {"", "\n"}) {
                    expect_as_whole(before + between + repaired + after);
                    expect_as_whole(repaired + before + between + after);
                    expect_as_whole(before + between + after + between + repaired);
                }
            }
        }
    }
}

TEST(AdapterParts, SeveralRepairedParts) {
    std::string text;
    for (const std::string& repaired : REPAIRED) {
        text += repaired;
        text += OTHERS[0];
        expect_as_whole(text);
    }
    for (const std::string& repaired : REPAIRED) {
        text += repaired;
    }
    expect_as_whole(text);
}

// Line ends, a byte-order mark and parts that do not end with a line end.
TEST(AdapterParts, LineEndsAndTextEnds) {
    const std::vector<std::string> cases = {
        "\xEF\xBB\xBF# A\n\n[x]: /x\n\n# B\n\ntext\n| a |\n|-|\n| [x] |\n",
        "# A\r\n\r\n[x]: /x\r\n\r\n# B\r\n\r\ntext\r\n| a |\r\n|-|\r\n| [x] |\r\n",
        "# A\r\rtext\r| a |\r|-|\r\r# B\r\r[x]: /x",
        "# A\n\ntext\n| a |\n|-|\n| [x] |\n\n# B\n\n[x]: /x",
        "# A\n\ntext\n| a |\n|-|\n\n# B",
    };
    for (const std::string& text : cases) {
        expect_as_whole(text);
    }
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
