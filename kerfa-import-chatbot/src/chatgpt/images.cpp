#include "import_chatbot/chatgpt/images.hpp"

#include "chatgpt/image_matcher.hpp"
#include "chatgpt/image_walk.hpp"

namespace import_chatbot::chatgpt {

void resolve_images(std::vector<model::Conversation>& conversations, std::string_view folder,
                    std::span<const std::string> output_folders) {
    std::vector<FoundImage> images;
    collect_from(folder, images, output_folders);
    const ImageMatcher matcher(images);
    for (model::Conversation& conversation : conversations) {
        for (model::Message& message : conversation.messages) {
            message.images.clear();
            for (const std::string& pointer : message.asset_pointers) {
                if (const FoundImage* image = matcher.match(image_id(pointer))) {
                    const std::size_t slash = image->path.rfind('/');
                    message.images.push_back(
                        {image->path,
                         image->path.substr(slash == std::string::npos ? 0 : slash + 1)});
                }
            }
        }
    }
}

}  // namespace import_chatbot::chatgpt
