// The collector's operations and stack invariants, with and without the trace wrapper.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "configure/collector_factory.hpp"
#include "parse_dump.hpp"
#include "parser/collector/collector_core.hpp"
#include "parser/collector/collector_trace.hpp"
#include "shared/components/configuration.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

using kerfa_content::data::structure::DataList;

using parser::collector::Collector;
using parser::state::State;
using shared::components::parse_configuration_to_map;
namespace bk = kerfa_content::data::kinds::block_kind;

// A collector over its own holders; traced or not.
class CollectorTest : public ::testing::TestWithParam<bool> {
  protected:
    DataList content;
    kerfa_content::types::Metadata metadata;
    std::vector<errors::ElementError> errors;
    kerfa_content::modules::parser::types::SourcePositions positions;
    std::unique_ptr<Collector> collector =
        configure::CollectorFactory{GetParam()}.collector(content, metadata, errors, 0, positions);

    std::string finish() {
        collector->complete_section();
        return dump_items(content);
    }
};

TEST_P(CollectorTest, NewCollector) {
    EXPECT_EQ(collector->stack_size(), 1u);
    EXPECT_TRUE(collector->is_very_first());
    EXPECT_TRUE(collector->current_state().is<State::Default>());
    EXPECT_EQ(collector->state_stack(), std::vector<std::string>{"Default"});
    EXPECT_EQ(positions.section_starts, std::vector<std::size_t>{0});
    EXPECT_TRUE(content.empty());
    EXPECT_TRUE(collector->is_current_empty());
    EXPECT_NE(collector->current_container().as_section(), nullptr);
}

TEST_P(CollectorTest, VeryFirstUntilSomethingIsAdded) {
    collector->append_root_metadata(parse_configuration_to_map("Title: T", true));
    EXPECT_TRUE(collector->is_very_first());
    collector->add_block_with_id(bk::CARD, State::Default{});
    EXPECT_FALSE(collector->is_very_first());  // two records
    collector->complete_current_container();
    EXPECT_FALSE(collector->is_very_first());  // the card is a child
    EXPECT_EQ(metadata.get("title"), std::optional<std::string_view>("T"));
}

TEST_P(CollectorTest, SectionIdsAndStarts) {
    collector->update_section_start(7);
    EXPECT_EQ(positions.section_starts, std::vector<std::size_t>{7});
    collector->add_text("a");
    collector->complete_section();
    EXPECT_EQ(collector->stack_size(), 0u);
    collector->add_section(10);
    collector->add_heading(1);
    collector->complete_section();
    collector->add_section(20);
    EXPECT_FALSE(collector->is_very_first());  // a section was completed
    EXPECT_EQ(finish(), "S0['a'] S1:1[#1] S2[]");
    EXPECT_EQ(positions.section_starts, (std::vector<std::size_t>{7, 10, 20}));
}

TEST_P(CollectorTest, ClosingAppendsTheMissingTerminators) {
    collector->add_block_with_id(bk::CARD, State::Default{});
    collector->add_property(kerfa_content::data::types::PropertyElement{0, std::nullopt, false});
    collector->add_text("x");
    EXPECT_TRUE(collector->current_has_properties());
    collector->add_invalid_element({"q", std::nullopt});
    collector->add_property_terminator();
    EXPECT_TRUE(collector->current_has_properties());
    EXPECT_EQ(collector->state_stack(), (std::vector<std::string>{"Default", "Default"}));
    EXPECT_EQ(finish(), "S0[card[+bold 'x' +!q - -]]");
    EXPECT_EQ(collector->stack_size(), 0u);
}

TEST_P(CollectorTest, AddCountsSpansAndDropsContainers) {
    collector->add(Data(kerfa_content::data::structure::Container(
        kerfa_content::data::types::Block{bk::CARD, std::nullopt, {}})));
    EXPECT_TRUE(collector->is_current_empty());
    collector->add(Data(kerfa_content::data::types::Property(
        kerfa_content::data::types::PropertyElement{8, std::nullopt, false})));
    EXPECT_TRUE(collector->current_has_properties());
    collector->add(Data(kerfa_content::data::types::PropertyTerminator{}));
    EXPECT_FALSE(collector->current_has_properties());
    collector->add(Data(kerfa_content::data::types::Property(
        kerfa_content::data::types::PropertyElement{8, std::nullopt, false})));
    EXPECT_EQ(finish(), "S0[+italic - +italic -]");
}

