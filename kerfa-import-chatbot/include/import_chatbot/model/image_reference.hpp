#pragma once

#include <string>

namespace import_chatbot::model {

// An image file of the export matched to a message.
struct ImageReference {
    // Where the image lies in the export folder.
    std::string source_path;
    // The name under which the document links it and the import copies it.
    std::string file_name;

    bool operator==(const ImageReference&) const = default;
};

}  // namespace import_chatbot::model
