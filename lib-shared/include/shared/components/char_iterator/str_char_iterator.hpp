#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "shared/components/char_iterator/char_iterator.hpp"

namespace shared::components::char_iterator {

// The bottom source over a borrowed UTF-8 text; the text must outlive it. Reading never copies.
// Input that is not UTF-8 comes out as U+FFFD per maximal invalid subpart.
class StrCharIterator final : public CharIterator {
  public:
    explicit StrCharIterator(std::string_view text) : text_(text) {}

    // An owned source over the text, positioned at its start.
    static std::unique_ptr<CharIterator> boxed(std::string_view text);

    std::optional<char32_t> next() override;

    // The rest of the text in one copy.
    std::string to_string() override;

    // Byte offset of the first character not yet returned.
    std::size_t position() const { return position_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace shared::components::char_iterator
