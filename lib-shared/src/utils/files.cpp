#include "shared/utils/files.hpp"

#include <sys/stat.h>

#include "shared/utils/utf8.hpp"

namespace shared::utils {

bool file_exists(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) {
        return false;
    }
    struct stat info {};
    return ::stat(std::string(path).c_str(), &info) == 0;
}

std::optional<std::string_view> last_component(std::string_view path) {
    for (;;) {
        while (!path.empty() && path.back() == '/') {
            path.remove_suffix(1);
        }
        if (path.empty() || path == ".") {
            return std::nullopt;
        }
        if (!path.ends_with("/.")) {
            break;
        }
        path.remove_suffix(1);
    }
    const std::size_t slash = path.rfind('/');
    const std::string_view component =
        slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (component == "..") {
        return std::nullopt;
    }
    return component;
}

std::optional<std::string_view> file_name(std::string_view path) {
    const std::optional<std::string_view> component = last_component(path);
    if (!component || !is_valid_utf8(*component)) {
        return std::nullopt;
    }
    return component;
}

namespace {

// Position of the dot that splits stem from extension, or npos.
std::size_t split_dot(std::string_view component) {
    const std::size_t dot = component.rfind('.');
    return dot == 0 ? std::string_view::npos : dot;
}

}  // namespace

std::optional<std::string> file_stem(std::string_view path) {
    const std::optional<std::string_view> component = last_component(path);
    if (!component) {
        return std::nullopt;
    }
    return utf8_lossy(component->substr(0, split_dot(*component)));
}

std::optional<std::string> file_extension(std::string_view path) {
    const std::optional<std::string_view> component = last_component(path);
    if (!component) {
        return std::nullopt;
    }
    const std::size_t dot = split_dot(*component);
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    return utf8_lossy(component->substr(dot + 1));
}

std::string join_path(std::string_view folder, std::string_view name) {
    if (folder.empty() || name.starts_with('/')) {
        return std::string(name);
    }
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    if (!folder.ends_with('/')) {
        path.push_back('/');
    }
    path.append(name);
    return path;
}

}  // namespace shared::utils
