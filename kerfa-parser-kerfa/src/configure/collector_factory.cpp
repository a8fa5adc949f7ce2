#include "configure/collector_factory.hpp"

#include "parser/collector/collector_core.hpp"
#include "parser/collector/collector_trace.hpp"

namespace kerfa_parser_kerfa::configure {

std::unique_ptr<parser::collector::Collector> CollectorFactory::collector(
    kerfa_content::data::structure::DataList& content, kerfa_content::types::Metadata& metadata,
    std::vector<errors::ElementError>& errors, std::uint64_t first_id,
    kerfa_content::modules::parser::types::SourcePositions& positions,
    kerfa_content::data::storage::Arena* arena,
    const kerfa_content::modules::parser::SectionSink* each) const {
    std::unique_ptr<parser::collector::Collector> core =
        std::make_unique<parser::collector::CollectorCore>(content, metadata, errors, first_id,
                                                           positions, arena, each);
    if (trace) {
        return std::make_unique<parser::collector::CollectorTrace>(std::move(core));
    }
    return core;
}

}  // namespace kerfa_parser_kerfa::configure
