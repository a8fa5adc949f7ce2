#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "elements/types/element.hpp"
#include "parser/builders/element_builder.hpp"
#include "parser/state/table_kinds.hpp"
#include "tokenizer/types/token.hpp"

namespace kerfa_parser_kerfa::parser::types {
struct Harness;
}

namespace kerfa_parser_kerfa::parser::state {

// Where the parser stands in the structural grammar. Open containers keep the state that applies
// inside them, so closing one resumes the grammar around it. Alternatives in index order.
struct State {
    struct Default {
        bool operator==(const Default&) const = default;
    };
    // The builder is boxed so that states stay small: every open container keeps one. The parse
    // hands the box of a finished element to the next one (Harness::builder_box).
    struct Element {
        explicit Element(builders::ElementBuilder element_builder)
            : builder(std::make_unique<builders::ElementBuilder>(std::move(element_builder))) {}
        explicit Element(std::unique_ptr<builders::ElementBuilder> box) : builder(std::move(box)) {}
        Element(const Element& other)
            : builder(std::make_unique<builders::ElementBuilder>(*other.builder)) {}
        Element& operator=(const Element& other) {
            builder = std::make_unique<builders::ElementBuilder>(*other.builder);
            return *this;
        }
        Element(Element&&) noexcept = default;
        Element& operator=(Element&&) noexcept = default;
        ~Element() = default;

        std::unique_ptr<builders::ElementBuilder> builder;  // never null but when moved from

        bool operator==(const Element& other) const { return *builder == *other.builder; }
    };
    struct Html {
        bool operator==(const Html&) const = default;
    };
    struct List {
        bool operator==(const List&) const = default;
    };
    struct ImplicitListEntry {
        bool operator==(const ImplicitListEntry&) const = default;
    };
    struct Metadata {
        bool operator==(const Metadata&) const = default;
    };
    struct PostMetadata {
        bool operator==(const PostMetadata&) const = default;
    };
    struct Start {
        bool operator==(const Start&) const = default;
    };
    struct Table {
        TableKinds kinds;
        bool operator==(const Table&) const = default;
    };
    // No transition enters this state.
    struct ExplicitTableEntry {
        bool operator==(const ExplicitTableEntry&) const = default;
    };
    // No transition enters this state.
    struct TableHeadingStandalone {
        TableKinds kinds;
        bool operator==(const TableHeadingStandalone&) const = default;
    };
    struct ImplicitTableEntry {
        TableKinds kinds;
        bool operator==(const ImplicitTableEntry&) const = default;
    };
    struct TablePostHeading {
        TableKinds kinds;
        bool operator==(const TablePostHeading&) const = default;
    };
    struct TableRow {
        TableKinds kinds;
        bool operator==(const TableRow&) const = default;
    };
    struct TableRowAutoEntry {
        TableKinds kinds;
        bool operator==(const TableRowAutoEntry&) const = default;
    };

    using Variant =
        std::variant<Default, Element, Html, List, ImplicitListEntry, Metadata, PostMetadata, Start,
                     Table, ExplicitTableEntry, TableHeadingStandalone, ImplicitTableEntry,
                     TablePostHeading, TableRow, TableRowAutoEntry>;

    static constexpr std::size_t COUNT = std::variant_size_v<Variant>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> State(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor): a state is its variant
        : value(std::forward<Alternative>(alternative)) {}

    // "Default", "Element", "Html", "List", "Implicit List Entry", "Metadata", "Post Metadata",
    // "Start", "Table", "Explicit Table Entry", "Table Heading (standalone)", "Implicit Table
    // Entry", "Table Post Heading", "Table Row", "Table Row Auto Entry".
    std::string_view display_name() const;
    static std::string_view display_name(std::size_t index);

    template <class Alternative>
    bool is() const {
        return std::holds_alternative<Alternative>(value);
    }
    template <class Alternative>
    const Alternative* get_if() const {
        return std::get_if<Alternative>(&value);
    }

    // Handles one token; gives the next state.
    // Handles one token, whose texts it may take; gives the next state.
    static State next(State&& state, types::Harness& harness, tokenizer::types::Token& token);

    // Places a completed element in the current container, by the state saved with it.
    static State next_element(State saved, types::Harness& harness,
                              elements::types::Element element);

    // Handles the terminator "<>".
    static State next_terminator(State state, types::Harness& harness);

    // Closes what the end of the input leaves half-built in the state.
    static void complete(State state, types::Harness& harness);

    bool operator==(const State&) const = default;
};

namespace detail {
template <class T, class Variant>
struct IndexOf;
template <class T, class... Ts>
struct IndexOf<T, std::variant<Ts...>> {
    static constexpr std::size_t value = [] {
        constexpr bool matches[] = {std::is_same_v<T, Ts>...};
        for (std::size_t i = 0; i < sizeof...(Ts); ++i) {
            if (matches[i]) {
                return i;
            }
        }
        return sizeof...(Ts);
    }();
};
}  // namespace detail

// The index of a state alternative, for switches over states.
template <class Alternative>
inline constexpr std::size_t state_index = detail::IndexOf<Alternative, State::Variant>::value;

}  // namespace kerfa_parser_kerfa::parser::state
