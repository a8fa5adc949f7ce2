#include "shared/utils/stdout.hpp"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "shared/utils/fault.hpp"

namespace shared::utils {

std::expected<void, int> write_all(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written > 0) {
            data.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written == 0) {
            return std::unexpected(EIO);
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A non-blocking descriptor inherited from the caller: wait until it takes more.
            pollfd ready{fd, POLLOUT, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) {
                continue;
            }
        }
        return std::unexpected(errno);
    }
    return {};
}

void write_stdout(std::string_view data) {
    const std::expected<void, int> written = write_all(STDOUT_FILENO, data);
    if (!written) {
        internal_fault(std::string("failed printing to stdout: ") + std::strerror(written.error()));
    }
}

void ignore_sigpipe() {
    ::signal(SIGPIPE, SIG_IGN);
}

}  // namespace shared::utils
