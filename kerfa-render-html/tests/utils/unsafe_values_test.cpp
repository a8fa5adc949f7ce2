#include "html_render/utils/unsafe_values.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kerfa_render_html::html_render::utils {
namespace {

using namespace std::string_literals;

TEST(ScriptLink, SchemesThatRunCodeAreFoundAsABrowserReadsThem) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"javascript:alert(1)", true},
        {"JavaScript:alert(1)", true},
        {"  javascript:x", true},
        {"\x01\x1f javascript:x", true},
        {"java\tscript:x", true},
        {"java\nscr\ript:x", true},
        {"\ttab-first javascript:", false},
        {"vbscript:msgbox", true},
        {"VBSCRIPT:x", true},
        {"data:text/html,<script>x</script>", true},
        {"DATA:x", true},
        {"\0data:x"s, true},
        {"javascript", false},
        {"javascript :x", false},
        {"https://example.com/javascript:x", false},
        {"./javascript:x", false},
        {"mailto:a@b", false},
        {"http://example.com", false},
        {"", false},
        {"data", false},
        {"ja\u00a0vascript:x", false},
    };
    for (const auto& [target, expected] : cases) {
        EXPECT_EQ(is_script_link(target), expected) << target;
    }
}

}  // namespace
}  // namespace kerfa_render_html::html_render::utils
