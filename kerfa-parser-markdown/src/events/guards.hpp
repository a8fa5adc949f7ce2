#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "events/event.hpp"

// Bounds on what the engine is given, so that no input costs more than linear time or memory.
namespace kerfa_parser_markdown::events::guards {

inline constexpr std::string_view LITERAL_MESSAGE =
    "Markdown too complex to read in full: read as plain text.";
inline constexpr std::string_view TABLES_OFF_MESSAGE = "Markdown table too large: read as text.";

// The engine counts sizes in 32 bits.
inline bool too_large_for_engine(std::uint64_t size) {
    return size >= (std::uint64_t{1} << 32);
}

inline constexpr std::size_t MAX_LIST_MARKERS = 256;
inline constexpr std::size_t MAX_BRACKET_PARAGRAPH_LINES = 50'000;
inline constexpr std::size_t MAX_BRACKET_DEPTH = 32;

inline constexpr std::uint64_t MAX_TABLE_CELLS = std::uint64_t{1} << 20;

// The cells of all tables of one engine run together.
inline std::uint64_t max_total_table_cells(std::size_t text_size) {
    const std::uint64_t scaled = std::uint64_t{16} * text_size;
    const std::uint64_t floor = std::uint64_t{1} << 16;
    const std::uint64_t ceiling = std::uint64_t{1} << 22;
    return std::min(std::max(scaled, floor), ceiling);
}

// The bytes of all link and image destinations of one engine run together.
inline std::uint64_t max_destination_bytes(std::size_t text_size) {
    return std::max(std::uint64_t{16} * text_size, std::uint64_t{1} << 20);
}

// The pre-scans, all in one pass over the lines: a line whose leading run holds more than 256
// list markers; more than 50,000 consecutive non-blank lines with a bracket among them; brackets
// nested deeper than 32 in a text that holds a link reference definition. With `first_only` the
// pass stops at the first that fires.
struct PreScan {
    bool list_markers = false;
    bool bracket_paragraph = false;
    bool deep_brackets = false;
};
PreScan pre_scan(std::string_view text, bool first_only);

inline bool too_many_list_markers(std::string_view text) {
    return pre_scan(text, false).list_markers;
}
inline bool too_long_bracket_paragraph(std::string_view text) {
    return pre_scan(text, false).bracket_paragraph;
}
inline bool too_deep_brackets(std::string_view text) {
    return pre_scan(text, false).deep_brackets;
}
inline bool any_pre_scan_fires(std::string_view text) {
    const PreScan found = pre_scan(text, true);
    return found.list_markers || found.bracket_paragraph || found.deep_brackets;
}

// The text with CR LF and lone CR made LF and U+0000 made U+FFFD: the text itself when it holds
// neither, else a copy kept in `storage`.
std::string_view literal_text(std::string_view text, std::string& storage);

// The whole text as one paragraph: CR LF and lone CR made LF, U+0000 made U+FFFD (the text
// given is already without its byte-order mark). No text event for an empty text.
EventList literal_events(std::string_view text);

}  // namespace kerfa_parser_markdown::events::guards
