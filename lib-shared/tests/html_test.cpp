#include "shared/utils/html.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace shared::utils {
namespace {

struct EscapeCase {
    std::string_view input;
    std::string_view text;       // page text
    std::string_view attribute;  // inside an attribute's double quotes
};

TEST(Escape, TextAndAttributeEscapesDifferOnlyInTheDoubleQuote) {
    const std::vector<EscapeCase> cases = {
        {"", "", ""},
        {"plain words", "plain words", "plain words"},
        {"a&b", "a&amp;b", "a&amp;b"},
        {"&amp;", "&amp;amp;", "&amp;amp;"},
        {"<script>", "&lt;script&gt;", "&lt;script&gt;"},
        {"say \"hi\" 'there'", "say \"hi\" 'there'", "say &quot;hi&quot; 'there'"},
        {"\" onerror=\"x", "\" onerror=\"x", "&quot; onerror=&quot;x"},
        {"é ü \t\n", "é ü \t\n", "é ü \t\n"},
        {"&&<<>>\"\"", "&amp;&amp;&lt;&lt;&gt;&gt;\"\"", "&amp;&amp;&lt;&lt;&gt;&gt;&quot;&quot;"},
    };
    for (const auto& c : cases) {
        std::string text = "[";
        append_html_text(text, c.input);
        EXPECT_EQ(text, "[" + std::string(c.text)) << c.input;
        std::string attribute = "[";
        append_html_attribute(attribute, c.input);
        EXPECT_EQ(attribute, "[" + std::string(c.attribute)) << c.input;
    }
}

// Text is read eight bytes at a time: a special byte at any place of a word, in the tail after
// the last whole word, or in several words in a row, is escaped like a lone one.
TEST(Escape, SpecialBytesAtEveryPlaceOfLongerTexts) {
    for (const char special : std::string_view("&<>\"")) {
        const std::string_view entity = special == '&'   ? "&amp;"
                                        : special == '<' ? "&lt;"
                                        : special == '>' ? "&gt;"
                                                         : "&quot;";
        for (std::size_t length = 1; length <= 26; ++length) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string input(length, 'x');
                input[at] = special;
                // A neighbour one bit away from the special byte stays as it is.
                if (at + 1 < length) {
                    input[at + 1] = static_cast<char>(special ^ 0x01);
                }
                std::string expected;
                for (const char c : input) {
                    expected += c == special ? std::string(entity) : std::string(1, c);
                }
                std::string attribute;
                append_html_attribute(attribute, input);
                EXPECT_EQ(attribute, expected) << input;
                std::string text;
                append_html_text(text, input);
                EXPECT_EQ(text, special == '"' ? input : expected) << input;
            }
        }
    }
}

TEST(PlainCssValue, RefusesEveryCharacterThatCouldLeaveTheDeclaration) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"Georgia", true},
        {"'Times New Roman', serif", true},
        {"12px", true},
        {"1.5em", true},
        {"Noto Sans CJK 日本", true},
        {"", true},
        {"red; position: fixed", false},
        {"x} body {display:none", false},
        {"x{", false},
        {"\\3c script", false},
        {"a\"b", false},
        {"a<b", false},
        {"a>b", false},
        {"a\nb", false},
        {"a\tb", false},
        {"a\x7f", false},
        {"a\u0085b", false},
        {"a\u00a0b", true},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(is_plain_css_value(value), expected) << value;
    }
}

}  // namespace
}  // namespace shared::utils
