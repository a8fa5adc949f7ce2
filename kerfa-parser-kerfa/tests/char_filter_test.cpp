#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "char_chain_drain.hpp"
#include "components/char_iterator/position_tracker.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

using components::char_iterator::PositionTracker;
using components::char_iterator::SharedPosition;
using components::char_iterator::StrCharSource;

struct FilterCase {
    DoubleTagMode mode;
    std::string input;
    std::string delivered;
    std::vector<PrivateSpan> spans;
    std::optional<std::size_t> abandoned_tag_line;
};

const std::vector<FilterCase>& filter_cases() {
    static const std::vector<FilterCase> cases = {
        // Off leaves double tags alone.
        {DoubleTagMode::Off, "a<<b>>c<<>>", "a<<b>>c<<>>", {}, {}},
        {DoubleTagMode::Off, "x << y", "x << y", {}, {}},
        // Strip drops tags and keeps the text between them.
        {DoubleTagMode::Strip, "x<<note>>y", "xy", {}, {}},
        {DoubleTagMode::Strip, "a<<>>b", "ab", {}, {}},
        {DoubleTagMode::Strip, "a<<p>>b<<>>c", "abc", {}, {}},
        // An escape passes through whole; only the escaped "<" is protected.
        {DoubleTagMode::Strip, "x\\<<y>>", "x\\<<y>>", {}, {}},
        {DoubleTagMode::Strip, "x\\<\\<y>>", "x\\<\\<y>>", {}, {}},
        {DoubleTagMode::Strip, "a<\\<<b>>c", "a<\\<<b>>c", {}, {}},
        {DoubleTagMode::Strip, "a\\\\<<b>>c", "a\\\\c", {}, {}},
        // Inside a tag: escapes, and ">" followed by anything but ">".
        {DoubleTagMode::Strip, "a<<b\\>>>c", "ac", {}, {}},
        {DoubleTagMode::Strip, "a<<b>\\>>>c", "ac", {}, {}},
        {DoubleTagMode::Strip, "a<<b>x>>c", "ac", {}, {}},
        {DoubleTagMode::Strip, "a<<<b>>c", "ac", {}, {}},
        // "<" at the end is kept, "<<" at the end delivers nothing.
        {DoubleTagMode::Strip, "a<", "a<", {}, {}},
        {DoubleTagMode::Strip, "<", "<", {}, {}},
        {DoubleTagMode::Strip, "a\\", "a\\", {}, {}},
        {DoubleTagMode::Strip, "a<x", "a<x", {}, {}},
        // The end of input inside a tag: everything after "<<" is gone, and its line is kept.
        {DoubleTagMode::Strip, "a<<", "a", {}, 1},
        {DoubleTagMode::Strip, "l1\r\nl2 cout << x;\nl3", "l1\r\nl2 cout ", {}, 2},
        {DoubleTagMode::Strip, "a\n\n<<b\\", "a\n\n", {}, 3},
        {DoubleTagMode::Strip, "a<<b>", "a", {}, 1},
        {DoubleTagMode::Strip, "a<<b>\\", "a", {}, 1},
        // RemoveAll hides every tagged region, nested ones included.
        {DoubleTagMode::RemoveAll, "a<<x>>b<<y>>c<<>>d<<>>e", "ae", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<>>b", "ab", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<x>>b\\<<>>c<<>>d", "ad", {}, {}},
        // Inside a region a backslash after "<" escapes nothing: the "<<>>" after it closes.
        {DoubleTagMode::RemoveAll, "a<<x>>b<\\<<>>c<<>>d", "acd", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<x>>b<\\x<<>>c", "ac", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<x>>b<c<<>>d", "ad", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<x>>rest", "a", {}, {}},
        // Cut off inside a region, a tag loses nothing more: no report.
        {DoubleTagMode::RemoveAll, "a<<x>>b<<c", "a", {}, {}},
        {DoubleTagMode::RemoveAll, "a<<x>>b<<>>c<<", "ac", {}, 1},
        // RemovePrivate removes private regions and records where they were.
        {DoubleTagMode::RemovePrivate, "ab<<p>>secret<<>>cd", "abcd", {{2, 17}}, {}},
        {DoubleTagMode::RemovePrivate, "<<note>>text<<>>", "text", {}, {}},
        {DoubleTagMode::RemovePrivate, "<<P>>x<<>>", "x", {}, {}},
        {DoubleTagMode::RemovePrivate, "<<Private>>x<< p >>y", "xy", {}, {}},
        {DoubleTagMode::RemovePrivate, "a<<p>>b<<n>>c<<>>d<<>>e", "ae", {{1, 22}}, {}},
        {DoubleTagMode::RemovePrivate, "a<<private>>rest", "a", {{1, 16}}, {}},
        {DoubleTagMode::RemovePrivate, "a<<p>>b\\x", "a", {{1, 9}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>x>>s<<>>t", "t", {{0, 12}}, {}},
        {DoubleTagMode::RemovePrivate, "<<pr\\iv>>s<<>>t", "t", {{0, 14}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>>\\<<>>x<<>>y", "y", {{0, 15}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>>a<\\<<>>b", "b", {{0, 12}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>>a<\\", "", {{0, 8}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>>a<<>><<priv>>b<<>>", "", {{0, 10}, {10, 23}}, {}},
        {DoubleTagMode::RemovePrivate, "x<<b>>y<<>>z<<>>", "xyz", {}, {}},
        {DoubleTagMode::RemovePrivate, "\\<<p>>x<<>>", "\\<<p>>x", {}, {}},
        // Offsets count UTF-8 bytes.
        {DoubleTagMode::RemovePrivate,
         "\u00e9<<p>>\u20ac<<>>\U0001F600",
         "\u00e9\U0001F600",
         {{2, 14}},
         {}},
        {DoubleTagMode::RemovePrivate, "a\r\n<<p>>\r\n<<>>\r\nb", "a\r\n\r\nb", {{3, 14}}, {}},
        // An unclosed region is recorded up to the end, once.
        {DoubleTagMode::RemovePrivate, "<<p>>a<<", "", {{0, 8}}, {}},
        {DoubleTagMode::RemovePrivate, "<<p>>a<<x>>b", "", {{0, 12}}, {}},
        {DoubleTagMode::RemovePrivate, "a<<p", "a", {}, 1},
    };
    return cases;
}

TEST(CharFilterTest, DeliversTextSpansAndOffsets) {
    for (const FilterCase& c : filter_cases()) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << static_cast<int>(c.mode) << " input '" << c.input << "'");
        const Drained expected{c.delivered, c.spans, c.input.size(), c.abandoned_tag_line};
        EXPECT_EQ(drain(c.input, c.mode), expected);
        EXPECT_EQ(drain_boxed(c.input, c.mode), expected);
    }
}

TEST(CharFilterTest, ModesBeyondRemovePrivateRecordNoSpans) {
    for (DoubleTagMode mode :
         {DoubleTagMode::Off, DoubleTagMode::Strip, DoubleTagMode::RemoveAll}) {
        EXPECT_TRUE(drain("a<<p>>b<<>>c<<p>>d", mode).spans.empty());
    }
}

// After each character: the offset past it, and the line and line start it stands on.
struct Seen {
    char32_t c;
    std::size_t offset;
    std::size_t line;
    std::size_t line_start;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> track(std::string_view input) {
    SharedPosition position;
    PositionTracker<StrCharSource> tracker(StrCharSource(input), position);
    std::vector<Seen> seen;
    for (char32_t c = tracker.next(); c != components::char_iterator::kEndOfInput;
         c = tracker.next()) {
        seen.push_back({c, position.offset(), position.line(), position.line_start()});
    }
    EXPECT_EQ(tracker.next(), components::char_iterator::kEndOfInput);
    return seen;
}

TEST(PositionTrackerTest, CountsLineEndsAndUtf8Bytes) {
    struct Case {
        std::string input;
        std::vector<Seen> seen;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\rc\nd",
         {{U'a', 1, 1, 0},
          {U'\r', 2, 1, 0},
          {U'\n', 3, 1, 0},
          {U'b', 4, 2, 3},
          {U'\r', 5, 2, 3},
          {U'c', 6, 3, 5},
          {U'\n', 7, 3, 5},
          {U'd', 8, 4, 7}}},
        // A line end at the very end adds no line; "\n\r" is two line ends.
        {"x\n", {{U'x', 1, 1, 0}, {U'\n', 2, 1, 0}}},
        {"\n\r\r\n", {{U'\n', 1, 1, 0}, {U'\r', 2, 2, 1}, {U'\r', 3, 3, 2}, {U'\n', 4, 3, 2}}},
        {"\u00a0\u20ac\U0001F600\nz",
         {{U'\u00a0', 2, 1, 0},
          {U'\u20ac', 5, 1, 0},
          {U'\U0001F600', 9, 1, 0},
          {U'\n', 10, 1, 0},
          {U'z', 11, 2, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(track(c.input), c.seen);
    }
}

TEST(PositionTrackerTest, EmptyInputLeavesTheCountersAtTheirStart) {
    EXPECT_TRUE(track("").empty());
    SharedPosition position;
    EXPECT_EQ(position.offset(), 0u);
    EXPECT_EQ(position.line(), 1u);
    EXPECT_EQ(position.line_start(), 0u);
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
