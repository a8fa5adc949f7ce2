#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "utils/json_text.hpp"

namespace import_chatbot::utils {
namespace {

// What the next token must be.
enum class Expect { Value, ValueOrClose, KeyOrClose, Key, Colon, CommaOrClose, End };

bool is_white(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r';
}

bool is_digit(char byte) {
    return byte >= '0' && byte <= '9';
}

// A scanned token: where it ends, or where it goes wrong.
struct Scan {
    std::size_t end;
    bool ok;
};

// The code unit of a \u escape at `at` (pointing at the backslash), or -1.
long escape_unit(std::string_view text, std::size_t at) {
    if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u') {
        return -1;
    }
    unsigned unit = 0;
    const char* digits = text.data() + at + 2;
    const auto [end, failure] = std::from_chars(digits, digits + 4, unit, 16);
    if (failure != std::errc() || end != digits + 4) {
        return -1;
    }
    return static_cast<long>(unit);
}

Scan scan_string(std::string_view text, std::size_t open) {
    std::size_t at = open + 1;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == '"') {
            return {at + 1, true};
        }
        if (byte < 0x20) {
            return {at, false};
        }
        if (byte != '\\') {
            ++at;
            continue;
        }
        if (at + 1 >= text.size()) {
            return {text.size(), false};
        }
        const char escaped = text[at + 1];
        if (escaped != 'u') {
            if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                return {at, false};
            }
            at += 2;
            continue;
        }
        // A surrogate is only valid as a high one followed at once by a low one.
        const long unit = escape_unit(text, at);
        if (unit < 0 || (unit >= 0xDC00 && unit <= 0xDFFF)) {
            return {at, false};
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const long low = escape_unit(text, at + 6);
            if (low < 0xDC00 || low > 0xDFFF) {
                return {at, false};
            }
            at += 12;
        } else {
            at += 6;
        }
    }
    return {text.size(), false};
}

std::size_t skip_digits(std::string_view text, std::size_t at) {
    while (at < text.size() && is_digit(text[at])) {
        ++at;
    }
    return at;
}

// A number as the grammar has it; one beyond the floating-point range fails where it begins.
// Integers beyond 64 bits are read as floating-point numbers, so only the range counts for them.
Scan scan_number(std::string_view text, std::size_t start) {
    std::size_t at = start;
    if (text[at] == '-') {
        ++at;
    }
    if (at >= text.size() || !is_digit(text[at])) {
        return {at, false};
    }
    at = text[at] == '0' ? at + 1 : skip_digits(text, at);
    if (at < text.size() && text[at] == '.') {
        if (at + 1 >= text.size() || !is_digit(text[at + 1])) {
            return {at + 1, false};
        }
        at = skip_digits(text, at + 1);
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        if (at >= text.size() || !is_digit(text[at])) {
            return {at, false};
        }
        at = skip_digits(text, at);
    }
    const std::string token(text.substr(start, at - start));
    if (std::isinf(std::strtod(token.c_str(), nullptr))) {
        return {start, false};
    }
    return {at, true};
}

Scan scan_literal(std::string_view text, std::size_t start) {
    for (const std::string_view literal : {"true", "false", "null"}) {
        if (literal[0] != text[start]) {
            continue;
        }
        std::size_t matched = 0;
        while (matched < literal.size() && start + matched < text.size() &&
               text[start + matched] == literal[matched]) {
            ++matched;
        }
        return {start + matched, matched == literal.size()};
    }
    return {start, false};
}

}  // namespace

std::size_t json_value_offset(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && is_white(text[at])) {
        ++at;
    }
    return at;
}

std::optional<std::size_t> json_error_offset(std::string_view text) {
    std::vector<char> open;  // '[' or '{' for each container not yet closed
    Expect expect = Expect::Value;
    std::size_t at = 0;
    const auto after_value = [&] { expect = open.empty() ? Expect::End : Expect::CommaOrClose; };
    for (;;) {
        while (at < text.size() && is_white(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            return expect == Expect::End ? std::nullopt : std::optional<std::size_t>(at);
        }
        const char byte = text[at];
        switch (expect) {
            case Expect::End:
                return at;
            case Expect::Colon:
                if (byte != ':') {
                    return at;
                }
                ++at;
                expect = Expect::Value;
                continue;
            case Expect::CommaOrClose:
                if (byte == ',') {
                    ++at;
                    expect = open.back() == '[' ? Expect::Value : Expect::Key;
                } else if ((byte == ']' && open.back() == '[') ||
                           (byte == '}' && open.back() == '{')) {
                    ++at;
                    open.pop_back();
                    after_value();
                } else {
                    return at;
                }
                continue;
            case Expect::KeyOrClose:
            case Expect::Key:
                if (byte == '}' && expect == Expect::KeyOrClose) {
                    ++at;
                    open.pop_back();
                    after_value();
                    continue;
                }
                if (byte != '"') {
                    return at;
                }
                if (const Scan key = scan_string(text, at); key.ok) {
                    at = key.end;
                    expect = Expect::Colon;
                    continue;
                } else {
                    return key.end;
                }
            case Expect::ValueOrClose:
                if (byte == ']') {
                    ++at;
                    open.pop_back();
                    after_value();
                    continue;
                }
                break;
            case Expect::Value:
                break;
        }
        // A value; inside as many open containers as the parser allows, none may begin.
        if (open.size() >= JSON_MAX_DEPTH) {
            return at;
        }
        if (byte == '[' || byte == '{') {
            open.push_back(byte);
            ++at;
            expect = byte == '[' ? Expect::ValueOrClose : Expect::KeyOrClose;
            continue;
        }
        Scan scan{at, false};
        if (byte == '"') {
            scan = scan_string(text, at);
        } else if (byte == '-' || is_digit(byte)) {
            scan = scan_number(text, at);
        } else {
            scan = scan_literal(text, at);
        }
        if (!scan.ok) {
            return scan.end;
        }
        at = scan.end;
        after_value();
    }
}

}  // namespace import_chatbot::utils
