#include "parser/state/terminator_rule.hpp"

namespace kerfa_parser_kerfa::parser::state {

State terminator_rule(types::Harness& harness) {
    auto& collector = *harness.collector;
    if (collector.current_has_properties()) {
        collector.add_property_terminator();
    } else if (collector.stack_size() < 2) {
        collector.report_unopened_terminator(harness.line);
        return resume(harness);
    } else {
        collector.complete_current_container();
    }
    if (collector.current_has_properties()) {
        return State::Default{};
    }
    return resume(harness);
}

}  // namespace kerfa_parser_kerfa::parser::state
