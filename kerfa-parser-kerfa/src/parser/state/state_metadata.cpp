#include "parser/state/state_metadata.hpp"

#include "shared/components/configuration.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_parser_kerfa::parser::state {

State StateMetadata::next_text(types::Harness& harness, std::string_view text) {
    const std::string_view body = shared::utils::trim(text);
    if (!body.empty()) {
        auto& collector = *harness.collector;
        // Names keep their case here; the metadata lower-cases them in line order, so of two
        // names that differ only in case the later line wins.
        shared::components::ConfigurationMap map =
            shared::components::parse_configuration_to_map(body, true);
        if (collector.is_very_first()) {
            collector.append_root_metadata(std::move(map));
        } else {
            collector.append_container_metadata(std::move(map));
        }
    }
    return State::Metadata{};
}

}  // namespace kerfa_parser_kerfa::parser::state
