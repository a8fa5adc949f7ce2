// Reads one chat export as the import does before it formats anything, once, and reports the wall
// time, the process's peak resident memory and both against the size of conversations.json.
// Usage: chat_import_bench chatgpt|claude EXPORT_FOLDER
// scripts/bench-chat-import generates the exports and runs it for both providers.

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

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
    chatgpt::resolve_images(*conversations, folder, folder + "/Kerfa");
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: chat_import_bench chatgpt|claude EXPORT_FOLDER\n");
        return 2;
    }
    const std::string_view provider = argv[1];
    const std::string folder = argv[2];
    struct stat status {};
    if (::stat((folder + "/conversations.json").c_str(), &status) != 0) {
        std::fprintf(stderr, "no conversations.json in %s\n", folder.c_str());
        return 2;
    }
    const double export_mb = static_cast<double>(status.st_size) / (1024.0 * 1024.0);

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
