// The factory's parsers: wrapping by setup, both entry points, repeatable parses.

#include <gtest/gtest.h>

#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_parser_kerfa/parser/parser.hpp"
#include "parse_dump.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

using kerfa_content::modules::parser::ParserMeter;
using kerfa_content::modules::parser::ParserTrace;

const std::string SAMPLE =
    "<meta>title: Sample<>\n# One <b>bold<>\ntext <color nonsense>\n<bullet>a\nb<>\n"
    "<<p>>secret<<>>\n## Two\n<table>x<|>y\nz<>\n<>";

struct Result {
    std::string dump;
    std::vector<std::string> messages;
    kerfa_content::modules::parser::types::SourcePositions positions;
    std::string metadata;
};

Result result_of(const ParseData& data) {
    return {dump_items(data.content), messages(data), data.positions.value(),
            metadata_text(data.metadata)};
}

void expect_same(const Result& a, const Result& b) {
    EXPECT_EQ(a.dump, b.dump);
    EXPECT_EQ(a.messages, b.messages);
    EXPECT_EQ(a.positions, b.positions);
    EXPECT_EQ(a.metadata, b.metadata);
}

TEST(ParserFactoryTest, WrapsAsTheSetupAsks) {
    const auto plain = configure::ParserFactory{{}, Mode::RemovePrivate}.new_parser();
    const auto* parser = dynamic_cast<const parser::Parser*>(plain.get());
    ASSERT_NE(parser, nullptr);
    EXPECT_EQ(parser->mode(), Mode::RemovePrivate);
    EXPECT_FALSE(parser->trace());

    kerfa_content::modules::FactorySetup both{shared::components::new_metrics_arc(), true};
    const auto wrapped = configure::ParserFactory{both, Mode::Strip}.new_parser();
    const auto* trace = dynamic_cast<const ParserTrace*>(wrapped.get());
    ASSERT_NE(trace, nullptr);
    const auto* meter = dynamic_cast<const ParserMeter*>(&trace->inner());
    ASSERT_NE(meter, nullptr);
    const auto* inner = dynamic_cast<const parser::Parser*>(&meter->inner());
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(inner->trace());
}

// Tracing (the collector's too) and metering change nothing in the result; a parser runs any
// number of parses, each from scratch; both entry points agree.
TEST(ParserFactoryTest, EveryWayToParseGivesTheSameResult) {
    const Result expected = result_of(parse(SAMPLE, Mode::RemovePrivate));
    EXPECT_EQ(expected.positions.private_spans.size(), 1u);
    EXPECT_EQ(expected.positions.section_starts.size(), 2u);
    kerfa_content::modules::FactorySetup both{shared::components::new_metrics_arc(), true};
    auto parser = configure::ParserFactory{both, Mode::RemovePrivate}.new_parser();
    expect_same(result_of(parser->parse_str(SAMPLE)), expected);
    expect_same(result_of(parser->parse_str(SAMPLE)), expected);
    expect_same(result_of(parser->parse_chars(
                    shared::components::char_iterator::StrCharIterator::boxed(SAMPLE))),
                expected);
    EXPECT_EQ(expected.metadata, "{title=Sample}");
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
