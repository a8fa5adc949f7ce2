#include "shared/utils/lowercase.hpp"

#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <vector>

#include "shared/utils/fault.hpp"
#include "shared/utils/utf8.hpp"

namespace shared::utils {

namespace {

bool is_ascii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

void append_ascii_lowercase(std::string& out, std::string_view text) {
    for (const char c : text) {
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
}

std::vector<UChar> to_utf16(std::string_view text) {
    std::vector<UChar> units;
    units.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const DecodedChar decoded = decode_utf8(text, position);
        position += decoded.length;
        const char32_t c = decoded.code_point;
        if (c < 0x10000) {
            units.push_back(static_cast<UChar>(c));
        } else {
            units.push_back(static_cast<UChar>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<UChar>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

void append_utf16(std::string& out, const std::vector<UChar>& units, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        append_utf8(out, c);
    }
}

// A run of valid UTF-8, lower-cased as a whole so that context rules (final sigma) apply.
void append_icu_lowercase(std::string& out, std::string_view run) {
    const std::vector<UChar> source = to_utf16(run);
    std::vector<UChar> lower(source.size() + source.size() / 2 + 4);
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            u_strToLower(lower.data(), static_cast<int32_t>(lower.size()), source.data(),
                         static_cast<int32_t>(source.size()), "", &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            lower.resize(static_cast<std::size_t>(length));
            continue;
        }
        if (U_FAILURE(status)) {
            internal_fault(std::string("lower-casing failed: ") + u_errorName(status));
        }
        append_utf16(out, lower, static_cast<std::size_t>(length));
        return;
    }
    internal_fault("lower-casing failed: buffer kept overflowing");
}

}  // namespace

void append_lowercase(std::string& out, std::string_view text) {
    if (is_ascii(text)) {
        append_ascii_lowercase(out, text);
        return;
    }
    // Lower-case each valid run; bytes that are not UTF-8 pass through as they are.
    std::size_t run_start = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const DecodedChar decoded = decode_utf8(text, position);
        if (decoded.valid) {
            position += decoded.length;
            continue;
        }
        if (position > run_start) {
            append_icu_lowercase(out, text.substr(run_start, position - run_start));
        }
        out.push_back(text[position]);
        ++position;
        run_start = position;
    }
    if (position > run_start) {
        append_icu_lowercase(out, text.substr(run_start, position - run_start));
    }
}

std::string to_lowercase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_lowercase(out, text);
    return out;
}

}  // namespace shared::utils
