#pragma once

#include <md4c.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "events/event.hpp"
#include "events/md4c_run.hpp"
#include "events/text_collector.hpp"
#include "events/text_store.hpp"

namespace kerfa_parser_markdown::events {

// One run of the engine: its callbacks become events for the sink, with the positions, budgets
// and table repairs found on the way. Its members are defined by role: walker.cpp (the run and
// the batches of events), walker_blocks.cpp, walker_spans.cpp, walker_texts.cpp,
// walker_comments.cpp, walker_html.cpp and walker_positions.cpp.
class Walker {
  public:
    static constexpr int STOP = -1;
    static constexpr std::size_t NONE = SIZE_MAX;
    // Events handed to the sink at once: enough to make the call rare, few enough to stay in
    // cache.
    static constexpr std::size_t BATCH = 256;
    static constexpr std::size_t PART_ROOM = std::size_t{1} << 16;

    Walker(std::string_view text, const RunSettings& settings, EventSink& sink)
        : text_(text),
          settings_(settings),
          sink_(sink),
          deferring_(settings.find_repairs || settings.parts != nullptr) {
        batch_.reserve(BATCH * 2);
    }

    RunResult run() &&;

  private:
    // ---- callbacks ----
    static int enter_block_cb(MD_BLOCKTYPE type, void* detail, void* self);
    static int leave_block_cb(MD_BLOCKTYPE type, void* detail, void* self);
    static int enter_span_cb(MD_SPANTYPE type, void* detail, void* self);
    static int leave_span_cb(MD_SPANTYPE type, void* detail, void* self);
    static int text_cb(MD_TEXTTYPE type, const MD_CHAR* data, MD_SIZE size, void* self);

    // ---- batches ----
    // Between callbacks: a run that has found a repair gives no more events (it is read again
    // once the repairs are made); a full batch goes to the sink unless an event in it may still
    // change (a heading waiting for its line, a separator's HTML block not yet known).
    int after(int code);
    void flush();

    // A run that looks for repairs keeps its first events, up to the size of its text, instead
    // of handing them on: a repair found among them (the run is then read again) costs no
    // building. Past that size, or at the end of the run, they go to the sink.
    void defer();
    void defer_events(std::span<const Event> events);
    void hand_on_deferred();
    void drop_deferred();

    // ---- parts ----
    // A first run with `parts` holds the events of each part of the text (up to a top-level
    // heading after a blank line) until the part ends: they go on as they are, or, when the
    // part needs repairs, the part is read again repaired on its own.
    bool starts_part(std::size_t line) const;
    void end_part(std::size_t line);
    void close_part(std::size_t to);
    void fail_part();

    // ---- offsets ----
    bool in_input(std::string_view piece) const {
        return !piece.empty() && piece.data() >= text_.data() &&
               piece.data() < text_.data() + text_.size();
    }
    std::size_t offset_of(std::string_view piece) const {
        return static_cast<std::size_t>(piece.data() - text_.data());
    }
    std::size_t to_original(std::size_t p) const {
        const std::size_t q = settings_.map != nullptr ? settings_.map->to_original(p) : p;
        return q < settings_.shift_from ? settings_.shift_to
                                        : q - settings_.shift_from + settings_.shift_to;
    }
    // A line start of this run's text as an offset of the whole text.
    std::uint32_t to_whole(std::size_t line) const {
        const std::size_t original = to_original(line);
        return static_cast<std::uint32_t>(original == 0 ? 0 : original + settings_.bom);
    }

    // ---- writing events ----
    std::size_t emit(Event event);
    void emit_kind(EventKind kind) { emit(Event::of(kind)); }

    void flush_text();
    void flush_inline_html();
    void flush_inline();

    // ---- blocks ----
    // Open block quotes, lists and items, counted as they open and close.
    struct OpenContainers {
        std::size_t quotes = 0;
        std::size_t lists = 0;
        std::size_t items = 0;

        std::size_t* counter(MD_BLOCKTYPE type) {
            switch (type) {
                case MD_BLOCK_QUOTE:
                    return &quotes;
                case MD_BLOCK_UL:
                case MD_BLOCK_OL:
                    return &lists;
                case MD_BLOCK_LI:
                    return &items;
                default:
                    return nullptr;
            }
        }
        std::size_t depth() const { return quotes + lists + items; }
    };

    int enter_block(MD_BLOCKTYPE type, void* detail);

