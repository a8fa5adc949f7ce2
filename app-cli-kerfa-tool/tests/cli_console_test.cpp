// End to end on the built binary: help, application information, invalid command lines,
// colours and failed writes to standard output.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

const std::string kHelp =
    "\n"
    "Usage: kerfa-tool <command>\n"
    "Usage: kerfa-tool <command> <kerfa_file> [ <output_file> ]\n"
    "\n"
    "Usage: kerfa-tool help       | h\n"
    "Usage: kerfa-tool --app-info | -i\n"
    "Usage: kerfa-tool --silent   | -s\n"
    "\n"
    "  <command>               One of the following:\n"
    "\n"
    "  help            |  h      Prints this help message.\n"
    "  --app-info      |  -i     Prints application information.\n"
    "  --silent        |  -s     Mutes informational messages.\n"
    "\n"
    "  statistics      |         Show statistics for a kerfa file.\n"
    "  structure       |  s      Show the structure of a kerfa file.\n"
    "  kerfa-indented  |  ind    Convert to indented Kerfa (for debugging).\n"
    "  test            |  t      Test file and show any errors.\n"
    "  source          |  src    Print the exact authored bytes of a file.\n"
    "    --section=<id|title>|         One section only (outline id or heading title).\n"
    "  hash            |         Print the SHA-256 hash of the file bytes.\n"
    "\n"
    "  headings        |         Extract headings.\n"
    "  html            |         Convert to HTML.\n"
    "  markdown        |  md     Convert to Markdown.\n"
    "  kerfa           |         Convert to Kerfa.\n"
    "  kerfa-min       |  min    Convert to minimalist Kerfa.\n"
    "  kerfa-v1        |  v1     Convert to Kerfa V1.\n"
    "  text            |         Convert to text.\n"
    "\n"
    "  ai-chats        |  ai     Convert AI chat history into Kerfa documents.\n"
    "\n"
    "    --markdown    |  --md   Output as Markdown (defaults to Kerfa).\n"
    "    --chatgpt     |  --gpt  Sets conversion for ChatGPT.\n"
    "    --claude      |         Sets conversion for Claude.\n"
    "    --index=<name>|         Custom index filename (default: Index).\n"
    "\n"
    "  index           |  index-dir  Create a Kerfa index of the files in a directory.\n"
    "\n"
    "    --markdown    |  --md   Output as Markdown (defaults to Kerfa).\n"
    "    --index=<name>|         Custom index filename (default: Index).\n"
    "\n";

// The heading's sequences are fixed; only the values follow the colour decision.
const std::string kInfo =
    "\n"
    "\x1b[92m──  kerfa-tool  ──────\x1b[0m\n"
    "\n"
    "  Application   kerfa-tool\n"
    "  Version       1.0.0-89\n"
    "  Created       2023-10-19\n"
    "  Updated       2026-08-09\n"
    "  Build Number  89\n"
    "\n";

const std::string kInfoColored =
    "\n"
    "\x1b[92m──  kerfa-tool  ──────\x1b[0m\n"
    "\n"
    "  Application   \x1b[93mkerfa-tool\x1b[0m\n"
    "  Version       \x1b[93m1.0.0-89\x1b[0m\n"
    "  Created       \x1b[93m2023-10-19\x1b[0m\n"
    "  Updated       \x1b[93m2026-08-09\x1b[0m\n"
    "  Build Number  \x1b[93m89\x1b[0m\n"
    "\n";

std::string invalid_block(const std::string& message) {
    return "\n\x1b[1m\x1b[91mInvalid Command:\x1b[0m\n\n\n  " + message + "\n\n";
}

struct Case {
    std::vector<std::string> line;
    std::string out;
};

void expect_runs(const std::vector<Case>& cases, const e2e::Options& options = {}) {
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& word : c.line) {
            shown += "[" + word + "]";
        }
        e2e::Run run = e2e::run_tool(c.line, options);
        EXPECT_EQ(run.out, c.out) << shown;
        EXPECT_EQ(run.err, "") << shown;
        EXPECT_EQ(run.status, 0) << shown;
    }
}

TEST(CliConsole, HelpAndApplicationInformation) {
    expect_runs({
        {{}, kHelp},
        {{"help"}, kHelp},
        {{"h", "ignored", "--unknown"}, kHelp},
        {{"-i"}, kInfo},
        {{"--VERSION"}, kInfo},
        {{"-s", "-i"}, kInfo},
        {{"info"}, kInfo},
        {{"-i", "help"}, kInfo + kHelp},
        {{"-i", "info"}, kInfo + kInfo},
        {{"--app-info=no", "v"}, kInfo + kInfo},
        {{"-i", "stats"}, kInfo + invalid_block("Missing kerfa file name.")},
    });
}

