#include "kerfa_source_map/build/builder.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "kerfa_source_map/address/handles.hpp"

namespace {

using kerfa_content::modules::parser::types::ParseData;
using kerfa_content::modules::parser::types::SourcePositions;
using kerfa_source_map::build::build_source_map;
using kerfa_source_map::types::ByteSpan;

struct Case {
    const char* what;
    std::optional<std::vector<std::size_t>> starts;
    std::vector<ByteSpan> sections;
};

// Each section runs to the next start or the text's end; unsound starts are clamped to the text
// and never run backwards.
TEST(BuildSourceMap, SectionsFromStarts) {
    const std::string_view text = "0123456789abcdefghij";  // 20 bytes
    const std::vector<Case> cases = {
        {"no positions", std::nullopt, {}},
        {"no starts", std::vector<std::size_t>{}, {}},
        {"one section", std::vector<std::size_t>{0}, {{0, 20}}},
        {"three sections", std::vector<std::size_t>{0, 5, 12}, {{0, 5}, {5, 12}, {12, 20}}},
        {"first start replaced", std::vector<std::size_t>{3, 9}, {{3, 9}, {9, 20}}},
        {"start at the end", std::vector<std::size_t>{0, 20}, {{0, 20}, {20, 20}}},
        {"start past the text", std::vector<std::size_t>{0, 30}, {{0, 20}, {20, 20}}},
        {"starts out of order", std::vector<std::size_t>{0, 12, 5}, {{0, 12}, {12, 12}, {5, 20}}},
    };
    for (const Case& c : cases) {
        ParseData parse;
        if (c.starts) {
            parse.positions = SourcePositions{*c.starts, {{1, 4}}};
        }
        const auto map = build_source_map(text, parse);
        std::vector<ByteSpan> got;
        for (std::size_t i = 0; map.section_range(i); ++i) {
            got.push_back(*map.section_range(i));
        }
        EXPECT_EQ(got, c.sections) << c.what;
        EXPECT_EQ(map.sections.size(), c.sections.size()) << c.what;
        const std::vector<ByteSpan> spans =
            c.starts ? std::vector<ByteSpan>{{1, 4}} : std::vector<ByteSpan>{};
        EXPECT_EQ(map.private_spans, spans) << c.what;
    }
}

}  // namespace
