#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "errors/element_error.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "parser/state/state.hpp"
#include "parser/types/container_in_flight.hpp"
#include "shared/components/configuration.hpp"

namespace kerfa_parser_kerfa::parser::collector {

// The tree builder of a Kerfa parse: the state machine and the element builder describe what to
// build, and the collector appends items to the open containers, opens and closes containers,
// numbers sections, records section starts, gathers metadata and records the errors. Each open
// container keeps the parser state to resume while it is the current one.
class Collector {
  public:
    using Data = kerfa_content::data::structure::Data;
    using DataList = kerfa_content::data::structure::DataList;
    using Content = kerfa_content::data::structure::Content;
    using Container = kerfa_content::data::structure::Container;
    using Block = kerfa_content::data::types::Block;
    using Property = kerfa_content::data::types::Property;
    using InvalidElement = kerfa_content::data::types::InvalidElement;
    using State = state::State;
    using ContainerInFlight = types::ContainerInFlight;
    using ElementError = errors::ElementError;
    using ConfigurationMap = shared::components::ConfigurationMap;

    virtual ~Collector() = default;

    // A Container item is dropped (containers enter through add_block and add_container); any
    // other item is appended to the current container, spans counted.
    virtual void add(Data item) = 0;
    virtual void add_block(Block block, State state) = 0;
    virtual void add_block_with_id(std::uint16_t kind, State state) = 0;
    virtual void add_container(Container container, State state) = 0;
    virtual void add_content(Content content) = 0;
    virtual void add_heading(std::uint8_t level) = 0;
    virtual void add_html(std::string_view text) = 0;
    // Opens a span like a property.
    virtual void add_invalid_element(InvalidElement element) = 0;
    virtual void add_line_break(bool carriage_return) = 0;
    virtual void add_property(Property property) = 0;
    virtual void add_property_terminator() = 0;
    // Records the start offset and opens a new section.
    virtual void add_section(std::size_t start) = 0;
    virtual void add_tagline() = 0;
    // Replaces the last recorded section start.
    virtual void update_section_start(std::size_t start) = 0;
    virtual void add_text(std::string_view text) = 0;
    // Metadata of the open section; keys lower-cased, a later value replaces an earlier one.
    virtual void append_container_metadata(ConfigurationMap map) = 0;
    // Metadata of the document.
    virtual void append_root_metadata(ConfigurationMap map) = 0;
    // Closes the current container into the one below it.
    virtual void complete_current_container() = 0;
    // Closes every open container and the section, which joins the parse's item list.
    virtual void complete_section() = 0;
    virtual ContainerInFlight& container_in_flight() = 0;
    virtual const std::vector<ContainerInFlight>& container_stack() const = 0;
    virtual const Container& current_container() const = 0;
    virtual bool current_has_properties() const = 0;
    // A copy of the state saved with the current container.
    virtual State current_state() const = 0;
    virtual void delete_last() = 0;
    virtual bool is_current_empty() const = 0;
    // Nothing at all has been added to the document yet.
    virtual bool is_very_first() const = 0;
    virtual void replace_current_state(State state) = 0;
    virtual std::size_t stack_size() const = 0;
    // The display name of each open container's state, bottom first.
    virtual std::vector<std::string> state_stack() const = 0;
    virtual void report_error(ElementError error) = 0;
    virtual void report_invalid_attribute(std::size_t line, std::string_view name,
                                          std::string_view value) = 0;
    virtual void report_invalid_element(std::size_t line, std::string_view name) = 0;
    virtual void report_missing_attribute(std::size_t line, std::string_view name) = 0;
    virtual void report_unopened_terminator(std::size_t line) = 0;
    virtual void report_unexpected_attribute(std::size_t line, std::string_view name,
                                             std::string_view value) = 0;
    virtual void report_unexpected_element(std::size_t line, std::string_view name) = 0;
    virtual void report_unexpected_end_of_input(std::size_t line) = 0;
};

// The name under which the trace wrapper logs the collector's calls.
inline constexpr std::string_view COLLECTOR_MODULE = "collector";

}  // namespace kerfa_parser_kerfa::parser::collector
