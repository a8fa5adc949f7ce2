#include "events/md4c_run.hpp"

#include "events/walker.hpp"

namespace kerfa_parser_markdown::events {

RunResult run_engine(std::string_view text, const RunSettings& settings, EventSink& sink) {
    return Walker(text, settings, sink).run();
}

}  // namespace kerfa_parser_markdown::events
