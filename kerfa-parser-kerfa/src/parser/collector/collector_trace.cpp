#include "parser/collector/collector_trace.hpp"

#include <type_traits>
#include <utility>

#include "shared/components/timer.hpp"
#include "shared/components/trace/trace_log.hpp"

namespace kerfa_parser_kerfa::parser::collector {

namespace {

using shared::components::Timer;
using shared::components::trace::TraceLog;

template <class Call>
decltype(auto) traced(std::string_view operation, Call&& call) {
    Timer timer;
    TraceLog::sub_enter(COLLECTOR_MODULE, operation);
    if constexpr (std::is_void_v<std::invoke_result_t<Call>>) {
        std::forward<Call>(call)();
        TraceLog::sub_exit(COLLECTOR_MODULE, operation, timer.stop());
    } else {
        decltype(auto) result = std::forward<Call>(call)();
        TraceLog::sub_exit(COLLECTOR_MODULE, operation, timer.stop());
        return result;
    }
}

}  // namespace

void CollectorTrace::add(Data item) {
    traced("add", [&] { inner_->add(std::move(item)); });
}
void CollectorTrace::add_block(Block block, State state) {
    traced("add_block", [&] { inner_->add_block(std::move(block), std::move(state)); });
}
void CollectorTrace::add_block_with_id(std::uint16_t kind, State state) {
    traced("add_block_with_id", [&] { inner_->add_block_with_id(kind, std::move(state)); });
}
void CollectorTrace::add_container(Container container, State state) {
    traced("add_container", [&] { inner_->add_container(std::move(container), std::move(state)); });
}
void CollectorTrace::add_content(Content content) {
    traced("add_content", [&] { inner_->add_content(std::move(content)); });
}
void CollectorTrace::add_heading(std::uint8_t level) {
    traced("add_heading", [&] { inner_->add_heading(level); });
}
void CollectorTrace::add_html(std::string_view text) {
    traced("add_html", [&] { inner_->add_html(text); });
}
void CollectorTrace::add_invalid_element(InvalidElement element) {
    traced("add_invalid_element", [&] { inner_->add_invalid_element(std::move(element)); });
}
void CollectorTrace::add_line_break(bool carriage_return) {
    traced("add_line_break", [&] { inner_->add_line_break(carriage_return); });
}
void CollectorTrace::add_property(Property property) {
    traced("add_property", [&] { inner_->add_property(std::move(property)); });
}
void CollectorTrace::add_property_terminator() {
    traced("add_property_terminator", [&] { inner_->add_property_terminator(); });
}
void CollectorTrace::add_section(std::size_t start) {
    traced("add_section", [&] { inner_->add_section(start); });
}
void CollectorTrace::add_tagline() {
    traced("add_tagline", [&] { inner_->add_tagline(); });
}
void CollectorTrace::update_section_start(std::size_t start) {
    traced("update_section_start", [&] { inner_->update_section_start(start); });
}
void CollectorTrace::add_text(std::string_view text) {
    traced("add_text", [&] { inner_->add_text(text); });
}
void CollectorTrace::append_container_metadata(ConfigurationMap map) {
    traced("append_container_metadata", [&] { inner_->append_container_metadata(std::move(map)); });
}
void CollectorTrace::append_root_metadata(ConfigurationMap map) {
    traced("append_root_metadata", [&] { inner_->append_root_metadata(std::move(map)); });
}
void CollectorTrace::complete_current_container() {
    traced("complete_current_container", [&] { inner_->complete_current_container(); });
}
void CollectorTrace::complete_section() {
    traced("complete_section", [&] { inner_->complete_section(); });
}
Collector::ContainerInFlight& CollectorTrace::container_in_flight() {
    return traced("container_in_flight",
                  [&]() -> ContainerInFlight& { return inner_->container_in_flight(); });
}
const std::vector<Collector::ContainerInFlight>& CollectorTrace::container_stack() const {
    return traced("container_stack", [&]() -> const std::vector<ContainerInFlight>& {
        return inner_->container_stack();
    });
}
const Collector::Container& CollectorTrace::current_container() const {
    return traced("current_container",
                  [&]() -> const Container& { return inner_->current_container(); });
}
bool CollectorTrace::current_has_properties() const {
    return traced("current_has_properties", [&] { return inner_->current_has_properties(); });
}
Collector::State CollectorTrace::current_state() const {
    return traced("current_state", [&] { return inner_->current_state(); });
}
void CollectorTrace::delete_last() {
    traced("delete_last", [&] { inner_->delete_last(); });
}
bool CollectorTrace::is_current_empty() const {
    return traced("is_current_empty", [&] { return inner_->is_current_empty(); });
}
bool CollectorTrace::is_very_first() const {
    return traced("is_very_first", [&] { return inner_->is_very_first(); });
}
void CollectorTrace::replace_current_state(State state) {
    traced("replace_current_state", [&] { inner_->replace_current_state(std::move(state)); });
}
std::size_t CollectorTrace::stack_size() const {
    return traced("stack_size", [&] { return inner_->stack_size(); });
}
std::vector<std::string> CollectorTrace::state_stack() const {
    return traced("state_stack", [&] { return inner_->state_stack(); });
}
void CollectorTrace::report_error(ElementError error) {
    traced("report_error", [&] { inner_->report_error(std::move(error)); });
}
void CollectorTrace::report_invalid_attribute(std::size_t line, std::string_view name,
                                              std::string_view value) {
    traced("report_invalid_attribute",
           [&] { inner_->report_invalid_attribute(line, name, value); });
}
void CollectorTrace::report_invalid_element(std::size_t line, std::string_view name) {
    traced("report_invalid_element", [&] { inner_->report_invalid_element(line, name); });
}
void CollectorTrace::report_missing_attribute(std::size_t line, std::string_view name) {
    traced("report_missing_attribute", [&] { inner_->report_missing_attribute(line, name); });
}
void CollectorTrace::report_unopened_terminator(std::size_t line) {
    traced("report_unopened_terminator", [&] { inner_->report_unopened_terminator(line); });
}
void CollectorTrace::report_unexpected_attribute(std::size_t line, std::string_view name,
                                                 std::string_view value) {
    traced("report_unexpected_attribute",
           [&] { inner_->report_unexpected_attribute(line, name, value); });
}
void CollectorTrace::report_unexpected_element(std::size_t line, std::string_view name) {
    traced("report_unexpected_element", [&] { inner_->report_unexpected_element(line, name); });
}
void CollectorTrace::report_unexpected_end_of_input(std::size_t line) {
    traced("report_unexpected_end_of_input", [&] { inner_->report_unexpected_end_of_input(line); });
}

}  // namespace kerfa_parser_kerfa::parser::collector
