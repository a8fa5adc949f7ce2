#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "shared/components/char_iterator/char_iterator.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// What a layer gives at the end of the input (and from then on); no character is this large.
// A plain value rather than an optional: it travels in one register through every layer.
inline constexpr char32_t kEndOfInput = 0xFFFFFFFF;

// What every layer of the character chain offers: the next character, or kEndOfInput. The layers
// are templates over their source so that a whole chain inlines into the tokenizer; the
// CharIterator classes wrap the same templates for stacking by interface.
template <class T>
concept CharSource = requires(T& source) {
    { source.next() } -> std::same_as<char32_t>;
};

// Decodes a borrowed UTF-8 text without copying it, inline for ASCII. Bytes that are not UTF-8
// come out as one U+FFFD per maximal invalid subpart, as StrCharIterator gives them.
class StrCharSource {
  public:
    explicit StrCharSource(std::string_view text) : text_(text) {}

    [[gnu::always_inline]] char32_t next() {
        if (position_ == text_.size()) {
            return kEndOfInput;
        }
        const auto lead = static_cast<unsigned char>(text_[position_]);
        if (lead < 0x80) {
            ++position_;
            last_length_ = 1;
            return static_cast<char32_t>(lead);
        }
        const shared::utils::DecodedChar decoded =
            shared::utils::decode_utf8_slow(text_, position_);
        position_ += decoded.length;
        last_length_ = decoded.length;
        return decoded.code_point;
    }

    // The bytes the last character took in the text: a U+FFFD standing for invalid bytes takes
    // as many as it replaced, not its own encoded length.
    std::size_t last_length() const { return last_length_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::uint8_t last_length_ = 0;
};

// A source that knows how many input bytes its last character took.
template <class T>
concept ByteCountingSource = CharSource<T> && requires(const T& source) {
    { source.last_length() } -> std::same_as<std::size_t>;
};

// Draws from a boxed CharIterator: one virtual call per character, for sources only known by
// interface. A value beyond Unicode comes out as U+FFFD.
class BoxedCharSource {
  public:
    explicit BoxedCharSource(std::unique_ptr<shared::components::char_iterator::CharIterator> inner)
        : inner_(std::move(inner)) {}

    [[gnu::always_inline]] char32_t next() {
        const std::optional<char32_t> c = inner_->next();
        if (!c) {
            return kEndOfInput;
        }
        return *c <= 0x10FFFF ? *c : U'\uFFFD';
    }

  private:
    std::unique_ptr<shared::components::char_iterator::CharIterator> inner_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
