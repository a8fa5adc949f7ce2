#pragma once

#include <memory>

#include "parser/collector/collector.hpp"

namespace kerfa_parser_kerfa::parser::collector {

// Logs entry and exit (with the duration) of every call and passes it on unchanged.
class CollectorTrace final : public Collector {
  public:
    explicit CollectorTrace(std::unique_ptr<Collector> inner) : inner_(std::move(inner)) {}

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
    const std::vector<ContainerInFlight>& container_stack() const override;
    const Container& current_container() const override;
    bool current_has_properties() const override;
    State current_state() const override;
    void delete_last() override;
    bool is_current_empty() const override;
    bool is_very_first() const override;
    void replace_current_state(State state) override;
    std::size_t stack_size() const override;
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

    const Collector& inner() const { return *inner_; }

  private:
    std::unique_ptr<Collector> inner_;
};

}  // namespace kerfa_parser_kerfa::parser::collector
