#include "ui/console/help.hpp"

#include <array>

#include "shared/utils/stdout.hpp"
#include "shared/utils/terminal_color.hpp"
#include "ui/padding.hpp"

namespace kerfa_tool::ui::console {
namespace {

using shared::utils::console::BrightColor;
using shared::utils::console::paint;

struct HelpRow {
    std::string_view command;
    std::string_view alias;
    // Empty for the empty lines between groups.
    std::string_view description;
};

constexpr std::array kRows{
    HelpRow{"help", "h", "Prints this help message."},
    HelpRow{"--app-info", "-i", "Prints application information."},
    HelpRow{"--silent", "-s", "Mutes informational messages."},
    HelpRow{},
    HelpRow{"statistics", "", "Show statistics for a kerfa file."},
    HelpRow{"structure", "s", "Show the structure of a kerfa file."},
    HelpRow{"kerfa-indented", "ind", "Convert to indented Kerfa (for debugging)."},
    HelpRow{"test", "t", "Test file and show any errors."},
    HelpRow{"source", "src", "Print the exact authored bytes of a file."},
    HelpRow{"  --section=<id|title>", "", "One section only (outline id or heading title)."},
    HelpRow{"hash", "", "Print the SHA-256 hash of the file bytes."},
    HelpRow{},
    HelpRow{"headings", "", "Extract headings."},
    HelpRow{"html", "", "Convert to HTML."},
    HelpRow{"markdown", "md", "Convert to Markdown."},
    HelpRow{"kerfa", "", "Convert to Kerfa."},
    HelpRow{"kerfa-min", "min", "Convert to minimalist Kerfa."},
    HelpRow{"kerfa-v1", "v1", "Convert to Kerfa V1."},
    HelpRow{"text", "", "Convert to text."},
    HelpRow{},
    HelpRow{"ai-chats", "ai", "Convert AI chat history into Kerfa documents."},
    HelpRow{},
    HelpRow{"  --markdown", "--md", "Output as Markdown (defaults to Kerfa)."},
    HelpRow{"  --chatgpt", "--gpt", "Sets conversion for ChatGPT."},
    HelpRow{"  --claude", "", "Sets conversion for Claude."},
    HelpRow{"  --index=<name>", "", "Custom index filename (default: Index)."},
    HelpRow{},
    HelpRow{"index", "index-dir", "Create a Kerfa index of the files in a directory."},
    HelpRow{},
    HelpRow{"  --markdown", "--md", "Output as Markdown (defaults to Kerfa)."},
    HelpRow{"  --index=<name>", "", "Custom index filename (default: Index)."},
    HelpRow{},
};

std::string usage(std::string_view name) {
    std::string line = "Usage: ";
    line.append(paint(name, BrightColor::Yellow)).push_back(' ');
    return line;
}

}  // namespace

std::string help_line(std::string_view command, std::string_view alias,
                      std::string_view description) {
    std::string line = "  ";
    line.append(paint(pad_right(command, 16), BrightColor::Yellow));
    line.append(paint("|", BrightColor::Black));
    line.append("  ");
    line.append(paint(pad_right(alias, 5), BrightColor::Yellow));
    line.append("  ").append(description).push_back('\n');
    return line;
}

void print_help_line(std::string_view command, std::string_view alias,
                     std::string_view description) {
    shared::utils::write_stdout(help_line(command, alias, description));
}

void show_help(const shared::types::AppInfo& info) {
    const std::string command = paint("<command>", BrightColor::Magenta);
    std::string out = "\n";
    out.append(usage(info.name)).append(command).push_back('\n');
    out.append(usage(info.name)).append(command).push_back(' ');
    out.append(paint("<kerfa_file>", BrightColor::Magenta)).push_back(' ');
    out.append(paint("[", BrightColor::Black)).push_back(' ');
    out.append(paint("<output_file>", BrightColor::Magenta)).push_back(' ');
    out.append(paint("]", BrightColor::Black)).append("\n\n");
    out.append(usage(info.name)).append("help       | h\n");
    out.append(usage(info.name)).append("--app-info | -i\n");
    out.append(usage(info.name)).append("--silent   | -s\n\n");
    out.append("  ").append(paint(pad_right("<command>", 24), BrightColor::Magenta));
    out.append("One of the following:\n\n");
    for (const HelpRow& row : kRows) {
        if (row.description.empty()) {
            out.push_back('\n');
        } else {
            out.append(help_line(row.command, row.alias, row.description));
        }
    }
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
