#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace kerfa_parser_kerfa::errors {

// One problem found in a Kerfa text; line is the 1-based line of the token being handled when it
// was raised. Turned into a message once, after the parse.
struct ElementError {
    struct InvalidAttribute {
        std::uint64_t line = 0;
        std::string name;  // the element kind's canonical name
        std::string value;
        bool operator==(const InvalidAttribute&) const = default;
    };
    struct InvalidElement {
        std::uint64_t line = 0;
        std::string name;  // as written
        bool operator==(const InvalidElement&) const = default;
    };
    struct MissingAttribute {
        std::uint64_t line = 0;
        std::string name;  // as written
        bool operator==(const MissingAttribute&) const = default;
    };
    struct ElementNameTooLong {
        bool operator==(const ElementNameTooLong&) const = default;
    };
    struct UnexpectedAttribute {
        std::uint64_t line = 0;
        std::string name;   // the element kind's canonical name
        std::string value;  // the attribute word as written
        bool operator==(const UnexpectedAttribute&) const = default;
    };
    struct UnexpectedElement {
        std::uint64_t line = 0;
        std::string name;
        bool operator==(const UnexpectedElement&) const = default;
    };
    struct UnexpectedEndOfInput {
        std::uint64_t line = 0;
        bool operator==(const UnexpectedEndOfInput&) const = default;
    };
    struct UnexpectedToken {
        std::uint64_t line = 0;
        std::string message;
        bool operator==(const UnexpectedToken&) const = default;
    };
    struct UnexpectedElementOpenChar {
        std::uint64_t line = 0;
        bool operator==(const UnexpectedElementOpenChar&) const = default;
    };
    struct UnexpectedState {
        std::uint64_t line = 0;
        std::string state;
        std::string action;
        bool operator==(const UnexpectedState&) const = default;
    };
    struct UnexpectedTerminator {
        std::uint64_t line = 0;
        bool operator==(const UnexpectedTerminator&) const = default;
    };
    struct UnexpectedWhitespace {
        std::uint64_t line = 0;
        bool operator==(const UnexpectedWhitespace&) const = default;
    };

    using Variant = std::variant<InvalidAttribute, InvalidElement, MissingAttribute,
                                 ElementNameTooLong, UnexpectedAttribute, UnexpectedElement,
                                 UnexpectedEndOfInput, UnexpectedToken, UnexpectedElementOpenChar,
                                 UnexpectedState, UnexpectedTerminator, UnexpectedWhitespace>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> ElementError(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor)
        : value(std::forward<Alternative>(alternative)) {}

    // The message text, "Line {}: ..." for every variant but ElementNameTooLong.
    std::string as_string() const;

    bool operator==(const ElementError&) const = default;
};

}  // namespace kerfa_parser_kerfa::errors
