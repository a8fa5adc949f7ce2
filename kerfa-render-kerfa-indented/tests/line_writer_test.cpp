#include "line_writer.hpp"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kerfa_render_kerfa_indented::line_writer {
namespace {

const std::string ARROW = "\xE2\x86\x90 ";

TEST(LineWriter, PadsByCharactersToColumn44WithAtLeastTwoBlanks) {
    struct Case {
        std::string text;  // its length in characters is in the name
        std::size_t blanks;
    };
    const std::vector<Case> cases = {
        {"ab", 42},
        {"h\xC3\xA9llo w\xC3\xB6rl", 34},  // 10, with two-byte ones
        {"\xE6\xBC\xA2\xE5\xAD\x97\xE6\xBC\xA2\xE5\xAD\x97\xE6\xBC\xA2"
         "\xE5\xAD\x97\xE6\xBC\xA2\xE5\xAD\x97\xE6\xBC\xA2\xE5\xAD\x97",  // 10 CJK, 20 columns
         34},
        {std::string(42, 'x'), 2},
        {std::string(43, 'x'), 2},
        {std::string(60, 'x'), 2},
    };
    for (const Case& c : cases) {
        LineWriter writer;
        writer.line(c.text, "n");
        EXPECT_EQ(writer.to_output(), c.text + std::string(c.blanks, ' ') + ARROW + "n\n")
            << c.text;
    }
    // The indentation counts: 8 blanks and 2 characters leave 34.
    LineWriter writer;
    writer.deeper();
    writer.deeper();
    writer.line("ab", "n");
    EXPECT_EQ(writer.to_output(),
              std::string(8, ' ') + "ab" + std::string(34, ' ') + ARROW + "n\n");
}

TEST(LineWriter, CurrentLinesBlanksAndDepth) {
    LineWriter writer;
    writer.blank();  // nothing before the first line
    writer.append("a");
    writer.deeper();
    writer.append("b");  // the current line keeps the depth it started at
    EXPECT_EQ(writer.line("<x>"), 2u);
    writer.deeper();
    writer.blank();  // always at depth 0
    writer.append("c");
    writer.finish();
    writer.finish();  // nothing more to finish
    writer.shallower();
    writer.shallower();
    writer.shallower();  // never below 0
    EXPECT_EQ(writer.depth(), 0u);
    EXPECT_EQ(writer.line("d"), 5u);
    EXPECT_EQ(writer.to_output(), "ab\n    <x>\n\n        c\nd\n");
}

TEST(LineWriter, WritesIndentationForAtMost256Levels) {
    LineWriter writer;
    for (int i = 0; i < 300; ++i) {
        writer.deeper();
    }
    writer.line("x", "n");
    EXPECT_EQ(writer.depth(), 300u);
    EXPECT_EQ(writer.to_output(), std::string(1024, ' ') + "x  " + ARROW + "n\n");
}

}  // namespace
}  // namespace kerfa_render_kerfa_indented::line_writer
