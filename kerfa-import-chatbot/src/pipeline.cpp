#include "import_chatbot/pipeline.hpp"

#include <utility>

#include "converter/documents.hpp"
#include "formatters/formatter.hpp"
#include "import_chatbot/chatgpt/conversations.hpp"
#include "import_chatbot/chatgpt/images.hpp"
#include "import_chatbot/chatgpt/users.hpp"
#include "import_chatbot/claude/conversations.hpp"
#include "import_chatbot/claude/memories.hpp"
#include "import_chatbot/claude/users.hpp"
#include "kerfa_index_file/modules/index_file.hpp"
#include "kerfa_index_file/modules/index_name.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"
#include "source.hpp"

namespace import_chatbot::pipeline {
namespace {

using formatters::OutputFormat;
using kerfa_index_file::types::IndexFormat;
using provider::Provider;
using shared::utils::join_path;

// What an export gives before it is formatted.
struct Export {
    std::string user_name;
    std::vector<model::Conversation> conversations;
    std::optional<claude::Memories> memories;
};

OutputFormat format_of(IndexFormat index_format, OutputFormat requested) {
    switch (index_format) {
        case IndexFormat::Kerfa:
            return OutputFormat::Kerfa;
        case IndexFormat::Markdown:
            return OutputFormat::Markdown;
        case IndexFormat::Unspecified:
            break;
    }
    return requested;
}

std::string output_folder(std::string_view folder, const ImportRequest& request,
                          OutputFormat format) {
    if (request.output_folder) {
        return *request.output_folder;
    }
    return join_path(folder, format == OutputFormat::Markdown ? "Markdown" : "Kerfa");
}

std::expected<Export, error::ImportError> read_chatgpt(std::string_view folder,
                                                       std::string_view output) {
    Export read{chatgpt::load_user_name(join_path(folder, "user.json")), {}, std::nullopt};
    auto conversations = chatgpt::load_conversations(join_path(folder, "conversations.json"));
    if (!conversations) {
        return std::unexpected(std::move(conversations.error()));
    }
    read.conversations = std::move(*conversations);
    // Every folder a run of the tool may have written into: the default ones of both formats
    // and this run's.
    const std::string output_folders[] = {join_path(folder, "Kerfa"), join_path(folder, "Markdown"),
                                          std::string(output)};
    chatgpt::resolve_images(read.conversations, folder, output_folders);
    return read;
}

std::expected<Export, error::ImportError> read_claude(std::string_view folder) {
    Export read{claude::load_user_name(join_path(folder, "users.json")), {}, std::nullopt};
    auto conversations = claude::load_conversations(join_path(folder, "conversations.json"));
    if (!conversations) {
        return std::unexpected(std::move(conversations.error()));
    }
    read.conversations = std::move(*conversations);
    const std::string memories_path = join_path(folder, "memories.json");
    if (shared::utils::file_exists(memories_path)) {
        const std::string projects_path = join_path(folder, "projects.json");
        auto memories = claude::load_memories(memories_path,
                                              shared::utils::file_exists(projects_path)
                                                  ? std::optional<std::string_view>(projects_path)
                                                  : std::nullopt);
        if (!memories) {
            return std::unexpected(std::move(memories.error()));
        }
        read.memories = std::move(*memories);
    }
    return read;
}

}  // namespace

std::expected<plan::ImportPlan, error::ImportError> plan_import(std::string_view folder,
                                                                const ImportRequest& request) {
    if (auto valid = source::validate_source(folder); !valid) {
        return std::unexpected(std::move(valid.error()));
    }
    const std::optional<std::string_view> requested_name =
        request.index_name ? std::optional<std::string_view>(*request.index_name) : std::nullopt;
    auto index_name = kerfa_index_file::modules::resolve_index_name(requested_name);
    if (!index_name) {
        return std::unexpected(error::IndexFailed{std::move(index_name.error())});
    }

    plan::ImportPlan plan;
    plan.format = format_of(index_name->format, request.format);
    const std::unique_ptr<formatters::Formatter> formatter = formatters::formatter(plan.format);
    plan.provider = provider::resolve_provider(request.provider, folder);
    plan.output_folder = output_folder(folder, request, plan.format);

    auto read = plan.provider == Provider::ChatGPT ? read_chatgpt(folder, plan.output_folder)
                                                   : read_claude(folder);
    if (!read) {
        return std::unexpected(std::move(read.error()));
    }

    const std::string extension(formatter->file_extension());
    // The index is written last: no document may take its name.
    const std::string index_file = index_name->stem + extension;
    plan.conversations = converter::format_conversations(
        std::move(read->conversations), *formatter, read->user_name,
        provider::display(plan.provider), std::span<const std::string>(&index_file, 1));
    if (read->memories) {
        std::vector<std::string> taken{index_file};
        taken.reserve(plan.conversations.size() + 1);
        for (const converter::ConvertedFile& file : plan.conversations) {
            taken.push_back(file.filename);
        }
        plan.memories = converter::format_memory_files(read->memories->general,
                                                       read->memories->projects, *formatter, taken);
    }

    std::vector<std::string_view> names;
    names.reserve(plan.conversations.size() + plan.memories.size());
    for (const auto* files : {&plan.conversations, &plan.memories}) {
        for (const converter::ConvertedFile& file : *files) {
            names.push_back(file.filename);
        }
    }
    plan.index = kerfa_index_file::modules::generate_index_file(std::move(names), extension,
                                                                index_name->stem);
    return plan;
}

}  // namespace import_chatbot::pipeline
