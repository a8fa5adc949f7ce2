// End to end on the built binary: running out of memory ends the run with one line of the
// tool's own on standard error, then an abort.

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "e2e.hpp"

namespace {

TEST(CliOutOfMemory, OneLineThenAbort) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reports failed allocations itself";
#else
    // Far more text than the memory the run may use.
    std::string text;
    const std::string line = "word <b>bold<> and <link>https://example.org<> text\n";
    while (text.size() < 32 * 1024 * 1024) {
        text += line;
    }
    e2e::TempDir dir;
    const std::string input = dir.write("big.kerfa", text).string();
    // A shell limits the address space of the tool it then becomes.
    const e2e::Run run = e2e::run_program(
        "sh", {"-c", "ulimit -v 120000 && exec \"$0\" \"$@\"", e2e::tool_path(), "html", input});
    EXPECT_EQ(run.err, "Out of memory.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 128 + SIGABRT);
#endif
}

}  // namespace
