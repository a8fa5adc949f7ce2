#include "kerfa_source_map/address/handles.hpp"

namespace kerfa_source_map::address {

std::vector<SectionHandle> section_handles(
    const kerfa_content::modules::parser::types::ParseData& parse) {
    std::vector<SectionHandle> handles;
    for (const auto& item : parse.content) {
        const auto* container = item.as_container();
        const auto* section = container == nullptr ? nullptr : container->as_section();
        if (section != nullptr) {
            std::optional<std::string> title;
            if (section->name) {
                title = section->name->str();
            }
            handles.push_back({std::move(title), section->id});
        }
    }
    return handles;
}

}  // namespace kerfa_source_map::address
