#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "components/char_iterator/char_source.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// What a double tag turned out to be once its closing ">>" was read.
enum class DoubleTagKind : std::uint8_t {
    Closing,    // '<<>>'
    Opening,    // any other text
    Private,    // exactly "p", "priv" or "private", byte for byte
    Abandoned,  // the input ended inside the tag
};

// Keeps only as much of a tag's text as telling empty, private and other apart needs, so a huge
// unterminated tag costs no memory.
class DoubleTagText {
  public:
    void add(char32_t c) {
        if (size_ > kKept) {
            return;
        }
        if (c >= 0x80 || size_ == kKept) {
            size_ = kKept + 1;
            return;
        }
        bytes_[size_++] = static_cast<char>(c);
    }

    DoubleTagKind kind() const {
        if (size_ == 0) {
            return DoubleTagKind::Closing;
        }
        if (size_ <= kKept) {
            std::string_view text(bytes_, size_);
            if (text == "p" || text == "priv" || text == "private") {
                return DoubleTagKind::Private;
            }
        }
        return DoubleTagKind::Opening;
    }

  private:
    static constexpr std::size_t kKept = 7;  // the length of "private"
    char bytes_[kKept] = {};
    std::size_t size_ = 0;
};

// Reads a double tag after its "<<" up to the closing ">>". A backslash adds the character after
// it unchanged; ">" followed by a backslash adds the character after the backslash; ">" followed
// by any other character drops both.
template <CharSource Inner>
DoubleTagKind read_double_tag(Inner& inner) {
    DoubleTagText text;
    for (;;) {
        char32_t c = inner.next();
        if (c == kEndOfInput) {
            return DoubleTagKind::Abandoned;
        }
        if (c == U'\\') {
            c = inner.next();
            if (c == kEndOfInput) {
                return DoubleTagKind::Abandoned;
            }
            text.add(c);
        } else if (c == U'>') {
            c = inner.next();
            if (c == kEndOfInput) {
                return DoubleTagKind::Abandoned;
            }
            if (c == U'>') {
                return text.kind();
            }
            if (c == U'\\') {
                c = inner.next();
                if (c == kEndOfInput) {
                    return DoubleTagKind::Abandoned;
                }
                text.add(c);
            }
        } else {
            text.add(c);
        }
    }
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
