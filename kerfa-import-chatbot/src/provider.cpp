#include "import_chatbot/provider.hpp"

#include "shared/utils/files.hpp"

namespace import_chatbot::provider {

std::string_view display(Provider provider) {
    switch (provider) {
        case Provider::ChatGPT:
            return "ChatGPT";
        case Provider::Claude:
            break;
    }
    return "Claude";
}

Provider resolve_provider(std::uint8_t request, std::string_view folder) {
    switch (request) {
        case static_cast<std::uint8_t>(Provider::Claude):
            return Provider::Claude;
        case static_cast<std::uint8_t>(Provider::ChatGPT):
            return Provider::ChatGPT;
        default:
            return shared::utils::file_exists(shared::utils::join_path(folder, "user.json"))
                       ? Provider::ChatGPT
                       : Provider::Claude;
    }
}

}  // namespace import_chatbot::provider
