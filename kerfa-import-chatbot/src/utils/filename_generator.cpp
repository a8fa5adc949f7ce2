#include "utils/filename_generator.hpp"

#include <fmt/format.h>

#include "import_chatbot/converter.hpp"
#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"
#include "utils/char_boundary.hpp"

namespace import_chatbot::utils {
namespace {

constexpr std::size_t DATE_BYTES = 10;
constexpr std::size_t TIME_START = 11;
constexpr std::size_t TIME_END = 19;
constexpr std::size_t TITLE_BYTES = 100;

// Characters that Windows and macOS refuse in file names, or that name another folder.
bool is_forbidden(char32_t c) {
    switch (c) {
        case '<':
        case '>':
        case ':':
        case '"':
        case '/':
        case '\\':
        case '|':
        case '?':
        case '*':
            return true;
        default:
            return false;
    }
}

bool is_control(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

// Controls that are not white space: the white-space ones collapse to a blank instead.
bool is_non_space_control(char32_t c) {
    return is_control(c) && !(c >= 0x09 && c <= 0x0D);
}

// The part of created (cut at character boundaries) without forbidden and control characters;
// ":" becomes "-" first when asked.
std::string sanitized_part(std::string_view created, std::size_t start, std::size_t end,
                           bool colon_to_dash) {
    start = ceil_char_boundary(created, start);
    end = floor_char_boundary(created, end);
    std::string part;
    std::size_t position = start;
    while (position < end) {
        const shared::utils::DecodedChar decoded = shared::utils::decode_utf8(created, position);
        const std::string_view bytes = created.substr(position, decoded.length);
        position += decoded.length;
        if (decoded.valid && colon_to_dash && decoded.code_point == ':') {
            part += '-';
        } else if (!decoded.valid ||
                   (!is_forbidden(decoded.code_point) && !is_control(decoded.code_point))) {
            part += bytes;
        }
    }
    return part;
}

// Forbidden and control characters removed, trimmed, each white-space run made one blank, then
// cut at 100 bytes and trimmed at the end again.
std::string clean_title(std::string_view title) {
    std::string cleaned;
    cleaned.reserve(title.size());
    bool pending_blank = false;
    std::size_t position = 0;
    while (position < title.size()) {
        const shared::utils::DecodedChar decoded = shared::utils::decode_utf8(title, position);
        const std::string_view bytes = title.substr(position, decoded.length);
        position += decoded.length;
        if (decoded.valid) {
            if (is_forbidden(decoded.code_point) || is_non_space_control(decoded.code_point)) {
                continue;
            }
            if (shared::utils::is_white_space(decoded.code_point)) {
                pending_blank = true;
                continue;
            }
        }
        if (pending_blank && !cleaned.empty()) {
            cleaned += ' ';
        }
        pending_blank = false;
        cleaned += bytes;
    }
    if (cleaned.size() > TITLE_BYTES) {
        cleaned.resize(floor_char_boundary(cleaned, TITLE_BYTES));
        cleaned.resize(shared::utils::trim_end(cleaned).size());
    }
    return cleaned;
}

// The last guard: whatever reached the name, it names one file in the output folder.
std::string without_path_bytes(std::string name) {
    std::erase_if(name, [](char byte) { return byte == '/' || byte == '\0'; });
    return name;
}

}  // namespace

std::string generate_filename(std::string_view title, std::string_view created,
                              std::string_view extension) {
    const std::string date = created.size() >= DATE_BYTES
                                 ? sanitized_part(created, 0, DATE_BYTES, false)
                                 : std::string("0000-00-00");
    if (title.empty() || title == "Untitled") {
        const std::string time = created.size() >= TIME_END
                                     ? sanitized_part(created, TIME_START, TIME_END, true)
                                     : std::string("00-00-00");
        return without_path_bytes(fmt::format("{} Untitled {}{}", date, time, extension));
    }
    return without_path_bytes(fmt::format("{} - {}{}", date, clean_title(title), extension));
}

bool UsedNames::is_taken(std::string_view name) const {
    return claimed_.contains(name) || claimed_.contains(converter::strip_extension(name));
}

void UsedNames::insert(std::string_view name) {
    claimed_.emplace(name);
    claimed_.emplace(converter::strip_extension(name));
}

std::string resolve_duplicate_filename(std::string_view name, UsedNames& used,
                                       std::string_view extension) {
    if (!used.is_taken(name)) {
        return std::string(name);
    }
    const std::string_view stem =
        name.ends_with(extension) ? name.substr(0, name.size() - extension.size()) : name;
    auto found = used.next_numbers_.find(stem);
    if (found == used.next_numbers_.end()) {
        found = used.next_numbers_.emplace(std::string(stem), UsedNames::NextNumber{}).first;
    }
    UsedNames::NextNumber& next = found->second;
    if (next.number < 2 || next.extension != extension) {
        next = {std::string(extension), 2};
    }
    std::string candidate;
    for (;; ++next.number) {
        candidate = fmt::format("{} - {}{}", stem, next.number, extension);
        if (!used.is_taken(candidate)) {
            return candidate;
        }
    }
}

}  // namespace import_chatbot::utils
