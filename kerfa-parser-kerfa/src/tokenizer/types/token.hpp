#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace kerfa_parser_kerfa::tokenizer::types {

// One lexical unit of Kerfa markup, as the tokenizer hands it to the parser state machine.
struct Token {
    // "<" followed by a name; the name as written.
    struct Element {
        std::string name;
        bool operator==(const Element&) const = default;
    };
    // One attribute word, quoted or bare, escapes decoded.
    struct ElementAttribute {
        std::string value;
        bool operator==(const ElementAttribute&) const = default;
    };
    // The ">" that ends an element.
    struct ElementComplete {
        bool operator==(const ElementComplete&) const = default;
    };
    // "<>", or the end of a raw body.
    struct ElementTerminator {
        bool operator==(const ElementTerminator&) const = default;
    };
    // "#" at the start of a line; the number of "#" after the first, modulo 256.
    struct Heading {
        std::uint8_t count = 0;
        bool operator==(const Heading&) const = default;
    };
    // A line feed, a carriage return, or both.
    struct Newline {
        bool carriage_return = false;
        bool operator==(const Newline&) const = default;
    };
    // "@" at the start of a line.
    struct Tagline {
        bool operator==(const Tagline&) const = default;
    };
    // Any other run of characters, escapes decoded.
    struct Text {
        std::string text;
        bool operator==(const Text&) const = default;
    };
    // "<" as the last character of the input.
    struct OrphanedElementOpen {
        bool operator==(const OrphanedElementOpen&) const = default;
    };
    // The input ended inside an element, while skipping white space.
    struct UnterminatedElement {
        bool operator==(const UnterminatedElement&) const = default;
    };

    using Variant =
        std::variant<Element, ElementAttribute, ElementComplete, ElementTerminator, Heading,
                     Newline, Tagline, Text, OrphanedElementOpen, UnterminatedElement>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> Token(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor): a token is its variant
        : value(std::forward<Alternative>(alternative)) {}

    // The variant's name ("Element", "ElementAttribute", ...), as messages about tokens use it.
    std::string_view name() const;

    template <class Alternative>
    bool is() const {
        return std::holds_alternative<Alternative>(value);
    }

    bool operator==(const Token&) const = default;
};

}  // namespace kerfa_parser_kerfa::tokenizer::types
