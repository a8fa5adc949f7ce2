#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "events/event.hpp"
#include "events/table_repair.hpp"

namespace kerfa_parser_markdown::events {

class DefinitionLines;
class PartRepairs;

// How one engine run ended.
enum class RunStatus : std::uint8_t {
    Complete,
    PartFailed,         // a part could not be repaired where it is: read the whole text again
    TableBudget,        // too many table cells: run again without tables
    DestinationBudget,  // too many destination bytes: read literally
    EngineFailure,      // the engine gave up by itself (out of memory)
};

struct RunSettings {
    bool tables = true;
    bool find_repairs = false;                 // collect the table repairs of a first run
    std::size_t bom = 0;                       // bytes before the parsed text in the whole text
    const repair::PositionMap* map = nullptr;  // of an edited text: where its offsets come from
    // A first run that mends each part of the text that needs it on its own, where it is.
    PartRepairs* parts = nullptr;
    DefinitionLines* definitions = nullptr;  // the lines whose pieces are noted
    // A part read on its own: its offsets from `shift_from` (after the definitions put before
    // it) are those of the whole text from `shift_to`; the run ends after the top-level heading
    // on the line at `stop_line`.
    std::size_t shift_from = 0;
    std::size_t shift_to = 0;
    std::size_t stop_line = SIZE_MAX;
};

// A table as the engine built it, in offsets of the original text (after the byte-order mark).
struct TableRecord {
    std::size_t first_piece = SIZE_MAX;
    std::size_t body_rows = 0;
    // The first body row whose line starts another block, and the body rows before it.
    std::size_t cut_line = SIZE_MAX;
    std::size_t rows_before_cut = 0;
};

// A separator line of an edited text as the engine read it.
struct SeparatorRecord {
    std::size_t original_offset;  // where it was inserted
    std::size_t depth;            // containers open around it
    bool table_follows;           // the next block opened is a table
};

struct RunResult {
    RunStatus status = RunStatus::Complete;
    std::vector<TableRecord> tables;
    std::vector<SeparatorRecord> separators;
    // With find_repairs: the edits that mend the tables of this run, and which sites and cut
    // lines they aim at.
    std::vector<repair::Edit> edits;
    std::vector<repair::Site> sites;
    std::uint64_t table_cells = 0;
    std::uint64_t destination_bytes = 0;
    bool stopped = false;        // at `stop_line`
    bool piece_outside = false;  // the engine gave a piece before `shift_from`
};

// Parses `text` once with the engine and gives its callbacks as events to `sink`, restarting it
// when the run ends early. A run that finds repairs stops giving events at the first one (it is
// read again once they are made) and restarts the sink.
RunResult run_engine(std::string_view text, const RunSettings& settings, EventSink& sink);

}  // namespace kerfa_parser_markdown::events
