#include "import_chatbot/claude/memories.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <map>
#include <string>
#include <system_error>

#include "shared/utils/files.hpp"
#include "shared/utils/string_hash.hpp"
#include "utils/char_boundary.hpp"
#include "utils/date_formatter.hpp"
#include "utils/json_access.hpp"
#include "utils/json_reader.hpp"

namespace import_chatbot::claude {
namespace {

using utils::json::as_string;
using utils::json::member;

constexpr std::size_t PROJECT_KEY_BYTES = 8;

// Project id to name; empty when projects.json is missing or unreadable, which is no failure.
shared::utils::StringMap<std::string> project_names(std::optional<std::string_view> path) {
    shared::utils::StringMap<std::string> names;
    if (!path || !shared::utils::file_exists(*path)) {
        return names;
    }
    const auto document = utils::parse_json_array_file(*path);
    if (!document) {
        return names;
    }
    const simdjson::dom::array projects = document->root().get_array().value_unsafe();
    for (const simdjson::dom::element project : projects) {
        const auto uuid = as_string(member(project, "uuid"));
        const auto name = as_string(member(project, "name"));
        if (uuid && name) {
            names.insert_or_assign(std::string(*uuid), std::string(*name));
        }
    }
    return names;
}

std::string project_title(std::string_view key,
                          const shared::utils::StringMap<std::string>& names) {
    if (const auto found = names.find(key); found != names.end()) {
        return found->second;
    }
    return "Project " +
           std::string(key.substr(0, utils::floor_char_boundary(key, PROJECT_KEY_BYTES)));
}

std::vector<model::MemoryEntry> project_entries(
    utils::json::Value memories, const shared::utils::StringMap<std::string>& names) {
    std::vector<model::MemoryEntry> entries;
    const auto object = utils::json::as_object(member(memories, "project_memories"));
    if (!object) {
        return entries;
    }
    // Sorted by key bytes; a later duplicate key replaces the earlier member.
    std::map<std::string_view, simdjson::dom::element> members;
    for (const simdjson::dom::key_value_pair field : *object) {
        members.insert_or_assign(field.key, field.value);
    }
    for (const auto& [key, value] : members) {
        const std::string_view text = utils::json::non_empty_string(value);
        if (!text.empty()) {
            entries.push_back({project_title(key, names), std::string(text)});
        }
    }
    return entries;
}

}  // namespace

std::expected<Memories, error::ImportError> load_memories(
    std::string_view memories_path, std::optional<std::string_view> projects_path) {
    const std::string path(memories_path);
    struct stat status {};
    if (path.find('\0') != std::string::npos) {
        return std::unexpected(error::MetadataFailed{
            path, std::make_error_code(std::errc::no_such_file_or_directory).message()});
    }
    if (::stat(path.c_str(), &status) != 0) {
        return std::unexpected(
            error::MetadataFailed{path, std::error_code(errno, std::system_category()).message()});
    }
    // Whole seconds, floored: a time a fraction before 1970 is before it too.
    const std::int64_t seconds = status.st_mtim.tv_sec;
    if (seconds < 0) {
        return std::unexpected(
            error::InvalidTimestamp{path, "modification time is before 1970-01-01"});
    }
    const std::string date = utils::day_text(seconds);
    const shared::utils::StringMap<std::string> names = project_names(projects_path);
    const auto record = utils::read_json_record(memories_path);
    if (!record) {
        return std::unexpected(record.error());
    }
    Memories memories{{date, {}}, {date, project_entries(record->root(), names)}};
    const std::string_view general =
        utils::json::non_empty_string(member(record->root(), "conversations_memory"));
    if (!general.empty()) {
        memories.general.entries.push_back({"General", std::string(general)});
    }
    return memories;
}

}  // namespace import_chatbot::claude
