#include "import_chatbot/model/message.hpp"

#include "shared/utils/white_space.hpp"

namespace import_chatbot::model {

bool Message::has_something_to_show() const {
    return !shared::utils::is_blank(content) || !attachments.empty() || !asset_pointers.empty() ||
           !images.empty();
}

}  // namespace import_chatbot::model
