#include "kerfa_tool/utils_read.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include <fmt/format.h>

#include "kerfa_engine_tool/configure/engine_factory.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_tool {

namespace {

std::string system_text(int error) {
    return std::system_category().message(error);
}

// Read-only: a failed close loses nothing.
class ReadDescriptor {
  public:
    explicit ReadDescriptor(int fd) : fd_(fd) {}
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    ~ReadDescriptor() { ::close(fd_); }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::expected<std::string, std::string> read_utf8_file(std::string_view path) {
    const std::string path_text(path);
    const int fd = ::open(path_text.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::unexpected(system_text(errno));
    }
    const ReadDescriptor descriptor(fd);
    // Room for the whole file and one byte more, so that the read that finds the end needs no
    // growth; a file of unknown size grows geometrically.
    std::size_t room = 1 << 16;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        room = static_cast<std::size_t>(status.st_size) + 1;
    }
    std::string text(room, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            text.resize(text.size() * 2);
        }
        const ssize_t got = ::read(fd, text.data() + used, text.size() - used);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::unexpected(system_text(errno));
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    text.resize(used);
    if (!shared::utils::is_valid_utf8(text)) {
        return std::unexpected(std::string("stream did not contain valid UTF-8"));
    }
    return text;
}

std::expected<RetrievedFile, types::ExitError> retrieve(std::string_view path, DoubleTagMode mode) {
    if (!shared::utils::file_exists(path)) {
        return std::unexpected(types::ExitError(fmt::format("File not found: {}", path)));
    }
    const auto name = shared::utils::file_name(path);
    if (!name) {
        return std::unexpected(types::ExitError(fmt::format("Invalid file path: {}", path)));
    }

    shared::components::Timer read_timer;
    auto text = read_utf8_file(path);
    if (!text) {
        return std::unexpected(types::ExitError(fmt::format("{}: {}", *name, text.error())));
    }
    read_timer.stop();

    // The parse time includes making the parser.
    shared::components::Timer parse_timer;
    const auto source = kerfa_content::types::Source::file(std::string(path));
    auto parser = kerfa_engine_tool::configure::EngineFactory::create(0, mode).new_parser(source);
    auto parse = parser->parse_str(*text);
    parser.reset();
    parse_timer.stop();
    return RetrievedFile{std::move(parse), read_timer, parse_timer};
}

kerfa_content::data::types::Document to_document(
    std::string_view path, kerfa_content::modules::parser::types::ParseData parse) {
    kerfa_content::data::types::Document document;
    document.id = 0;
    document.source = kerfa_content::types::Source::file(std::string(path));
    document.metadata = std::move(parse.metadata);
    document.children = std::move(parse.content);
    return document;
}

}  // namespace kerfa_tool
