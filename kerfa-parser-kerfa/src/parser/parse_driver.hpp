#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "components/char_iterator/char_chain.hpp"
#include "configure/collector_factory.hpp"
#include "elements/element_lookup.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"
#include "tokenizer/tokenizer.hpp"

namespace kerfa_parser_kerfa::parser {

namespace detail {

// Feeds every token to the state machine, then completes the state and the last section.
template <class Chain>
void run_tokens(Chain& chain, const components::char_iterator::SharedPosition& position,
                types::Harness& harness) {
    tokenizer::Tokenizer<Chain> tokenizer(std::move(chain), position);
    state::State state = state::State::Start{};
    while (std::optional<tokenizer::types::LocatedToken> located = tokenizer.next_token()) {
        harness.line = located->line;
        harness.line_start = located->line_start;
        state = state::State::next(std::move(state), harness, located->token);
    }
    state::State::complete(std::move(state), harness);
    if (std::optional<std::size_t> line = tokenizer.unexpected_end_line()) {
        harness.collector->report_unexpected_end_of_input(*line);
    }
    harness.collector->complete_section();
}

}  // namespace detail

// One parse over a concrete character source: filters by mode, tokenizer, state machine and
// collector, then the result holders become the ParseData. Given a sink, the sections go there
// as they complete, built on the heap.
template <components::char_iterator::CharSource Source>
kerfa_content::modules::parser::types::ParseData run_parse(
    Source source, bool trace, components::char_iterator::DoubleTagMode mode,
    const kerfa_content::modules::parser::SectionSink* each = nullptr) {
    // The tree is built in the arena, so that it is released with it, in one step.
    auto arena = std::make_shared<kerfa_content::data::storage::Arena>();
    kerfa_content::data::structure::DataList content;
    kerfa_content::types::Metadata metadata;
    std::vector<errors::ElementError> errors;
    kerfa_content::modules::parser::types::SourcePositions positions;
    components::char_iterator::SharedPosition position;
    components::char_iterator::SharedSpans spans;
    // Sections handed over may outlive the parse: they own all they hold.
    kerfa_content::data::storage::Arena* const home = each == nullptr ? arena.get() : nullptr;
    {
        types::Harness harness{configure::CollectorFactory{trace}.collector(
                                   content, metadata, errors, 0, positions, home, each),
                               attributes::AttributeLookup{}, elements::element_table()};
        harness.arena = home;
        components::char_iterator::visit_char_chain(
            std::move(source), mode, position, spans,
            [&](auto& chain) { detail::run_tokens(chain, position, harness); });
    }
    positions.private_spans = spans.to_vec();
    arena->set_source_bytes(position.offset());
    std::optional<kerfa_content::modules::parser::types::FormatError> error;
    if (!errors.empty()) {
        error.emplace();
        error->messages.reserve(errors.size());
        for (const errors::ElementError& element_error : errors) {
            error->messages.push_back(element_error.as_string());
        }
    }
    return kerfa_content::modules::parser::types::ParseData::with_positions(
        {std::move(arena), std::move(content), std::move(error), std::nullopt, std::move(metadata)},
        std::move(positions));
}

}  // namespace kerfa_parser_kerfa::parser
