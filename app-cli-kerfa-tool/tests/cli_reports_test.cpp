// End to end on the built binary: the statistics and test reports.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

std::string heading(const std::string& name) {
    return "\x1b[92m\u2500\u2500  " + name + "  \u2500\u2500\u2500\u2500\u2500\u2500\x1b[0m\n\n";
}

const std::string kErrorsFound = "\x1b[1m\x1b[91mErrors Found:\x1b[0m\n\n";

// Characters, not bytes: the micro signs take two bytes each.
std::size_t chars(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

// Checks the two timer lines (their values vary from run to run) and gives the report with
// both replaced by one line "<times>".
std::string without_times(const std::string& out) {
    static const std::regex time(
        " *([0-9]+ s  [0-9]{3} ms|[0-9]+ ms  [0-9]{3} \u03bcs|[0-9]{1,3} \u00b5s)");
    const std::string read_label = "Read Time         ";
    const std::string parse_label = "\nParse Time        ";
    const std::size_t read_at = out.find(read_label);
    const std::size_t parse_at = out.find(parse_label, read_at);
    if (read_at == std::string::npos || parse_at == std::string::npos) {
        ADD_FAILURE() << "no timer lines in\n" << out;
        return out;
    }
    const std::size_t parse_end = out.find('\n', parse_at + 1);
    for (const std::string& value :
         {out.substr(read_at + read_label.size(), parse_at - read_at - read_label.size()),
          out.substr(parse_at + parse_label.size(), parse_end - parse_at - parse_label.size())}) {
        EXPECT_EQ(chars(value), 16u) << "'" << value << "'";
        EXPECT_TRUE(std::regex_match(value, time)) << "'" << value << "'";
    }
    return out.substr(0, read_at) + "<times>" + out.substr(parse_end);
}

TEST(CliStatistics, NestedTables) {
    e2e::TempDir dir;
    const std::string path =
        dir.write("stock.kerfa",
                  "# Stock\n<table><h>Name<|>Qty<>\nApple<|><table>x<|>y<><>\nDone <b>now<>.\n")
            .string();
    const std::string expected = "\n" + heading("stock.kerfa") +
                                 "<times>\n"
                                 "\n"
                                 "Total                           28\n"
                                 "\n"
                                 "    Container                   13\n"
                                 "    Content                      9\n"
                                 "    Line Break                   3\n"
                                 "    Line Property                1\n"
                                 "    Property                     1\n"
                                 "    Property Terminator          1\n"
                                 "\n"
                                 "Total                           28\n"
                                 "\n"
                                 "    Container                   13\n"
                                 "\n"
                                 "        Block                   12\n"
                                 "\n"
                                 "            table                2\n"
                                 "            table-entry          4\n"
                                 "            table-heading         1\n"
                                 "            table-heading-entry         2\n"
                                 "            table-heading-row         1\n"
                                 "            table-row            2\n"
                                 "\n"
                                 "        Section                  1\n"
                                 "\n"
                                 "    Content                      9\n"
                                 "\n"
                                 "        Text                     9\n"
                                 "\n"
                                 "    Line Break                   3\n"
                                 "    Line Property                1\n"
                                 "\n"
                                 "        Heading                  1\n"
                                 "\n"
                                 "    Property                     1\n"
                                 "\n"
                                 "        bold                     1\n"
                                 "\n"
                                 "    Property Terminator          1\n"
                                 "\n"
                                 "\n"
                                 "\n";
    for (const std::vector<std::string>& line : {std::vector<std::string>{"statistics", path},
                                                 {"stat", path, "other.kerfa"},
                                                 {"-s", "stats", path}}) {
        const e2e::Run run = e2e::run_tool(line);
        EXPECT_EQ(without_times(run.out), expected) << line[0];
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
}

// Without the private option private regions are removed before parsing; with it only the
// tags go and the text inside is parsed.
TEST(CliStatistics, PrivateOptionChangesTheParse) {
    e2e::TempDir dir;
    const std::string path = dir.write("p.kerfa", "start <<p>><b>x<><<>>\n").string();
    const std::string removed =
        "Total                            3\n"
        "\n"
        "    Container                    1\n"
        "    Content                      1\n"
        "    Line Break                   1\n"
        "\n";
    const std::string kept =
        "Total                            6\n"
        "\n"
        "    Container                    1\n"
        "    Content                      2\n"
        "    Line Break                   1\n"
        "    Property                     1\n"
        "    Property Terminator          1\n"
        "\n";
    const std::string prefix = "\n" + heading("p.kerfa") + "<times>\n\n";
    EXPECT_EQ(
        without_times(e2e::run_tool({"stats", path}).out).substr(0, prefix.size() + removed.size()),
        prefix + removed);
    EXPECT_EQ(without_times(e2e::run_tool({"stats", path, "-p"}).out)
                  .substr(0, prefix.size() + kept.size()),
              prefix + kept);
}

TEST(CliTest, ValidAndInvalidDocuments) {
    e2e::TempDir dir;
    struct Case {
        std::string name;
        std::string text;
        std::vector<std::string> options;
        std::string report;
    };
    const std::vector<Case> cases = {
        {"valid.kerfa", "# Title\nSome <b>bold<> text.\n", {}, "Valid Document \U0001F44D\n"},
        {"empty.kfa", "", {}, "Valid Document \U0001F44D\n"},
        // Escape sequences in a message reach the terminal as text, never as control.
        {"invalid.kerfa",
         "# Doc\n<>\ntext <zz\x1b[2Jq>x<>\n",
         {},
         kErrorsFound + "\n"
                        "  Line 2: Unexpected terminator <>.\n"
                        "  Line 3: Invalid element: 'zz\\u{1b}[2Jq'.\n"
                        "\n"},
        {"private.kerfa", "a <<p>><zz>b<><<>>\n", {}, "Valid Document \U0001F44D\n"},
        {"private.kerfa",
         "a <<p>><zz>b<><<>>\n",
         {"--private"},
         kErrorsFound + "\n  Line 1: Invalid element: 'zz'.\n\n"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.write(c.name, c.text).string();
        std::vector<std::string> line = {"test", path};
        line.insert(line.end(), c.options.begin(), c.options.end());
        // The report's sequences are fixed: the colour settings do not change them.
        for (const auto& env : {std::vector<std::pair<std::string, std::optional<std::string>>>{},
                                {{"NO_COLOR", "1"}},
                                {{"CLICOLOR_FORCE", "1"}}}) {
            const e2e::Run run = e2e::run_tool(line, {.env = env});
            EXPECT_EQ(run.out, "\n" + heading(c.name) + c.report) << c.name;
            EXPECT_EQ(run.err, "") << c.name;
            EXPECT_EQ(run.status, 0) << c.name;
        }
    }
}

TEST(CliReports, ReadFailuresNameTheFile) {
    e2e::TempDir dir;
    const std::string missing = (dir.path() / "missing.kerfa").string();
    const std::filesystem::path folder = dir.path() / "folder.kerfa";
    std::filesystem::create_directory(folder);
    const std::string bad = dir.write("bad.kerfa", "ok \xff\n").string();
    struct Case {
        std::string path;
        std::string out;
    };
    const std::vector<Case> cases = {
        {missing, "File not found: " + missing + "\n\n"},
        {folder.string(), "folder.kerfa: Is a directory\n\n"},
        {bad, "bad.kerfa: stream did not contain valid UTF-8\n\n"},
    };
    for (const std::string command : {"test", "statistics"}) {
        for (const Case& c : cases) {
            const e2e::Run run = e2e::run_tool({command, c.path});
            EXPECT_EQ(run.out, c.out) << command << " " << c.path;
            EXPECT_EQ(run.err, "") << command << " " << c.path;
            EXPECT_EQ(run.status, 1) << command << " " << c.path;
        }
    }
}

// Two hundred thousand nested blocks: parsed, counted and reported without running out of
// stack.
TEST(CliReports, DeepDocument) {
    constexpr int kDepth = 200'000;
    std::string text = "# Deep\n";
    for (int i = 0; i < kDepth; ++i) {
        text += "<{>";
    }
    text += "x";
    for (int i = 0; i < kDepth; ++i) {
        text += "<>";
    }
    text += "\n";
    e2e::TempDir dir;
    const std::string path = dir.write("deep.kerfa", text).string();

    const e2e::Run test = e2e::run_tool({"test", path});
    EXPECT_EQ(test.out, "\n" + heading("deep.kerfa") + "Valid Document \U0001F44D\n");
    EXPECT_EQ(test.status, 0);

    const e2e::Run stats = e2e::run_tool({"stats", path});
    EXPECT_EQ(stats.status, 0);
    const std::string tree =
        "Total                      200,006\n"
        "\n"
        "    Container              200,001\n"
        "\n"
        "        Block              200,000\n"
        "\n"
        "            block          200,000\n"
        "\n"
        "        Section                  1\n"
        "\n";
    EXPECT_NE(without_times(stats.out).find(tree), std::string::npos) << stats.out;
}

}  // namespace
