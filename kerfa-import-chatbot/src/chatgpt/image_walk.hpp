#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace import_chatbot::chatgpt {

// An image file found in the export.
struct FoundImage {
    // The file name without its last extension.
    std::string stem;
    std::string path;

    bool operator==(const FoundImage&) const = default;
};

// Appends, in walk order, every regular file (links followed) below the folder whose extension
// is png, jpg, jpeg or webp in any letter case and whose name is UTF-8. The walk is depth first
// over each folder's entries sorted by name bytes and visits every folder once (by device and
// inode), so link loops end. The output folders (compared by device and inode) are folders runs
// of the tool write into: one below the export is left out, unless an image file that is no link
// lies directly in it (the tool never copies one there, so the export keeps its images there);
// in one that is walked, and in the export folder itself, the folders the tool copies images
// into are left out: those named after a document beside them (name.kerfa or name.md). So a run
// never matches an earlier run's copies. What cannot be listed or examined is passed over.
void collect_from(std::string_view folder, std::vector<FoundImage>& images,
                  std::span<const std::string> output_folders = {});

}  // namespace import_chatbot::chatgpt
