#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_parser_markdown::events {

// Copies of the texts that the events of one batch view and that are not in the input, in
// blocks kept from batch to batch.
class TextStore {
  public:
    std::string_view keep(std::string_view text) {
        if (text.size() > LARGEST_BLOCK / 4) {
            return large_.emplace_back(text);
        }
        while (current_ < blocks_.size() &&
               blocks_[current_].size() + text.size() > blocks_[current_].capacity()) {
            ++current_;
        }
        if (current_ == blocks_.size()) {
            // Small first: a short text read on its own (a chat message) needs little.
            const std::size_t shift = std::min<std::size_t>(blocks_.size(), 6);
            blocks_.emplace_back().reserve(std::max(FIRST_BLOCK << shift, text.size()));
        }
        std::string& block = blocks_[current_];
        const std::size_t at = block.size();
        block.append(text);  // within the reserved capacity: earlier views stay valid
        return {block.data() + at, text.size()};
    }
    void clear() {
        for (std::size_t i = 0; i <= current_ && i < blocks_.size(); ++i) {
            blocks_[i].clear();
        }
        large_.clear();
        current_ = 0;
    }

  private:
    static constexpr std::size_t FIRST_BLOCK = std::size_t{1} << 10;
    static constexpr std::size_t LARGEST_BLOCK = FIRST_BLOCK << 6;
    std::vector<std::string> blocks_;
    std::size_t current_ = 0;
    std::deque<std::string> large_;
};

}  // namespace kerfa_parser_markdown::events
