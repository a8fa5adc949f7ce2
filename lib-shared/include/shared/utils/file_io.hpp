#pragma once

#include <cstddef>
#include <expected>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

// Whole-file reads and writes: every read retried on EINTR, every write and close checked.
// Failures carry the system's error (its message() is the strerror text).
namespace shared::utils {

// An open descriptor, closed once. A read-only descriptor may simply be dropped; a written one
// is closed through close(), whose failure can be the first sign of a lost write.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return fd_; }
    bool is_open() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    std::expected<void, std::error_code> close();

  private:
    int fd_ = -1;
};

std::expected<FileDescriptor, std::error_code> open_for_reading(std::string_view path);

// Created with mode 0666 (less the umask) or truncated.
std::expected<FileDescriptor, std::error_code> open_for_writing(std::string_view path);

// Up to buffer.size() bytes; 0 at the end of the file.
std::expected<std::size_t, std::error_code> read_some(const FileDescriptor& file,
                                                      std::span<char> buffer);

// The text's capacity holds spare_capacity bytes beyond its size, for readers that need padding
// after the bytes (such as a vectorised JSON parser), so they need not copy the text.
std::expected<std::string, std::error_code> read_file(std::string_view path,
                                                      std::size_t spare_capacity = 0);

// The error of read_regular_file for a path that names a FIFO, a device, a folder or a socket;
// its message() is "not a regular file".
std::error_code not_regular_file_error();

// read_file of a regular file only (links followed), for inputs that must not hang or stream
// without end.
std::expected<std::string, std::error_code> read_regular_file(std::string_view path,
                                                              std::size_t spare_capacity = 0);

// The text of read_utf8_file's error when the bytes are not UTF-8.
inline constexpr std::string_view INVALID_UTF8_TEXT = "stream did not contain valid UTF-8";

// read_file with the UTF-8 check on top; the error is its display text.
std::expected<std::string, std::string> read_utf8_file(std::string_view path);

// Whether both paths name one existing file (device and inode, links followed).
bool same_file(std::string_view first, std::string_view second);

// Outputs replace their target whole, so that a failed write leaves the old file as it was: the
// bytes go to a temporary file in the target's folder, which is renamed over the target once it
// is complete and closed (with the old file's permission bits) and removed on failure. A target
// that exists and is not a regular file (a device, a FIFO) is written in place. No fsync: the
// rename guards against failed writes, not against a crash of the whole system.

// Links at the path are followed: the file they lead to is replaced and the links stay.
std::expected<void, std::error_code> write_file(std::string_view path, std::string_view bytes);

// Copies the bytes of one file to another. When both name one file nothing is written.
std::expected<void, std::error_code> copy_file(std::string_view from, std::string_view to);

// A folder written into by name, for outputs that go where others may have planted links: a
// link at a name is never followed (ELOOP), and a FIFO there is opened only when a reader waits
// on it (ENXIO otherwise), so that a planted one cannot hang the run. Names are single path
// components.
class OutputFolder {
  public:
    // The folder at the path, links followed; when it cannot be opened every use fails with
    // that error.
    static OutputFolder open(std::string_view path);

    std::expected<void, std::error_code> write_file(std::string_view name,
                                                    std::string_view bytes) const;
    std::expected<void, std::error_code> copy_file(std::string_view from,
                                                   std::string_view name) const;
    // Creates the folder (0777 less the umask) unless something of that name is there already.
    std::expected<void, std::error_code> make_folder(std::string_view name) const;
    // The folder of that name inside this one; a link or a file there fails its every use.
    OutputFolder folder(std::string_view name) const;

  private:
    explicit OutputFolder(std::expected<FileDescriptor, std::error_code> folder)
        : folder_(std::move(folder)) {}

    std::expected<FileDescriptor, std::error_code> folder_;
};

// A file-size limit must come back as EFBIG instead of killing the process; call once at
// start-up.
void ignore_file_size_signal();

}  // namespace shared::utils
