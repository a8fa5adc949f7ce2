#include "kerfa_tool/modules/output/conversion_output.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "shared/utils/stdout.hpp"

namespace kerfa_tool::modules::output {
namespace {

constexpr std::string_view kSamePaths = "Source and target file paths are the same.";

bool same_file(const std::string& file, const std::string& output) {
    struct stat output_status {};
    struct stat file_status {};
    if (::stat(output.c_str(), &output_status) != 0 || ::stat(file.c_str(), &file_status) != 0) {
        return false;
    }
    return output_status.st_dev == file_status.st_dev && output_status.st_ino == file_status.st_ino;
}

std::error_code system_error(int number) {
    return {number, std::system_category()};
}

types::CommandResult write_file(const std::string& path, std::string_view text) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::unexpected(types::ExitError(system_error(errno)));
    }
    auto written = shared::utils::write_all(fd, text);
    // The close can be the first place a lost write shows (NFS, quotas), so it counts too.
    int closed = ::close(fd);
    int close_error = errno;
    if (!written) {
        return std::unexpected(types::ExitError(system_error(written.error())));
    }
    if (closed != 0 && close_error != EINTR) {
        return std::unexpected(types::ExitError(system_error(close_error)));
    }
    return {};
}

}  // namespace

types::CommandResult check_distinct_paths(std::string_view file,
                                          const std::optional<std::string>& output) {
    if (!output) {
        return {};
    }
    if (*output == file || same_file(std::string(file), *output)) {
        return std::unexpected(types::ExitError(kSamePaths));
    }
    return {};
}

types::CommandResult write_conversion(std::string_view text,
                                      const std::optional<std::string>& output, bool silent) {
    if (!output) {
        shared::utils::write_stdout(text);
        shared::utils::write_stdout("\n");
        return {};
    }
    if (auto written = write_file(*output, text); !written) {
        return written;
    }
    if (!silent) {
        shared::utils::write_stdout("Done.\n");
    }
    return {};
}

}  // namespace kerfa_tool::modules::output
