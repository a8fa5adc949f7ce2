#include <gtest/gtest.h>

#include <spdlog/sinks/ostream_sink.h>
#include <spdlog/spdlog.h>

#include <memory>
#include <sstream>
#include <string>

#include "components/trace/trace_lines.hpp"
#include "shared/components/trace/trace_log.hpp"
#include "stdout_capture.hpp"

namespace {

using namespace shared::components::trace;

TEST(TraceLog, FacadeHasNoSinkAndLevelOff) {
    spdlog::logger& logger = silent_logger();
    EXPECT_TRUE(logger.sinks().empty());
    EXPECT_EQ(logger.level(), spdlog::level::off);
    EXPECT_EQ(logger.name(), "trace");
    const shared::components::Timer timer;
    const std::string printed = capture_stdout([&] {
        TraceLog::sub_enter("parser", "parse");
        TraceLog::sub_exit("parser", "parse", timer);
        log_error("Missing block: 99 - x.");
    });
    EXPECT_EQ(printed, "");
}

// The library's own default logger prints to standard output until the program replaces it.
TEST(TraceLog, TheDefaultLoggerIsSilencedAtStartUp) {
    silence_default_logger();
    const std::string printed = capture_stdout([] {
        spdlog::error("Missing block: {} - {}.", 99, "unknown");
        spdlog::critical("x");
    });
    EXPECT_EQ(printed, "");
    EXPECT_TRUE(spdlog::default_logger()->sinks().empty());
}

TEST(TraceLog, LevelOffNeverComputesTheDuration) {
    int reads = 0;
    log_sub_exit(silent_logger(), "m", "op", [&reads] {
        ++reads;
        return std::string("1 µs");
    });
    EXPECT_EQ(reads, 0);
}

TEST(TraceLog, LinesHaveTheirFixedShapeWhenATraceSinkIsThere) {
    std::ostringstream lines;
    auto sink = std::make_shared<spdlog::sinks::ostream_sink_st>(lines);
    sink->set_pattern("%v");
    spdlog::logger logger("trace", sink);
    logger.set_level(spdlog::level::trace);
    int reads = 0;
    log_sub_enter(logger, "kerfa_parser", "parse_str");
    log_sub_exit(logger, "kerfa_parser", "parse_str", [&reads] {
        ++reads;
        return std::string("12 ms  034 \u03bcs");
    });
    // User text is an argument, never the format.
    log_sub_enter(logger, "{}", "{0}");
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(lines.str(),
              "b    >>  kerfa_parser.parse_str\n"
              "b    <<  kerfa_parser.parse_str duration=12 ms  034 \u03bcs\n"
              "b    >>  {}.{0}\n");
}

}  // namespace
