// Pages checked in a real browser: headless Chromium loads them and the DOM it built must hold
// what the document wrote, and nothing that would run that the document did not write.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "support/browser.hpp"

namespace html_test {
namespace {

namespace fs = std::filesystem;
using kerfa_content::types::Source;

// The same road as a conversion on the command line: Kerfa parser, then the HTML arm of the
// converter.
std::string convert_to_page(const std::string& text, const fs::path& source) {
    namespace configure = kerfa_document_manager::configure;
    auto parse = configure::ParserFactory::with_setup({}, configure::DoubleTagMode::RemovePrivate)
                     .parse_from(text, Source::file(source.string()));
    const auto document = kerfa_content::modules::parser::types::to_document(
        std::move(parse), Source::file(source.string()));
    return kerfa_document_manager::components::convertors::convert(
        document, kerfa_document_manager::types::ConvertTarget::Html);
}

std::string read_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_text(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> texts(const Dom& dom, const std::vector<const DomElement*>& elements) {
    std::vector<std::string> found;
    for (const DomElement* element : elements) {
        found.push_back(dom.text_of(*element));
    }
    return found;
}

std::vector<std::string> values(const std::vector<const DomElement*>& elements,
                                std::string_view attribute) {
    std::vector<std::string> found;
    for (const DomElement* element : elements) {
        const std::string* value = element->attribute(attribute);
        found.push_back(value != nullptr ? *value : "<none>");
    }
    return found;
}

// The scheme as a browser reads it, lower case.
bool runs_script(std::string target) {
    std::string plain;
    for (char c : target) {
        if (c != '\t' && c != '\n' && c != '\r') {
            plain.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
    }
    const std::size_t start = plain.find_first_not_of(std::string(" \x01\x02\x0b\x0c\x1f", 6));
    plain.erase(0, start == std::string::npos ? plain.size() : start);
    return plain.starts_with("javascript:") || plain.starts_with("vbscript:") ||
           plain.starts_with("data:");
}

// Nothing on the page can run: no script element, no event-handler attribute, no link or
// source with a script scheme, and the one style sheet is ours, in the head.
void expect_nothing_runs(const Dom& dom) {
    EXPECT_TRUE(dom.select("script").empty());
    for (const DomElement& element : dom.elements()) {
        for (const auto& [name, value] : element.attributes) {
            EXPECT_FALSE(name.starts_with("on")) << element.name << " " << name << "=" << value;
            if (name == "href" || name == "src" || name == "action" || name == "formaction") {
                EXPECT_FALSE(runs_script(value)) << element.name << " " << name << "=" << value;
            }
        }
    }
    const auto styles = dom.select("style");
    ASSERT_EQ(styles.size(), 1u);
    const auto heads = dom.select("head");
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_TRUE(dom.contains(*heads.front(), *styles.front()));
    EXPECT_TRUE(styles.front()->own_text.ends_with(
        "/*# sourceMappingURL=kerfa-html-file.css.map */\n\n\t"));
}

class BrowserDom : public testing::Test {
  protected:
    void SetUp() override {
        chromium_ = find_chromium();
        if (!chromium_) {
            GTEST_SKIP() << "chromium is not installed (scripts/setup installs it)";
        }
        folder_ = fs::temp_directory_path() /
                  ("kerfa-html-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    Dom load(const std::string& page, const std::string& name) {
        const fs::path path = folder_ / name;
        write_text(path, page);
        const std::optional<std::string> dom = dump_dom(*chromium_, path);
        EXPECT_TRUE(dom.has_value()) << "chromium could not load " << path;
        return Dom::parse(dom.value_or(""));
    }

    std::optional<std::string> chromium_;
    fs::path folder_;
};

TEST_F(BrowserDom, TheExampleShowsEveryFeatureAndRunsNothing) {
    // The examples folder of the source tree, wherever the tests run from.
    const fs::path example =
        fs::path(KERFA_TESTS_DIR) / ".." / ".." / "examples" / "welcome.kerfa";
    const std::string text = read_text(example);
    ASSERT_FALSE(text.empty()) << "cannot read " << fs::absolute(example);
    fs::copy(example.parent_path() / "welcome", folder_ / "welcome", fs::copy_options::recursive);
    const Dom dom = load(convert_to_page(text, example), "welcome.html");
    expect_nothing_runs(dom);

    EXPECT_EQ(values(dom.select("section"), "id"),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(texts(dom, dom.select("h1")), std::vector<std::string>{"Welcome"});
    EXPECT_EQ(texts(dom, dom.select("h2")),
              (std::vector<std::string>{"Lists", "A table", "Cards and code", "Colours and type",
                                        "Links"}));

    // Lists of several styles, one inside another, numbered from a given start.
    const auto bullets = dom.select("ul", "default");
    ASSERT_EQ(bullets.size(), 1u);
    EXPECT_EQ(bullets.front()->children.size(), 4u);
    const auto dashes = dom.select("ul", "dash");
    ASSERT_EQ(dashes.size(), 1u);
    EXPECT_TRUE(dom.contains(*bullets.front(), *dashes.front()));
    EXPECT_EQ(dom.elements()[dashes.front()->parent].name, "li");
    EXPECT_EQ(values(dom.select("ol"), "start"), (std::vector<std::string>{"3", "3", "<none>"}));
    EXPECT_EQ(
        values(dom.select("ol"), "style"),
        (std::vector<std::string>{"list-style-type: decimal;", "list-style-type: lower-alpha;",
                                  "list-style-type: upper-roman;"}));
    EXPECT_EQ(dom.select("li").size(), 12u);
    const auto boxes = dom.select("input");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[0]->attribute("checked"), nullptr);
    EXPECT_EQ(boxes[1]->attribute("checked"), nullptr);

    // Tables with heading rows, cells, classes.
    const auto grids = dom.select("table", "grid");
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(texts(dom, dom.select("th")),
              (std::vector<std::string>{"Element", "Written as", "Shows", "Year", "Pages"}));
    EXPECT_EQ(dom.select("td").size(), 13u);
    EXPECT_EQ(dom.select("table", "striped").size(), 1u);
    EXPECT_EQ(dom.select("tr").size(), 7u);

    // Boxes, quotes, indents, code, colours.
    EXPECT_EQ(values(dom.select("div", "card"), "style"),
              (std::vector<std::string>{"<none>", "background-color: lightyellow;"}));
    EXPECT_EQ(texts(dom, dom.select("div", "codebox")),
              std::vector<std::string>{"for line in document:\n    print(line)"});
    EXPECT_EQ(dom.select("blockquote").size(), 1u);
    EXPECT_EQ(values(dom.select("div", "indent"), "style"),
              std::vector<std::string>{"margin-left: 2em;"});
    EXPECT_EQ(dom.select("code").size(), 1u);
    EXPECT_EQ(values(dom.select("span", "badge"), "style"),
              (std::vector<std::string>{"background-color: green;", "background-color: blue;"}));
    EXPECT_EQ(
        texts(dom, dom.select("span", "tagline")),
        std::vector<std::string>{"Every line break of the text is a line break on the page."});
    EXPECT_EQ(dom.select("hr").size(), 1u);

    // The image in the document's folder, links of every kind.
    EXPECT_EQ(values(dom.select("img"), "src"), std::vector<std::string>{"welcome/kerfa-mark.svg"});
    EXPECT_EQ(values(dom.select("a"), "href"),
              (std::vector<std::string>{"https://example.org/kerfa", "https://example.org/",
                                        "mailto:team@example.org", "tel:+1 555 0100",
                                        "kerfa:notes?filter=todo&select=2", "?filter=travel",
                                        "?select=Lists"}));

    // The private region never reaches the page.
    EXPECT_EQ(dom.text_of(dom.elements()[0]).find("private"), std::string::npos);
}

// Every value the document gives is data: it cannot end its attribute, add one, open a tag, or
// smuggle a script scheme into a link.
TEST_F(BrowserDom, InjectionAttemptsStayData) {
    const std::string text =
        "# Injection attempts\n"
        "<img \"pic.png\\\" onerror=\\\"alert(1)\">\n"
        "<link javascript:alert(2)>script link<>\n"
        "<link \" JaVaScRiPt:alert(3)\">spaced script link<>\n"
        "<link>javascript:alert(4)<>\n"
        "<link vbscript:msgbox(5)>vb link<>\n"
        "<link \"data:text/html,<script\\>alert(6)</script\\>\">data link<>\n"
        "<fn \"x;}</style\\><script\\>alert(7)</script\\>\">font name<>\n"
        "<size \"1em\\\" onmouseover=\\\"alert(8)\">font size<>\n"
        "<block \"wide\\\" onclick=\\\"alert(9)\">block class<>\n"
        "<address \"\\\"\\><script\\>alert(10)</script\\>\">address<>\n"
        "<email \"x\\\" onfocus=\\\"alert(11)\">mail<>\n"
        "<link \"https://example.org/?a=1&b=\\\"2\\\"\">a real link<>\n"
        "<img photo.png>\n"
        "<html-block><b id=\"own-markup\">raw HTML the document wrote</b><>\n";
    // A quote in the file name reaches the page through the images' folder.
    const fs::path source = folder_ / "q\" onload=\"alert(12).kerfa";
    write_text(source, text);
    const Dom dom = load(convert_to_page(text, source), "injection.html");
    expect_nothing_runs(dom);

    const std::string folder = "q\" onload=\"alert(12)/";
    const auto images = dom.select("img");
    EXPECT_EQ(
        values(images, "src"),
        (std::vector<std::string>{folder + "pic.png\" onerror=\"alert(1)", folder + "photo.png"}));
    for (const DomElement* image : images) {
        EXPECT_EQ(image->attributes.size(), 1u);
    }

    const auto links = dom.select("a");
    EXPECT_EQ(values(links, "href"),
              (std::vector<std::string>{"<none>", "<none>", "<none>", "<none>", "<none>",
                                        "mailto:x\" onfocus=\"alert(11)",
                                        "https://example.org/?a=1&b=\"2\""}));
    EXPECT_EQ(texts(dom, links),
              (std::vector<std::string>{"script link", "spaced script link", "javascript:alert(4)",
                                        "vb link", "data link", "mail", "a real link"}));
    for (const DomElement* link : links) {
        EXPECT_LE(link->attributes.size(), 2u);
    }

    const auto spans = dom.select("span");
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0]->attributes,
              (std::vector<std::pair<std::string, std::string>>{{"style", "font-family: ;"}}));
    EXPECT_EQ(dom.text_of(*spans[0]), "font name");
    EXPECT_EQ(spans[1]->attributes,
              (std::vector<std::pair<std::string, std::string>>{{"style", "font-size: ;"}}));
    EXPECT_EQ(spans[2]->attributes,
              (std::vector<std::pair<std::string, std::string>>{
                  {"class", "address"}, {"data", "\"><script>alert(10)</script>"}}));

    const auto blocks = dom.select("div");
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks.front()->attributes, (std::vector<std::pair<std::string, std::string>>{
                                              {"class", "block wide\" onclick=\"alert(9)"}}));

    // The document's own raw HTML is its own feature and stays.
    const auto own = dom.select("b");
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(values(own, "id"), std::vector<std::string>{"own-markup"});
}

// Striped tables shade every other body row, starting with the first; the heading row is not
// shaded like a body row, in a card neither. The browser computes the backgrounds: the page gets
// a script of the test's own that writes each row's computed background into the row.
TEST_F(BrowserDom, StripedTablesShadeBodyRowsOnly) {
    const std::string text =
        "<table striped><th>H1<|>H2<>\na<|>b\nc<|>d\ne<|>f<>\n"
        "<card><table striped><th>H<>\na\nb\nc<><>\n";
    std::string page = convert_to_page(text, folder_ / "striped.kerfa");
    const std::string script =
        "<script>for (const row of document.querySelectorAll('tr')) "
        "row.setAttribute('data-bg', getComputedStyle(row).backgroundColor);</script>";
    const std::size_t end = page.rfind("</body>");
    ASSERT_NE(end, std::string::npos);
    page.insert(end, script);
    const Dom dom = load(page, "striped.html");
    const std::vector<std::string> backgrounds = values(dom.select("tr"), "data-bg");
    ASSERT_EQ(backgrounds.size(), 8u);

    // The plain table: a heading row, then shaded, plain, shaded.
    const std::string transparent = "rgba(0, 0, 0, 0)";
    EXPECT_EQ(backgrounds[0], transparent);
    EXPECT_NE(backgrounds[1], transparent);
    EXPECT_NE(backgrounds[1], backgrounds[2]);
    EXPECT_EQ(backgrounds[1], backgrounds[3]);

    // In a card the heading row takes the box's colour, apart from both kinds of body row.
    EXPECT_NE(backgrounds[4], backgrounds[5]);
    EXPECT_NE(backgrounds[4], backgrounds[6]);
    EXPECT_NE(backgrounds[5], backgrounds[6]);
    EXPECT_EQ(backgrounds[5], backgrounds[7]);
}

}  // namespace
}  // namespace html_test
