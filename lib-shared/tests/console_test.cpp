#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "shared/colors.hpp"
#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"
#include "stdout_capture.hpp"

namespace {

namespace console = shared::utils::console;

TEST(Console, WritesFixedSequencesWhateverTheEnvironment) {
    // The sequences do not follow the colour decision: no terminal here, and NO_COLOR set.
    ::setenv("NO_COLOR", "1", 1);
    struct Case {
        void (*print)(std::string_view);
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {console::info, "Done", "\x1b[92mDone\x1b[0m\n\n"},
        {console::print_info, "", "\x1b[92m\x1b[0m\n\n"},
        {console::error_str, "Errors Found:", "\x1b[1m\x1b[91mErrors Found:\x1b[0m\n\n"},
        {console::print_error_str, "x", "\x1b[1m\x1b[91mx\x1b[0m\n\n"},
        {console::short_heading, "Totals",
         "\x1b[92m\u2500\u2500  Totals  \u2500\u2500\u2500\u2500\u2500\u2500\x1b[0m\n\n"},
        {console::color, "\x1b[93mclaude", "\x1b[93mclaude\x1b[0m\n"},
        // User text is data, never a format: braces and percent signs pass through.
        {console::info, "{} %s {0}", "\x1b[92m{} %s {0}\x1b[0m\n\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(capture_stdout([&] { c.print(c.text); }), c.expected) << c.text;
    }
    EXPECT_EQ(capture_stdout([] { console::nl(); }), "\n");
    ::unsetenv("NO_COLOR");
}

TEST(Console, ColourConstantsAreTheFixedBytes) {
    EXPECT_EQ(shared::colors::INFO, "\x1b[92m");
    EXPECT_EQ(shared::colors::LIGHT_GREEN, "\x1b[92m");
    EXPECT_EQ(shared::colors::LIGHT_YELLOW, "\x1b[93m");
    EXPECT_EQ(shared::colors::ERROR, "\x1b[1m\x1b[91m");
    EXPECT_EQ(shared::colors::RESET_COLOR, "\x1b[0m");
}

TEST(WriteStdout, WritesLargeTextWhole) {
    const std::string big(3 * 1024 * 1024, 'k');
    EXPECT_EQ(capture_stdout([&] { shared::utils::write_stdout(big); }), big);
}

// A write that fails is a fault: report on standard error, status 101.
TEST(WriteStdoutDeathTest, FailedWriteIsAnInternalFault) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const int full = ::open("/dev/full", O_WRONLY);
            ::dup2(full, STDOUT_FILENO);
            shared::utils::console::info("lost?");
        },
        ::testing::ExitedWithCode(101), "failed printing to stdout: No space left on device");
    EXPECT_EXIT(
        {
            shared::utils::ignore_sigpipe();
            int ends[2];
            if (::pipe(ends) != 0) {
                std::_Exit(2);
            }
            ::close(ends[0]);
            ::dup2(ends[1], STDOUT_FILENO);
            shared::utils::write_stdout("nobody reads this");
        },
        ::testing::ExitedWithCode(101), "failed printing to stdout: Broken pipe");
}

TEST(WriteAll, GivesTheErrorNumber) {
    const auto result = shared::utils::write_all(-1, "x");
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), EBADF);
    EXPECT_TRUE(shared::utils::write_all(-1, "").has_value());
}

}  // namespace
