#pragma once

#include <optional>
#include <string>

namespace shared::components::char_iterator {

// A stream of Unicode characters. Filters stack on top of each other, each owning the source
// below it (std::unique_ptr<CharIterator>).
class CharIterator {
  public:
    virtual ~CharIterator() = default;

    // The next character, or none at the end; once none, always none.
    virtual std::optional<char32_t> next() = 0;

    // Every character not yet read, UTF-8 encoded, leaving the source at its end. The default
    // drains next(), so a filter's full effect applies.
    virtual std::string to_string();
};

}  // namespace shared::components::char_iterator
