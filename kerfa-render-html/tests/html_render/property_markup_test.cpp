// Every property kind's markup around a span holding the text "t": with its value given as an
// attribute (start), with the span's text as its value (start with content), and its end.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "html_render/property_components.hpp"
#include "support/items.hpp"

namespace html_test {
namespace {

struct PropertyCase {
    std::uint16_t id;
    Attrs attrs;
    bool needs_content;
    std::string start;
    std::string end;
};

std::string span_body(const PropertyCase& c) {
    return render_body(
        list(property(c.id, c.attrs, c.needs_content), text_item("t"), terminator()));
}

TEST(PropertyMarkup, EveryKindWritesItsStartAndEnd) {
    using A = types::Attributes;
    const std::vector<PropertyCase> cases = {
        {0, {}, false, "<strong>", "</strong>"},
        {1, {}, false, "<span class=\"caution\">", "</span>"},
        {2, {}, false, "<code>", "</code>"},
        {3, {}, false, "<span class=\"dim\">", "</span>"},
        {4, A{text("Georgia")}, false, "<span style=\"font-family: Georgia;\">", "</span>"},
        {4, A{text("'Times New Roman', serif")}, false,
         "<span style=\"font-family: 'Times New Roman', serif;\">", "</span>"},
        {4, {}, false, "<span style=\"font-family: ;\">", "</span>"},
        {4, A{text("x;}</style><script>alert(1)</script>")}, false,
         "<span style=\"font-family: ;\">", "</span>"},
        {4, A{text("a\" onmouseover=\"alert(1)")}, false, "<span style=\"font-family: ;\">",
         "</span>"},
        {5, A{text("12px")}, false, "<span style=\"font-size: 12px;\">", "</span>"},
        {5, A{text("1em;background:url(x)")}, false, "<span style=\"font-size: ;\">", "</span>"},
        {6, {}, false, "<mark>", "</mark>"},
        {7, {}, false, "<span class=\"important\">", "</span>"},
        {8, {}, false, "<em>", "</em>"},
        {9, {}, false, "<span class=\"monospace\">", "</span>"},
        {10, {}, false, "<span class=\"note\">", "</span>"},
        {11, {}, false, "<small>", "</small>"},
        {12, {}, false, "<del>", "</del>"},
        {13, {}, false, "<sub>", "</sub>"},
        {14, {}, false, "<sup>", "</sup>"},
        {15, {}, false, "<u>", "</u>"},
        {16, {}, false, "<var>", "</var>"},
        {17, {}, false, "<span class=\"warning\">", "</span>"},
        {18, {}, false, "<span class=\"tag\">", "</span>"},
        {19, A{color(NamedColor::Gold)}, false, "<span style=\"background-color: gold;\">",
         "</span>"},
        {20, A{hex("abc")}, false, "<span class=\"badge\" style=\"background-color: #abc;\">",
         "</span>"},
        {20, {}, false, "<span class=\"badge\" style=\"background-color: ;\">", "</span>"},
        {21, A{color(NamedColor::RebeccaPurple)}, false, "<span style=\"color: rebeccapurple;\">",
         "</span>"},
        {21, A{color(NamedColor::MidCyanBlue)}, false, "<span style=\"color: #0080FF;\">",
         "</span>"},
        {21, A{invalid("nonsense")}, false, "<span style=\"color: ;\">", "</span>"},
        {21, {}, false, "<span style=\"color: ;\">", "</span>"},
        {22, A{text("1 Main St")}, false, "<span class=\"address\" data=\"1 Main St\">", "</span>"},
        {22, {}, true, "<span class=\"address\" data=\"t\">", "</span>"},
        {22, A{text("\"><img src=x onerror=alert(1)>")}, false,
         "<span class=\"address\" data=\"&quot;&gt;&lt;img src=x onerror=alert(1)&gt;\">",
         "</span>"},
        {23, A{text("48.85,2.35")}, false, "<span class=\"coordinates\" data=\"48.85,2.35\">",
         "</span>"},
        {23, {}, true, "<span class=\"coordinates\" data=\"t\">", "</span>"},
        {24, A{doc_link("notes", "a b", std::nullopt)}, false,
         "<a class=\"link\" href=\"kerfa:notes?filter=a%20b\">", "</a>"},
        {24, A{text("notes")}, false, "<a class=\"link\">", "</a>"},
        {24, {}, false, "<a class=\"link\">", "</a>"},
        {24, {}, true, "<a class=\"link\" href=\"kerfa:t\">", "</a>"},
        {25, A{text("a&b")}, false, "<a class=\"link\" href=\"?filter=a%26b\">", "</a>"},
        {25, A{integer(5)}, false, "<a class=\"link\" href=\"?filter=5\">", "</a>"},
        {25, A{hex("abc")}, false, "<a class=\"link\" href=\"?filter=abc\">", "</a>"},
        {25, A{invalid("x\"y")}, false, "<a class=\"link\" href=\"?filter=x%22y\">", "</a>"},
        {25, {}, false, "<a class=\"link\">", "</a>"},
        {25, {}, true, "<a class=\"link\" href=\"?filter=t\">", "</a>"},
        {26, A{text("#2")}, false, "<a class=\"link\" href=\"?select=%232\">", "</a>"},
        {26, {}, true, "<a class=\"link\" href=\"?select=t\">", "</a>"},
        {27, A{text("a@b.org")}, false, "<a href=\"mailto:a@b.org\">", "</a>"},
        {27, {}, true, "<a href=\"mailto:t\">", "</a>"},
        {27, {}, false, "<a href=\"mailto:\">", "</a>"},
        {28, A{text("https://x.org/?a=1&b=2")}, false,
         "<a class=\"link\" href=\"https://x.org/?a=1&amp;b=2\">", "</a>"},
        {28, A{text("javascript:alert(1)")}, false, "<a class=\"link\">", "</a>"},
        {28, A{text(" JavaScript:alert(1)")}, false, "<a class=\"link\">", "</a>"},
        {28, A{text("vbscript:x")}, false, "<a class=\"link\">", "</a>"},
        {28, A{text("data:text/html,x")}, false, "<a class=\"link\">", "</a>"},
        {28, A{text("\" onclick=\"alert(1)")}, false,
         "<a class=\"link\" href=\"&quot; onclick=&quot;alert(1)\">", "</a>"},
        {28, {}, true, "<a class=\"link\" href=\"t\">", "</a>"},
        {28, {}, false, "<a class=\"link\" href=\"\">", "</a>"},
        {29, A{text("+1 555")}, false, "<a href=\"tel:+1 555\">", "</a>"},
        {29, {}, true, "<a href=\"tel:t\">", "</a>"},
        {30, {}, false, "<span class=\"fixed\">", "</span>"},
    };
    for (const PropertyCase& c : cases) {
        EXPECT_EQ(span_body(c), c.start + "t" + c.end)
            << "kind " << c.id << (c.needs_content ? " with content" : "");
    }
}

TEST(PropertyMarkup, ContentIsTheWholeSpanTextAndStillWrittenInside) {
    // A link standing for its own address: the content includes nested spans and line breaks,
    // and the address is also the anchor's text.
    const Items items = list(property(28, {}, true), text_item("https://a.org/"), property(0),
                             text_item("x?y=1&z"), terminator(), terminator(), text_item(" after"));
    EXPECT_EQ(render_body(items),
              "<a class=\"link\" href=\"https://a.org/x?y=1&amp;z\">https://a.org/<strong>"
              "x?y=1&amp;z</strong></a> after");
    const Items script = list(property(28, {}, true), text_item("java"), line_break(),
                              text_item("script:alert(1)"), terminator());
    EXPECT_EQ(render_body(script), "<a class=\"link\">java\nscript:alert(1)</a>");
    const Items doc = list(property(24, {}, true), text_item("other:?x y:#z"), terminator());
    EXPECT_EQ(render_body(doc),
              "<a class=\"link\" href=\"kerfa:other?filter=x%20y&select=z\">other:?x y:#z</a>");
}

TEST(PropertyMarkup, InvalidElementsVanishAndKeepTheirSpan) {
    const Items items = list(invalid_element("nonsense"), text_item("kept"), property(0),
                             text_item("b"), terminator(), terminator(), terminator());
    EXPECT_EQ(render_body(items), "kept<strong>b</strong>");
}

// A span left open at the end of its list gets no end.
TEST(PropertyMarkup, OpenSpansAtTheEndOfAListAreNotClosed) {
    EXPECT_EQ(render_body(list(property(8), text_item("x"))), "<em>x");
}

TEST(DocLinkTarget, EveryCombinationOfPartsAndTheEncoding) {
    struct Case {
        DocumentLink link;
        std::string target;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{"notes", {}, {}}, "kerfa:notes"},
        {{{}, "todo", {}}, "?filter=todo"},
        {{{}, {}, "2"}, "?select=2"},
        {{"notes", "todo", {}}, "kerfa:notes?filter=todo"},
        {{"notes", {}, "2"}, "kerfa:notes?select=2"},
        {{{}, "todo", "2"}, "?filter=todo&select=2"},
        {{"notes", "todo", "2"}, "kerfa:notes?filter=todo&select=2"},
        {{"Trip plan/2024", "a&b=c", "#x?"},
         "kerfa:Trip%20plan%2F2024?filter=a%26b%3Dc&select=%23x%3F"},
        {{" \"#%&+,/:;<=>?@[\\]^`{|}", {}, {}},
         "kerfa:%20%22%23%25%26%2B%2C%2F%3A%3B%3C%3D%3E%3F%40%5B%5C%5D%5E%60%7B%7C%7D"},
        {{"!$'()*~-._é\x01", {}, {}}, "kerfa:!$'()*~-._é\x01"},
    };
    for (const Case& c : cases) {
        std::string out;
        kerfa_render_html::html_render::RenderActualDocLink::append_doc_link(out, c.link);
        EXPECT_EQ(out, c.target) << c.target;
    }
}

}  // namespace
}  // namespace html_test
