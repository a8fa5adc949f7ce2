#include "shared/utils/fault.hpp"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace shared::utils {

[[noreturn]] void internal_fault(std::string_view message) {
    std::string report = "internal fault: ";
    report.append(message);
    report.push_back('\n');
    // Plain write(2): the stdio and iostream layers may be the very thing that failed.
    const char* data = report.data();
    std::size_t left = report.size();
    while (left > 0) {
        ssize_t n = ::write(STDERR_FILENO, data, left);
        if (n <= 0) {
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    std::_Exit(101);
}

}  // namespace shared::utils
