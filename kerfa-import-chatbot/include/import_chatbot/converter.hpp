#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import_chatbot/model/image_reference.hpp"

namespace import_chatbot::converter {

// One planned output document.
struct ConvertedFile {
    // With its extension; unique among the conversation documents of one import.
    std::string filename;
    std::string content;
    // Copied beside the document, into the folder named by strip_extension(filename).
    std::vector<model::ImageReference> images;

    bool operator==(const ConvertedFile&) const = default;
};

// The name before its last "." ("a.b.kerfa" gives "a.b", ".kerfa" gives ""), or the whole name
// when it has none: the name of a document's image folder.
std::string_view strip_extension(std::string_view name);

}  // namespace import_chatbot::converter
