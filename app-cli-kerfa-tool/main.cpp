#include <string>
#include <vector>

#include "kerfa_tool/main.hpp"
#include "shared/components/trace/trace_log.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/stdout.hpp"

int main(int argc, char** argv) {
    shared::utils::ignore_sigpipe();
    shared::utils::ignore_file_size_signal();
    shared::utils::report_out_of_memory();
    shared::components::trace::silence_default_logger();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return kerfa_tool::main(std::move(arguments));
}
