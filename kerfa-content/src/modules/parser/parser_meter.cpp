#include "kerfa_content/modules/parser/parser_meter.hpp"

#include "shared/components/metrics/utils/arc_utils.hpp"

namespace kerfa_content::modules::parser {

namespace {

// Starts the named metric, runs the call, stops the metric; the lock is never held during the
// call itself. Without a store the call still runs, unrecorded.
template <class Call>
auto metered(const shared::components::MetricsArc& store, std::string_view name, Call&& call) {
    if (store) {
        shared::components::metrics::utils::add_metric(store, name);
    }
    auto result = call();
    if (store) {
        shared::components::metrics::utils::stop_metric(store, name);
    }
    return result;
}

}  // namespace

ParserMeter::ParserMeter(std::unique_ptr<Parser> inner, shared::components::MetricsArc metrics)
    : inner_(std::move(inner)), metrics_(std::move(metrics)) {}

types::ParseData ParserMeter::parse_chars(
    std::unique_ptr<shared::components::char_iterator::CharIterator> chars) {
    return metered(metrics_, "parser.parse_chars",
                   [&] { return inner_->parse_chars(std::move(chars)); });
}

types::ParseData ParserMeter::parse_str(std::string_view text) {
    return metered(metrics_, "parser.parse_str", [&] { return inner_->parse_str(text); });
}

}  // namespace kerfa_content::modules::parser