TEST(CliConsole, InvalidCommandLinesEndWithStatusZero) {
    expect_runs({
        {{"HTML", "a.kerfa"}, invalid_block("Invalid command: 'HTML'")},
        {{"to_txt", "a.kerfa"}, invalid_block("Invalid command: 'to_txt'")},
        {{"min-kerfa"}, invalid_block("Invalid command: 'min-kerfa'")},
        {{""}, invalid_block("Invalid command: ''")},
        {{"\xff\xfe"}, invalid_block("Invalid command: '\xff\xfe'")},
        {{"stats"}, invalid_block("Missing kerfa file name.")},
        {{"-s", "test"}, invalid_block("Missing kerfa file name.")},
        {{"hash"}, invalid_block("Missing kerfa file name.")},
        {{"html"}, invalid_block("Missing kerfa file name.")},
        {{"src", "--section=1"}, invalid_block("Missing kerfa file name.")},
        {{"ai-chats", "--gpt"}, invalid_block("Missing directory.")},
        {{"index"}, invalid_block("Missing directory.")},
    });
}

TEST(CliConsole, ColoursFollowTheEnvironment) {
    const std::string colored_row =
        "  \x1b[93mhelp            \x1b[0m\x1b[90m|\x1b[0m  \x1b[93mh    \x1b[0m  "
        "Prints this help message.\n";
    const std::string colored_usage =
        "Usage: \x1b[93mkerfa-tool\x1b[0m \x1b[95m<command>\x1b[0m \x1b[95m<kerfa_file>\x1b[0m "
        "\x1b[90m[\x1b[0m \x1b[95m<output_file>\x1b[0m \x1b[90m]\x1b[0m\n";
    const std::string colored_command =
        "  \x1b[95m<command>               \x1b[0mOne of the following:\n";
    struct ColorCase {
        std::vector<std::pair<std::string, std::optional<std::string>>> env;
        bool colored;
    };
    const std::vector<ColorCase> cases{
        {{}, false},
        {{{"CLICOLOR_FORCE", "1"}}, true},
        {{{"CLICOLOR_FORCE", ""}}, true},
        {{{"CLICOLOR_FORCE", "1"}, {"NO_COLOR", "1"}}, true},
        {{{"CLICOLOR_FORCE", "0"}}, false},
        {{{"NO_COLOR", "1"}}, false},
        {{{"NO_COLOR", ""}, {"CLICOLOR", "1"}}, false},
        {{{"CLICOLOR", "1"}}, false},
    };
    for (const ColorCase& c : cases) {
        e2e::Options options{.env = c.env};
        std::string shown;
        for (const auto& [name, value] : c.env) {
            shown += name + "=" + value.value_or("") + " ";
        }
        e2e::Run help = e2e::run_tool({"help"}, options);
        e2e::Run info = e2e::run_tool({"-i"}, options);
        e2e::Run error = e2e::run_tool({"hash", "/nonexistent/kerfa-e2e"}, options);
        e2e::Run invalid = e2e::run_tool({"HTML"}, options);
        if (c.colored) {
            EXPECT_NE(help.out.find(colored_row), std::string::npos) << shown;
            EXPECT_NE(help.out.find(colored_usage), std::string::npos) << shown;
            EXPECT_NE(help.out.find(colored_command), std::string::npos) << shown;
            EXPECT_EQ(info.out, kInfoColored) << shown;
            EXPECT_EQ(error.out, "\x1b[91mFile not found: /nonexistent/kerfa-e2e\x1b[0m\n\n")
                << shown;
        } else {
            EXPECT_EQ(help.out, kHelp) << shown;
            EXPECT_EQ(info.out, kInfo) << shown;
            EXPECT_EQ(error.out, "File not found: /nonexistent/kerfa-e2e\n\n") << shown;
        }
        // The error label keeps its fixed sequences either way.
        EXPECT_EQ(invalid.out, invalid_block("Invalid command: 'HTML'")) << shown;
        EXPECT_EQ(error.status, 1) << shown;
    }
}

TEST(CliConsole, FailedWriteToStandardOutputIsAnInternalFault) {
    e2e::TempDir dir;
    std::string file = dir.write("a.kerfa", "# A\n").string();
    for (std::vector<std::string> line : std::vector<std::vector<std::string>>{
             {}, {"-i"}, {"hash", file}, {"hash", "/nonexistent"}, {"HTML"}}) {
        e2e::Run run = e2e::run_tool(line, {.stdout_path = "/dev/full"});
        EXPECT_EQ(run.status, 101) << line.size();
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    }
}

}  // namespace
