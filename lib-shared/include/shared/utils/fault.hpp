#pragma once

#include <string_view>

namespace shared::utils {

// The one way out for a broken invariant or a failed write to standard output: the report goes to
// standard error and the process ends with status 101.
[[noreturn]] void internal_fault(std::string_view message);

}  // namespace shared::utils
