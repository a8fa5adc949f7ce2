#include "parser/collector/collector_core.hpp"

#include <string>
#include <utility>

#include "kerfa_content/data/structure/in_arena.hpp"
#include "kerfa_content/utils/section.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_parser_kerfa::parser::collector {

namespace {

using kerfa_content::data::types::LineBreak;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::PropertyTerminator;
using kerfa_content::data::types::Section;

[[noreturn]] void broken(const char* operation, const char* what) {
    std::string message = "collector ";
    message += operation;
    message += ": ";
    message += what;
    shared::utils::internal_fault(message);
}

}  // namespace

CollectorCore::CollectorCore(DataList& content, kerfa_content::types::Metadata& metadata,
                             std::vector<ElementError>& errors, std::uint64_t first_id,
                             kerfa_content::modules::parser::types::SourcePositions& positions,
                             kerfa_content::data::storage::Arena* arena,
                             const kerfa_content::modules::parser::SectionSink* each)
    : content_(content),
      errors_(errors),
      metadata_(metadata),
      positions_(positions),
      next_id_(first_id),
      arena_(arena),
      each_(each) {
    positions_.add_section(0);
    push_section();
}

Collector::ContainerInFlight& CollectorCore::top(const char* operation) {
    if (stack_.empty()) {
        broken(operation, "no open container");
    }
    return stack_.back();
}

const Collector::ContainerInFlight& CollectorCore::top(const char* operation) const {
    if (stack_.empty()) {
        broken(operation, "no open container");
    }
    return stack_.back();
}

void CollectorCore::append(Data item, const char* operation) {
    top(operation);
    scratch_.push_back(homed(std::move(item)));
}

kerfa_content::data::storage::String CollectorCore::to_string(std::string_view text) const {
    if (arena_ == nullptr) {
        return kerfa_content::data::storage::String(text);
    }
    return kerfa_content::data::storage::String::in_arena(*arena_, text);
}

Collector::Data CollectorCore::homed(Data item) {
    if (arena_ == nullptr) {
        return item;
    }
    return kerfa_content::data::structure::in_arena(*arena_, std::move(item));
}

void CollectorCore::push(Container container, State state) {
    stack_.emplace_back(std::move(container), std::move(state), 0, scratch_.size());
}

void CollectorCore::push_section() {
    Section section;
    section.id = take_id();
    if (arena_ != nullptr) {
        push(kerfa_content::data::storage::Box<Section>::in_arena(*arena_, std::move(section)),
             State::Default{});
    } else {
        push(Container(std::move(section)), State::Default{});
    }
}

Collector::ContainerInFlight CollectorCore::pop_closed() {
    ContainerInFlight closed = std::move(stack_.back());
    stack_.pop_back();
    for (; closed.open_properties > 0; --closed.open_properties) {
        scratch_.emplace_back(PropertyTerminator{});
    }
    auto& children = closed.container.children();
    if (arena_ != nullptr && children.empty()) {
        children = DataList::take_into_arena(*arena_, scratch_, closed.first_child);
        if (closed.holds_heap_items) {
            (void)children.data();  // reached for change: its items are destroyed with it
        }
    } else {
        children.reserve(children.size() + scratch_.size() - closed.first_child);
        for (std::size_t i = closed.first_child; i < scratch_.size(); ++i) {
            children.push_back(std::move(scratch_[i]));
        }
        scratch_.resize(closed.first_child);
    }
    return closed;
}

void CollectorCore::add(Data item) {
    if (item.as_container() != nullptr) {
        return;
    }
    ContainerInFlight& current = top("add");
    if (item.as_property() != nullptr) {
        ++current.open_properties;
    } else if (item.is_terminator()) {
        if (current.open_properties == 0) {
            broken("add", "terminator without an open span");
        }
        --current.open_properties;
    }
    scratch_.push_back(homed(std::move(item)));
}

void CollectorCore::add_block(Block block, State state) {
    if (arena_ != nullptr) {
        push(kerfa_content::data::structure::block_in_arena(*arena_, std::move(block)),
             std::move(state));
    } else {
        push(Container(std::move(block)), std::move(state));
    }
}

void CollectorCore::add_block_with_id(std::uint16_t kind, State state) {
    add_block(Block{kind, std::nullopt, {}}, std::move(state));
}

void CollectorCore::add_container(Container container, State state) {
    if (container.as_section() != nullptr) {
        broken("add_container", "sections are opened by the collector itself");
    }
    // Built elsewhere, it may own heap memory: the list it joins must destroy its items.
    top("add_container").holds_heap_items = true;
    push(std::move(container), std::move(state));
}

void CollectorCore::add_content(Content content) {
    append(std::move(content), "add_content");
}

void CollectorCore::add_heading(std::uint8_t level) {
    append(LineProperty{kerfa_content::data::types::Heading{level}}, "add_heading");
}

void CollectorCore::add_html(std::string_view text) {
    top("add_html");
    scratch_.emplace_back(Content::Html{to_string(text)});
}

void CollectorCore::add_invalid_element(InvalidElement element) {
    ContainerInFlight& current = top("add_invalid_element");
    scratch_.emplace_back(
        Property(kerfa_content::data::structure::boxed(arena_, std::move(element))));
    ++current.open_properties;
}

