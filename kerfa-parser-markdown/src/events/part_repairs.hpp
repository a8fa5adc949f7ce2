#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "events/definition_lines.hpp"
#include "events/event.hpp"
#include "events/md4c_run.hpp"
#include "events/table_repair.hpp"

namespace kerfa_parser_markdown::events {

// What a first run found in one part of the text: from `from` to `to`, the start of the
// top-level heading line that ends it (SIZE_MAX: the end of the text).
struct PartFindings {
    std::size_t from;
    std::size_t to;
    std::span<const repair::Edit> edits;
    std::span<const repair::Site> sites;
    std::span<const TableRecord> tables;
    std::uint64_t table_cells;
    std::uint64_t destination_bytes;
};

// Whether a run over the edited text built every table that the edits of the sites and tables
// found in the text aimed at.
bool repairs_hold(std::string_view text, std::span<const repair::Site> sites,
                  std::span<const TableRecord> tables, const RunResult& second);

// Mends the parts of a text that a first run found tables to repair in, each read again on its
// own, edited, with the link reference definitions before it put in front and the rest of the
// text after it; its events go to the sink in the place of the part's. Reading the whole edited
// text again would give the same events: a part starts at a top-level heading after a blank
// line, where nothing open goes on, and the engine sees the same definitions.
class PartRepairs {
  public:
    PartRepairs(std::string_view text, std::size_t bom, EventSink& sink)
        : text_(text), bom_(bom), sink_(sink), definitions_(text) {}

    DefinitionLines& definitions() { return definitions_; }

    // False when the part cannot be mended where it is: the whole text is to be read again.
    bool repair(const PartFindings& part);

    // Whether the whole edited text stays within the budgets of one run, given the first run.
    bool within_budgets(const RunResult& first) const;

  private:
    std::string_view text_;
    std::size_t bom_;
    EventSink& sink_;
    DefinitionLines definitions_;
    // Bytes given to the engine by the parts read alone: each reads the rest of the text too,
    // so that many of them would cost more than reading the whole text again.
    std::uint64_t read_ = 0;
    std::uint64_t inserted_ = 0;
    // The repaired parts' tables and destinations less the first run's of the same parts.
    std::uint64_t cells_added_ = 0;
    std::uint64_t cells_removed_ = 0;
    std::uint64_t destination_added_ = 0;
    std::uint64_t destination_removed_ = 0;
};

}  // namespace kerfa_parser_markdown::events
