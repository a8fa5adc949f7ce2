#include "controller/arguments.hpp"

#include <optional>
#include <string_view>

#include "controller/command_words.hpp"

namespace kerfa_tool::controller {
namespace {

using shared::components::Argumented;
using types::Arguments;
using types::Command;

constexpr std::string_view kMissingFile = "Missing kerfa file name.";
constexpr std::string_view kMissingDirectory = "Missing directory.";

std::optional<std::string> value_of(const Argumented& reader,
                                    std::initializer_list<std::string_view> names) {
    std::optional<std::string_view> value = reader.named_value(names);
    if (!value) {
        return std::nullopt;
    }
    return std::string(*value);
}

bool wants_markdown(const Argumented& reader) {
    return reader.has_named({"markdown", "md", "m"});
}

Command file_command(Argumented& reader, auto make) {
    std::optional<std::string> file = reader.next();
    if (!file) {
        return Command::invalid(std::string(kMissingFile));
    }
    return make(std::move(*file));
}

void parse_convert_to(Argumented& reader, Arguments& arguments, types::ConvertTarget target) {
    arguments.command = file_command(reader, [target](std::string file) {
        return Command{Command::Convert{target, std::move(file)}};
    });
    // Taken whether or not the file was there.
    arguments.output = reader.next();
}

void parse_ai_chats(Argumented& reader, Arguments& arguments) {
    std::optional<std::string> directory = reader.next();
    if (!directory) {
        arguments.command = Command::invalid(std::string(kMissingDirectory));
        return;
    }
    arguments.output = reader.next();
    arguments.command = Command{Command::AiChats{
        .markdown = wants_markdown(reader),
        .chatgpt = reader.has_named({"chatgpt", "gpt"}),
        .claude = reader.has_named({"claude"}),
        .index_name = value_of(reader, {"index"}),
        .directory = std::move(*directory),
    }};
}

void parse_index(Argumented& reader, Arguments& arguments) {
    std::optional<std::string> directory = reader.next();
    if (!directory) {
        arguments.command = Command::invalid(std::string(kMissingDirectory));
        return;
    }
    arguments.command = Command{Command::Index{
        .markdown = wants_markdown(reader),
        .index_name = value_of(reader, {"index"}),
        .directory = std::move(*directory),
    }};
}

void parse_command(Argumented& reader, Arguments& arguments, const std::string& word) {
    std::optional<CommandWord> found = find_command_word(word);
    if (!found) {
        arguments.command = Command::invalid("Invalid command: '" + word + "'");
        return;
    }
    switch (found->kind) {
        case CommandKind::Help:
            arguments.command = Command{Command::Help{}};
            return;
        case CommandKind::PrintAppInfo:
            arguments.command = Command{Command::PrintAppInfo{}};
            return;
        case CommandKind::Stats:
            arguments.command = file_command(
                reader, [](std::string file) { return Command{Command::Stats{std::move(file)}}; });
            return;
        case CommandKind::Test:
            arguments.command = file_command(
                reader, [](std::string file) { return Command{Command::Test{std::move(file)}}; });
            return;
        case CommandKind::Convert:
            if (found->target == types::ConvertTarget::Html) {
                parse_convert(reader, arguments);
            } else {
                parse_convert_to(reader, arguments, found->target);
            }
            return;
        case CommandKind::PrintSource:
            parse_source(reader, arguments);
            return;
        case CommandKind::Hash:
            arguments.command = require_file(reader);
            return;
        case CommandKind::AiChats:
            parse_ai_chats(reader, arguments);
            return;
        case CommandKind::Index:
            parse_index(reader, arguments);
            return;
    }
}

}  // namespace

void parse_source(Argumented& reader, Arguments& arguments) {
    arguments.command = file_command(reader, [&reader](std::string file) {
        return Command{Command::PrintSource{
            .section = value_of(reader, {"section", "sec"}),
            .file = std::move(file),
        }};
    });
}

Command require_file(Argumented& reader) {
    return file_command(reader, Command::hash);
}

void parse_convert(Argumented& reader, Arguments& arguments) {
    arguments.command = file_command(reader, Command::to_html);
    arguments.output = reader.next();
}

Arguments get_arguments(Argumented reader) {
    Arguments arguments;
    if (std::optional<std::string> word = reader.next()) {
        parse_command(reader, arguments, *word);
    }
    arguments.show_info = reader.has_named({"app-info", "app", "info", "i", "version", "ver", "v"});
    arguments.silent = reader.has_named({"silent", "s"});
    arguments.privacy = reader.has_named({"private", "priv", "p", "show-private", "sp"})
                            ? types::DoubleTagMode::Strip
                            : types::DoubleTagMode::RemovePrivate;
    return arguments;
}

Arguments get_arguments(std::vector<std::string> process_arguments) {
    return get_arguments(Argumented::from_vec(std::move(process_arguments)));
}

}  // namespace kerfa_tool::controller
