// The grammar one cell at a time: every state with every token, in a collector laid out as the
// state implies.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "parse_dump.hpp"
#include "parser/collector/collector_core.hpp"
#include "parser/state/state.hpp"
#include "parser/state/state_element.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

using parser::state::State;
using parser::state::TableKinds;
using tokenizer::types::Token;
namespace bk = kerfa_content::data::kinds::block_kind;
constexpr TableKinds K = parser::state::table_kinds::TABLE;

// One parse's holders with a harness over them.
struct Bench {
    kerfa_content::data::structure::DataList content;
    kerfa_content::types::Metadata metadata;
    std::vector<errors::ElementError> errors;
    kerfa_content::modules::parser::types::SourcePositions positions;
    parser::types::Harness harness{
        std::make_unique<parser::collector::CollectorCore>(content, metadata, errors, 0, positions),
        attributes::AttributeLookup{}, elements::element_table()};

    parser::collector::Collector& collector() { return *harness.collector; }

    std::string stack() {
        std::string out;
        for (const std::string& name : collector().state_stack()) {
            out += (out.empty() ? "" : ",") + name;
        }
        return out;
    }

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& error : errors) {
            out.push_back(error.as_string());
        }
        return out;
    }
};

// A state and the containers that it stands in.
struct Setup {
    std::function<State(Bench&)> make;
};

std::vector<Setup> setups() {
    auto plain = [](State state) { return Setup{[state](Bench&) { return state; }}; };
    return {
        plain(State::Default{}),
        {[](Bench& b) { return parser::state::StateElement::start_element(b.harness, "b"); }},
        plain(State::Html{}),
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::BULLET, State::List{});
            return State::List{};
        }},
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::BULLET, State::List{});
            b.collector().add_block_with_id(bk::BULLET_ENTRY, State::ImplicitListEntry{});
            return State::ImplicitListEntry{};
        }},
        plain(State::Metadata{}),
        {[](Bench& b) {
            b.collector().add_text("x");
            return State::PostMetadata{};
        }},
        plain(State::Start{}),
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::TABLE, State::Table{K});
            return State::Table{K};
        }},
        plain(State::ExplicitTableEntry{}),
        plain(State::TableHeadingStandalone{K}),
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::TABLE, State::Table{K});
            b.collector().add_block_with_id(bk::TABLE_ROW, State::TableRowAutoEntry{K});
            b.collector().add_block_with_id(bk::TABLE_ENTRY, State::ImplicitTableEntry{K});
            return State::ImplicitTableEntry{K};
        }},
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::TABLE, State::TablePostHeading{K});
            return State::TablePostHeading{K};
        }},
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::TABLE, State::Table{K});
            b.collector().add_block_with_id(bk::TABLE_ROW, State::TableRow{K});
            return State::TableRow{K};
        }},
        {[](Bench& b) {
            b.collector().add_block_with_id(bk::TABLE, State::Table{K});
            b.collector().add_block_with_id(bk::TABLE_ROW, State::TableRowAutoEntry{K});
            return State::TableRowAutoEntry{K};
        }},
    };
}

// One token of each kind, in token order.
std::vector<Token> tokens() {
    return {Token::Element{"b"},
            Token::ElementAttribute{"w"},
            Token::ElementComplete{},
            Token::ElementTerminator{},
            Token::Heading{1},
            Token::Newline{false},
            Token::Tagline{},
            Token::Text{"t"},
            Token::OrphanedElementOpen{},
            Token::UnterminatedElement{}};
}

enum Column { E, A, C, T, H, N, G, X, O, U };

const char* const TOKEN_TEXTS[] = {
    "Impossible element found 'b'.",
    "Impossible attribute found 'w'.",
    "Impossible '>' found.",
    "Impossible terminator '<>' found.",
    "",
    "Impossible newline found.",
    "Impossible tagline found.",
    "Impossible text found 't'.",
    "Impossible '<' found.",
    "Impossible unterminated element found.",
};
const char* const TOKEN_NAMES[] = {"Element",
                                   "ElementAttribute",
                                   "ElementComplete",
                                   "ElementTerminator",
                                   "Heading",
                                   "Newline",
                                   "Tagline",
                                   "Text",
                                   "OrphanedElementOpen",
                                   "UnterminatedElement"};

