// End to end on the built binary: the example files under examples/<writer>/<rule>.example, one
// test per case, named <writer>_<rule>_<case>. Each case runs in a fresh folder holding its
// inputs. After a deliberate change of the output, run this test binary with
// KERFA_UPDATE_EXPECTED=1 to rewrite the expected blocks from what the binary does, then read
// the diff before committing it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "e2e.hpp"
#include "example_file.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(KERFA_TESTS_DIR) / "examples";

struct Example {
    fs::path file;
    std::string test_name;
    std::optional<examples::Case> example;  // none when the file could not be read
    std::string error;
};

std::string test_name(const std::string& text) {
    std::string name;
    for (const char c : text) {
        name.push_back(std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_');
    }
    return name;
}

std::vector<fs::path> example_files() {
    std::vector<fs::path> files;
    if (fs::is_directory(kExamples)) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kExamples)) {
            if (entry.is_regular_file() && entry.path().extension() == ".example") {
                files.push_back(entry.path());
            }
        }
    }
    std::ranges::sort(files);
    return files;
}

std::vector<Example> all_examples() {
    std::vector<Example> all;
    std::set<std::string> names;
    for (const fs::path& file : example_files()) {
        const std::string prefix = fs::relative(file, kExamples).replace_extension().string();
        const std::expected<examples::File, std::string> parsed =
            examples::parse(file.string(), e2e::read_file(file));
        if (!parsed) {
            all.push_back({file, test_name(prefix) + "_unreadable", std::nullopt, parsed.error()});
            continue;
        }
        for (const examples::Case& c : parsed->cases) {
            std::string name = test_name(prefix + "_" + c.name);
            std::string error;
            if (!names.insert(name).second) {
                error = file.string() + ":" + std::to_string(c.line) + ": the test name " + name +
                        " is another case's too";
                name += "_" + std::to_string(all.size());
            }
            all.push_back({file, name, c, error});
        }
    }
    return all;
}

std::string where(const Example& example) {
    return example.file.string() + ":" + std::to_string(example.example->line) + ": " +
           example.example->name;
}

void PrintTo(const Example& example, std::ostream* out) {
    *out << (example.example ? where(example) : example.error);
}

// Rewrites the case's expected blocks in the file; the lock keeps cases run side by side from
// losing each other's changes.
void rewrite(const Example& example, const e2e::Run& run) {
    const int fd = ::open(example.file.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0) << example.file;
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const std::string text = e2e::read_file(example.file);
    std::expected<examples::File, std::string> file = examples::parse(example.file.string(), text);
    ASSERT_TRUE(file) << file.error();
    for (examples::Case& c : file->cases) {
        if (c.name == example.example->name) {
            c.out = run.out;
            if (c.err || !run.err.empty()) {
                c.err = run.err;
            }
            if (c.status || run.status != 0) {
                c.status = run.status;
            }
        }
    }
    const std::expected<std::string, std::string> printed = examples::print(*file);
    ASSERT_TRUE(printed) << where(example) << ": " << printed.error();
    if (*printed != text) {
        ASSERT_EQ(::ftruncate(fd, 0), 0);
        ASSERT_EQ(::pwrite(fd, printed->data(), printed->size(), 0),
                  static_cast<ssize_t>(printed->size()));
    }
    ::close(fd);
}

class CliExample : public ::testing::TestWithParam<Example> {};

TEST_P(CliExample, Runs) {
    const Example& example = GetParam();
    if (!example.error.empty()) {
        FAIL() << example.error;
    }
    const examples::Case& c = *example.example;
    e2e::TempDir dir;
    for (const examples::InputFile& input : c.inputs) {
        dir.write(input.name, input.bytes);
    }
    const e2e::Run run = e2e::run_tool(c.arguments, {.cwd = dir.path()});
    if (std::getenv("KERFA_UPDATE_EXPECTED") != nullptr) {
        rewrite(example, run);
        GTEST_SKIP() << "rewrote " << where(example);
    }
    EXPECT_EQ(run.out, c.out) << where(example);
    EXPECT_EQ(run.err, c.err.value_or("")) << where(example);
    EXPECT_EQ(run.status, c.status.value_or(0)) << where(example);
}

INSTANTIATE_TEST_SUITE_P(Examples, CliExample, ::testing::ValuesIn(all_examples()),
                         [](const auto& info) { return info.param.test_name; });

// Rewriting prints a file back from what was read: that must give the file unchanged.
TEST(ExampleFiles, PrintBackUnchanged) {
    for (const fs::path& path : example_files()) {
        const std::string text = e2e::read_file(path);
        const std::expected<examples::File, std::string> file =
            examples::parse(path.string(), text);
        if (!file) {
            continue;  // its own test reports it
        }
        const std::expected<std::string, std::string> printed = examples::print(*file);
        ASSERT_TRUE(printed) << path << ": " << printed.error();
        EXPECT_EQ(*printed, text) << path;
    }
}

}  // namespace
