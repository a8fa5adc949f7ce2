// Plain text: one section per line, the line in a fixed span, byte offsets, never a message.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_parser_text/configure/parser_factory.hpp"
#include "kerfa_parser_text/parser/parser.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"

namespace kerfa_parser_text {
namespace {

using namespace kerfa_content::testing;

using kerfa_content::modules::parser::types::ParseData;
using parser::Parser;
using shared::components::char_iterator::StrCharIterator;

constexpr kerfa_content::data::kinds::PropertyKind FIXED = 30;

// The expected sections: "" is an empty line, anything else a fixed span around the line.
std::vector<Data> sections_of(const std::vector<std::string>& lines) {
    std::vector<Data> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<Data> items;
        if (lines[i].empty()) {
            items.push_back(text(""));
        } else {
            items.push_back(open(FIXED));
            items.push_back(text(lines[i]));
            items.push_back(close());
        }
        out.push_back(section_with_id(i, std::move(items)));
    }
    return out;
}

void expect_parse(const ParseData& data, const std::vector<std::string>& lines,
                  const std::vector<std::size_t>& starts, const std::string& input) {
    EXPECT_TRUE(kerfa_content::data::structure::items_equal(data.content, sections_of(lines)))
        << input;
    ASSERT_TRUE(data.positions.has_value());
    EXPECT_EQ(data.positions->section_starts, starts) << input;
    EXPECT_TRUE(data.positions->private_spans.empty());
    EXPECT_FALSE(data.error.has_value());
    EXPECT_TRUE(data.metadata.keys().empty());
}

struct Case {
    std::string input;
    std::vector<std::string> lines;
    std::vector<std::size_t> starts;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"", {""}, {0}},
        {"a\nb", {"a", "b"}, {0, 2}},
        {"a\n", {"a", ""}, {0, 2}},
        {"a\n\nb", {"a", "", "b"}, {0, 2, 3}},
        {"\xC3\xA9\nx", {"\xC3\xA9", "x"}, {0, 3}},
        {"a\r\nb\r\n", {"a\r", "b\r", ""}, {0, 3, 6}},
        {"lone\rcr", {"lone\rcr"}, {0}},
        {"\n\n", {"", "", ""}, {0, 1, 2}},
        {"  <b>not markup<>  # nor a heading\t", {"  <b>not markup<>  # nor a heading\t"}, {0}},
    };
    return all;
}

TEST(TextParser, EachLineIsASectionAtItsByteOffset) {
    for (const Case& c : cases()) {
        expect_parse(Parser().parse_str(c.input), c.lines, c.starts, c.input);
    }
}

// Reading through a character source gives the same result as reading the text in place.
TEST(TextParser, CharacterSourceGivesTheSameSections) {
    for (const Case& c : cases()) {
        expect_parse(Parser().parse_chars(StrCharIterator::boxed(c.input)), c.lines, c.starts,
                     c.input);
    }
}

// Bytes that are not UTF-8 (only a caller other than the tool can pass them) read as U+FFFD,
// and offsets count the text as read.
TEST(TextParser, InvalidBytesReadAsReplacementCharacters) {
    const std::string input = "a\xFF\nb";
    expect_parse(Parser().parse_str(input), {"a\xEF\xBF\xBD", "b"}, {0, 5}, input);
}

TEST(TextParser, FactoryWrapsAsTheSetupAsks) {
    const auto plain = configure::ParserFactory{}.new_parser();
    EXPECT_NE(dynamic_cast<const Parser*>(plain.get()), nullptr);
    kerfa_content::modules::FactorySetup both{shared::components::new_metrics_arc(), true};
    const auto wrapped = configure::ParserFactory{both}.new_parser();
    const auto* trace =
        dynamic_cast<const kerfa_content::modules::parser::ParserTrace*>(wrapped.get());
    ASSERT_NE(trace, nullptr);
    const auto* meter =
        dynamic_cast<const kerfa_content::modules::parser::ParserMeter*>(&trace->inner());
    ASSERT_NE(meter, nullptr);
    EXPECT_NE(dynamic_cast<const Parser*>(&meter->inner()), nullptr);
    expect_parse(wrapped->parse_str("x\ny"), {"x", "y"}, {0, 2}, "x\ny");
}

}  // namespace
}  // namespace kerfa_parser_text
