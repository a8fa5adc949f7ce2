#include "kerfa_render_html/html_render/utils/escape.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace kerfa_render_html::html_render::utils {
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
        append_text_escaped(text, c.input);
        EXPECT_EQ(text, "[" + std::string(c.text)) << c.input;
        std::string attribute = "[";
        append_attribute_escaped(attribute, c.input);
        EXPECT_EQ(attribute, "[" + std::string(c.attribute)) << c.input;
    }
}

}  // namespace
}  // namespace kerfa_render_html::html_render::utils
