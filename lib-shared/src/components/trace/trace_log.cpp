#include "shared/components/trace/trace_log.hpp"

#include <memory>
#include <vector>

#include <spdlog/spdlog.h>

#include "components/trace/trace_lines.hpp"

namespace shared::components::trace {

spdlog::logger& silent_logger() {
    static spdlog::logger logger = [] {
        const std::vector<spdlog::sink_ptr> no_sinks;
        spdlog::logger made("trace", no_sinks.begin(), no_sinks.end());
        made.set_level(spdlog::level::off);
        return made;
    }();
    return logger;
}

void TraceLog::sub_enter(std::string_view module_name, std::string_view operation) {
    log_sub_enter(silent_logger(), module_name, operation);
}

void TraceLog::sub_exit(std::string_view module_name, std::string_view operation,
                        const Timer& timer) {
    log_sub_exit(silent_logger(), module_name, operation,
                 [&timer] { return timer.duration_formatted(); });
}

void log_error(std::string_view message) {
    spdlog::logger& logger = silent_logger();
    if (logger.should_log(spdlog::level::err)) {
        logger.error("{}", message);
    }
}

void silence_default_logger() {
    const std::vector<spdlog::sink_ptr> no_sinks;
    auto silent = std::make_shared<spdlog::logger>("", no_sinks.begin(), no_sinks.end());
    silent->set_level(spdlog::level::off);
    spdlog::set_default_logger(std::move(silent));
}

}  // namespace shared::components::trace
