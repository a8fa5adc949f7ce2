#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "chatgpt/image_walk.hpp"

namespace import_chatbot::chatgpt {

// Finds the image of an id among the images of a walk, in logarithmic time.
class ImageMatcher {
  public:
    // The images must outlive the matcher.
    explicit ImageMatcher(const std::vector<FoundImage>& images);

    // The image whose stem equals the id (the first in walk order), else the first in walk order
    // whose stem begins with the id followed by neither an ASCII letter nor a digit; none for an
    // empty id.
    const FoundImage* match(std::string_view id) const;

  private:
    struct Stem {
        std::string_view text;
        std::uint32_t walk_index;
    };

    // Index into stems_ of the first stem not below the text.
    std::size_t lower_bound(std::string_view text) const;
    // The smallest walk index among stems_[first, last), or NONE.
    std::uint32_t first_walked(std::size_t first, std::size_t last) const;

    static constexpr std::uint32_t NONE = UINT32_MAX;

    const std::vector<FoundImage>& images_;
    // Sorted by text, then by walk order.
    std::vector<Stem> stems_;
    // A minimum tree over the walk indices of stems_: leaves at [n, 2n), parents above.
    std::vector<std::uint32_t> minimum_tree_;
};

// The image id of an asset pointer: without "file-service://" or "sediment://" in front.
std::string_view image_id(std::string_view pointer);

}  // namespace import_chatbot::chatgpt
