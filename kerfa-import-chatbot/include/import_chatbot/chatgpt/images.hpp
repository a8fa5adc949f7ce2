#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "import_chatbot/model/conversation.hpp"

namespace import_chatbot::chatgpt {

// Fills the images of every message from its asset pointers, with the image files (png, jpg,
// jpeg, webp) found in the export folder and every folder below it. Each folder is walked once,
// in name order; of the output folders (those runs of the tool write into), what earlier runs
// wrote is left out: a folder below the export whole, unless it holds an image itself, and the
// image folders of documents. A pointer matches the file whose name before the extension is its id,
// else the first file in walk order whose name begins with the id followed by neither a letter nor
// a digit. Never fails: what cannot be read is passed over.
void resolve_images(std::vector<model::Conversation>& conversations, std::string_view folder,
                    std::span<const std::string> output_folders = {});

}  // namespace import_chatbot::chatgpt
