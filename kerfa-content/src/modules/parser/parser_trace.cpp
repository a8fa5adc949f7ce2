#include "kerfa_content/modules/parser/parser_trace.hpp"

#include "shared/components/timer.hpp"
#include "shared/components/trace/trace_log.hpp"

namespace kerfa_content::modules::parser {

namespace {

template <class Call>
auto traced(std::string_view operation, Call&& call) {
    using shared::components::trace::TraceLog;
    shared::components::Timer timer;
    TraceLog::sub_enter(PARSER_MODULE, operation);
    auto result = call();
    TraceLog::sub_exit(PARSER_MODULE, operation, timer.stop());
    return result;
}

}  // namespace

ParserTrace::ParserTrace(std::unique_ptr<Parser> inner) : inner_(std::move(inner)) {}

types::ParseData ParserTrace::parse_chars(
    std::unique_ptr<shared::components::char_iterator::CharIterator> chars) {
    return traced("parse_chars", [&] { return inner_->parse_chars(std::move(chars)); });
}

types::ParseData ParserTrace::parse_str(std::string_view text) {
    return traced("parse_str", [&] { return inner_->parse_str(text); });
}

}  // namespace kerfa_content::modules::parser
