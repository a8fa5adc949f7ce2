#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/storage/arena.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/source_positions.hpp"
#include "types/container_in_flight.hpp"

namespace kerfa_parser_markdown::types {

// The state of one import: the open containers, the finished sections and their start offsets,
// and the operations that the events drive.
class Harness {
  public:
    using Data = kerfa_content::data::structure::Data;
    using Attributes = kerfa_content::data::types::Attributes;
    using BlockKind = kerfa_content::data::kinds::BlockKind;
    using PropertyKind = kerfa_content::data::kinds::PropertyKind;

    // Saved copies of the lists interrupted by a nested list, the latest last.
    std::vector<std::vector<ContainerInFlight>> suspended_stacks;
    // The open containers: the current section at the bottom, the receiving one on top.
    std::vector<ContainerInFlight> containers;
    kerfa_content::modules::parser::types::SourcePositions positions;
    std::vector<Data> sections;
    // Where the longer texts of the import live: one block freed with the document instead of
    // an allocation for each.
    std::shared_ptr<kerfa_content::data::storage::Arena> arena =
        std::make_shared<kerfa_content::data::storage::Arena>();
    std::size_t next_id = 0;
    std::size_t list_depth = 0;   // lists opened and not yet ended
    std::size_t image_depth = 0;  // images open: their descriptions are dropped
    bool in_table_head = false;
    bool resume_pending = false;  // the next item resumes the latest saved lists
    // How each open list was opened, innermost last.
    enum class ListWay : std::uint8_t {
        Flattened,  // closed the lists around it (or opened at the outside)
        InPlace,    // in a quote inside an item: its end closes only itself
        Collapsed,  // opened nothing: its items write into the entry around it
    };
    std::vector<ListWay> lists;
    std::size_t collapsed_lists = 0;

    void ensure_has_section();
    // Writes the top container's pending breaks.
    void write_pending_breaks();
    // Writes an item into the top container, its pending breaks first.
    template <typename Item>
    void write(Item&& item) {
        ensure_has_section();
        ContainerInFlight& top = containers.back();
        auto& children = top.container.children();
        for (; top.pending_breaks > 0; --top.pending_breaks) {
            children.emplace_back(kerfa_content::data::types::LineBreak{false});
        }
        children.emplace_back(std::forward<Item>(item));
    }

    // The text as the model holds it: in place when short, else in the arena.
    kerfa_content::data::storage::String keep(std::string_view text);
    void append_str(std::string_view text);
    void append_text(std::string_view text);
    void append_html(std::string_view text);
    void append_formatted_text(PropertyKind kind, std::string_view text);
    void append_check(bool checked);
    void append_image(std::string_view destination);
    void append_link(std::string_view destination);
    void append_property(PropertyKind kind);
    void append_block(BlockKind kind);
    void append_block_with_attributes(BlockKind kind, std::optional<Attributes> attributes);
    void append_table();
    void append_bullet(std::optional<std::uint32_t> start);
    void append_bullet_entry();
    void end_bullet_entry();
    void append_heading(std::uint8_t level, std::size_t line_offset);
    void append_divider_line();
    void end_block();
    void end_bullet();
    void end_heading();
    // Ends the innermost span of the top container, when one is open.
    void end_span();
    // Sets the top container's pending breaks (at most 2).
    void set_pending_breaks(std::uint8_t breaks);
    void add_hard_break();

    void complete_non_section_containers_when_new_data();
    void complete_section();

  private:
    // Pushes a record for the container. An open container fills one of the spare child arrays
    // (no regrowth from nothing); a closed one keeps an exact copy and gives the array back.
    void open(kerfa_content::data::structure::Container container);
    void settle(kerfa_content::data::structure::Container& container);
    // Writes a closed record into the new top container (or the sections, for a section).
    void close_into_parent(ContainerInFlight record, bool keep_own_breaks);
    void open_section(std::size_t offset, std::uint8_t level);
    bool may_flatten() const;
    bool collapses_new_list() const;
    void end_list_in_place();
    std::vector<ContainerInFlight> copies_of_open_lists() const;

    std::vector<kerfa_content::data::structure::DataList> spare_children_;
};

}  // namespace kerfa_parser_markdown::types
