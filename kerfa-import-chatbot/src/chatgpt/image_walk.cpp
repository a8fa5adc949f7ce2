#include "chatgpt/image_walk.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>

#include "shared/utils/lowercase.hpp"
#include "shared/utils/utf8.hpp"

namespace import_chatbot::chatgpt {
namespace {

using FolderId = std::pair<dev_t, ino_t>;

struct Entry {
    std::string name;
    unsigned char type;  // d_type: DT_UNKNOWN when the file system does not tell
};

struct Folder {
    std::string path;
    std::vector<Entry> entries;
    // A folder runs of the tool write into, whose document image folders are left out.
    bool output;
    std::size_t next = 0;
};

std::optional<struct stat> status_of(const std::string& path) {
    struct stat status {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return status;
}

// The folder's entries sorted by name bytes, so the walk order does not depend on the file
// system; none when it cannot be listed.
std::vector<Entry> list_folder(const std::string& path) {
    std::vector<Entry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(path.c_str()), ::closedir);
    if (!folder) {
        return entries;
    }
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            entries.push_back({std::string(name), entry->d_type});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

std::string_view name_of(const Entry& entry) {
    return entry.name;
}

std::string_view name_of(const std::string& name) {
    return name;
}

std::string joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

// The stem of an image file's name, or none. A leading dot alone does not start an extension.
std::optional<std::string_view> image_stem(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    const std::string_view extension = name.substr(dot + 1);
    const std::string_view stem = name.substr(0, dot);
    if (!shared::utils::is_valid_utf8(extension) || !shared::utils::is_valid_utf8(stem)) {
        return std::nullopt;
    }
    const std::string lower = shared::utils::to_lowercase(extension);
    if (lower != "png" && lower != "jpg" && lower != "jpeg" && lower != "webp") {
        return std::nullopt;
    }
    return stem;
}

// Whether the sorted entries hold a document named after the folder entry, as every image folder
// the tool writes is.
bool is_document_image_folder(const std::vector<Entry>& entries, std::string_view name) {
    const auto holds = [&entries](const std::string& wanted) {
        return std::binary_search(
            entries.begin(), entries.end(), wanted,
            [](const auto& a, const auto& b) { return name_of(a) < name_of(b); });
    };
    const std::string stem(name);
    return holds(stem + ".kerfa") || holds(stem + ".md");
}

// Whether an image file that is no link lies directly in the folder. The tool copies images only
// into folders of their own, so an output folder holding one is also a folder of the export's
// images; a planted link does not make it one.
bool holds_plain_image(const std::string& folder, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (!image_stem(entry.name)) {
            continue;
        }
        struct stat status {};
        if (entry.type == DT_REG || (entry.type == DT_UNKNOWN &&
                                     ::lstat(joined(folder, entry.name).c_str(), &status) == 0 &&
                                     S_ISREG(status.st_mode))) {
            return true;
        }
    }
    return false;
}

}  // namespace

void collect_from(std::string_view folder, std::vector<FoundImage>& images,
                  std::span<const std::string> output_folders) {
    std::set<FolderId> outputs;
    for (const std::string& output : output_folders) {
        if (const auto status = status_of(output); status && S_ISDIR(status->st_mode)) {
            outputs.insert({status->st_dev, status->st_ino});
        }
    }
    std::set<FolderId> visited;
    const std::string root(folder);
    const auto root_status = status_of(root);
    if (!root_status || !S_ISDIR(root_status->st_mode)) {
        return;
    }
    const FolderId root_id{root_status->st_dev, root_status->st_ino};
    visited.insert(root_id);
    std::vector<Folder> stack;
    stack.push_back({root, list_folder(root), outputs.contains(root_id)});
    while (!stack.empty()) {
        Folder& top = stack.back();
        if (top.next == top.entries.size()) {
            stack.pop_back();
            continue;
        }
        const Entry& entry = top.entries[top.next++];
        const std::optional<std::string_view> stem = image_stem(entry.name);
        // A plain file needs no look: it is an image by its name or nothing.
        if (entry.type == DT_REG) {
            if (stem) {
                images.push_back({std::string(*stem), joined(top.path, entry.name)});
            }
            continue;
        }
        if (entry.type != DT_DIR && entry.type != DT_LNK && entry.type != DT_UNKNOWN) {
            continue;
        }
        std::string path = joined(top.path, entry.name);
        const auto status = status_of(path);
        if (!status) {
            continue;
        }
        if (S_ISDIR(status->st_mode)) {
            if (top.output && is_document_image_folder(top.entries, entry.name)) {
                continue;
            }
            const FolderId id{status->st_dev, status->st_ino};
            if (visited.insert(id).second) {
                std::vector<Entry> entries = list_folder(path);
                const bool output = outputs.contains(id);
                if (!output || holds_plain_image(path, entries)) {
                    stack.push_back({std::move(path), std::move(entries), output});
                }
            }
        } else if (S_ISREG(status->st_mode) && stem) {
            images.push_back({std::string(*stem), std::move(path)});
        }
    }
}

}  // namespace import_chatbot::chatgpt
