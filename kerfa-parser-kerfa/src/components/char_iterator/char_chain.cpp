#include "components/char_iterator/char_chain.hpp"

#include "components/char_iterator/position_tracking_char_iterator.hpp"
#include "components/char_iterator/remove_all_double_tag_char_iterator.hpp"
#include "components/char_iterator/remove_private_double_tag_char_iterator.hpp"
#include "components/char_iterator/strip_double_tag_char_iterator.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

using shared::components::char_iterator::CharIterator;

std::unique_ptr<CharIterator> make_char_chain(std::unique_ptr<CharIterator> chars,
                                              DoubleTagMode mode, const SharedPosition& position,
                                              const SharedSpans& spans) {
    std::unique_ptr<CharIterator> tracker =
        std::make_unique<PositionTrackingCharIterator>(std::move(chars), position);
    switch (mode) {
        case DoubleTagMode::Strip:
            return std::make_unique<StripDoubleTagCharIterator>(std::move(tracker), position);
        case DoubleTagMode::RemoveAll:
            return std::make_unique<RemoveAllDoubleTagCharIterator>(std::move(tracker), position);
        case DoubleTagMode::RemovePrivate:
            return std::make_unique<RemovePrivateDoubleTagCharIterator>(std::move(tracker),
                                                                        position, spans);
        case DoubleTagMode::Off:
            break;
    }
    return tracker;
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
