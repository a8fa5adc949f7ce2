// Reads one chat export as the import does before it formats anything, once, and reports the wall
// time, the process's peak resident memory and both against the size of conversations.json.
// With "run", runs the whole ai-chats command of the given kerfa-tool over the export instead,
// writing into a fresh folder, and reports the same of that process.
// Usage: chat_import_bench chatgpt|claude EXPORT_FOLDER
//        chat_import_bench run KERFA_TOOL EXPORT_FOLDER OUTPUT_FOLDER [OPTION...]
// scripts/bench-chat-import generates the exports and runs both for both providers.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "import_chatbot/chatgpt/conversations.hpp"
#include "import_chatbot/chatgpt/images.hpp"
#include "import_chatbot/chatgpt/users.hpp"
#include "import_chatbot/claude/conversations.hpp"
#include "import_chatbot/claude/memories.hpp"
#include "import_chatbot/claude/users.hpp"

namespace {

using namespace import_chatbot;

struct Counts {
    std::size_t conversations = 0;
    std::size_t messages = 0;
    std::size_t images = 0;
    std::size_t memories = 0;
};

Counts count(const std::vector<model::Conversation>& conversations) {
    Counts counts;
    counts.conversations = conversations.size();
    for (const model::Conversation& conversation : conversations) {
        counts.messages += conversation.messages.size();
        for (const model::Message& message : conversation.messages) {
            counts.images += message.images.size();
        }
    }
    return counts;
}

bool report(const error::ImportError& failure) {
    std::fprintf(stderr, "%s\n", error::display(failure).c_str());
    return false;
}

bool read_chatgpt(const std::string& folder, Counts& counts) {
    const std::string user = chatgpt::load_user_name(folder + "/user.json");
    auto conversations = chatgpt::load_conversations(folder + "/conversations.json");
    if (!conversations) {
        return report(conversations.error());
    }
    const std::string outputs[] = {folder + "/Kerfa", folder + "/Markdown"};
    chatgpt::resolve_images(*conversations, folder, outputs);
    counts = count(*conversations);
    return !user.empty();
}

bool read_claude(const std::string& folder, Counts& counts) {
    const std::string user = claude::load_user_name(folder + "/users.json");
    auto conversations = claude::load_conversations(folder + "/conversations.json");
    if (!conversations) {
        return report(conversations.error());
    }
    const auto memories =
        claude::load_memories(folder + "/memories.json", folder + "/projects.json");
    if (!memories) {
        return report(memories.error());
    }
    counts = count(*conversations);
    counts.memories = memories->general.entries.size() + memories->projects.entries.size();
    return !user.empty();
}

// The size of the export's conversations.json in MiB, or a negative number when there is none.
double export_size_mb(const std::string& folder) {
    struct stat status {};
    if (::stat((folder + "/conversations.json").c_str(), &status) != 0) {
        std::fprintf(stderr, "no conversations.json in %s\n", folder.c_str());
        return -1;
    }
    return static_cast<double>(status.st_size) / (1024.0 * 1024.0);
}

extern "C" char** environ;

// kerfa-tool ai-chats EXPORT OUTPUT -s [OPTION...] as its own process; the peak is the child's.
int run_command(int argc, char** argv) {
    const std::string folder = argv[3];
    const double export_mb = export_size_mb(folder);
    if (export_mb < 0) {
        return 2;
    }
    std::vector<std::string> words{argv[2], "ai-chats", folder, argv[4], "-s"};
    for (int i = 5; i < argc; ++i) {
        words.emplace_back(argv[i]);
    }
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (::posix_spawn(&child, argv[2], nullptr, nullptr, arguments.data(), environ) != 0) {
        std::fprintf(stderr, "cannot run %s\n", argv[2]);
        return 2;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "ai-chats failed\n");
        return 1;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    std::string options;
    for (std::size_t i = 5; i < words.size(); ++i) {
        options += ' ';
        options += words[i];
    }
    std::printf(
        "ai-chats%s over conversations.json %.1f MiB\n  wall %.2f s, peak resident "
        "%.1f MiB (%.2fx the export)\n",
        options.c_str(), export_mb, wall.count(), peak_mb, peak_mb / export_mb);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::string_view(argv[1]) == "run") {
        return run_command(argc, argv);
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: chat_import_bench chatgpt|claude EXPORT_FOLDER\n"
                     "       chat_import_bench run KERFA_TOOL EXPORT_FOLDER OUTPUT_FOLDER "
                     "[OPTION...]\n");
        return 2;
    }
    const std::string_view provider = argv[1];
    const std::string folder = argv[2];
    const double export_mb = export_size_mb(folder);
    if (export_mb < 0) {
        return 2;
    }

    Counts counts;
    const auto start = std::chrono::steady_clock::now();
    const bool read =
        provider == "claude" ? read_claude(folder, counts) : read_chatgpt(folder, counts);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!read) {
        return 1;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    std::printf(
        "%s: conversations.json %.1f MiB, %zu conversations, %zu messages, %zu images, "
        "%zu memories\n  wall %.2f s, peak resident %.1f MiB (%.2fx the export)\n",
        std::string(provider).c_str(), export_mb, counts.conversations, counts.messages,
        counts.images, counts.memories, wall.count(), peak_mb, peak_mb / export_mb);
    return 0;
}
