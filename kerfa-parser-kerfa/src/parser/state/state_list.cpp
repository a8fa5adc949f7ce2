#include "parser/state/state_list.hpp"

#include <utility>

#include "parser/utils/data_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

namespace bk = kerfa_content::data::kinds::block_kind;

void open_entry(types::Harness& harness) {
    harness.collector->add_block_with_id(bk::BULLET_ENTRY, State::ImplicitListEntry{});
}

}  // namespace

State StateList::next_tagline(types::Harness& harness) {
    return next_text(harness, utils::data_utils::at_text());
}

State StateList::next_text(types::Harness& harness, std::string_view text) {
    open_entry(harness);
    harness.collector->add_text(text);
    return State::ImplicitListEntry{};
}

State StateList::next_newline(types::Harness& harness) {
    open_entry(harness);
    harness.collector->complete_current_container();
    return State::List{};
}

}  // namespace kerfa_parser_kerfa::parser::state