std::string bad(Column token, const std::string& state) {
    return std::string("Line 1: Unexpected token: '") + TOKEN_TEXTS[token] +
           " Not expected for state '" + state + "'. " + TOKEN_NAMES[token] + "'.";
}

struct Cell {
    int state;
    Column token;
    std::string next;
    std::string stack;
    std::string dump;  // after the section is completed
    std::vector<std::string> messages;
};

// A cell whose token the state cannot take: reported, nothing changes.
Cell rejected(int state, Column token, const std::string& name, const std::string& stack,
              const std::string& dump) {
    return {state, token, name, stack, dump, {bad(token, name)}};
}

std::vector<Cell> cells() {
    const std::string unopened = "Line 1: Unexpected terminator <>.";
    const std::string d = "Default";
    const std::string list = "Default,List";
    const std::string entry = "Default,List,Implicit List Entry";
    const std::string table = "Default,Table";
    const std::string auto_entry = "Default,Table,Table Row Auto Entry,Implicit Table Entry";
    const std::string row_entry = "Default,Table,Table Row,Implicit Table Entry";
    const std::string empty_list = "S0[bullet[bullet-entry[]]]";
    const std::string empty_row = "S0[table[table-row[table-entry[]]]]";
    const std::string t_row = "S0[table[table-row[table-entry['t']]]]";
    const std::string t_list = "S0[bullet[bullet-entry['t']]]";
    std::vector<Cell> all;
    auto add = [&](std::vector<Cell> more) { all.insert(all.end(), more.begin(), more.end()); };
    // The report cells of one state: every column in `columns`.
    auto reject = [&](int state, const std::string& name, const std::string& stack,
                      const std::string& dump, std::initializer_list<Column> columns) {
        for (Column column : columns) {
            all.push_back(rejected(state, column, name, stack, dump));
        }
    };
    // 0 Default
    add({{0, E, "Element", d, "S0[]", {}},
         {0, T, d, d, "S0[]", {unopened}},
         {0, H, d, d, "S0[] S1:1[#1]", {}},
         {0, N, d, d, "S0[/]", {}},
         {0, G, d, d, "S0[@]", {}},
         {0, X, d, d, "S0['t']", {}}});
    reject(0, d, d, "S0[]", {A, C, O, U});
    // 1 Element (a bold element)
    add({{1, E, "Element", d, "S0[]", {}},
         {1, A, "Element", d, "S0[]", {"Line 1: Unexpected attribute: 'bold' => 'w'."}},
         {1, C, d, d, "S0[+bold -]", {}},
         {1, T, "Element", d, "S0[]", {bad(T, "Element")}},
         {1, H, d, d, "S0[] S1:1[#1]", {}},
         {1, U, d, d, "S0[+!b -]", {"Line 1: Invalid element: 'b'."}}});
    reject(1, "Element", d, "S0[]", {N, G, X, O});
    // 2 Html
    add({{2, E, "Element", d, "S0[]", {}},
         {2, T, d, d, "S0[]", {}},
         {2, H, d, d, "S0[] S1:1[#1]", {}},
         {2, X, "Html", d, "S0[html't']", {}}});
    reject(2, "Html", d, "S0[]", {A, C, N, G, O, U});
    // 3 List
    add({{3, E, "Element", list, "S0[bullet[]]", {}},
         {3, T, d, d, empty_list, {}},
         {3, H, d, d, "S0[bullet[]] S1:1[#1]", {}},
         {3, N, "List", list, empty_list, {}},
         {3, G, "Implicit List Entry", entry, "S0[bullet[bullet-entry['@']]]", {}},
         {3, X, "Implicit List Entry", entry, t_list, {}}});
    reject(3, "List", list, "S0[bullet[]]", {A, C, O, U});
    // 4 ImplicitListEntry
    add({{4, E, "Element", entry, empty_list, {}},
         {4, T, d, d, empty_list, {}},
         {4, H, d, d, empty_list + " S1:1[#1]", {}},
         {4, N, "List", list, empty_list, {}},
         {4, X, "Implicit List Entry", entry, t_list, {}}});
    reject(4, "Implicit List Entry", entry, empty_list, {A, C, G, O, U});
    // 5 Metadata: nothing precedes it, so a one-word body is document metadata (empty)
    add({{5, E, "Element", d, "S0[]", {}},
         {5, T, "Post Metadata", d, "S0[]", {}},
         {5, H, d, d, "S0[] S1:1[#1]", {}},
         {5, X, "Metadata", d, "S0[]", {}}});
    reject(5, "Metadata", d, "S0[]", {A, C, N, G, O, U});
    // 6 PostMetadata after some text
    add({{6, E, "Element", d, "S0['x']", {}},
         {6, T, d, d, "S0['x']", {unopened}},
         {6, H, d, d, "S0['x'] S1:1[#1]", {}},
         {6, N, d, d, "S0['x']", {}},
         {6, X, d, d, "S0['x' 't']", {}}});
    reject(6, "Post Metadata", d, "S0['x']", {A, C, G, O, U});
    // 7 Start
    add({{7, E, "Element", d, "S0[]", {}},
         {7, T, "Start", d, "S0[]", {bad(T, "Start")}},
         {7, H, d, d, "S0:1[#1]", {}},
         {7, N, d, d, "S0[/]", {}},
         {7, G, d, d, "S0[@]", {}},
         {7, X, d, d, "S0['t']", {}},
         {7, O, d, d, "S0['<']", {"Line 1: Unexpected end of input."}}});
    reject(7, "Start", d, "S0[]", {A, C, U});
    // 8 Table
    add({{8, E, "Element", table, "S0[table[]]", {}},
         {8, T, d, d, empty_row, {}},
         {8, H, d, d, "S0[table[]] S1:1[#1]", {}},
         {8, N, "Table", table, empty_row, {}},
         {8, G, "Implicit Table Entry", auto_entry, "S0[table[table-row[table-entry['@']]]]", {}},
         {8, X, "Implicit Table Entry", auto_entry, t_row, {}}});
    reject(8, "Table", table, "S0[table[]]", {A, C, O, U});
    // 9 ExplicitTableEntry and 10 TableHeadingStandalone: never entered
    for (int state : {9, 10}) {
        const std::string name = state == 9 ? "Explicit Table Entry" : "Table Heading (standalone)";
        add({{state, E, "Element", d, "S0[]", {}}, {state, H, d, d, "S0[] S1:1[#1]", {}}});
        reject(state, name, d, "S0[]", {A, C, T, N, G, X, O, U});
    }
    // 11 ImplicitTableEntry
    add({{11, E, "Element", auto_entry, empty_row, {}},
         {11, T, d, d, empty_row, {}},
         {11, H, d, d, empty_row + " S1:1[#1]", {}},
         {11, N, "Table", table, empty_row, {}},
         {11, X, "Implicit Table Entry", auto_entry, t_row, {}}});
    reject(11, "Implicit Table Entry", auto_entry, empty_row, {A, C, G, O, U});
    // 12 TablePostHeading
    const std::string post = "Default,Table Post Heading";
    add({{12, E, "Element", post, "S0[table[]]", {}},
         {12, T, d, d, "S0[table[]]", {}},
         {12, H, d, d, "S0[table[]] S1:1[#1]", {}},
         {12, N, "Table", table, "S0[table[]]", {}},
         {12, X, "Implicit Table Entry", auto_entry, t_row, {}}});
    reject(12, "Table Post Heading", post, "S0[table[]]", {A, C, G, O, U});
    // 13 TableRow and 14 TableRowAutoEntry
    for (int state : {13, 14}) {
        const std::string name = state == 13 ? "Table Row" : "Table Row Auto Entry";
        const std::string stack = "Default,Table," + name;
        const std::string row = "S0[table[table-row[]]]";
        add({{state, E, "Element", stack, row, {}},
             {state, T, d, d, state == 13 ? row : empty_row, {}},
             {state, H, d, d, row + " S1:1[#1]", {}},
             {state, N, "Table", table, row, {}},
             {state, X, "Implicit Table Entry", state == 13 ? row_entry : auto_entry, t_row, {}}});
        reject(state, name, stack, row, {A, C, G, O, U});
    }
    return all;
}

