// End to end on the built binary: a Kerfa file that begins with a byte-order mark (some editors
// write one) reads as the same file without it, while `source` keeps every byte.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

const std::string kBom = "\xEF\xBB\xBF";
const std::string kDocument = "# Title\nbody <b>x<>\n# Two\nx\n";

TEST(CliByteOrderMark, TheMarkIsNoTextAndSourceKeepsIt) {
    e2e::TempDir with;
    e2e::TempDir without;
    const std::string marked = with.write("doc.kerfa", kBom + kDocument).string();
    const std::string plain = without.write("doc.kerfa", kDocument).string();

    // Checked, converted and written back as if the mark were not there: the heading is one.
    for (const std::vector<std::string>& line :
         std::vector<std::vector<std::string>>{{"test"}, {"kerfa"}, {"html"}}) {
        const e2e::Run run = e2e::run_tool({line[0], marked});
        const e2e::Run expected = e2e::run_tool({line[0], plain});
        EXPECT_EQ(run.status, 0) << line[0];
        EXPECT_EQ(run.out, expected.out) << line[0];
        EXPECT_EQ(run.err, expected.err) << line[0];
    }
    const e2e::Run kerfa = e2e::run_tool({"kerfa", marked});
    EXPECT_EQ(kerfa.out, "# Title\nbody <bold>x<>\n# Two\nx\n\n");
    const e2e::Run html = e2e::run_tool({"html", marked});
    EXPECT_NE(html.out.find("<section id=\"0\"><h1>Title</h1>\n"), std::string::npos);

    // The first section holds the mark's bytes, so the sections still make up the file.
    const std::vector<std::pair<std::vector<std::string>, std::string>> sources = {
        {{}, kBom + kDocument},
        {{"--section=title"}, kBom + "# Title\nbody <b>x<>\n"},
        {{"--section=0"}, kBom + "# Title\nbody <b>x<>\n"},
        {{"--section=Two"}, "# Two\nx\n"},
    };
    for (const auto& [options, out] : sources) {
        std::vector<std::string> line = {"source", marked};
        line.insert(line.end(), options.begin(), options.end());
        const e2e::Run run = e2e::run_tool(line);
        EXPECT_EQ(run.out, out) << (options.empty() ? "whole" : options[0]);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
}

}  // namespace
