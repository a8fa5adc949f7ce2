#include "types/harness.hpp"

#include <algorithm>
#include <utility>

#include "events/lines.hpp"
#include "kerfa_content/configure/data_factory.hpp"
#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/utils/block.hpp"
#include "shared/utils/urls.hpp"

namespace kerfa_parser_markdown::types {

namespace {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::LineBreak;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::Property;
using kerfa_content::data::types::PropertyElement;
using kerfa_content::data::types::PropertyTerminator;
using kerfa_content::data::types::Section;
namespace kind = kerfa_content::data::kinds::block_kind;

constexpr std::size_t MAX_LISTS_IN_EMPTY_ENTRIES = 4;

void append_breaks(Container& container, std::size_t count) {
    auto& children = container.children();
    for (std::size_t i = 0; i < count; ++i) {
        children.emplace_back(LineBreak{false});
    }
}

void append_terminators(Container& container, std::size_t count) {
    auto& children = container.children();
    for (std::size_t i = 0; i < count; ++i) {
        children.emplace_back(PropertyTerminator{});
    }
}

bool is_list_entry_or_indent(const ContainerInFlight& record) {
    const auto block = record.block_kind();
    return block &&
           (*block == kind::BULLET || *block == kind::BULLET_ENTRY || *block == kind::INDENT);
}

// The first attribute of an ordered list: its numbered bullet style.
const Attribute* numbered_bullet(const Block& block) {
    if (!block.attributes || block.attributes->empty()) {
        return nullptr;
    }
    const Attribute& first = block.attributes->front();
    const auto* bullet = std::get_if<Attribute::Bullet>(&first);
    if (bullet == nullptr || !kerfa_content::data::attributes::is_ordered(bullet->style)) {
        return nullptr;
    }
    return &first;
}

std::int64_t completed_entries(const Block& block) {
    std::int64_t count = 0;
    for (const auto& child : block.children) {
        const auto* container = child.as_container();
        if (container != nullptr && container->as_block() != nullptr &&
            container->as_block()->id == kind::BULLET_ENTRY) {
            ++count;
        }
    }
    return count;
}

// A destination percent-decoded (unchanged when that is not UTF-8); without a percent sign
// there is nothing to decode.
std::string_view decoded_address(std::string_view destination, std::string& decoded) {
    if (destination.find('%') == std::string_view::npos) {
        return destination;
    }
    decoded = shared::utils::decode_url_or_orginal(destination);
    return decoded;
}

}  // namespace

std::string ContainerInFlight::heading_name() const {
    std::string name;
    for (const auto& item : container.children()) {
        if (item.as_line_break() != nullptr) {
            break;
        }
        if (const auto* content = item.as_content()) {
            content->text_append(name);
        }
    }
    return name;
}

void Harness::open_section(std::size_t offset, std::uint8_t level) {
    positions.add_section(offset);
    Section section;
    section.id = next_id++;
    section.level = level;
    open(Container(std::move(section)));
}

void Harness::open(Container container) {
    auto& children = container.children();
    if (children.empty() && !spare_children_.empty()) {
        children = std::move(spare_children_.back());
        spare_children_.pop_back();
    }
    containers.push_back({std::move(container), 0, 0});
}

void Harness::settle(Container& container) {
    auto& children = container.children();
    if (children.capacity() - children.size() <= children.size() / 8) {
        return;  // nearly full already: a copy would cost more than it saves
    }
    kerfa_content::data::structure::DataList exact = children.take_exact();
    spare_children_.push_back(std::exchange(children, std::move(exact)));
}

void Harness::ensure_has_section() {
    if (containers.empty()) {
        open_section(0, 0);
    }
}

void Harness::write_pending_breaks() {
    ensure_has_section();
    ContainerInFlight& top = containers.back();
    append_breaks(top.container, std::exchange(top.pending_breaks, 0));
}

kerfa_content::data::storage::String Harness::keep(std::string_view text) {
    return kerfa_content::data::storage::String::in_arena(*arena, text);
}

void Harness::append_str(std::string_view text) {
    write(Content::text_of(keep(text)));
}

void Harness::append_text(std::string_view text) {
    using events::lines::find_byte;
    if (image_depth > 0) {
        return;
    }
    if (text.ends_with('\n')) {
        text.remove_suffix(1);
    }
    ensure_has_section();
    ContainerInFlight& top = containers.back();
    append_breaks(top.container, std::exchange(top.pending_breaks, 0));
    if (text.empty()) {
        return;
    }
    std::string without_cr;
    if (find_byte<'\r'>(text, 0) < text.size()) {
        without_cr.reserve(text.size());
        std::remove_copy(text.begin(), text.end(), std::back_inserter(without_cr), '\r');
        text = without_cr;
    }
    std::size_t end = find_byte<'\n'>(text, 0);
    if (end == text.size()) {
        top.container.children().emplace_back(Content::text_of(keep(text)));
        return;
    }
    // Many lines at once (a code block, a text read literally): room for all their items.
    auto& children = top.container.children();
    const std::size_t items =
        2 * static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (children.capacity() - children.size() < items) {
        children.reserve(std::max(children.size() + items, 2 * children.capacity()));
    }
    for (std::size_t start = 0;; start = end + 1, end = find_byte<'\n'>(text, start)) {
        if (start != 0) {
            children.emplace_back(LineBreak{false});
        }
        children.emplace_back(Content::text_of(keep(text.substr(start, end - start))));
        if (end == text.size()) {
            break;
        }
    }
}

void Harness::append_html(std::string_view text) {
    write(Content(Content::Html{keep(text)}));
}

void Harness::append_formatted_text(PropertyKind property, std::string_view text) {
    write(Property(PropertyElement{property, std::nullopt, false}));
    write(Content::text_of(keep(text)));
    write(PropertyTerminator{});
}

void Harness::append_check(bool checked) {
    write(Content(Content::Check{checked}));
    write(Content::text_of("  "));
}

void Harness::append_image(std::string_view destination) {
    std::string decoded;
    write(kerfa_content::configure::DataFactory::image(decoded_address(destination, decoded)));
    ++image_depth;
}

void Harness::append_link(std::string_view destination) {
    ensure_has_section();
    std::string decoded;
    containers.back().container.children().emplace_back(
        kerfa_content::configure::DataFactory::link(decoded_address(destination, decoded)));
    ++containers.back().open_properties;
}

void Harness::append_property(PropertyKind property) {
    ensure_has_section();
    containers.back().container.children().emplace_back(
        Property(PropertyElement{property, std::nullopt, false}));
    ++containers.back().open_properties;
}

void Harness::end_span() {
    ensure_has_section();
    ContainerInFlight& top = containers.back();
    if (top.open_properties != 0) {
        top.container.children().emplace_back(PropertyTerminator{});
        --top.open_properties;
    }
}

void Harness::append_block(BlockKind block) {
    append_block_with_attributes(block, std::nullopt);
}

void Harness::append_block_with_attributes(BlockKind block, std::optional<Attributes> attributes) {
    ensure_has_section();
    open(Container(Block{block, std::move(attributes), {}}));
}

void Harness::append_table() {
    append_block_with_attributes(kind::TABLE,
                                 Attributes{Attribute::str("striped"), Attribute::str("grid")});
}

void Harness::append_divider_line() {
    write(Content(Content::DividerLine{}));
    write(LineBreak{false});
}

void Harness::set_pending_breaks(std::uint8_t breaks) {
    ensure_has_section();
    containers.back().pending_breaks = breaks;
}

void Harness::add_hard_break() {
    ensure_has_section();
    auto& breaks = containers.back().pending_breaks;
    breaks = static_cast<std::uint8_t>(std::min(breaks + 1, 2));
}

void Harness::close_into_parent(ContainerInFlight record, bool keep_own_breaks) {
    if (keep_own_breaks) {
        append_breaks(record.container, record.pending_breaks);
    }
    append_terminators(record.container, record.open_properties);
    settle(record.container);
    if (containers.empty()) {
        sections.emplace_back(std::move(record.container));
        return;
    }
    write(std::move(record.container));
}

void Harness::end_block() {
    // A section is closed only by a heading or at the end, never by a block's end.
    if (containers.size() < 2) {
        return;
    }
    ContainerInFlight record = std::move(containers.back());
    containers.pop_back();
    close_into_parent(std::move(record), false);
    if (containers.back().container.as_section() != nullptr) {
        containers.back().pending_breaks = 2;
    }
}

void Harness::complete_non_section_containers_when_new_data() {
    while (containers.size() >= 2 && is_list_entry_or_indent(containers.back())) {
        ContainerInFlight record = std::move(containers.back());
        containers.pop_back();
        close_into_parent(std::move(record), true);
    }
}

void Harness::complete_section() {
    while (!containers.empty()) {
        ContainerInFlight record = std::move(containers.back());
        containers.pop_back();
        close_into_parent(std::move(record), false);
    }
}

// A nested list is flattened only when every open list sits above the innermost block quote:
// below a quote, closing the lists would have to cross it.
bool Harness::may_flatten() const {
    bool quote_seen = false;
    for (auto it = containers.rbegin(); it != containers.rend(); ++it) {
        const auto block = it->block_kind();
        if (!block) {
            continue;
        }
        if (*block == kind::BLOCK_QUOTE) {
            quote_seen = true;
        } else if (*block == kind::BULLET && quote_seen) {
            return false;
        }
    }
    return true;
}

std::vector<ContainerInFlight> Harness::copies_of_open_lists() const {
    std::vector<ContainerInFlight> copies;
    for (const ContainerInFlight& record : containers) {
        const Block* block = record.container.as_block();
        if (block == nullptr || (block->id != kind::BULLET && block->id != kind::INDENT)) {
            continue;
        }
        Block copy = block->clone_state();
        if (const Attribute* bullet =
                block->id == kind::BULLET ? numbered_bullet(*block) : nullptr) {
            const std::int64_t next = kerfa_content::utils::bullet_start(*block).value_or(1) +
                                      completed_entries(*block) + 1;
            Attributes attributes{*bullet};
            if (next != 1) {
                attributes.push_back(Attribute::Integer{next});
            }
            copy.attributes = std::move(attributes);
        }
        copies.push_back({Container(std::move(copy)), 0, 0});
    }
    return copies;
}

// Lists that open each in the still empty entry of the one around it (`- - - - x`) open
// nothing past a few levels: flattened, every one of them would open an indent per enclosing
// list.
bool Harness::collapses_new_list() const {
    if (collapsed_lists > 0) {
        return true;
    }
    if (list_depth < MAX_LISTS_IN_EMPTY_ENTRIES) {
        return false;
    }
    const ContainerInFlight& top = containers.back();
    return top.block_kind() == kind::BULLET_ENTRY && top.container.children().empty();
}

void Harness::append_bullet(std::optional<std::uint32_t> start) {
    ensure_has_section();
    if (collapses_new_list()) {
        lists.push_back(ListWay::Collapsed);
        ++collapsed_lists;
        return;
    }
    const bool in_place = list_depth != 0 && !may_flatten();
    lists.push_back(in_place ? ListWay::InPlace : ListWay::Flattened);
    if (list_depth != 0 && !in_place) {
        suspended_stacks.push_back(copies_of_open_lists());
        complete_non_section_containers_when_new_data();
        for (std::size_t i = 0; i < list_depth; ++i) {
            append_block_with_attributes(kind::INDENT, Attributes{Attribute::Integer{2}});
        }
    }
    if (start) {
        Attributes attributes{Attribute::Bullet{BulletStyle::Decimal}};
        if (*start != 1) {
            attributes.push_back(Attribute::Integer{*start});
        }
        append_block_with_attributes(kind::BULLET, std::move(attributes));
    } else {
        append_block(kind::BULLET);
    }
    ++list_depth;
}

void Harness::append_bullet_entry() {
    if (collapsed_lists > 0) {
        // A later item starts on a line of its own.
        ensure_has_section();
        ContainerInFlight& top = containers.back();
        if (!top.container.children().empty() && top.pending_breaks == 0) {
            top.pending_breaks = 1;
        }
        return;
    }
    if (resume_pending && !suspended_stacks.empty()) {
        for (ContainerInFlight& record : suspended_stacks.back()) {
            open(std::move(record.container));
        }
        suspended_stacks.pop_back();
        resume_pending = false;
    }
    append_block(kind::BULLET_ENTRY);
}

// An item already closed by a nested list's flattening is not closed again.
void Harness::end_bullet_entry() {
    if (collapsed_lists == 0 && !resume_pending) {
        end_block();
    }
}

void Harness::end_bullet() {
    const ListWay way = lists.empty() ? ListWay::Flattened : lists.back();
    if (!lists.empty()) {
        lists.pop_back();
    }
    if (way == ListWay::Collapsed) {
        --collapsed_lists;
        return;
    }
    if (list_depth > 0) {
        --list_depth;
    }
    if (way == ListWay::InPlace) {
        end_list_in_place();
        return;
    }
    complete_non_section_containers_when_new_data();
    if (list_depth == 0) {
        set_pending_breaks(2);
    }
    if (resume_pending) {
        if (!suspended_stacks.empty()) {
            suspended_stacks.pop_back();
        }
        resume_pending = false;
    }
    if (!suspended_stacks.empty()) {
        resume_pending = true;
    }
}

// Saved no copies when it opened, so it leaves the resumption of other lists alone.
void Harness::end_list_in_place() {
    while (containers.size() >= 2 && is_list_entry_or_indent(containers.back())) {
        ContainerInFlight record = std::move(containers.back());
        containers.pop_back();
        const bool list = record.block_kind() == kind::BULLET;
        close_into_parent(std::move(record), true);
        if (list) {
            return;
        }
    }
}

void Harness::append_heading(std::uint8_t level, std::size_t line_offset) {
    const auto heading_level = static_cast<std::uint8_t>(level - 1);
    if (containers.size() >= 2) {
        write(LineProperty(kerfa_content::data::types::Heading{heading_level}));
        return;
    }
    if (!containers.empty()) {
        ContainerInFlight section = std::move(containers.back());
        containers.pop_back();
        close_into_parent(std::move(section), true);
    }
    open_section(line_offset, heading_level);
    write(LineProperty(kerfa_content::data::types::Heading{heading_level}));
}

void Harness::end_heading() {
    if (containers.empty()) {
        return;
    }
    ContainerInFlight& top = containers.back();
    if (containers.size() == 1) {
        top.container.as_section()->name = top.heading_name();
    }
    // Inside a quote or a list item too: what follows the heading starts on a line of its own.
    top.pending_breaks = 2;
}

}  // namespace kerfa_parser_markdown::types
