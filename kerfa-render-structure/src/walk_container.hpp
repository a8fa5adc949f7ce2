#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/metadata.hpp"

// The outline's walk: lines at a depth, item lists and metadata blocks.
namespace kerfa_render_structure::walk_container {

// Indentation is written for at most this many levels, so deep nesting cannot make the outline
// grow with the square of the depth.
inline constexpr std::size_t MAX_WRITTEN_DEPTH = 256;

// Four blanks per level (up to MAX_WRITTEN_DEPTH), the line and a line feed.
void append(std::string_view line, std::size_t depth, std::string& out);

// The line of every item of the list at `depth`, and what each container holds one level deeper:
// a document's metadata and items, a section's metadata (when it has any) and items, a block's
// items. One walk with its own stack: any depth of nesting costs heap, never call stack.
void render_children(std::span<const kerfa_content::data::structure::Data> items, std::size_t depth,
                     std::string& out);

// What a container holds, one level below its line at `depth`.
void render_contents(const kerfa_content::data::structure::Container& container, std::size_t depth,
                     std::string& out);

// Nothing without keys; else "[Metadata : ]" and one line per key one level deeper, the key
// padded to 20 characters, two blanks and the value.
void render_metadata(const kerfa_content::types::Metadata& metadata, std::size_t depth,
                     std::string& out);

}  // namespace kerfa_render_structure::walk_container
