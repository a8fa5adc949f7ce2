#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_static/renders/renderer.hpp"

namespace kerfa_render_core_static::components {

// The spanned texts of the spans of one item list whose components read them, computed in one
// pass over the list: each text goes to the innermost span that takes its value from its text,
// and to no other. Gives what the span text helper gives for each span, without walking the list
// again per span: work and text grow with the list, however deep the spans nest.
class SpanContents {
  public:
    // From `first` (a span opener) to the end of the list.
    static SpanContents compute(std::span<const kerfa_content::data::structure::Data> items,
                                std::size_t first, const renders::ComponentSet& set);

    // The text of the span opened at `index`; spans are asked for in list order.
    std::string_view take(std::size_t index);

  private:
    std::vector<std::pair<std::size_t, std::string>> texts_;  // by opener index, ascending
    std::size_t cursor_ = 0;
};

}  // namespace kerfa_render_core_static::components
