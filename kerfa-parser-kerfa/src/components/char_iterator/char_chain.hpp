#pragma once

#include <memory>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/double_tag_filter.hpp"
#include "components/char_iterator/position_tracker.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/shared_spans.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// Builds the chain for a mode over a concrete source (a position tracker, then the mode's
// double-tag filter) and calls visitor(chain) with it, so that the code reading the chain is
// instantiated for each concrete chain and calls no virtual function per character. The spans
// are recorded only in RemovePrivate mode. Every branch must give the same result type.
template <CharSource Source, class Visitor>
decltype(auto) visit_char_chain(Source source, DoubleTagMode mode, const SharedPosition& position,
                                const SharedSpans& spans, Visitor&& visitor) {
    PositionTracker<Source> tracker(std::move(source), position);
    using Tracker = PositionTracker<Source>;
    switch (mode) {
        case DoubleTagMode::Strip: {
            StripDoubleTagFilter<Tracker> chain(std::move(tracker), position);
            return std::forward<Visitor>(visitor)(chain);
        }
        case DoubleTagMode::RemoveAll: {
            RemoveAllDoubleTagFilter<Tracker> chain(std::move(tracker), position);
            return std::forward<Visitor>(visitor)(chain);
        }
        case DoubleTagMode::RemovePrivate: {
            RemovePrivateDoubleTagFilter<Tracker> chain(std::move(tracker), position, spans);
            return std::forward<Visitor>(visitor)(chain);
        }
        case DoubleTagMode::Off:
            break;
    }
    return std::forward<Visitor>(visitor)(tracker);
}

// The same chain stacked by interface: each layer a boxed CharIterator owning the one below.
std::unique_ptr<shared::components::char_iterator::CharIterator> make_char_chain(
    std::unique_ptr<shared::components::char_iterator::CharIterator> chars, DoubleTagMode mode,
    const SharedPosition& position, const SharedSpans& spans);

}  // namespace kerfa_parser_kerfa::components::char_iterator
