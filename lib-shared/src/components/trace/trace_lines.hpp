#pragma once

#include <spdlog/logger.h>

#include <string_view>

namespace shared::components::trace {

// The facade's logger: no sink, level off.
spdlog::logger& silent_logger();

inline void log_sub_enter(spdlog::logger& logger, std::string_view module_name,
                          std::string_view operation) {
    if (logger.should_log(spdlog::level::trace)) {
        logger.trace("b    >>  {}.{}", module_name, operation);
    }
}

// duration_text is only called when the line is logged.
template <typename DurationText>
void log_sub_exit(spdlog::logger& logger, std::string_view module_name, std::string_view operation,
                  const DurationText& duration_text) {
    if (logger.should_log(spdlog::level::trace)) {
        logger.trace("b    <<  {}.{} duration={}", module_name, operation, duration_text());
    }
}

}  // namespace shared::components::trace
