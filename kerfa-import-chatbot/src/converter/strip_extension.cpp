#include "import_chatbot/converter.hpp"

namespace import_chatbot::converter {

std::string_view strip_extension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace import_chatbot::converter