TEST_P(CollectorTest, StatesOfTheOpenContainers) {
    collector->add_block_with_id(bk::BULLET, State::List{});
    collector->add_block_with_id(bk::BULLET_ENTRY, State::ImplicitListEntry{});
    EXPECT_EQ(collector->state_stack(),
              (std::vector<std::string>{"Default", "List", "Implicit List Entry"}));
    collector->replace_current_state(State::Default{});
    EXPECT_TRUE(collector->current_state().is<State::Default>());
    EXPECT_EQ(collector->container_stack().size(), 3u);
    collector->container_in_flight().open_properties = 0;
    collector->delete_last();
    EXPECT_TRUE(collector->current_state().is<State::List>());
    EXPECT_EQ(finish(), "S0[bullet[]]");
    collector->delete_last();  // an empty stack: nothing happens
    EXPECT_EQ(collector->stack_size(), 0u);
}

TEST_P(CollectorTest, SectionMetadata) {
    collector->append_container_metadata(parse_configuration_to_map("Key: 1\nother: x", true));
    collector->append_container_metadata(parse_configuration_to_map("KEY: 2", true));
    collector->complete_section();
    collector->add_section(5);
    collector->complete_section();
    collector->add_section(9);
    collector->append_container_metadata({});
    EXPECT_EQ(finish(), "S0{key=2,other=x}[] S1[] S2{}[]");
    EXPECT_TRUE(metadata.is_empty());
}

TEST_P(CollectorTest, Reports) {
    collector->report_invalid_attribute(1, "color", "x");
    collector->report_invalid_element(2, "q");
    collector->report_missing_attribute(3, "bg");
    collector->report_unopened_terminator(4);
    collector->report_unexpected_attribute(5, "bold", "{}");
    collector->report_unexpected_element(6, "e");
    collector->report_unexpected_end_of_input(7);
    collector->report_error(errors::ElementError::UnexpectedWhitespace{8});
    std::vector<std::string> texts;
    for (const auto& error : errors) {
        texts.push_back(error.as_string());
    }
    EXPECT_EQ(
        texts,
        (std::vector<std::string>{
            "Line 1: Invalid attribute: 'color' => 'x'.", "Line 2: Invalid element: 'q'.",
            "Line 3: Missing attribute: 'bg'.", "Line 4: Unexpected terminator <>.",
            "Line 5: Unexpected attribute: 'bold' => '{}'.", "Line 6: Unexpected element: 'e'.",
            "Line 7: Unexpected end of input.", "Line 8: Unexpected whitespace."}));
}

INSTANTIATE_TEST_SUITE_P(CoreAndTrace, CollectorTest, ::testing::Bool());

TEST(CollectorFactoryTest, TraceWrapsTheCore) {
    DataList content;
    kerfa_content::types::Metadata metadata;
    std::vector<errors::ElementError> errors;
    kerfa_content::modules::parser::types::SourcePositions positions;
    auto plain =
        configure::CollectorFactory{false}.collector(content, metadata, errors, 0, positions);
    EXPECT_NE(dynamic_cast<parser::collector::CollectorCore*>(plain.get()), nullptr);
    auto traced =
        configure::CollectorFactory{true}.collector(content, metadata, errors, 0, positions);
    auto* trace = dynamic_cast<parser::collector::CollectorTrace*>(traced.get());
    ASSERT_NE(trace, nullptr);
    EXPECT_NE(dynamic_cast<const parser::collector::CollectorCore*>(&trace->inner()), nullptr);
}

// A broken invariant is an internal fault (status 101 and a report), never undefined behaviour.
TEST(CollectorDeathTest, BrokenInvariantsAreInternalFaults) {
    struct Fault {
        const char* what;
        std::function<void(Collector&)> call;
        const char* report;
    };
    const std::vector<Fault> faults = {
        {"closing the section as a container", [](Collector& c) { c.complete_current_container(); },
         "complete_current_container"},
        {"a terminator with no open span", [](Collector& c) { c.add_property_terminator(); },
         "add_property_terminator"},
        {"adding after the last section",
         [](Collector& c) {
             c.complete_section();
             c.add_text("x");
         },
         "add_text"},
        {"a second open section", [](Collector& c) { c.add_section(1); }, "add_section"},
        {"completing twice",
         [](Collector& c) {
             c.complete_section();
             c.complete_section();
         },
         "complete_section"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        DataList content;
        kerfa_content::types::Metadata metadata;
        std::vector<errors::ElementError> errors;
        kerfa_content::modules::parser::types::SourcePositions positions;
        parser::collector::CollectorCore core(content, metadata, errors, 0, positions);
        EXPECT_EXIT(fault.call(core), ::testing::ExitedWithCode(101), fault.report);
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
