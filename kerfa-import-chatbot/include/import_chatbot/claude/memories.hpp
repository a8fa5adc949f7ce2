#pragma once

#include <expected>
#include <optional>
#include <string_view>

#include "import_chatbot/error.hpp"
#include "import_chatbot/model/memory.hpp"

namespace import_chatbot::claude {

struct Memories {
    // Titled "General".
    model::MemoryCollection general;
    // Titled by project name, in the order of the project ids' bytes.
    model::MemoryCollection projects;
};

// The memories of memories.json, dated by the UTC day of its modification time. Project names
// come from projects.json when it is given and readable; otherwise a project is called
// "Project" and the first 8 bytes of its id. Fails for memories.json only: MetadataFailed,
// InvalidTimestamp (modified before 1970), ReadFailed or JsonParseFailed.
std::expected<Memories, error::ImportError> load_memories(
    std::string_view memories_path, std::optional<std::string_view> projects_path);

}  // namespace import_chatbot::claude