void CollectorCore::add_line_break(bool carriage_return) {
    append(LineBreak{carriage_return}, "add_line_break");
}

void CollectorCore::add_property(Property property) {
    ContainerInFlight& current = top("add_property");
    scratch_.push_back(homed(std::move(property)));
    ++current.open_properties;
}

void CollectorCore::add_property_terminator() {
    ContainerInFlight& current = top("add_property_terminator");
    if (current.open_properties == 0) {
        broken("add_property_terminator", "no open span");
    }
    scratch_.emplace_back(PropertyTerminator{});
    --current.open_properties;
}

void CollectorCore::add_section(std::size_t start) {
    if (!stack_.empty()) {
        broken("add_section", "the previous section is still open");
    }
    positions_.add_section(start);
    push_section();
}

void CollectorCore::add_tagline() {
    append(LineProperty{kerfa_content::data::types::Tagline{}}, "add_tagline");
}

void CollectorCore::update_section_start(std::size_t start) {
    if (!positions_.section_starts.empty()) {
        positions_.section_starts.back() = start;
    }
}

void CollectorCore::add_text(std::string_view text) {
    top("add_text");
    scratch_.emplace_back(Content::Text{to_string(text)});
}

void CollectorCore::append_container_metadata(ConfigurationMap map) {
    if (!pending_metadata_) {
        pending_metadata_.emplace();
    }
    pending_metadata_->append_from_set(map);
}

void CollectorCore::append_root_metadata(ConfigurationMap map) {
    metadata_.append_from_set(map);
}

void CollectorCore::complete_current_container() {
    if (stack_.size() < 2) {
        broken("complete_current_container", "only the section is open");
    }
    ContainerInFlight closed = pop_closed();
    scratch_.emplace_back(std::move(closed.container));
}

void CollectorCore::complete_section() {
    if (stack_.empty()) {
        broken("complete_section", "no open section");
    }
    while (stack_.size() > 1) {
        complete_current_container();
    }
    ContainerInFlight closed = pop_closed();
    Section* section = closed.container.as_section();
    if (section == nullptr) {
        broken("complete_section", "the bottom container is not a section");
    }
    kerfa_content::utils::update_from_heading(*section);
    section->metadata = std::move(pending_metadata_);
    pending_metadata_.reset();
    if (each_ != nullptr) {
        handed_over_ = true;
        (*each_)(std::move(closed.container));
    } else {
        content_.push_back(std::move(closed.container));
    }
}

Collector::ContainerInFlight& CollectorCore::container_in_flight() {
    return top("container_in_flight");
}

const Collector::Container& CollectorCore::current_container() const {
    return top("current_container").container;
}

bool CollectorCore::current_has_properties() const {
    return top("current_has_properties").open_properties != 0;
}

Collector::State CollectorCore::current_state() const {
    return top("current_state").state;
}

void CollectorCore::delete_last() {
    if (!stack_.empty()) {
        scratch_.resize(stack_.back().first_child);
        stack_.pop_back();
    }
}

bool CollectorCore::is_current_empty() const {
    const ContainerInFlight& current = top("is_current_empty");
    return scratch_.size() == current.first_child && current.container.is_empty();
}

bool CollectorCore::is_very_first() const {
    return stack_.size() == 1 && content_.empty() && !handed_over_ && scratch_.empty() &&
           stack_.back().container.is_empty();
}

void CollectorCore::replace_current_state(State state) {
    top("replace_current_state").state = std::move(state);
}

std::vector<std::string> CollectorCore::state_stack() const {
    std::vector<std::string> names;
    names.reserve(stack_.size());
    for (const ContainerInFlight& record : stack_) {
        names.emplace_back(record.state.display_name());
    }
    return names;
}

void CollectorCore::report_error(ElementError error) {
    errors_.push_back(std::move(error));
}

void CollectorCore::report_invalid_attribute(std::size_t line, std::string_view name,
                                             std::string_view value) {
    errors_.push_back(ElementError::InvalidAttribute{line, std::string(name), std::string(value)});
}

void CollectorCore::report_invalid_element(std::size_t line, std::string_view name) {
    errors_.push_back(ElementError::InvalidElement{line, std::string(name)});
}

void CollectorCore::report_missing_attribute(std::size_t line, std::string_view name) {
    errors_.push_back(ElementError::MissingAttribute{line, std::string(name)});
}

void CollectorCore::report_unopened_terminator(std::size_t line) {
    errors_.push_back(ElementError::UnexpectedTerminator{line});
}

void CollectorCore::report_unexpected_attribute(std::size_t line, std::string_view name,
                                                std::string_view value) {
    errors_.push_back(
        ElementError::UnexpectedAttribute{line, std::string(name), std::string(value)});
}

void CollectorCore::report_unexpected_element(std::size_t line, std::string_view name) {
    errors_.push_back(ElementError::UnexpectedElement{line, std::string(name)});
}

void CollectorCore::report_unexpected_end_of_input(std::size_t line) {
    errors_.push_back(ElementError::UnexpectedEndOfInput{line});
}

}  // namespace kerfa_parser_kerfa::parser::collector
