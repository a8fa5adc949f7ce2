#pragma once

// Example files: runs of kerfa-tool written as data, one file per rule of a writer
// (tests/examples/<writer>/<rule>.example). See HACKING.md for the format:
//
//   # What the rule is
//   === name of a case
//   $ kerfa-tool markdown in.kerfa
//   --- in.kerfa
//   <input lines>
//   --- stdout
//   <expected output lines>
//
// Printing a parsed file gives back the same text, so that rewriting the expected blocks keeps
// everything else of the file as it was.

#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace examples {

struct InputFile {
    std::string name;
    std::string bytes;
};

struct Case {
    std::string name = {};
    int line = 0;                             // of its "=== " line
    std::string command = {};                 // the "$ " line without "$ "
    std::vector<std::string> arguments = {};  // after "kerfa-tool"
    std::vector<InputFile> inputs = {};
    std::string out = {};
    std::optional<std::string> err = {};  // none: no block, and nothing may be written there
    std::optional<int> status = {};       // none: no line, and the status must be 0
};

struct File {
    std::vector<std::string> comment;  // the lines before the first case
    std::vector<Case> cases;
};

// The error names the file and the line: "<name>:<line>: <what is wrong>".
std::expected<File, std::string> parse(std::string_view name, std::string_view text);

// Fails when a block holds a line that would be read back as something else.
std::expected<std::string, std::string> print(const File& file);

}  // namespace examples
