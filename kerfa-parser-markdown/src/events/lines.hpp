#pragma once

#include <bit>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Line arithmetic over a Markdown text, where a line ends at LF, CR LF or a lone CR.
namespace kerfa_parser_markdown::events::lines {

// The first position at or after p whose byte is one of `Bytes`, or the end of the text (p
// itself when past it). Sixteen bytes at a time where the processor allows.
template <char... Bytes>
std::size_t find_byte(std::string_view text, std::size_t p) {
    const char* data = text.data();
    const std::size_t size = text.size();
#if defined(__SSE2__)
    while (p + 16 <= size) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(Bytes)))), ...);
        if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0) {
            return p + static_cast<std::size_t>(std::countr_zero(mask));
        }
        p += 16;
    }
#endif
    for (; p < size; ++p) {
        const char c = data[p];
        if (((c == Bytes) || ...)) {
            return p;
        }
    }
    return p;
}

// Just after the last byte before p that is one of `Bytes`, or 0 when there is none; sixteen
// bytes at a time, backwards, where the processor allows.
template <char... Bytes>
std::size_t after_last_byte(std::string_view text, std::size_t p) {
    const char* data = text.data();
#if defined(__SSE2__)
    while (p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p - 16));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(Bytes)))), ...);
        if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0) {
            return p - 16 + static_cast<std::size_t>(std::bit_width(mask));
        }
        p -= 16;
    }
#endif
    while (p > 0 && !((data[p - 1] == Bytes) || ...)) {
        --p;
    }
    return p;
}

inline bool is_line_end(char c) {
    return c == '\n' || c == '\r';
}

inline bool is_blank_char(char c) {
    return c == ' ' || c == '\t';
}

// The start of the line that holds position p.
inline std::size_t line_start(std::string_view text, std::size_t p) {
    return after_last_byte<'\n', '\r'>(text, p);
}

// Where the line that holds position p ends: its line end, or the end of the text.
inline std::size_t line_end(std::string_view text, std::size_t p) {
    return find_byte<'\n', '\r'>(text, p);
}

// The start of the line after the one ending at `end` (a line end or the end of the text).
inline std::size_t after_line_end(std::string_view text, std::size_t end) {
    if (end >= text.size()) {
        return text.size();
    }
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
        return end + 2;
    }
    return end + 1;
}

// Whether the line from p to its end holds only spaces and tabs.
inline bool rest_is_blank(std::string_view text, std::size_t p) {
    while (p < text.size() && is_blank_char(text[p])) {
        ++p;
    }
    return p >= text.size() || is_line_end(text[p]);
}

// Past spaces, tabs and '>' from p.
inline std::size_t skip_quote_prefix(std::string_view text, std::size_t p) {
    while (p < text.size() && (is_blank_char(text[p]) || text[p] == '>')) {
        ++p;
    }
    return p;
}

// The length of a list marker at p followed by a space or tab ("-", "+", "*", or 1 to 9
// digits and "." or ")"); 0 when there is none.
inline std::size_t list_marker_length(std::string_view text, std::size_t p) {
    if (p >= text.size()) {
        return 0;
    }
    std::size_t end = p;
    if (text[p] == '-' || text[p] == '+' || text[p] == '*') {
        end = p + 1;
    } else {
        while (end < text.size() && end - p < 10 && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        if (end == p || end - p > 9 || end >= text.size() ||
            (text[end] != '.' && text[end] != ')')) {
            return 0;
        }
        ++end;
    }
    if (end < text.size() && is_blank_char(text[end])) {
        return end - p;
    }
    return 0;
}

// Whether the line from p is a thematic break: three or more of one of '-', '*', '_', otherwise
// only spaces and tabs.
inline bool is_thematic_break(std::string_view text, std::size_t p) {
    char mark = 0;
    std::size_t count = 0;
    for (; p < text.size() && !is_line_end(text[p]); ++p) {
        const char c = text[p];
        if (is_blank_char(c)) {
            continue;
        }
        if ((c == '-' || c == '*' || c == '_') && (mark == 0 || mark == c)) {
            mark = c;
            ++count;
            continue;
        }
        return false;
    }
    return count >= 3;
}

}  // namespace kerfa_parser_markdown::events::lines
