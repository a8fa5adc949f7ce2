#pragma once

#include <string_view>

namespace shared::utils {

// The one way out for a broken invariant or a failed write to standard output: the report goes to
// standard error and the process ends with status 101.
[[noreturn]] void internal_fault(std::string_view message);

// From then on, running out of memory prints "Out of memory." on standard error and aborts, in
// place of the runtime's report of an uncaught exception. Call once at start-up.
void report_out_of_memory();

}  // namespace shared::utils