TEST(StateMachineTest, EveryStateWithEveryToken) {
    const std::vector<Cell> table = cells();
    ASSERT_EQ(table.size(), State::COUNT * tokens().size());  // one row per cell
    bool seen[State::COUNT][10] = {};
    for (const Cell& cell : table) {
        SCOPED_TRACE(std::string(State::display_name(cell.state)) + " x " +
                     TOKEN_NAMES[cell.token]);
        ASSERT_FALSE(seen[cell.state][cell.token]) << "a cell twice";
        seen[cell.state][cell.token] = true;
        Bench bench;
        State state = setups()[cell.state].make(bench);
        ASSERT_EQ(state.value.index(), static_cast<std::size_t>(cell.state));
        State next = State::next(std::move(state), bench.harness, tokens()[cell.token]);
        EXPECT_EQ(next.display_name(), cell.next);
        EXPECT_EQ(bench.stack(), cell.stack);
        EXPECT_EQ(bench.messages(), cell.messages);
        bench.collector().complete_section();
        EXPECT_EQ(dump_items(bench.content), cell.dump);
    }
}

TEST(StateMachineTest, DisplayNamesInIndexOrder) {
    const std::vector<std::string> names = {
        "Default",
        "Element",
        "Html",
        "List",
        "Implicit List Entry",
        "Metadata",
        "Post Metadata",
        "Start",
        "Table",
        "Explicit Table Entry",
        "Table Heading (standalone)",
        "Implicit Table Entry",
        "Table Post Heading",
        "Table Row",
        "Table Row Auto Entry",
    };
    ASSERT_EQ(names.size(), State::COUNT);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(State::display_name(i), names[i]);
    }
}

