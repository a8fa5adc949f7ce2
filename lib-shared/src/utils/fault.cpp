#include "shared/utils/fault.hpp"

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <string>

namespace shared::utils {

namespace {

// Plain write(2): the stdio and iostream layers may be the very thing that failed, and nothing
// here allocates.
void write_stderr(std::string_view text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(STDERR_FILENO, data, left);
        if (n <= 0) {
            return;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
}

[[noreturn]] void on_terminate() {
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::bad_alloc&) {
            write_stderr("Out of memory.\n");
            std::abort();
        } catch (...) {
        }
    }
    // Anything else keeps the runtime's own report.
    __gnu_cxx::__verbose_terminate_handler();
    std::abort();  // the handler aborts, but is not declared so
}

}  // namespace

[[noreturn]] void internal_fault(std::string_view message) {
    std::string report = "internal fault: ";
    report.append(message);
    report.push_back('\n');
    write_stderr(report);
    std::_Exit(101);
}

void report_out_of_memory() {
    std::set_terminate(on_terminate);
}

}  // namespace shared::utils
