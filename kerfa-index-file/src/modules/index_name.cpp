#include "kerfa_index_file/modules/index_name.hpp"

#include <cstdlib>

#include "shared/utils/utf8.hpp"

namespace kerfa_index_file::modules {

using types::IndexError;
using types::IndexFormat;
using types::IndexName;

std::expected<IndexName, IndexError> parse_index_name(std::string_view name) {
    constexpr std::string_view kerfa = ".kerfa";
    constexpr std::string_view markdown = ".md";
    if (name.ends_with(kerfa)) {
        return IndexName{std::string(name.substr(0, name.size() - kerfa.size())),
                         IndexFormat::Kerfa};
    }
    if (name.ends_with(markdown)) {
        return IndexName{std::string(name.substr(0, name.size() - markdown.size())),
                         IndexFormat::Markdown};
    }
    if (name.find('.') != std::string_view::npos) {
        return std::unexpected(IndexError::InvalidExtension{std::string(name)});
    }
    return IndexName{std::string(name), IndexFormat::Unspecified};
}

std::expected<IndexName, IndexError> resolve_index_name(
    std::optional<std::string_view> name, std::optional<std::string_view> environment_value) {
    if (name) {
        return parse_index_name(*name);
    }
    if (environment_value && !environment_value->empty() &&
        shared::utils::is_valid_utf8(*environment_value)) {
        return parse_index_name(*environment_value);
    }
    return IndexName{"Index", IndexFormat::Unspecified};
}

std::expected<IndexName, IndexError> resolve_index_name(std::optional<std::string_view> name) {
    const char* value = std::getenv(INDEX_NAME_VARIABLE);
    return resolve_index_name(
        name, value != nullptr ? std::optional<std::string_view>(value) : std::nullopt);
}

}  // namespace kerfa_index_file::modules
