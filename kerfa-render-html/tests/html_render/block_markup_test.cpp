// Every block kind's markup, on hand-built blocks with and without children.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/items.hpp"

namespace html_test {
namespace {

struct BlockCase {
    std::uint16_t id;
    Attrs attrs;
    std::string start;  // before the child text "x"
    std::string end;
    std::string empty;  // the whole block without children
};

TEST(BlockMarkup, EveryKindWritesItsStartAndEnd) {
    const std::int64_t smallest = std::numeric_limits<std::int64_t>::min();
    const std::vector<BlockCase> cases = {
        {0, {}, "<div class=\"block\">", "</div>", "<div class=\"block\"></div>"},
        {0, types::Attributes{text("wide")}, "<div class=\"block wide\">", "</div>",
         "<div class=\"block wide\"></div>"},
        {0, types::Attributes{invalid("nonsense"), text("late")}, "<div class=\"block\">", "</div>",
         "<div class=\"block\"></div>"},
        {0, types::Attributes{text("a\" onclick=\"alert(1)")},
         "<div class=\"block a&quot; onclick=&quot;alert(1)\">", "</div>",
         "<div class=\"block a&quot; onclick=&quot;alert(1)\"></div>"},
        {1, {}, "<blockquote>", "</blockquote>", "<blockquote></blockquote>"},
        {1, types::Attributes{color(NamedColor::Red)}, "<blockquote style=\"border-color: red;\">",
         "</blockquote>", "<blockquote style=\"border-color: red;\"></blockquote>"},
        {1, types::Attributes{hex("F0a")}, "<blockquote style=\"border-color: #F0a;\">",
         "</blockquote>", "<blockquote style=\"border-color: #F0a;\"></blockquote>"},
        {3, {}, "<li>", "</li>", "<li></li>"},
        {3, types::Attributes{text("ignored")}, "<li>", "</li>", "<li></li>"},
        {4, {}, "<div class=\"card\">", "</div>", "<div class=\"card\"></div>"},
        {4, types::Attributes{color(NamedColor::MidYellowGreen)},
         "<div class=\"card\" style=\"background-color: #80FF00;\">", "</div>",
         "<div class=\"card\" style=\"background-color: #80FF00;\"></div>"},
        {4, types::Attributes{text("blue")},
         "<div class=\"card\" style=\"background-color: blue;\">", "</div>",
         "<div class=\"card\" style=\"background-color: blue;\"></div>"},
        {4, types::Attributes{invalid("nonsense")}, "<div class=\"card\">", "</div>",
         "<div class=\"card\"></div>"},
        {4, types::Attributes{text("red; position: fixed")},
         "<div class=\"card\" style=\"background-color: ;\">", "</div>",
         "<div class=\"card\" style=\"background-color: ;\"></div>"},
        {5, {}, "<div class=\"codebox\">", "</div>", "<div class=\"codebox\"></div>"},
        {5, types::Attributes{color(NamedColor::Transparent)},
         "<div class=\"codebox\" style=\"background-color: transparent;\">", "</div>",
         "<div class=\"codebox\" style=\"background-color: transparent;\"></div>"},
        {6,
         {},
         "<div class=\"indent\" style=\"margin-left: 1em;\">",
         "</div>",
         "<div class=\"indent\" style=\"margin-left: 1em;\"></div>"},
        {6, types::Attributes{integer(3)}, "<div class=\"indent\" style=\"margin-left: 3em;\">",
         "</div>", "<div class=\"indent\" style=\"margin-left: 3em;\"></div>"},
        {6, types::Attributes{integer(-2)}, "<div class=\"indent\" style=\"margin-left: -2em;\">",
         "</div>", "<div class=\"indent\" style=\"margin-left: -2em;\"></div>"},
        {6, types::Attributes{integer(smallest)},
         "<div class=\"indent\" style=\"margin-left: -9223372036854775808em;\">", "</div>",
         "<div class=\"indent\" style=\"margin-left: -9223372036854775808em;\"></div>"},
        {6, types::Attributes{text("3")}, "<div class=\"indent\" style=\"margin-left: 1em;\">",
         "</div>", "<div class=\"indent\" style=\"margin-left: 1em;\"></div>"},
        {6, types::Attributes{hex("123")}, "<div class=\"indent\" style=\"margin-left: 1em;\">",
         "</div>", "<div class=\"indent\" style=\"margin-left: 1em;\"></div>"},
        {8, {}, "<tr>", "</tr>", "<tr><td>\n</td></tr>"},
        {9, {}, "<td>", "</td>", "<td>\n</td>"},
        {11, {}, "<tr>", "</tr>", "<tr><th>\n</th></tr>"},
        {12, {}, "<th>", "</th>", "<th>\n</th>"},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(render_body(list(section(0, list(block(c.id, c.attrs, list(text_item("x"))))))),
                  "<section id=\"0\">" + c.start + "x" + c.end + "</section>")
            << "kind " << c.id;
        EXPECT_EQ(render_body(list(section(0, list(block(c.id, c.attrs))))),
                  "<section id=\"0\">" + c.empty + "</section>")
            << "empty kind " << c.id;
    }
}

// Lists: the style comes only from the first attribute, the start number only from the second.
TEST(BlockMarkup, ListStyleAndStartMatrix) {
    struct Start {
        Attrs extra;  // the attributes after the style
        std::string start;
    };
    const std::int64_t smallest = std::numeric_limits<std::int64_t>::min();
    const std::vector<Start> starts = {
        {{}, ""},
        {types::Attributes{integer(3)}, " start=\"3\""},
        {types::Attributes{integer(0)}, " start=\"0\""},
        {types::Attributes{integer(-4)}, " start=\"-4\""},
        {types::Attributes{integer(smallest)}, " start=\"-9223372036854775808\""},
        {types::Attributes{text("c")}, " start=\"3\""},
        {types::Attributes{text("AB")}, " start=\"28\""},
        {types::Attributes{text(" 12 ")}, " start=\"12\""},
        {types::Attributes{text("")}, " start=\"1\""},
        {types::Attributes{text("x1")}, " start=\"1\""},
        {types::Attributes{text("\u03b2")}, " start=\"2\""},
        {types::Attributes{boolean(true)}, ""},
    };
    struct Style {
        BulletStyle style;
        std::string open;  // ordered styles without their closing ">"
        bool ordered;
    };
    const std::vector<Style> styles = {
        {BulletStyle::Asterisk, "<ul class=\"asterisk\">", false},
        {BulletStyle::Dash, "<ul class=\"dash\">", false},
        {BulletStyle::Disc, "<ul style=\"list-style-type: disc;\">", false},
        {BulletStyle::Circle, "<ul style=\"list-style-type: circle;\">", false},
        {BulletStyle::Plus, "<ul class=\"plus\">", false},
        {BulletStyle::Square, "<ul style=\"list-style-type: square;\">", false},
        {BulletStyle::Decimal, "<ol style=\"list-style-type: decimal;\"", true},
        {BulletStyle::DecimalLeadingZero, "<ol style=\"list-style-type: decimal-leading-zero;\"",
         true},
        {BulletStyle::LowerAlpha, "<ol style=\"list-style-type: lower-alpha;\"", true},
        {BulletStyle::UpperAlpha, "<ol style=\"list-style-type: upper-alpha;\"", true},
        {BulletStyle::LowerGreek, "<ol style=\"list-style-type: lower-greek;\"", true},
        {BulletStyle::LowerRoman, "<ol style=\"list-style-type: lower-roman;\"", true},
        {BulletStyle::UpperRoman, "<ol style=\"list-style-type: upper-roman;\"", true},
        {BulletStyle::None, "<ul>", false},
    };
    for (const Style& style : styles) {
        for (const Start& start : starts) {
            types::Attributes attrs{bullet(style.style)};
            if (start.extra) {
                attrs.insert(attrs.end(), start.extra->begin(), start.extra->end());
            }
            const std::string expected = style.ordered
                                             ? style.open + start.start + "><li>a</li></ol>"
                                             : style.open + "<li>a</li></ul>";
            EXPECT_EQ(render_body(list(block(2, attrs, list(block(3, {}, list(text_item("a"))))))),
                      expected)
                << style.open << start.start;
        }
    }
    // Without a bullet style first, the default list, whatever follows.
    for (const Attrs& attrs : std::vector<Attrs>{
             {},
             types::Attributes{},
             types::Attributes{text("decimal")},
             types::Attributes{invalid("x"), bullet(BulletStyle::Decimal)},
         }) {
        EXPECT_EQ(render_body(list(block(2, attrs))), "<ul class=\"default\"></ul>");
    }
}

// Tables: the last colour wins, classes join in order, the style comes before the class, and
// only coloured tables and standalone headings without class get "pad-t1".
TEST(BlockMarkup, TableOpeningMatrix) {
    struct Opening {
        Attrs attrs;
        std::string table;       // kind 7, without "<table"
        std::string heading;     // kind 10, without "<thead"
        std::string standalone;  // kind 13, without "<table><thead"
    };
    const std::vector<Opening> cases = {
        {{}, ">", ">", ">"},
        {types::Attributes{}, ">", ">", ">"},
        {types::Attributes{color(NamedColor::Red)},
         " style=\"background-color: red;\" class=\"pad-t1\">",
         " style=\"background-color: red;\">",
         " style=\"background-color: red;\" class=\"pad-t1\">"},
        {types::Attributes{text("grid")}, " class=\"grid\">", " class=\"grid\">",
         " class=\"grid\">"},
        {types::Attributes{text("grid"), text("striped")}, " class=\"grid striped\">",
         " class=\"grid striped\">", " class=\"grid striped\">"},
        {types::Attributes{text("inverse"), color(NamedColor::Navy)},
         " style=\"background-color: navy;\" class=\"inverse\">",
         " style=\"background-color: navy;\" class=\"inverse\">",
         " style=\"background-color: navy;\" class=\"inverse\">"},
        {types::Attributes{color(NamedColor::Red), text("row"), color(NamedColor::Blue)},
         " style=\"background-color: blue;\" class=\"row\">",
         " style=\"background-color: blue;\" class=\"row\">",
         " style=\"background-color: blue;\" class=\"row\">"},
        {types::Attributes{hex("A0b")}, " style=\"background-color: #A0b;\" class=\"pad-t1\">",
         " style=\"background-color: #A0b;\">",
         " style=\"background-color: #A0b;\" class=\"pad-t1\">"},
        {types::Attributes{integer(3), boolean(true), invalid("x")}, ">", ">", ">"},
        {types::Attributes{text("a\"><script>")}, " class=\"a&quot;&gt;&lt;script&gt;\">",
         " class=\"a&quot;&gt;&lt;script&gt;\">", " class=\"a&quot;&gt;&lt;script&gt;\">"},
    };
    for (const Opening& c : cases) {
        EXPECT_EQ(render_body(list(block(7, c.attrs))), "<table" + c.table + "</table>");
        EXPECT_EQ(render_body(list(block(10, c.attrs))), "<thead" + c.heading + "</thead>");
        EXPECT_EQ(render_body(list(block(13, c.attrs))),
                  "<table><thead" + c.standalone + "</thead></table>");
    }
}

TEST(BlockMarkup, AWholeTableNestsRowsAndEntries) {
    const Items items = list(block(
        7, types::Attributes{text("grid")},
        list(block(10, {},
                   list(block(11, {}, list(block(12, {}, list(text_item("A"))), block(12, {}))))),
             block(8, {}, list(block(9, {}, list(text_item("1"))), block(9, {}))), block(8, {}))));
    EXPECT_EQ(render_body(items),
              "<table class=\"grid\"><thead><tr><th>A</th><th>\n</th></tr></thead>"
              "<tr><td>1</td><td>\n</td></tr><tr><td>\n</td></tr></table>");
}

}  // namespace
}  // namespace html_test