    // False when the table budget is spent.
    bool start_block(MD_BLOCKTYPE type, void* detail);
    void enter_item(const MD_BLOCK_LI_DETAIL& li);
    void enter_heading(const MD_BLOCK_H_DETAIL& h);
    void enter_code_block();
    void enter_html_block();
    void enter_table_row();
    int leave_block(MD_BLOCKTYPE type, void*);
    void leave_html_block();
    bool enter_table(const MD_BLOCK_TABLE_DETAIL& detail);
    void leave_heading();
    void set_heading_line(std::size_t line);
    void leave_code_block();

    // ---- spans ----
    int enter_span(MD_SPANTYPE type, void* detail);
    int leave_span(MD_SPANTYPE type, void*);
    int destination(EventKind kind, const MD_ATTRIBUTE& attribute);
    std::string_view decode_attribute(const MD_ATTRIBUTE& attribute);

    // ---- texts ----
    int text(MD_TEXTTYPE type, std::string_view piece);
    void typed_text(MD_TEXTTYPE type, std::string_view piece, bool from_input);

    // ---- comments over several lines ----
    // The engine reads an HTML comment that spans lines as text; it becomes inline HTML here
    // once its end is found in the same run of text, and stays text otherwise.
    void normal_text(std::string_view piece);

    // Whether an open comment takes the piece; any other piece ends the comment first.
    bool comment_takes(MD_TEXTTYPE type, std::string_view piece, bool from_input);
    void comment_text(std::string_view piece);

    // The engine's rule for a comment's inside: not starting with ">" or "->", not ending
    // with "-", no "--".
    static bool is_comment(std::string_view html);

    // What was held back goes on as the text and soft breaks it was.
    void abandon_comment();
    void code_text(std::string_view piece);
    void flush_code_indent();
    void inline_html_text(std::string_view piece);
    void html_block_text(std::string_view piece);
    void end_html_line();
    void start_dropping_separator(std::size_t offset);

    // ---- positions ----
    void note_input_piece(std::size_t offset, std::size_t size);
    void note_break();
    void note_row_line(TableRecord& table, std::size_t line);

    // The end of a run of inline content: look for a table header inside it.
    void end_run();

    // Marks the adjacent pipes of the table that just ended.
    void end_table_lines();

    std::string_view text_;
    const RunSettings& settings_;
    EventSink& sink_;
    RunResult result_;
    std::vector<Event> batch_;
    TextStore store_;
    bool dry_ = false;  // a repair was found: no more events from this run
    bool stop_ = false;
    bool deferring_;
    std::vector<Event> deferred_;
    std::deque<std::string> deferred_texts_;
    std::size_t deferred_bytes_ = 0;

    std::size_t part_from_ = 0;
    std::size_t part_edits_ = 0;
    std::size_t part_sites_ = 0;
    std::size_t part_tables_ = 0;
    std::uint64_t part_cells_ = 0;
    std::uint64_t part_destination_bytes_ = 0;
    bool part_given_ = false;  // some of the part's events went on already
    std::vector<MD_BLOCKTYPE> blocks_;
    OpenContainers open_;

    TextCollector text_collector_;
    bool comment_open_ = false;
    std::vector<std::string_view> comment_pieces_;  // an empty one stands for a soft break
    TextCollector inline_html_;
    bool inline_html_open_ = false;
    bool html_continues_ = false;
    TextCollector code_;
    TextCollector code_span_;
    bool in_code_span_ = false;
    std::size_t code_last_piece_end_ = NONE;
    std::size_t code_indent_ = 0;  // columns of a code line's indentation not yet written

    TextCollector html_line_;
    TextCollector html_lead_;
    bool html_first_line_ = false;
    bool html_line_has_input_ = false;
    std::size_t html_previous_line_end_ = 0;
    std::size_t html_block_start_ = 0;
    std::size_t html_block_depth_ = 0;
    bool html_block_open_ = false;
    bool dropping_separator_ = false;
    bool separator_waiting_ = false;

    std::optional<bool> pending_task_;
    bool drop_soft_break_ = false;

    std::size_t heading_event_ = NONE;
    std::size_t heading_line_ = NONE;
    bool heading_needs_line_ = false;
    std::size_t hw_ = 0;
    std::size_t failed_scan_from_ = NONE;

    bool in_table_ = false;
    bool in_table_head_ = false;
    bool table_in_item_ = false;
    std::size_t table_quote_depth_ = 0;
    bool row_waits_for_piece_ = false;
    std::size_t table_first_line_ = NONE;
    std::size_t table_last_piece_ = NONE;
    std::uint64_t table_cells_ = 0;
    std::uint64_t destination_bytes_ = 0;

    std::size_t run_first_ = NONE;
    std::size_t run_last_ = NONE;
    bool run_saw_break_ = false;
    bool run_break_before_first_ = false;
};

}  // namespace kerfa_parser_markdown::events
