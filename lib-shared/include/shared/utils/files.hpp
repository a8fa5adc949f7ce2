#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shared::utils {

// Whether the path names an existing entry of any kind (links followed); false when it cannot be
// examined.
bool file_exists(std::string_view path);

// The last component of the path as raw bytes, ignoring trailing "/" and a trailing "."
// component; none for "", ".", a root or a path ending in "..".
std::optional<std::string_view> last_component(std::string_view path);

// last_component, but none when it is not UTF-8.
std::optional<std::string_view> file_name(std::string_view path);

// The last component split at its last "." (a leading dot alone does not split); bytes that are
// not UTF-8 become U+FFFD. "a.tar.gz" -> stem "a.tar", extension "gz"; "a." -> "a" and "";
// ".profile" -> ".profile" and none.
std::optional<std::string> file_stem(std::string_view path);
std::optional<std::string> file_extension(std::string_view path);

// The path of `name` inside `folder`: one "/" between them unless the folder already ends in one
// or is empty; an absolute name replaces the folder.
std::string join_path(std::string_view folder, std::string_view name);

}  // namespace shared::utils
