#include "shared/utils/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "shared/utils/large_text.hpp"
#include "shared/utils/utf8.hpp"

namespace shared::utils {
namespace {

std::error_code last_error() {
    return {errno, std::system_category()};
}

// open(2) needs a terminated path; a path with a NUL inside names no file.
std::expected<FileDescriptor, std::error_code> open_path(std::string_view path, int flags) {
    if (path.find('\0') != std::string_view::npos) {
        return std::unexpected(std::error_code(ENOENT, std::system_category()));
    }
    const std::string terminated(path);
    for (;;) {
        const int fd = ::open(terminated.c_str(), flags | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return FileDescriptor(fd);
        }
        if (errno != EINTR) {
            return std::unexpected(last_error());
        }
    }
}

class FileKindCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "file kind"; }
    std::string message(int) const override { return "not a regular file"; }
};

std::expected<std::string, std::error_code> read_open_file(const FileDescriptor& file,
                                                           std::size_t spare_capacity) {
    // Room for the whole file and one byte more, so that the read that finds the end needs no
    // growth; a file of unknown size grows geometrically.
    std::size_t room = 1 << 16;
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        room = static_cast<std::size_t>(status.st_size) + 1;
    }
    room += spare_capacity;
    std::string bytes;
    reserve_large(bytes, room);
    // The room is read into, so it need not be filled first.
    bytes.resize_and_overwrite(room, [](char*, std::size_t size) { return size; });
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        auto got = read_some(file, std::span<char>(bytes.data() + used, bytes.size() - used));
        if (!got) {
            return std::unexpected(got.error());
        }
        if (*got == 0) {
            break;
        }
        used += *got;
    }
    bytes.resize(used);
    if (bytes.capacity() - used < spare_capacity) {
        bytes.reserve(used + spare_capacity);
    }
    return bytes;
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::expected<void, std::error_code> FileDescriptor::close() {
    const int fd = release();
    if (fd < 0) {
        return {};
    }
    // After EINTR the descriptor is gone on Linux; retrying could close another one.
    if (::close(fd) != 0 && errno != EINTR) {
        return std::unexpected(last_error());
    }
    return {};
}

std::expected<FileDescriptor, std::error_code> open_for_reading(std::string_view path) {
    return open_path(path, O_RDONLY);
}

std::expected<FileDescriptor, std::error_code> open_for_writing(std::string_view path) {
    return open_path(path, O_WRONLY | O_CREAT | O_TRUNC);
}

std::expected<std::size_t, std::error_code> read_some(const FileDescriptor& file,
                                                      std::span<char> buffer) {
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return std::unexpected(last_error());
        }
    }
}

std::error_code not_regular_file_error() {
    static const FileKindCategory category;
    return {1, category};
}

std::expected<std::string, std::error_code> read_file(std::string_view path,
                                                      std::size_t spare_capacity) {
    auto file = open_for_reading(path);
    if (!file) {
        return std::unexpected(file.error());
    }
    return read_open_file(*file, spare_capacity);
}

std::expected<std::string, std::error_code> read_regular_file(std::string_view path,
                                                              std::size_t spare_capacity) {
    // Opening a FIFO without O_NONBLOCK waits for a writer; the kind is taken from the opened
    // descriptor, so the file cannot be swapped between the look and the read.
    auto file = open_path(path, O_RDONLY | O_NONBLOCK);
    if (!file) {
        return std::unexpected(file.error());
    }
    struct stat status {};
    if (::fstat(file->get(), &status) != 0) {
        return std::unexpected(last_error());
    }
    if (!S_ISREG(status.st_mode)) {
        return std::unexpected(not_regular_file_error());
    }
    return read_open_file(*file, spare_capacity);
}

std::expected<std::string, std::string> read_utf8_file(std::string_view path) {
    auto bytes = read_file(path);
    if (!bytes) {
        return std::unexpected(bytes.error().message());
    }
    if (!is_valid_utf8(*bytes)) {
        return std::unexpected(std::string(INVALID_UTF8_TEXT));
    }
    return std::move(*bytes);
}

bool same_file(std::string_view first, std::string_view second) {
    if (first.find('\0') != std::string_view::npos || second.find('\0') != std::string_view::npos) {
        return false;
    }
    struct stat first_status {};
    struct stat second_status {};
    if (::stat(std::string(first).c_str(), &first_status) != 0 ||
        ::stat(std::string(second).c_str(), &second_status) != 0) {
        return false;
    }
    return first_status.st_dev == second_status.st_dev &&
           first_status.st_ino == second_status.st_ino;
}

}  // namespace shared::utils
