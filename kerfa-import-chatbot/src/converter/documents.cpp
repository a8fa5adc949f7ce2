#include "converter/documents.hpp"

#include <algorithm>

#include <fmt/format.h>

#include "shared/utils/string_hash.hpp"
#include "shared/utils/white_space.hpp"
#include "utils/filename_generator.hpp"

namespace import_chatbot::converter {
namespace {

bool has_something_to_show(const model::Conversation& conversation) {
    return std::ranges::any_of(conversation.messages, &model::Message::has_something_to_show);
}

bool has_content(const model::MemoryCollection& collection) {
    return std::ranges::any_of(collection.entries, [](const model::MemoryEntry& entry) {
        return !shared::utils::is_blank(entry.content);
    });
}

// The name, or the first "stem - n.ext" (n = 2, 3, ...) that is not taken.
std::string free_image_name(const std::string& name, const shared::utils::StringSet& taken) {
    if (!taken.contains(name)) {
        return name;
    }
    const std::string_view stem = strip_extension(name);
    const std::string_view extension = std::string_view(name).substr(stem.size());
    for (std::size_t n = 2;; ++n) {
        std::string candidate = fmt::format("{} - {}{}", stem, n, extension);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
}

}  // namespace

std::vector<model::ImageReference> collect_images(model::Conversation& conversation) {
    std::vector<model::ImageReference> files;
    shared::utils::StringSet taken;
    // Source path to the name it was given.
    shared::utils::StringMap<std::string> named;
    for (model::Message& message : conversation.messages) {
        for (model::ImageReference& image : message.images) {
            if (const auto found = named.find(image.source_path); found != named.end()) {
                image.file_name = found->second;
                continue;
            }
            image.file_name = free_image_name(image.file_name, taken);
            taken.insert(image.file_name);
            named.emplace(image.source_path, image.file_name);
            files.push_back(image);
        }
    }
    return files;
}

std::vector<ConvertedFile> format_conversations(std::vector<model::Conversation> conversations,
                                                const formatters::Formatter& formatter,
                                                std::string_view user_name,
                                                std::string_view assistant_name,
                                                std::span<const std::string> reserved_names) {
    const std::string_view extension = formatter.file_extension();
    utils::UsedNames used;
    for (const std::string& name : reserved_names) {
        used.insert(name);
    }
    std::vector<ConvertedFile> files;
    for (model::Conversation& conversation : conversations) {
        if (has_something_to_show(conversation)) {
            std::string name = utils::resolve_duplicate_filename(
                utils::generate_filename(conversation.title, conversation.created, extension), used,
                extension);
            used.insert(name);
            std::vector<model::ImageReference> images = collect_images(conversation);
            std::string content = formatter.format_conversation(
                conversation, user_name, assistant_name, strip_extension(name));
            files.push_back({std::move(name), std::move(content), std::move(images)});
        }
        conversation = model::Conversation{};
    }
    return files;
}

std::vector<ConvertedFile> format_memory_files(const model::MemoryCollection& general,
                                               const model::MemoryCollection& projects,
                                               const formatters::Formatter& formatter,
                                               std::span<const std::string> taken_names) {
    utils::UsedNames used;
    for (const std::string& name : taken_names) {
        used.insert(name);
    }
    const auto free_name = [&](const std::string& name) {
        std::string resolved =
            utils::resolve_duplicate_filename(name, used, formatter.file_extension());
        used.insert(resolved);
        return resolved;
    };
    std::vector<ConvertedFile> files;
    if (has_content(general)) {
        files.push_back({free_name(formatter.memory_filename(general)),
                         formatter.format_memories(general),
                         {}});
    }
    if (has_content(projects)) {
        files.push_back({free_name(formatter.project_filename(projects)),
                         formatter.format_projects(projects),
                         {}});
    }
    return files;
}

}  // namespace import_chatbot::converter
