#include "kerfa_index_file/modules/directory.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "kerfa_index_file/modules/index_file.hpp"
#include "kerfa_index_file/modules/index_name.hpp"
#include "modules/document_name.hpp"

namespace kerfa_index_file::modules {

namespace {

using types::IndexError;

struct CloseDirectory {
    void operator()(DIR* directory) const { ::closedir(directory); }
};
using DirectoryHandle = std::unique_ptr<DIR, CloseDirectory>;

std::string system_text(int error) {
    return std::error_code(error, std::system_category()).message();
}

std::expected<void, IndexError> check_folder(std::string_view folder) {
    struct stat status {};
    if (folder.find('\0') != std::string_view::npos ||
        ::stat(std::string(folder).c_str(), &status) != 0) {
        return std::unexpected(IndexError::DirectoryNotFound{std::string(folder)});
    }
    if (!S_ISDIR(status.st_mode)) {
        return std::unexpected(IndexError::NotADirectory{std::string(folder)});
    }
    return {};
}

// A link counts as what it points to; one that points nowhere is no regular file.
bool is_regular_file(DIR* directory, const char* name) {
    struct stat status {};
    return ::fstatat(::dirfd(directory), name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

// The names of the documents in listing order.
std::expected<std::vector<std::string>, IndexError> list_documents(std::string_view folder) {
    const DirectoryHandle directory(::opendir(std::string(folder).c_str()));
    if (!directory) {
        return std::unexpected(IndexError::ReadDirectoryFailed{system_text(errno)});
    }
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(directory.get());
        if (entry == nullptr) {
            if (errno != 0) {
                return std::unexpected(IndexError::ReadEntryFailed{system_text(errno)});
            }
            return names;
        }
        const std::string_view name(entry->d_name);
        // The cheap tests first: most entries of a busy folder fail them without a stat.
        if (is_document_name(name) && is_regular_file(directory.get(), entry->d_name)) {
            names.emplace_back(name);
        }
    }
}

}  // namespace

std::expected<IndexedDirectory, IndexError> index_directory(
    std::string_view folder, std::optional<std::string_view> index_name, bool markdown) {
    if (auto checked = check_folder(folder); !checked) {
        return std::unexpected(std::move(checked.error()));
    }
    auto name = resolve_index_name(index_name);
    if (!name) {
        return std::unexpected(std::move(name.error()));
    }
    const bool as_markdown = name->format == types::IndexFormat::Markdown ||
                             (name->format == types::IndexFormat::Unspecified && markdown);
    auto documents = list_documents(folder);
    if (!documents) {
        return std::unexpected(std::move(documents.error()));
    }
    std::vector<std::string_view> names(documents->begin(), documents->end());
    return IndexedDirectory{
        generate_index_file(std::move(names), as_markdown ? ".md" : ".kerfa", name->stem),
        documents->size()};
}

}  // namespace kerfa_index_file::modules
