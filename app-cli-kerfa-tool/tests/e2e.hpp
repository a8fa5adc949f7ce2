#pragma once

// Runs programs, above all the built kerfa-tool, as a user would, for end-to-end tests.
//
//   e2e::Run run = e2e::run_tool({"hash", path});
//   EXPECT_EQ(run.out, "...\n");  EXPECT_EQ(run.err, "");  EXPECT_EQ(run.status, 0);
//
// Standard input is /dev/null; standard output and standard error are captured whole (or
// standard output goes to a file, e.g. /dev/full). The child inherits this process's environment
// with the changes of Options::env applied; run_tool first removes CLICOLOR_FORCE, NO_COLOR and
// CLICOLOR so that colour is decided by the test alone (standard output is a pipe: no colour).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace e2e {

struct Run {
    std::string out;
    std::string err;
    // The exit status; 128 + the signal number when a signal ended the child; -1 when it could
    // not be started or was stopped after the time limit.
    int status = -1;
};

struct Options {
    // Working folder of the child; empty keeps the current one.
    std::filesystem::path cwd = {};
    // Environment changes in order: a value sets the variable, none removes it.
    std::vector<std::pair<std::string, std::optional<std::string>>> env = {};
    // Standard output goes to this file (opened for writing) instead of being captured.
    std::optional<std::filesystem::path> stdout_path = {};
    // The child is killed after this many seconds.
    int timeout_seconds = 60;
};

// Runs `program` (found on PATH unless it holds a "/") with the arguments.
Run run_program(const std::string& program, const std::vector<std::string>& arguments,
                const Options& options = {});

// The kerfa-tool binary built with these tests.
const std::string& tool_path();

// run_program on kerfa-tool, without the colour variables of the calling environment.
Run run_tool(const std::vector<std::string>& arguments, const Options& options = {});

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
  public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }
    // Writes the bytes to a file of this folder and gives its whole path.
    std::filesystem::path write(const std::string& name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// The names of the folder's entries, sorted: what a run left behind in it.
std::vector<std::string> entries(const std::filesystem::path& folder);

}  // namespace e2e
