#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <optional>
#include <string>

#include <fmt/format.h>

#include "shared/utils/file_io.hpp"
#include "shared/utils/stdout.hpp"

namespace shared::utils {
namespace {

using Result = std::expected<void, std::error_code>;

std::error_code error_of(int code) {
    return {code, std::system_category()};
}

std::error_code last_error() {
    return error_of(errno);
}

// Like the kernel, which follows at most 40 links for one path.
constexpr int MAX_LINKS = 40;
constexpr int TEMPORARY_ATTEMPTS = 100;

bool has_nul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

// A single component that names an entry of a folder (not the folder or its parent).
bool is_entry_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && !has_nul(name);
}

std::expected<FileDescriptor, std::error_code> open_at(int folder, const std::string& name,
                                                       int flags, mode_t mode = 0) {
    for (;;) {
        const int fd = ::openat(folder, name.c_str(), flags | O_CLOEXEC, mode);
        if (fd >= 0) {
            return FileDescriptor(fd);
        }
        if (errno != EINTR) {
            return std::unexpected(last_error());
        }
    }
}

// Writes through the descriptor, then closes it; the first failure is the one reported.
template <class Fill>
Result fill_and_close(FileDescriptor file, const Fill& fill) {
    const Result filled = fill(file.get());
    const Result closed = file.close();
    return filled ? closed : filled;
}

struct Temporary {
    FileDescriptor file;
    std::string name;
};

// A hidden name no listing of documents or images picks up, created exclusively. `mode` is the
// final file's, so that no one may open the file in the moment before its bits are set.
std::expected<Temporary, std::error_code> create_temporary(int folder, mode_t mode) {
    for (int attempt = 0; attempt < TEMPORARY_ATTEMPTS; ++attempt) {
        std::array<unsigned char, 6> random{};
        if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
            return std::unexpected(last_error());
        }
        std::string name = ".kerfa-tool-";
        for (const unsigned char byte : random) {
            name += fmt::format("{:02x}", byte);
        }
        auto file = open_at(folder, name, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (file) {
            return Temporary{std::move(*file), std::move(name)};
        }
        if (file.error().value() != EEXIST) {
            return std::unexpected(file.error());
        }
    }
    return std::unexpected(error_of(EEXIST));
}

bool same_entry(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// `Blocking::No` opens a FIFO only when a reader waits on it (ENXIO otherwise), for folders
// where anyone may have planted one: the writes to it then block as usual.
enum class Blocking : std::uint8_t { Yes, No };

template <class Fill>
Result write_in_place(int folder, const std::string& name, Blocking blocking, const Fill& fill) {
    const int wait = blocking == Blocking::No ? O_NONBLOCK : 0;
    auto file = open_at(folder, name, O_WRONLY | O_TRUNC | O_NOFOLLOW | wait);
    if (!file) {
        return std::unexpected(file.error());
    }
    if (wait != 0) {
        const int flags = ::fcntl(file->get(), F_GETFL);
        if (flags < 0 || ::fcntl(file->get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return std::unexpected(last_error());
        }
    }
    return fill_and_close(std::move(*file), fill);
}

void discard(int folder, Temporary& temporary) {
    (void)temporary.file.close();
    ::unlinkat(folder, temporary.name.c_str(), 0);
}

template <class Fill>
Result fill_and_rename(int folder, const std::string& name, Temporary& temporary,
                       const Fill& fill) {
    Result done = fill_and_close(std::move(temporary.file), fill);
    if (done && ::renameat(folder, temporary.name.c_str(), folder, name.c_str()) != 0) {
        done = std::unexpected(last_error());
    }
    return done;
}

// The temporary file takes the target's place only once it is whole and closed. `old` is the
// replaced file, none for a new one (0666 less the umask): the new file gets its owner, group
// and permission bits before a byte is written. Where that cannot be, or no file can be made in
// the folder, the file is written in place as the user could by hand, though a failed write then
// cannot keep the old bytes.
template <class Fill>
Result write_through_temporary(int folder, const std::string& name, const struct stat* old,
                               Blocking blocking, const Fill& fill) {
    const mode_t mode = old != nullptr ? old->st_mode & 0777 : 0666;
    auto temporary = create_temporary(folder, mode);
    if (!temporary) {
        const int code = temporary.error().value();
        if (old != nullptr && (code == EACCES || code == EPERM)) {
            return write_in_place(folder, name, blocking, fill);
        }
        return std::unexpected(temporary.error());
    }
    const int file = temporary->file.get();
    if (old != nullptr && ::fchown(file, old->st_uid, old->st_gid) != 0) {
        discard(folder, *temporary);
        return write_in_place(folder, name, blocking, fill);
    }
    Result done = old != nullptr && ::fchmod(file, mode) != 0
                      ? Result(std::unexpected(last_error()))
                      : fill_and_rename(folder, name, *temporary, fill);
    if (!done) {
        discard(folder, *temporary);
    }
    return done;
}

// Writes the named entry of the folder without following a link there. `source` is the file the
// bytes come from, when they come from one: a target that is that file is left as it is.
template <class Fill>
Result replace_at(int folder, const std::string& name, const struct stat* source, Blocking blocking,
                  const Fill& fill) {
    struct stat old {};
    if (::fstatat(folder, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            return std::unexpected(last_error());
        }
        return write_through_temporary(folder, name, nullptr, blocking, fill);
    }
    if (S_ISLNK(old.st_mode)) {
        return std::unexpected(error_of(ELOOP));
    }
    if (source != nullptr && same_entry(old, *source)) {
        return {};
    }
    if (!S_ISREG(old.st_mode)) {
        return write_in_place(folder, name, blocking, fill);
    }
    // A file the user may not write stays refused, as an in-place write would refuse it.
    if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) {
        return std::unexpected(last_error());
    }
    return write_through_temporary(folder, name, &old, blocking, fill);
}

std::string parent_of(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string_view entry_of(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Where the link at the path leads; none when the path is no link.
std::optional<std::string> link_target(const std::string& path) {
    std::array<char, 4096> target{};
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
        return std::nullopt;
    }
    const std::string_view text(target.data(), static_cast<std::size_t>(length));
    return text.starts_with('/') ? std::string(text) : fmt::format("{}/{}", parent_of(path), text);
}

// The path that the links at the end of the path lead to; the path itself when it is no link.
std::string follow_links(std::string_view path) {
    std::string current(path);
    for (int links = 0; links < MAX_LINKS; ++links) {
        std::optional<std::string> next = link_target(current);
        if (!next) {
            return current;
        }
        current = std::move(*next);
    }
    return current;
}

// A number as /proc writes one: digits, no leading zero.
std::optional<int> number_of(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isdigit(static_cast<unsigned char>(text[0])) || (text[0] == '0' && text.size() > 1)) {
        return std::nullopt;
    }
    return number;
}

// Whether the folder lists the descriptors of this process or of one of its threads.
bool is_descriptor_folder(const std::string& folder) {
    std::array<char, PATH_MAX> resolved{};
    if (::realpath(folder.c_str(), resolved.data()) == nullptr) {
        return false;
    }
    const std::string_view path(resolved.data());
    const std::string own = fmt::format("/proc/{}/", ::getpid());
    if (!path.starts_with(own)) {
        return false;
    }
    const std::string_view rest = path.substr(own.size());
    constexpr std::string_view TASKS = "task/";
    constexpr std::string_view LIST = "/fd";
    return rest == "fd" ||
           (rest.starts_with(TASKS) && rest.size() > TASKS.size() + LIST.size() &&
            rest.ends_with(LIST) &&
            number_of(rest.substr(TASKS.size(), rest.size() - TASKS.size() - LIST.size())));
}

// A path such as /dev/stdout or /dev/fd/N names a descriptor this process holds, often a shell's
// redirection: it is written through a copy of that descriptor, which keeps its offset and its
// append mode, where opening the path again would truncate the file (losing what `>>` appends
// to) and a rename would leave the descriptor on the old file.
std::optional<FileDescriptor> named_descriptor(std::string_view path) {
    std::string current(path);
    for (int links = 0; links <= MAX_LINKS; ++links) {
        if (const std::optional<int> number = number_of(entry_of(current));
            number && is_descriptor_folder(parent_of(current))) {
            const int copy = ::fcntl(*number, F_DUPFD_CLOEXEC, 0);
            return copy < 0 ? std::nullopt : std::optional<FileDescriptor>(FileDescriptor(copy));
        }
        std::optional<std::string> next = link_target(current);
        if (!next) {
            return std::nullopt;
        }
        current = std::move(*next);
    }
    return std::nullopt;
}

// Replaces the file at the path, links followed; what is no regular file is written in place.
template <class Fill>
Result replace_path(std::string_view path, const struct stat* source, const Fill& fill) {
    if (has_nul(path)) {
        return std::unexpected(error_of(ENOENT));
    }
    const std::string terminated(path);
    if (std::optional<FileDescriptor> descriptor = named_descriptor(terminated)) {
        struct stat status {};
        if (source != nullptr && ::fstat(descriptor->get(), &status) == 0 &&
            same_entry(status, *source)) {
            return {};
        }
        return fill_and_close(std::move(*descriptor), fill);
    }
    struct stat status {};
    const bool in_place = ::stat(terminated.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
    const std::string target = in_place ? terminated : follow_links(terminated);
    const std::string name(entry_of(target));
    if (in_place || !is_entry_name(name)) {
        if (source != nullptr && in_place && same_entry(status, *source)) {
            return {};
        }
        auto file = open_for_writing(terminated);
        if (!file) {
            return std::unexpected(file.error());
        }
        return fill_and_close(std::move(*file), fill);
    }
    auto folder = open_at(AT_FDCWD, parent_of(target), O_PATH | O_DIRECTORY);
    if (!folder) {
        return std::unexpected(folder.error());
    }
    return replace_at(folder->get(), name, source, Blocking::Yes, fill);
}

auto bytes_filler(std::string_view bytes) {
    return [bytes](int fd) -> Result {
        if (const std::expected<void, int> written = write_all(fd, bytes); !written) {
            return std::unexpected(error_of(written.error()));
        }
        return {};
    };
}

auto copy_filler(const FileDescriptor& source) {
    return [&source](int fd) -> Result {
        std::array<char, 1 << 16> chunk{};
        for (;;) {
            auto got = read_some(source, chunk);
            if (!got) {
                return std::unexpected(got.error());
            }
            if (*got == 0) {
                return {};
            }
            const std::expected<void, int> written =
                write_all(fd, std::string_view(chunk.data(), *got));
            if (!written) {
                return std::unexpected(error_of(written.error()));
            }
        }
    };
}

struct Source {
    FileDescriptor file;
    struct stat status {};
};

std::expected<Source, std::error_code> open_source(std::string_view from) {
    auto file = open_for_reading(from);
    if (!file) {
        return std::unexpected(file.error());
    }
    Source source{std::move(*file), {}};
    if (::fstat(source.file.get(), &source.status) != 0) {
        return std::unexpected(last_error());
    }
    return source;
}

// The folder's descriptor, once it opened and the name is one of its entries.
std::expected<int, std::error_code> entry_folder(
    const std::expected<FileDescriptor, std::error_code>& folder, std::string_view name) {
    if (!folder) {
        return std::unexpected(folder.error());
    }
    if (!is_entry_name(name)) {
        return std::unexpected(error_of(EINVAL));
    }
    return folder->get();
}

}  // namespace

Result write_file(std::string_view path, std::string_view bytes) {
    return replace_path(path, nullptr, bytes_filler(bytes));
}

Result copy_file(std::string_view from, std::string_view to) {
    auto source = open_source(from);
    if (!source) {
        return std::unexpected(source.error());
    }
    return replace_path(to, &source->status, copy_filler(source->file));
}

OutputFolder OutputFolder::open(std::string_view path) {
    if (has_nul(path)) {
        return OutputFolder(std::unexpected(error_of(ENOENT)));
    }
    return OutputFolder(open_at(AT_FDCWD, std::string(path), O_PATH | O_DIRECTORY));
}

Result OutputFolder::write_file(std::string_view name, std::string_view bytes) const {
    const auto descriptor = entry_folder(folder_, name);
    if (!descriptor) {
        return std::unexpected(descriptor.error());
    }
    return replace_at(*descriptor, std::string(name), nullptr, Blocking::No, bytes_filler(bytes));
}

Result OutputFolder::copy_file(std::string_view from, std::string_view name) const {
    const auto descriptor = entry_folder(folder_, name);
    if (!descriptor) {
        return std::unexpected(descriptor.error());
    }
    auto source = open_source(from);
    if (!source) {
        return std::unexpected(source.error());
    }
    return replace_at(*descriptor, std::string(name), &source->status, Blocking::No,
                      copy_filler(source->file));
}

Result OutputFolder::make_folder(std::string_view name) const {
    const auto descriptor = entry_folder(folder_, name);
    if (!descriptor) {
        return std::unexpected(descriptor.error());
    }
    if (::mkdirat(*descriptor, std::string(name).c_str(), 0777) != 0 && errno != EEXIST) {
        return std::unexpected(last_error());
    }
    return {};
}

OutputFolder OutputFolder::folder(std::string_view name) const {
    const auto descriptor = entry_folder(folder_, name);
    if (!descriptor) {
        return OutputFolder(std::unexpected(descriptor.error()));
    }
    // O_PATH with O_NOFOLLOW opens a link itself, which fstat then shows for what it is.
    auto opened = open_at(*descriptor, std::string(name), O_PATH | O_NOFOLLOW);
    if (!opened) {
        return OutputFolder(std::unexpected(opened.error()));
    }
    struct stat status {};
    if (::fstat(opened->get(), &status) != 0) {
        return OutputFolder(std::unexpected(last_error()));
    }
    if (S_ISLNK(status.st_mode)) {
        return OutputFolder(std::unexpected(error_of(ELOOP)));
    }
    if (!S_ISDIR(status.st_mode)) {
        return OutputFolder(std::unexpected(error_of(ENOTDIR)));
    }
    return OutputFolder(std::move(*opened));
}

void ignore_file_size_signal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace shared::utils