// What the end of the input closes in each state that leaves something half-built.
TEST(StateMachineTest, CompletionByState) {
    struct Completion {
        int state;
        std::string dump;
    };
    const std::vector<Completion> cases = {
        {3, "S0[bullet[bullet-entry[]]]"},
        {8, "S0[table[table-row[table-entry[]]]]"},
        {11, "S0[table[table-row[table-entry[]]]]"},
        {12, "S0[table[]]"},
        {13, "S0[table[table-row[]]]"},
        {14, "S0[table[table-row[table-entry[]]]]"},
        {1, "S0[+!b -]"},
    };
    for (const Completion& c : cases) {
        SCOPED_TRACE(c.state);
        Bench bench;
        State state = setups()[c.state].make(bench);
        State::complete(std::move(state), bench.harness);
        const std::size_t open = bench.collector().stack_size();
        bench.collector().complete_section();
        EXPECT_EQ(dump_items(bench.content), c.dump);
        if (c.state == 11) {
            EXPECT_EQ(open, 3u);  // only the entry is closed; the section closes the rest
        }
    }
}

TEST(StateMachineTest, ElementInAStateNoContainerIsSavedWith) {
    Bench bench;
    State next =
        State::next_element(State::Html{}, bench.harness, elements::types::Element::Html{});
    EXPECT_TRUE(next.is<State::Html>());
    EXPECT_EQ(bench.messages(), std::vector<std::string>{
                                    "Line 1: Unexpected state: 'Html' for action Next Element."});
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
