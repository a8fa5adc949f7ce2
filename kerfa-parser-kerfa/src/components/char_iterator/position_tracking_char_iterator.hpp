#pragma once

#include <memory>
#include <optional>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/position_tracker.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/shared_spans.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// The position tracker at the bottom of a chain, stacked by interface over the source it owns.
class PositionTrackingCharIterator final : public shared::components::char_iterator::CharIterator {
  public:
    PositionTrackingCharIterator(
        std::unique_ptr<shared::components::char_iterator::CharIterator> inner,
        SharedPosition position);

    std::optional<char32_t> next() override;

  private:
    PositionTracker<BoxedCharSource> layer_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
