#pragma once

#include <memory>
#include <optional>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/double_tag_filter.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/shared_spans.hpp"
#include "shared/components/char_iterator/char_iterator.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// The filter that removes every double-tagged region with all it holds, stacked by interface over
// the source it owns.
class RemoveAllDoubleTagCharIterator final
    : public shared::components::char_iterator::CharIterator {
  public:
    RemoveAllDoubleTagCharIterator(
        std::unique_ptr<shared::components::char_iterator::CharIterator> inner,
        SharedPosition position);

    std::optional<char32_t> next() override;

  private:
    RemoveAllDoubleTagFilter<BoxedCharSource> layer_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
