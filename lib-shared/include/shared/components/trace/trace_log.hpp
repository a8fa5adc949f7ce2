#pragma once

#include <string_view>

#include "shared/components/timer.hpp"

namespace shared::components::trace {

// Trace lines through the logging facade at trace level (logger "trace"). That logger has no
// sink and its level is off, so nothing is ever printed and, with the level checked first,
// nothing is formatted.
class TraceLog {
  public:
    // "b    >>  {module}.{operation}"
    static void sub_enter(std::string_view module_name, std::string_view operation);

    // "b    <<  {module}.{operation} duration={timer.duration_formatted()}"
    static void sub_exit(std::string_view module_name, std::string_view operation,
                         const Timer& timer);
};

// Error-level lines through the same silent facade (the text writer's unknown block kinds).
void log_error(std::string_view message);

// The logging library's own default logger writes to standard output, where it would mix with a
// command's results; the program replaces it at start-up with one that has no sink and is off,
// so a stray call of the library's free functions prints nothing either.
void silence_default_logger();

}  // namespace shared::components::trace
