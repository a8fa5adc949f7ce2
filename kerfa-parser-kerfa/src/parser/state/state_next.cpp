#include <array>
#include <utility>

#include "parser/state/state.hpp"
#include "parser/state/state_element.hpp"
#include "parser/state/state_list.hpp"
#include "parser/state/state_metadata.hpp"
#include "parser/state/state_post_metadata.hpp"
#include "parser/state/state_table.hpp"
#include "parser/state/state_table_post_heading.hpp"
#include "parser/state/state_table_row.hpp"
#include "parser/types/harness.hpp"
#include "parser/utils/table_utils.hpp"

// The grammar of one token, as a table of cells indexed by state and token. Tokens that the
// tokenizer never delivers in a state are reported and leave the state unchanged.

namespace kerfa_parser_kerfa::parser::state {

namespace {

using tokenizer::types::Token;
using types::Harness;
namespace table_utils = utils::table_utils;
namespace bk = kerfa_content::data::kinds::block_kind;

using Cell = State (*)(State& state, Harness& harness, Token& token);

template <class T>
T& payload(Token& token) {
    return std::get<T>(token.value);
}

template <class S>
TableKinds kinds(const State& state) {
    return std::get<S>(state.value).kinds;
}

// Every state.

State report(State& state, Harness& harness, Token& token) {
    harness.report_bad_state_token(token, state);
    return std::move(state);
}

State element(State&, Harness& harness, Token& token) {
    return StateElement::start_element(harness, payload<Token::Element>(token).name);
}

State terminator(State& state, Harness& harness, Token&) {
    return State::next_terminator(std::move(state), harness);
}

// A heading ends the section before it, unless nothing has been added yet: then it joins the
// implicit first section.
State heading(State& state, Harness& harness, Token& token) {
    auto& collector = *harness.collector;
    if (state.is<State::Start>()) {
        collector.update_section_start(harness.line_start);
    } else {
        collector.complete_section();
        collector.add_section(harness.line_start);
    }
    collector.add_heading(payload<Token::Heading>(token).count);
    return State::Default{};
}

// Default and Start.

State add_text(State&, Harness& harness, Token& token) {
    harness.collector->add_text(payload<Token::Text>(token).text);
    return State::Default{};
}

State add_line_break(State&, Harness& harness, Token& token) {
    harness.collector->add_line_break(payload<Token::Newline>(token).carriage_return);
    return State::Default{};
}

State add_tagline(State&, Harness& harness, Token&) {
    harness.collector->add_tagline();
    return State::Default{};
}

// "<" as the whole document is kept as text.
State start_orphan(State&, Harness& harness, Token&) {
    harness.collector->report_unexpected_end_of_input(harness.line);
    harness.collector->add_text("<");
    return State::Default{};
}

// Element.

State element_attribute(State& state, Harness& harness, Token& token) {
    std::get<State::Element>(state.value)
        .builder->add_attribute(harness, std::move(payload<Token::ElementAttribute>(token).value));
    return std::move(state);
}

State element_complete(State& state, Harness& harness, Token&) {
    std::unique_ptr<builders::ElementBuilder>& box = std::get<State::Element>(state.value).builder;
    State next = StateElement::next_element_complete(harness, *box);
    harness.spare_builder = std::move(box);
    return next;
}

State element_unterminated(State& state, Harness& harness, Token&) {
    return StateElement::next_unterminated_element(
        harness, std::move(*std::get<State::Element>(state.value).builder));
}

// Html and Metadata.

State html_text(State& state, Harness& harness, Token& token) {
    const std::string& text = payload<Token::Text>(token).text;
    if (!text.empty()) {
        harness.collector->add_html(text);
    }
    return std::move(state);
}

State metadata_text(State&, Harness& harness, Token& token) {
    return StateMetadata::next_text(harness, payload<Token::Text>(token).text);
}

State post_metadata_text(State&, Harness& harness, Token& token) {
    return StatePostMetadata::next_text(harness, std::move(payload<Token::Text>(token).text));
}

State post_metadata_newline(State&, Harness& harness, Token& token) {
    return StatePostMetadata::next_newline(harness, std::move(token));
}

// Lists.

State list_text(State&, Harness& harness, Token& token) {
    return StateList::next_text(harness, payload<Token::Text>(token).text);
}

State list_newline(State&, Harness& harness, Token&) {
    return StateList::next_newline(harness);
}

State list_tagline(State&, Harness& harness, Token&) {
    return StateList::next_tagline(harness);
}

State list_entry_text(State&, Harness& harness, Token& token) {
    harness.collector->add_text(payload<Token::Text>(token).text);
    return State::ImplicitListEntry{};
}

State list_entry_newline(State&, Harness& harness, Token&) {
    harness.collector->complete_current_container();
    return State::List{};
}

// Tables.

State table_text(State& state, Harness& harness, Token& token) {
    return StateTable::next_text(harness, kinds<State::Table>(state),
                                 payload<Token::Text>(token).text);
}

State table_newline(State& state, Harness& harness, Token&) {
    table_utils::add_empty_row_and_entry(harness, kinds<State::Table>(state));
    return std::move(state);
}

State table_tagline(State& state, Harness& harness, Token&) {
    return StateTable::next_tagline(harness, kinds<State::Table>(state));
}

State table_entry_text(State& state, Harness& harness, Token& token) {
    harness.collector->add_text(payload<Token::Text>(token).text);
    return std::move(state);
}

State table_entry_newline(State& state, Harness& harness, Token&) {
    harness.collector->complete_current_container();
    harness.collector->complete_current_container();
    return State::Table{kinds<State::ImplicitTableEntry>(state)};
}

State post_heading_text(State& state, Harness& harness, Token& token) {
    return StateTablePostHeading::next_text(harness, kinds<State::TablePostHeading>(state),
                                            payload<Token::Text>(token).text);
}

State post_heading_newline(State& state, Harness& harness, Token&) {
    const State table = State::Table{kinds<State::TablePostHeading>(state)};
    harness.collector->replace_current_state(table);
    return table;
}

template <class RowState>
State row_text(State& state, Harness& harness, Token& token) {
    return StateTableRow::next_text(harness, kinds<RowState>(state),
                                    payload<Token::Text>(token).text);
}

template <class RowState>
State row_newline(State& state, Harness& harness, Token&) {
    harness.collector->complete_current_container();
    return State::Table{kinds<RowState>(state)};
}

constexpr std::size_t TOKEN_COUNT = std::variant_size_v<Token::Variant>;

using Row = std::array<Cell, TOKEN_COUNT>;

template <class T>
constexpr std::size_t token_index = detail::IndexOf<T, Token::Variant>::value;

// The columns, in the token variant's order.
static_assert(token_index<Token::Element> == 0 && token_index<Token::ElementAttribute> == 1 &&
              token_index<Token::ElementComplete> == 2 &&
              token_index<Token::ElementTerminator> == 3 && token_index<Token::Heading> == 4 &&
              token_index<Token::Newline> == 5 && token_index<Token::Tagline> == 6 &&
              token_index<Token::Text> == 7 && token_index<Token::OrphanedElementOpen> == 8 &&
              token_index<Token::UnterminatedElement> == 9 && TOKEN_COUNT == 10);

// A row with the state it belongs to, so that the table's order is checked against the state
// variant's.
struct StateRow {
    std::size_t state;
    Row cells;
};

template <class S>
constexpr StateRow row(Row cells) {
    return {state_index<S>, cells};
}

// Columns: Element, ElementAttribute, ElementComplete, ElementTerminator, Heading, Newline,
// Tagline, Text, OrphanedElementOpen, UnterminatedElement. Rows: the states in index order.
constexpr std::array<StateRow, State::COUNT> ROWS{{
    row<State::Default>({element, report, report, terminator, heading, add_line_break, add_tagline,
                         add_text, report, report}),
    row<State::Element>({element, element_attribute, element_complete, terminator, heading, report,
                         report, report, report, element_unterminated}),
    row<State::Html>(
        {element, report, report, terminator, heading, report, report, html_text, report, report}),
    row<State::List>({element, report, report, terminator, heading, list_newline, list_tagline,
                      list_text, report, report}),
    row<State::ImplicitListEntry>({element, report, report, terminator, heading, list_entry_newline,
                                   report, list_entry_text, report, report}),
    row<State::Metadata>({element, report, report, terminator, heading, report, report,
                          metadata_text, report, report}),
    row<State::PostMetadata>({element, report, report, terminator, heading, post_metadata_newline,
                              report, post_metadata_text, report, report}),
    row<State::Start>({element, report, report, terminator, heading, add_line_break, add_tagline,
                       add_text, start_orphan, report}),
    row<State::Table>({element, report, report, terminator, heading, table_newline, table_tagline,
                       table_text, report, report}),
    row<State::ExplicitTableEntry>(
        {element, report, report, terminator, heading, report, report, report, report, report}),
    row<State::TableHeadingStandalone>(
        {element, report, report, terminator, heading, report, report, report, report, report}),
    row<State::ImplicitTableEntry>({element, report, report, terminator, heading,
                                    table_entry_newline, report, table_entry_text, report, report}),
    row<State::TablePostHeading>({element, report, report, terminator, heading,
                                  post_heading_newline, report, post_heading_text, report, report}),
    row<State::TableRow>({element, report, report, terminator, heading,
                          row_newline<State::TableRow>, report, row_text<State::TableRow>, report,
                          report}),
    row<State::TableRowAutoEntry>({element, report, report, terminator, heading,
                                   row_newline<State::TableRowAutoEntry>, report,
                                   row_text<State::TableRowAutoEntry>, report, report}),
}};

constexpr bool rows_in_state_order() {
    for (std::size_t i = 0; i < ROWS.size(); ++i) {
        if (ROWS[i].state != i) {
            return false;
        }
    }
    return true;
}
static_assert(rows_in_state_order(), "a row of the grammar table stands for another state");

}  // namespace

State State::next(State&& state, Harness& harness, Token& token) {
    const Cell cell = ROWS[state.value.index()].cells[token.value.index()];
    return cell(state, harness, token);
}

}  // namespace kerfa_parser_kerfa::parser::state
