#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_content/modules/parser/types/source_positions.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "parser/collector/collector.hpp"

namespace kerfa_parser_kerfa::parser::collector {

// The collector that builds. It writes into the four holders of the parse, which must outlive it.
// Given an arena (which must outlive the items), it builds every item, record and child list in
// it, so that the parse's tree is released with the arena; without one, on the heap. A broken
// stack invariant (an empty stack, closing the section as a container, a terminator with no open
// span) is an internal fault. Given a sink, each completed section goes there instead of into
// the content.
class CollectorCore final : public Collector {
  public:
    CollectorCore(DataList& content, kerfa_content::types::Metadata& metadata,
                  std::vector<ElementError>& errors, std::uint64_t first_id,
                  kerfa_content::modules::parser::types::SourcePositions& positions,
                  kerfa_content::data::storage::Arena* arena = nullptr,
                  const kerfa_content::modules::parser::SectionSink* each = nullptr);

    void add(Data item) override;
    void add_block(Block block, State state) override;
    void add_block_with_id(std::uint16_t kind, State state) override;
    void add_container(Container container, State state) override;
    void add_content(Content content) override;
    void add_heading(std::uint8_t level) override;
    void add_html(std::string_view text) override;
    void add_invalid_element(InvalidElement element) override;
    void add_line_break(bool carriage_return) override;
    void add_property(Property property) override;
    void add_property_terminator() override;
    void add_section(std::size_t start) override;
    void add_tagline() override;
    void update_section_start(std::size_t start) override;
    void add_text(std::string_view text) override;
    void append_container_metadata(ConfigurationMap map) override;
    void append_root_metadata(ConfigurationMap map) override;
    void complete_current_container() override;
    void complete_section() override;
    ContainerInFlight& container_in_flight() override;
    const std::vector<ContainerInFlight>& container_stack() const override { return stack_; }
    const Container& current_container() const override;
    bool current_has_properties() const override;
    State current_state() const override;
    void delete_last() override;
    bool is_current_empty() const override;
    bool is_very_first() const override;
    void replace_current_state(State state) override;
    std::size_t stack_size() const override { return stack_.size(); }
    std::vector<std::string> state_stack() const override;
    void report_error(ElementError error) override;
    void report_invalid_attribute(std::size_t line, std::string_view name,
                                  std::string_view value) override;
    void report_invalid_element(std::size_t line, std::string_view name) override;
    void report_missing_attribute(std::size_t line, std::string_view name) override;
    void report_unopened_terminator(std::size_t line) override;
    void report_unexpected_attribute(std::size_t line, std::string_view name,
                                     std::string_view value) override;
    void report_unexpected_element(std::size_t line, std::string_view name) override;
    void report_unexpected_end_of_input(std::size_t line) override;

  private:
    ContainerInFlight& top(const char* operation);
    const ContainerInFlight& top(const char* operation) const;
    void append(Data item, const char* operation);
    // The item with what it owns moved into the arena, when there is one.
    Data homed(Data item);
    kerfa_content::data::storage::String to_string(std::string_view text) const;
    void push(Container container, State state);
    void push_section();
    // Takes the top record off the stack with its children (and the terminators of the spans
    // still open in it) moved from the scratch list into its container.
    ContainerInFlight pop_closed();
    std::size_t take_id() { return static_cast<std::size_t>(next_id_.fetch_add(1)); }

    std::vector<ContainerInFlight> stack_;
    // The children of every open container, the innermost last: one list for the whole parse.
    DataList scratch_;
    DataList& content_;
    std::vector<ElementError>& errors_;
    kerfa_content::types::Metadata& metadata_;
    kerfa_content::modules::parser::types::SourcePositions& positions_;
    std::optional<kerfa_content::types::Metadata> pending_metadata_;
    std::atomic<std::uint64_t> next_id_;
    kerfa_content::data::storage::Arena* arena_;
    const kerfa_content::modules::parser::SectionSink* each_;
    bool handed_over_ = false;  // a section went to the sink
};

}  // namespace kerfa_parser_kerfa::parser::collector
