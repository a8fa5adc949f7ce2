#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "controller/arguments.hpp"

namespace {

using kerfa_tool::controller::get_arguments;
using kerfa_tool::types::Arguments;
using kerfa_tool::types::Command;
using kerfa_tool::types::ConvertTarget;

// A flat view of a parsed command line, so that one table can state every expectation.
struct Parsed {
    std::string kind = {};  // "" when there is no command
    std::string detail = {};
    std::optional<std::string> output = {};
    bool show_info = false;
    bool silent = false;
    int privacy = 3;

    bool operator==(const Parsed&) const = default;
};

std::string show(const std::optional<std::string>& text) {
    return text ? "=" + *text : "-";
}

void PrintTo(const Parsed& p, std::ostream* os) {
    *os << "{" << p.kind << " '" << p.detail << "' output" << show(p.output) << " info "
        << p.show_info << " silent " << p.silent << " privacy " << p.privacy << "}";
}

Parsed flatten(const Arguments& arguments) {
    Parsed parsed{.output = arguments.output,
                  .show_info = arguments.show_info,
                  .silent = arguments.silent,
                  .privacy = static_cast<int>(arguments.privacy)};
    if (!arguments.command) {
        return parsed;
    }
    std::visit(
        [&parsed](const auto& command) {
            using T = std::decay_t<decltype(command)>;
            if constexpr (std::is_same_v<T, Command::Help>) {
                parsed.kind = "help";
            } else if constexpr (std::is_same_v<T, Command::PrintAppInfo>) {
                parsed.kind = "info";
            } else if constexpr (std::is_same_v<T, Command::Stats>) {
                parsed.kind = "stats";
                parsed.detail = command.file;
            } else if constexpr (std::is_same_v<T, Command::Test>) {
                parsed.kind = "test";
                parsed.detail = command.file;
            } else if constexpr (std::is_same_v<T, Command::Convert>) {
                parsed.kind = "convert" + std::to_string(static_cast<int>(command.target));
                parsed.detail = command.file;
            } else if constexpr (std::is_same_v<T, Command::PrintSource>) {
                parsed.kind = "source";
                parsed.detail = command.file + " section" + show(command.section);
            } else if constexpr (std::is_same_v<T, Command::Hash>) {
                parsed.kind = "hash";
                parsed.detail = command.file;
            } else if constexpr (std::is_same_v<T, Command::AiChats>) {
                parsed.kind = "ai";
                parsed.detail = command.directory + (command.markdown ? " md" : "") +
                                (command.chatgpt ? " gpt" : "") +
                                (command.claude ? " claude" : "") + " index" +
                                show(command.index_name);
            } else if constexpr (std::is_same_v<T, Command::Index>) {
                parsed.kind = "index";
                parsed.detail = command.directory + (command.markdown ? " md" : "") + " index" +
                                show(command.index_name);
            } else {
                parsed.kind = "invalid";
                parsed.detail = command.message;
            }
        },
        arguments.command->value);
    return parsed;
}

Parsed parse(std::vector<std::string> line) {
    return flatten(get_arguments(std::move(line)));
}

TEST(CommandWords, EveryWordSelectsItsCommandAndNoOtherWordDoes) {
    struct Group {
        std::string kind;
        std::vector<std::string> words;
    };
    const std::vector<Group> groups{
        {"help", {"h", "help"}},
        {"info", {"i", "v", "app", "ver", "info", "version", "app-info"}},
        {"stats", {"stat", "stats", "statistics"}},
        {"test", {"c", "t", "ch", "test", "check"}},
        {"convert0",
         {"head", "heading", "headings", "to-head", "to_head", "to-heading", "to_heading",
          "to-headings", "to_headings"}},
        {"convert1", {"html", "to-html", "to_html"}},
        {"convert2", {"md", "mark", "markdown", "to-markdown", "to_markdown"}},
        {"convert3", {"kerfa", "to-kerfa", "to_kerfa"}},
        {"convert4",
         {"ind", "indented", "kerfa-indented", "kerfa_indented", "to-kerfa-indented",
          "to_kerfa_indented"}},
        {"convert5",
         {"min", "kerfa-min", "kerfa_min", "min_kerfa", "to-kerfa-min", "to_kerfa_min",
          "to-min-kerfa", "to_min_kerfa", "kerfa-minimalist", "kerfa_minimalist",
          "minimalist_kerfa", "to-kerfa-minimalist", "to_kerfa_minimalist", "to-minimalist-kerfa",
          "to_minimalist_kerfa"}},
        {"convert6",
         {"v1", "kerfa-1", "kerfa_1", "kerfa-v1", "kerfa_v1", "to-kerfa-1", "to_kerfa_1",
          "to-kerfa-v1", "to_kerfa_v1"}},
        {"convert7",
         {"s", "struct", "structure", "to-struct", "to_struct", "to-structure", "to_structure"}},
        {"convert8", {"txt", "text", "to-txt", "to-text"}},
        {"source", {"src", "source"}},
        {"hash", {"hash"}},
        {"ai",
         {"ai", "ai-chats", "ai-history", "convert-ai", "convert-ai-chats", "convert-ai-history"}},
        {"index", {"index", "index-dir", "index-directory"}},
    };
    for (const Group& group : groups) {
        for (const std::string& word : group.words) {
            EXPECT_EQ(parse({word, "operand"}).kind, group.kind) << word;
        }
    }
    // Case-sensitive, whole words, and the alias sets are not symmetric.
    for (std::string word : {"HTML", "Help", "to_txt", "to_text", "min-kerfa", "minimalist-kerfa",
                             "kerfa-v", "v2", "sec", "html ", " html", "", "\xff\xfe", "hashes"}) {
        EXPECT_EQ(parse({word, "operand"}),
                  (Parsed{.kind = "invalid", .detail = "Invalid command: '" + word + "'"}))
            << word;
    }
}

TEST(CommandLine, OperandsAndOptions) {
    struct Case {
        std::vector<std::string> line;
        Parsed expected;
    };
    const std::vector<Case> cases{
        {{}, {}},
        {{"-i"}, {.show_info = true}},
        {{"--HTML"}, {}},
        {{"-i", "info"}, {.kind = "info", .show_info = true}},
        // Options stand anywhere; -s is silent even though "s" is the structure word.
        {{"-s", "html", "a.kerfa", "b.html"},
         {.kind = "convert1", .detail = "a.kerfa", .output = "b.html", .silent = true}},
        {{"s", "a.kerfa"}, {.kind = "convert7", .detail = "a.kerfa"}},
        {{"html", "a.kerfa", "-v"}, {.kind = "convert1", .detail = "a.kerfa", .show_info = true}},
        // A one-dash group is one flag per letter; two dashes name one option.
        {{"-sp", "test", "a"}, {.kind = "test", .detail = "a", .silent = true, .privacy = 1}},
        {{"--sp", "test", "a"}, {.kind = "test", .detail = "a", .privacy = 1}},
        {{"-SP", "test", "a"}, {.kind = "test", .detail = "a", .silent = true, .privacy = 1}},
        {{"--Show-Private", "test", "a"}, {.kind = "test", .detail = "a", .privacy = 1}},
        // A value does not turn a flag off.
        {{"--silent=no", "--private=false", "hash", "a"},
         {.kind = "hash", .detail = "a", .silent = true, .privacy = 1}},
        {{"-", "hash", "-", "a"}, {.kind = "hash", .detail = "a"}},
        {{"--", "hash", "a"}, {.kind = "hash", .detail = "a"}},
        {{"test", "a", "b"}, {.kind = "test", .detail = "a"}},
        {{"html", "a"}, {.kind = "convert1", .detail = "a"}},
        {{"md", "a", "b", "c"}, {.kind = "convert2", .detail = "a", .output = "b"}},
        {{"stats"}, {.kind = "invalid", .detail = "Missing kerfa file name."}},
        {{"test"}, {.kind = "invalid", .detail = "Missing kerfa file name."}},
        {{"hash"}, {.kind = "invalid", .detail = "Missing kerfa file name."}},
        {{"source"}, {.kind = "invalid", .detail = "Missing kerfa file name."}},
        {{"html"}, {.kind = "invalid", .detail = "Missing kerfa file name."}},
        {{"ai-chats"}, {.kind = "invalid", .detail = "Missing directory."}},
        {{"index"}, {.kind = "invalid", .detail = "Missing directory."}},
        {{"hash", ""}, {.kind = "hash", .detail = ""}},
        // Section selectors: "section" wins over "sec" whatever the order; no value is none;
        // an empty value is an empty selector; a separate word is the file.
        {{"--sec=Y", "source", "a", "--section=X"}, {.kind = "source", .detail = "a section=X"}},
        {{"source", "a", "--SEC=Intro"}, {.kind = "source", .detail = "a section=Intro"}},
        {{"source", "a", "--section="}, {.kind = "source", .detail = "a section="}},
        {{"source", "a", "--section"}, {.kind = "source", .detail = "a section-"}},
        {{"source", "--section", "2", "a"}, {.kind = "source", .detail = "2 section-"}},
        {{"hash", "a", "--section=1"}, {.kind = "hash", .detail = "a"}},
        {{"ai-chats", "export", "out", "--index=Chats.md", "--gpt", "-m"},
         {.kind = "ai", .detail = "export md gpt index=Chats.md", .output = "out"}},
        {{"ai", "export", "--claude", "--markdown"},
         {.kind = "ai", .detail = "export md claude index-"}},
        {{"index", "docs", "extra", "--md", "--index="},
         {.kind = "index", .detail = "docs md index="}},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& word : c.line) {
            line += "[" + word + "]";
        }
        EXPECT_EQ(parse(c.line), c.expected) << line;
    }
}

}  // namespace
