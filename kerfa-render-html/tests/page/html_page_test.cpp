// The page as a whole: its frame, sections, lines, content items and images.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kerfa_render_html/html_file_renderer.hpp"
#include "support/items.hpp"

namespace html_test {
namespace {

using kerfa_content::types::Source;
using kerfa_render_html::HtmlFileRenderer;

TEST(HtmlPage, ADocumentWithoutItemsIsTheFrameAlone) {
    types::Document document;
    const std::string page = HtmlFileRenderer::from_document(document).render(document);
    EXPECT_TRUE(page.ends_with("</head>\n<body>\n\n\t</body>\n</html>"));
    EXPECT_EQ(body_of(page), "");
    // Each call appends one more complete page.
    std::string twice;
    const HtmlFileRenderer writer("");
    writer.render_all_to({}, twice);
    writer.render_all_to({}, twice);
    EXPECT_EQ(twice, page + page);
}

TEST(HtmlPage, SectionsCarryTheirParseNumberAndNothingBetween) {
    EXPECT_EQ(render_body(list(section(0))), "<section id=\"0\"></section>");
    EXPECT_EQ(render_body(list(section(0, list(text_item("a"), line_break())),
                               section(7, list(text_item("b"))))),
              "<section id=\"0\">a\n</section><section id=\"7\">b</section>");
}

TEST(HtmlPage, LinesContentAndText) {
    struct Case {
        Items items;
        std::string body;
    };
    std::vector<Case> cases;
    const std::vector<std::string> starts = {"<h1>", "<h2>", "<h3>", "<h4>", "<h5>",
                                             "<h6>", "<b>",  "",     ""};
    for (std::uint8_t level = 0; level < starts.size(); ++level) {
        std::string end = starts[level];
        if (!end.empty()) {
            end.insert(1, "/");
        }
        cases.push_back(
            {list(heading(level), text_item("T"), line_break()), starts[level] + "T" + end + "\n"});
    }
    cases.push_back({list(heading(255), text_item("T")), "T"});
    cases.push_back({list(heading(0), text_item("T")), "<h1>T</h1>"});
    cases.push_back({list(tagline(), text_item("note"), line_break(true), text_item("x")),
                     "<span class=\"tagline\">note</span>\r\nx"});
    cases.push_back(
        {list(text_item("a & b < c > d \"q\" 'r'")), "a &amp; b &lt; c &gt; d \"q\" 'r'"});
    cases.push_back({list(Data(Content(Content::Html{"<b onclick=\"x\">raw</b> &amp;"}))),
                     "<b onclick=\"x\">raw</b> &amp;"});
    cases.push_back({list(Data(Content(Content::Check{true})), Data(Content(Content::Check{false})),
                          Data(Content(Content::DividerLine{}))),
                     "<input type=\"checkbox\" checked><input type=\"checkbox\"><hr>"});
    for (const Case& c : cases) {
        EXPECT_EQ(render_body(c.items), c.body);
    }
}

// Markdown headings inside quotes and lists follow each other without a line break: the first
// heading's end is written before the next line starts.
TEST(HtmlPage, ALineReplacedByTheNextOneIsClosedFirst) {
    EXPECT_EQ(
        render_body(list(heading(0), text_item("A"), heading(1), text_item("B"), line_break())),
        "<h1>A</h1><h2>B</h2>\n");
    EXPECT_EQ(render_body(list(tagline(), text_item("A"), heading(2), text_item("B"))),
              "<span class=\"tagline\">A</span><h3>B</h3>");
    EXPECT_EQ(render_body(
                  list(block(1, {}, list(heading(0), text_item("Q"))), heading(0), text_item("R"))),
              "<blockquote><h1>Q</h1></blockquote><h1>R</h1>");
}

TEST(HtmlPage, ImagesAreLookedForInTheDocumentsFolder) {
    struct Case {
        Source image;
        std::string prefix;
        std::string body;
    };
    const std::vector<Case> cases = {
        {Source::file("map.png"), "Trip plan/", "<img src=\"Trip plan/map.png\" />"},
        {Source::file("map.png"), "", "<img src=\"map.png\" />"},
        {Source::file("http://x.org/a.png"), "d/", "<img src=\"http://x.org/a.png\" />"},
        {Source::file("https://x.org/a.png"), "d/", "<img src=\"https://x.org/a.png\" />"},
        {Source::file("HTTP://x.org/a.png"), "d/", "<img src=\"d/HTTP://x.org/a.png\" />"},
        {Source::file("ftp://x.org/a.png"), "d/", "<img src=\"d/ftp://x.org/a.png\" />"},
        {Source::file("data:image/png,x"), "d/", "<img src=\"d/data:image/png,x\" />"},
        {Source::file("/abs/a.png"), "d/", "<img src=\"d//abs/a.png\" />"},
        {Source::http("https://x.org/b.png"), "d/", "<img src=\"https://x.org/b.png\" />"},
        {Source::file("x.png\" onerror=\"alert(1)"), "d/",
         "<img src=\"d/x.png&quot; onerror=&quot;alert(1)\" />"},
        {Source::file("a.png"), "q\" onload=\"alert(1)/",
         "<img src=\"q&quot; onload=&quot;alert(1)/a.png\" />"},
        {Source::file(""), "d/", "<img src=\"d/\" />"},
        {Source(), "d/", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(render_body(list(Data(Content(Content::Image{c.image}))), c.prefix), c.body)
            << c.body;
    }
}

TEST(HtmlPage, ThePrefixIsTheStemOfTheDocumentsSource) {
    struct Case {
        Source source;
        std::string body;
    };
    const std::vector<Case> cases = {
        {Source::file("notes/Trip plan.kerfa"), "<img src=\"Trip plan/i.png\" />"},
        {Source::file("a.b.kerfa"), "<img src=\"a.b/i.png\" />"},
        {Source::file("README"), "<img src=\"README/i.png\" />"},
        {Source::file("x\".kerfa"), "<img src=\"x&quot;/i.png\" />"},
        {Source(), "<img src=\"i.png\" />"},
    };
    for (const Case& c : cases) {
        types::Document document;
        document.source = c.source;
        document.children = list(Data(Content(Content::Image{Source::file("i.png")})));
        EXPECT_EQ(body_of(HtmlFileRenderer::from_document(document).render(document)), c.body);
    }
}

TEST(HtmlPage, AContainerAloneIsAPageToo) {
    const Data item = section(3, list(text_item("s")));
    std::string page;
    HtmlFileRenderer("").render_container_to(*item.as_container(), page);
    EXPECT_EQ(body_of(page), "<section id=\"3\">s</section>");
}

}  // namespace
}  // namespace html_test
