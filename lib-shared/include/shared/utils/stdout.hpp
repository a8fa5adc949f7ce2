#pragma once

#include <expected>
#include <string_view>

namespace shared::utils {

// Writes all of data to the descriptor, retrying short writes and EINTR; the error is errno.
std::expected<void, int> write_all(int fd, std::string_view data);

// Writes all of data to standard output; a failure is an internal fault (exit 101) whose report
// carries the system's error text. Nothing written to standard output is ever lost silently.
void write_stdout(std::string_view data);

// A failed write must come back as EPIPE instead of killing the process; call once at start-up.
void ignore_sigpipe();

}  // namespace shared::utils
