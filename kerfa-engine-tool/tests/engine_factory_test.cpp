#include "kerfa_engine_tool/configure/engine_factory.hpp"

#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_parser_kerfa/parser/parser.hpp"

namespace kerfa_engine_tool::configure {
namespace {

TEST(EngineFactory, OptionBitsChooseMetricsAndTrace) {
    struct Case {
        std::uint32_t options;
        bool metrics;
        bool trace;
    };
    const std::vector<Case> cases = {
        {0, false, false},
        {8, true, false},
        {16, false, true},
        {24, true, true},
        {1 | 2 | 4 | 32, false, false},
    };
    for (const Case& c : cases) {
        const EngineFactory engine = EngineFactory::create(c.options, DoubleTagMode::Strip);
        EXPECT_EQ(engine.options, c.options);
        EXPECT_EQ(engine.mode, DoubleTagMode::Strip);
        EXPECT_EQ(engine.factory.setup.metrics.has_value(), c.metrics) << c.options;
        EXPECT_EQ(engine.factory.setup.trace, c.trace) << c.options;
        EXPECT_EQ(engine.factory.kerfa.mode, DoubleTagMode::Strip);
    }
    const auto plain = EngineFactory::create(0, DoubleTagMode::RemovePrivate)
                           .new_parser(kerfa_content::types::Source::file("a.kerfa"));
    EXPECT_NE(dynamic_cast<const kerfa_parser_kerfa::parser::Parser*>(plain.get()), nullptr);
    const auto traced = EngineFactory::create(EngineFactory::TRACE, DoubleTagMode::RemovePrivate)
                            .new_parser(kerfa_content::types::Source::file("a.kerfa"));
    EXPECT_NE(dynamic_cast<const kerfa_content::modules::parser::ParserTrace*>(traced.get()),
              nullptr);
}

}  // namespace
}  // namespace kerfa_engine_tool::configure
