#include "errors/element_error.hpp"

#include <fmt/format.h>

namespace kerfa_parser_kerfa::errors {

namespace {

// Names and words are always arguments: they may hold "{" and "}".
struct MessageText {
    std::string operator()(const ElementError::InvalidAttribute& e) const {
        return fmt::format("Line {}: Invalid attribute: '{}' => '{}'.", e.line, e.name, e.value);
    }
    std::string operator()(const ElementError::InvalidElement& e) const {
        return fmt::format("Line {}: Invalid element: '{}'.", e.line, e.name);
    }
    std::string operator()(const ElementError::MissingAttribute& e) const {
        return fmt::format("Line {}: Missing attribute: '{}'.", e.line, e.name);
    }
    std::string operator()(const ElementError::ElementNameTooLong&) const {
        return "Element name too long";
    }
    std::string operator()(const ElementError::UnexpectedAttribute& e) const {
        return fmt::format("Line {}: Unexpected attribute: '{}' => '{}'.", e.line, e.name, e.value);
    }
    std::string operator()(const ElementError::UnexpectedElement& e) const {
        return fmt::format("Line {}: Unexpected element: '{}'.", e.line, e.name);
    }
    std::string operator()(const ElementError::UnexpectedEndOfInput& e) const {
        return fmt::format("Line {}: Unexpected end of input.", e.line);
    }
    std::string operator()(const ElementError::UnexpectedToken& e) const {
        return fmt::format("Line {}: Unexpected token: '{}'.", e.line, e.message);
    }
    std::string operator()(const ElementError::UnexpectedElementOpenChar& e) const {
        return fmt::format("Line {}: Unexpected element open char <.", e.line);
    }
    std::string operator()(const ElementError::UnexpectedState& e) const {
        return fmt::format("Line {}: Unexpected state: '{}' for action {}.", e.line, e.state,
                           e.action);
    }
    std::string operator()(const ElementError::UnexpectedTerminator& e) const {
        return fmt::format("Line {}: Unexpected terminator <>.", e.line);
    }
    std::string operator()(const ElementError::UnexpectedWhitespace& e) const {
        return fmt::format("Line {}: Unexpected whitespace.", e.line);
    }
};

}  // namespace

std::string ElementError::as_string() const {
    return std::visit(MessageText{}, value);
}

}  // namespace kerfa_parser_kerfa::errors
