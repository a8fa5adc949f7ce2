#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors/element_error.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

using errors::ElementError;

TEST(ElementErrorTest, MessageTexts) {
    struct Case {
        ElementError error;
        std::string text;
    };
    const std::vector<Case> cases = {
        {ElementError::InvalidAttribute{3, "color", "nonsense"},
         "Line 3: Invalid attribute: 'color' => 'nonsense'."},
        {ElementError::InvalidElement{1, "Dark"}, "Line 1: Invalid element: 'Dark'."},
        {ElementError::MissingAttribute{12, "fg"}, "Line 12: Missing attribute: 'fg'."},
        {ElementError::ElementNameTooLong{}, "Element name too long"},
        {ElementError::UnexpectedAttribute{2, "bold", "x"},
         "Line 2: Unexpected attribute: 'bold' => 'x'."},
        {ElementError::UnexpectedElement{4, "Block"}, "Line 4: Unexpected element: 'Block'."},
        {ElementError::UnexpectedEndOfInput{7}, "Line 7: Unexpected end of input."},
        {ElementError::UnexpectedToken{1,
                                       "Impossible '<' found. Not expected for state "
                                       "'Default'. OrphanedElementOpen"},
         "Line 1: Unexpected token: 'Impossible '<' found. Not expected for state 'Default'. "
         "OrphanedElementOpen'."},
        {ElementError::UnexpectedElementOpenChar{5}, "Line 5: Unexpected element open char <."},
        {ElementError::UnexpectedState{6, "Html", "Next Element"},
         "Line 6: Unexpected state: 'Html' for action Next Element."},
        {ElementError::UnexpectedTerminator{8}, "Line 8: Unexpected terminator <>."},
        {ElementError::UnexpectedWhitespace{9}, "Line 9: Unexpected whitespace."},
        // Names are data, never part of a format.
        {ElementError::InvalidElement{18446744073709551615u, "{}{"},
         "Line 18446744073709551615: Invalid element: '{}{'."},
        {ElementError::UnexpectedAttribute{1, "{", "{0} }"},
         "Line 1: Unexpected attribute: '{' => '{0} }'."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.as_string(), c.text);
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
