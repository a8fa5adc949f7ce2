#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "shared/components/char_iterator/char_iterator.hpp"
#include "shared/utils/utf8.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The bytes that end a run of plain text for every layer of the chain: "<" (elements and double
// tags), the backslash (escapes) and the line ends (line counting).
inline bool is_run_stop(char byte) {
    return byte == '<' || byte == '\\' || byte == '\n' || byte == '\r';
}

// The index of the first byte of text that ends a run, or text.size() when none does; sixteen
// bytes at a time.
inline std::size_t find_run_stop(std::string_view text) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i open = _mm_set1_epi8('<');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i line_feed = _mm_set1_epi8('\n');
    const __m128i carriage_return = _mm_set1_epi8('\r');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, open), _mm_cmpeq_epi8(bytes, backslash)),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, line_feed), _mm_cmpeq_epi8(bytes, carriage_return)));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0) {
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        }
    }
#endif
    for (; i < text.size(); ++i) {
        if (is_run_stop(text[i])) {
            return i;
        }
    }
    return text.size();
}

// A reader's own set of bytes that end a run: the run stops of the chain and more, so that a
// reader can take whole every run of bytes it would add one by one.
class RunStops {
  public:
    // The bytes of extra stop too, and with non_ascii every byte from 0x80 on.
    consteval RunStops(std::string_view extra, bool non_ascii) : stops_() {
        for (const char c : std::string_view("<\\\n\r")) {
            stops_[static_cast<unsigned char>(c)] = true;
        }
        for (const char c : extra) {
            stops_[static_cast<unsigned char>(c)] = true;
        }
        for (std::size_t byte = 0x80; non_ascii && byte < stops_.size(); ++byte) {
            stops_[byte] = true;
        }
    }

    // The index of the first byte of text that ends a run, or text.size() when none does.
    std::size_t find(std::string_view text) const {
        std::size_t i = 0;
        while (i < text.size() && !stops_[static_cast<unsigned char>(text[i])]) {
            ++i;
        }
        return i;
    }

  private:
    std::array<bool, 256> stops_;
};

// Decodes a borrowed UTF-8 text without copying it, inline for ASCII. Bytes that are not UTF-8
// come out as one U+FFFD per maximal invalid subpart, as StrCharIterator gives them. A text that
// is valid throughout also hands out runs of plain bytes whole.
class StrCharSource {
  public:
    explicit StrCharSource(std::string_view text)
        : text_(text), valid_(shared::utils::is_valid_utf8(text)) {}

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

    // The bytes from here up to the next run stop (or the end), consumed; empty when the text is
    // not valid UTF-8, whose characters must each be decoded.
    std::string_view take_run() {
        if (!valid_) {
            return {};
        }
        const std::string_view rest = text_.substr(position_);
        const std::size_t length = find_run_stop(rest);
        position_ += length;
        return rest.substr(0, length);
    }

    // The same up to the first of a reader's stops.
    std::string_view take_run(const RunStops& stops) {
        if (!valid_) {
            return {};
        }
        const std::string_view rest = text_.substr(position_);
        const std::size_t length = stops.find(rest);
        position_ += length;
        return rest.substr(0, length);
    }

    // The bytes the last character took in the text: a U+FFFD standing for invalid bytes takes
    // as many as it replaced, not its own encoded length.
    std::size_t last_length() const { return last_length_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::uint8_t last_length_ = 0;
    bool valid_;
};

// A source that can hand out a run of plain bytes at once: none of them a run stop, all of them
// whole UTF-8 characters, counted as read.
template <class T>
concept RunSource = CharSource<T> && requires(T& source, const RunStops& stops) {
    { source.take_run() } -> std::same_as<std::string_view>;
    { source.take_run(stops) } -> std::same_as<std::string_view>;
};

// The run that a source offers, or none from a source that reads character by character.
template <CharSource Chars>
[[gnu::always_inline]] inline std::string_view take_run(Chars& chars) {
    if constexpr (RunSource<Chars>) {
        return chars.take_run();
    } else {
        return {};
    }
}

// The same up to the first of a reader's stops.
template <CharSource Chars>
[[gnu::always_inline]] inline std::string_view take_run(Chars& chars, const RunStops& stops) {
    if constexpr (RunSource<Chars>) {
        return chars.take_run(stops);
    } else {
        (void)stops;
        return {};
    }
}

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
