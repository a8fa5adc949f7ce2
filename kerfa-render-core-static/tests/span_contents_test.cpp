// The walker's one-pass span texts against the span text helper of the document model, which
// walks the list again for every span.

#include "components/span_contents.hpp"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/utils/data.hpp"
#include "model.hpp"
#include "recording_set.hpp"

namespace kerfa_render_core_static::testing {
namespace {

// A random flat list: texts, line breaks, spans that read their text (kind 28) or not (0),
// invalid elements, terminators (some with nothing to close, some spans left open) and blocks
// holding more of the same.
std::vector<Data> random_items(std::mt19937& random, int depth) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> length(0, 12);
    std::vector<Data> items;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
        switch (kind(random)) {
            case 0:
            case 1:
                items.push_back(text(std::string(1, static_cast<char>('a' + i))));
                break;
            case 2:
                items.push_back(line_break());
                break;
            case 3:
            case 4:
                items.push_back(open_content(28));
                break;
            case 5:
                items.push_back(open(0));
                break;
            case 6:
                items.push_back(open_invalid("q"));
                break;
            case 7:
            case 8:
                items.push_back(close());
                break;
            default:
                items.push_back(depth > 0 ? block(0, random_items(random, depth - 1)) : html("h"));
        }
    }
    return items;
}

TEST(SpanContents, MatchesTheSpanTextOfEveryReadingSpan) {
    const renders::ComponentSet set = recording_set("D", {28});
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        const std::vector<Data> items = random_items(random, 2);
        std::size_t first = items.size();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto* property = items[i].as_property();
            if (property != nullptr && property->as_element() != nullptr &&
                property->as_element()->needs_content) {
                first = i;
                break;
            }
        }
        if (first == items.size()) {
            continue;
        }
        components::SpanContents contents = components::SpanContents::compute(items, first, set);
        for (std::size_t i = first; i < items.size(); ++i) {
            const auto* property = items[i].as_property();
            if (property != nullptr && property->as_element() != nullptr &&
                property->as_element()->needs_content) {
                EXPECT_EQ(contents.take(i),
                          kerfa_content::utils::get_content_starting_with(items, i + 1))
                    << "seed " << seed << " span at " << i;
            }
        }
    }
}

}  // namespace
}  // namespace kerfa_render_core_static::testing
