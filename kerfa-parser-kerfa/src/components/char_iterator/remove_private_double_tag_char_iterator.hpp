#pragma once

#include <memory>
#include <optional>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/double_tag_filter.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/shared_spans.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// The filter that removes private regions, recording their spans, and strips every other double
// tag, stacked by interface over the source it owns.
class RemovePrivateDoubleTagCharIterator final
    : public shared::components::char_iterator::CharIterator {
  public:
    RemovePrivateDoubleTagCharIterator(
        std::unique_ptr<shared::components::char_iterator::CharIterator> inner,
        SharedPosition position, SharedSpans spans);

    std::optional<char32_t> next() override;

  private:
    RemovePrivateDoubleTagFilter<BoxedCharSource> layer_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
