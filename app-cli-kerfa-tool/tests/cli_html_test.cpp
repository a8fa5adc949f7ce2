// End to end on the built binary: the html command writes a standalone page.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path& example() {
    static const fs::path path =
        fs::path(KERFA_TESTS_DIR) / ".." / ".." / "examples" / "welcome.kerfa";
    return path;
}

TEST(CliHtml, TheExampleConvertsToAPageOnFileAndOnStandardOutput) {
    e2e::TempDir dir;
    const fs::path page = dir.path() / "welcome.html";
    const e2e::Run to_file = e2e::run_tool({"html", example().string(), page.string()});
    EXPECT_EQ(to_file.out, "Done.\n");
    EXPECT_EQ(to_file.err, "");
    EXPECT_EQ(to_file.status, 0);
    const std::string written = e2e::read_file(page);
    EXPECT_TRUE(written.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"));
    EXPECT_TRUE(written.ends_with("</section>\n\t</body>\n</html>"));
    EXPECT_NE(written.find("<section id=\"0\"><h1>Welcome</h1>\n"), std::string::npos);
    EXPECT_NE(written.find("<img src=\"welcome/kerfa-mark.svg\" />"), std::string::npos);
    EXPECT_NE(written.find("<a class=\"link\" href=\"kerfa:notes?filter=todo&select=2\">"),
              std::string::npos);
    EXPECT_EQ(written.find("private"), std::string::npos);

    // Standard output gets the same page and one line feed.
    const e2e::Run to_stdout = e2e::run_tool({"html", example().string()});
    EXPECT_EQ(to_stdout.out, written + "\n");
    EXPECT_EQ(to_stdout.status, 0);
}

TEST(CliHtml, PagesHoldOnlyWhatTheDocumentWrote) {
    struct Case {
        std::string file_name;
        std::string text;
        std::string body;  // between "<body>\n" and "\n\t</body>"
    };
    const std::vector<Case> cases = {
        {"empty.kerfa", "", "<section id=\"0\"></section>"},
        {"q\" onload=\"alert(1).kerfa", "<img a.png>",
         "<section id=\"0\"><img src=\"q&quot; onload=&quot;alert(1)/a.png\" /></section>"},
        {"i.kerfa", "<img \"a.png\\\" onerror=\\\"alert(2)\">",
         "<section id=\"0\"><img src=\"i/a.png&quot; onerror=&quot;alert(2)\" /></section>"},
        {"j.kerfa", "<link javascript:alert(3)>x<>",
         "<section id=\"0\"><a class=\"link\">x</a></section>"},
        {"f.kerfa", "<fn \"x;}</style\\><script\\>alert(4)</script\\>\">t<>",
         "<section id=\"0\"><span style=\"font-family: ;\">t</span></section>"},
        {"h.md.kerfa", "# A\n<b>x<>\n",
         "<section id=\"0\"><h1>A</h1>\n<strong>x</strong>\n</section>"},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path input = dir.write(c.file_name, c.text);
        const e2e::Run run = e2e::run_tool({"html", input.string()});
        EXPECT_EQ(run.status, 0) << c.file_name;
        const std::size_t body = run.out.find("<body>\n");
        ASSERT_NE(body, std::string::npos) << c.file_name;
        EXPECT_EQ(run.out.substr(body + 7), c.body + "\n\t</body>\n</html>\n") << c.file_name;
    }
}

}  // namespace

// Links that take their address from their text, nested without terminators: each text counts
// for the innermost link only, so the page grows with the input, not with its square.
TEST(CliHtml, NestedLinksGiveAPageInProportionToTheInput) {
    std::string text;
    while (text.size() < 1024 * 1024) {
        text += "<link>ab ";
    }
    e2e::TempDir dir;
    const fs::path input = dir.write("links.kerfa", text);
    const fs::path page = dir.path() / "links.html";
    const e2e::Run run = e2e::run_tool({"html", input.string(), page.string()});
    EXPECT_EQ(run.out, "Done.\n");
    EXPECT_EQ(run.status, 0);
    const std::uintmax_t size = fs::file_size(page);
    EXPECT_GT(size, text.size());
    EXPECT_LT(size, 5 * text.size());
    // The innermost link's address is its own text alone.
    const std::string written = e2e::read_file(page);
    EXPECT_NE(written.find("<a class=\"link\" href=\"ab \">ab </a></a>"), std::string::npos);
}
