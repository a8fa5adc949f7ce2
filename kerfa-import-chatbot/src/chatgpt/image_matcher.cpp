#include "chatgpt/image_matcher.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace import_chatbot::chatgpt {
namespace {

// The bytes that may follow an id inside a longer stem: any but an ASCII letter or digit, as
// ranges of byte values.
struct ByteRange {
    unsigned char first;
    unsigned char last;
};
constexpr std::array<ByteRange, 4> SEPARATOR_BYTES = {{
    {0x00, '0' - 1},
    {'9' + 1, 'A' - 1},
    {'Z' + 1, 'a' - 1},
    {'z' + 1, 0xFF},
}};

}  // namespace

ImageMatcher::ImageMatcher(const std::vector<FoundImage>& images) : images_(images) {
    stems_.reserve(images.size());
    for (std::size_t i = 0; i < images.size() && i < NONE; ++i) {
        stems_.push_back({images[i].stem, static_cast<std::uint32_t>(i)});
    }
    std::stable_sort(stems_.begin(), stems_.end(),
                     [](const Stem& a, const Stem& b) { return a.text < b.text; });
    const std::size_t count = stems_.size();
    minimum_tree_.assign(2 * count, NONE);
    for (std::size_t i = 0; i < count; ++i) {
        minimum_tree_[count + i] = stems_[i].walk_index;
    }
    for (std::size_t i = count; i-- > 1;) {
        minimum_tree_[i] = std::min(minimum_tree_[2 * i], minimum_tree_[2 * i + 1]);
    }
}

std::size_t ImageMatcher::lower_bound(std::string_view text) const {
    const auto found =
        std::lower_bound(stems_.begin(), stems_.end(), text,
                         [](const Stem& s, std::string_view t) { return s.text < t; });
    return static_cast<std::size_t>(found - stems_.begin());
}

std::uint32_t ImageMatcher::first_walked(std::size_t first, std::size_t last) const {
    std::uint32_t best = NONE;
    const std::size_t count = stems_.size();
    for (first += count, last += count; first < last; first /= 2, last /= 2) {
        if (first % 2 == 1) {
            best = std::min(best, minimum_tree_[first++]);
        }
        if (last % 2 == 1) {
            best = std::min(best, minimum_tree_[--last]);
        }
    }
    return best;
}

const FoundImage* ImageMatcher::match(std::string_view id) const {
    if (id.empty()) {
        return nullptr;
    }
    const std::size_t first = lower_bound(id);
    if (first < stems_.size() && stems_[first].text == id) {
        return &images_[stems_[first].walk_index];
    }
    // Stems that begin with the id form one sorted run; within it, those whose next byte lies
    // in one range of separators form a sub-run each.
    const auto run_end =
        std::partition_point(stems_.begin() + static_cast<std::ptrdiff_t>(first), stems_.end(),
                             [id](const Stem& s) { return s.text.starts_with(id); });
    const std::size_t last = static_cast<std::size_t>(run_end - stems_.begin());
    std::string key(id);
    key += '\0';
    std::uint32_t best = NONE;
    for (const ByteRange range : SEPARATOR_BYTES) {
        key.back() = static_cast<char>(range.first);
        const std::size_t from = lower_bound(key);
        std::size_t to = last;
        if (range.last != 0xFF) {
            key.back() = static_cast<char>(range.last + 1);
            to = lower_bound(key);
        }
        best = std::min(best, first_walked(from, to));
    }
    return best == NONE ? nullptr : &images_[best];
}

std::string_view image_id(std::string_view pointer) {
    if (pointer.starts_with("file-service://")) {
        return pointer.substr(15);
    }
    if (pointer.starts_with("sediment://")) {
        return pointer.substr(11);
    }
    return pointer;
}

}  // namespace import_chatbot::chatgpt
