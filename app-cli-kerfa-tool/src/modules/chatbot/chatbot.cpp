#include "modules/chatbot/chatbot.hpp"

#include <fmt/format.h>

#include <filesystem>
#include <system_error>

#include "import_chatbot/error.hpp"
#include "import_chatbot/pipeline.hpp"
#include "modules/runners.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/stdout.hpp"
#include "ui/console/ai_conversations.hpp"

namespace kerfa_tool::modules {

namespace chatbot {
namespace {

using import_chatbot::converter::ConvertedFile;
using import_chatbot::formatters::OutputFormat;

std::uint8_t provider_request(const ChatbotSettings& settings) {
    if (settings.chatgpt) {
        return static_cast<std::uint8_t>(import_chatbot::provider::Provider::ChatGPT);
    }
    if (settings.claude) {
        return static_cast<std::uint8_t>(import_chatbot::provider::Provider::Claude);
    }
    return import_chatbot::provider::DETECT_PROVIDER;
}

types::CommandResult copy_images(const ConvertedFile& file, const Destination& destination) {
    const std::string_view name = import_chatbot::converter::strip_extension(file.filename);
    const std::string folder = shared::utils::join_path(destination.path, name);
    if (auto created = destination.folder.make_folder(name); !created) {
        return std::unexpected(types::ExitError(
            fmt::format("Failed to create directory {}: {}", folder, created.error().message())));
    }
    const shared::utils::OutputFolder images = destination.folder.folder(name);
    for (const import_chatbot::model::ImageReference& image : file.images) {
        if (auto copied = images.copy_file(image.source_path, image.file_name); !copied) {
            return std::unexpected(types::ExitError(fmt::format(
                "Failed to copy image {} to {}: {}", image.source_path,
                shared::utils::join_path(folder, image.file_name), copied.error().message())));
        }
    }
    return {};
}

// A folder the user named may be a link; the default one inside the export may not.
shared::utils::OutputFolder open_output(const ChatbotSettings& settings, std::string_view path) {
    if (settings.output) {
        return shared::utils::OutputFolder::open(path);
    }
    return shared::utils::OutputFolder::open(settings.directory)
        .folder(shared::utils::last_component(path).value_or(path));
}

}  // namespace

types::CommandResult ensure_directory(std::string_view path) {
    if (shared::utils::file_exists(path)) {
        return {};
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path), error);
    if (error) {
        return std::unexpected(types::ExitError(
            fmt::format("Failed to create directory {}: {}", path, error.message())));
    }
    return {};
}

types::CommandResult write_file(const Destination& destination, std::string_view name,
                                std::string_view text) {
    if (auto written = destination.folder.write_file(name, text); !written) {
        return std::unexpected(types::ExitError(
            fmt::format("Failed to write {}: {}", shared::utils::join_path(destination.path, name),
                        written.error().message())));
    }
    return {};
}

std::expected<std::vector<std::string>, types::ExitError> write_converted_files(
    std::span<const ConvertedFile> files, const Destination& destination) {
    std::vector<std::string> written;
    written.reserve(files.size());
    for (const ConvertedFile& file : files) {
        if (auto done = write_file(destination, file.filename, file.content); !done) {
            return std::unexpected(std::move(done.error()));
        }
        if (!file.images.empty()) {
            if (auto copied = copy_images(file, destination); !copied) {
                return std::unexpected(std::move(copied.error()));
            }
        }
        written.push_back(file.filename);
    }
    return written;
}

types::CommandResult convert_ai_history(const ChatbotSettings& settings) {
    if (settings.chatgpt && settings.claude) {
        return std::unexpected(types::ExitError("Cannot use both --chatgpt and --claude."));
    }
    const import_chatbot::pipeline::ImportRequest request{
        .index_name = settings.index_name,
        .format = settings.markdown ? OutputFormat::Markdown : OutputFormat::Kerfa,
        .provider = provider_request(settings),
        .output_folder = settings.output,
    };
    auto plan = import_chatbot::pipeline::plan_import(settings.directory, request);
    if (!plan) {
        return std::unexpected(types::ExitError(import_chatbot::error::display(plan.error())));
    }
    const std::string& output = plan->output_folder;
    if (auto created = ensure_directory(output); !created) {
        return created;
    }
    const Destination destination{output, open_output(settings, output)};
    if (!settings.silent) {
        ui::console::show_convert_ai_conversations_start(plan->provider);
    }

    auto conversations = write_converted_files(plan->conversations, destination);
    if (!conversations) {
        return std::unexpected(std::move(conversations.error()));
    }
    if (!settings.silent) {
        shared::utils::write_stdout(
            fmt::format("Converted {} conversations.\n", conversations->size()));
    }
    auto memories = write_converted_files(plan->memories, destination);
    if (!memories) {
        return std::unexpected(std::move(memories.error()));
    }
    if (!settings.silent && !memories->empty()) {
        shared::utils::write_stdout(fmt::format("Converted {} memories.\n", memories->size()));
    }

    const kerfa_index_file::types::IndexPlan& index = plan->index;
    if (auto written = write_file(destination, index.file_name, index.content); !written) {
        return written;
    }
    if (!settings.silent) {
        ui::console::show_convert_ai_conversations_index_created(index.file_name);
    }
    return {};
}

}  // namespace chatbot

CommandResult run_command(const Command::AiChats& command, const Arguments& arguments) {
    return chatbot::convert_ai_history({.directory = command.directory,
                                        .output = arguments.output,
                                        .index_name = command.index_name,
                                        .markdown = command.markdown,
                                        .chatgpt = command.chatgpt,
                                        .claude = command.claude,
                                        .silent = arguments.silent});
}

}  // namespace kerfa_tool::modules
