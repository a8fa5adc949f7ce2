#include "events/md4c_run.hpp"

#include <md4c.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "events/code_indent.hpp"
#include "events/entities.hpp"
#include "events/guards.hpp"
#include "events/heading_scan.hpp"
#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

namespace {

constexpr int STOP = -1;
constexpr std::size_t NONE = SIZE_MAX;
// Events handed to the sink at once: enough to make the call rare, few enough to stay in cache.
constexpr std::size_t BATCH = 256;

// Copies of the texts that the events of one batch view and that are not in the input, in
// blocks kept from batch to batch.
class TextStore {
  public:
    std::string_view keep(std::string_view text) {
        if (text.size() > LARGEST_BLOCK / 4) {
            return large_.emplace_back(text);
        }
        while (current_ < blocks_.size() &&
               blocks_[current_].size() + text.size() > blocks_[current_].capacity()) {
            ++current_;
        }
        if (current_ == blocks_.size()) {
            // Small first: a short text read on its own (a chat message) needs little.
            const std::size_t shift = std::min<std::size_t>(blocks_.size(), 6);
            blocks_.emplace_back().reserve(std::max(FIRST_BLOCK << shift, text.size()));
        }
        std::string& block = blocks_[current_];
        const std::size_t at = block.size();
        block.append(text);  // within the reserved capacity: earlier views stay valid
        return {block.data() + at, text.size()};
    }
    void clear() {
        for (std::size_t i = 0; i <= current_ && i < blocks_.size(); ++i) {
            blocks_[i].clear();
        }
        if (!large_.empty()) {
            large_.clear();
        }
        current_ = 0;
    }

  private:
    static constexpr std::size_t FIRST_BLOCK = std::size_t{1} << 10;
    static constexpr std::size_t LARGEST_BLOCK = FIRST_BLOCK << 6;
    std::vector<std::string> blocks_;
    std::size_t current_ = 0;
    std::deque<std::string> large_;
};

// Adjacent pieces of one text, viewed in place while there is one piece from the input, copied
// once they have to be joined.
class TextCollector {
  public:
    bool empty() const { return owned_ ? text_.empty() : view_.empty(); }

    void append_view(std::string_view piece) {
        if (piece.empty()) {
            return;
        }
        if (!owned_ && view_.empty()) {
            view_ = piece;
            return;
        }
        own().append(piece);
    }
    void clear() {
        text_.clear();
        view_ = {};
        owned_ = false;
    }

    // A piece that does not outlive the callback.
    void append_copy(std::string_view piece) { own().append(piece); }
    std::string& own() {
        if (!owned_) {
            text_.assign(view_);
            owned_ = true;
        }
        return text_;
    }

    // Spaces and tabs at the end leave.
    void trim_blanks_at_end() {
        if (owned_) {
            while (!text_.empty() && lines::is_blank_char(text_.back())) {
                text_.pop_back();
            }
        } else {
            while (!view_.empty() && lines::is_blank_char(view_.back())) {
                view_.remove_suffix(1);
            }
        }
    }

    // The collected text as a view that lives as long as the batch; the collector is emptied.
    std::string_view take(TextStore& store) {
        std::string_view out = owned_ ? store.keep(text_) : view_;
        text_.clear();
        view_ = {};
        owned_ = false;
        return out;
    }

  private:
    std::string_view view_;
    std::string text_;
    bool owned_ = false;
};

class Walker {
  public:
    Walker(std::string_view text, const RunSettings& settings, EventSink& sink)
        : text_(text), settings_(settings), sink_(sink), deferring_(settings.find_repairs) {
        batch_.reserve(BATCH * 2);
    }

    RunResult run() && {
        const MD_PARSER parser{0,
                               (settings_.tables ? unsigned{MD_FLAG_TABLES} : 0u) |
                                   MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS,
                               &Walker::enter_block_cb,
                               &Walker::leave_block_cb,
                               &Walker::enter_span_cb,
                               &Walker::leave_span_cb,
                               &Walker::text_cb,
                               nullptr,
                               nullptr};
        const int code = md_parse(text_.data(), static_cast<MD_SIZE>(text_.size()), &parser, this);
        if (code != 0 && result_.status == RunStatus::Complete) {
            result_.status = RunStatus::EngineFailure;
        }
        if (result_.status != RunStatus::Complete) {
            sink_.restart();
        } else if (!dry_) {
            flush();
            hand_on_deferred();
        }
        return std::move(result_);
    }

  private:
    // ---- callbacks ----
    static int enter_block_cb(MD_BLOCKTYPE type, void* detail, void* self) {
        auto* walker = static_cast<Walker*>(self);
        return walker->after(walker->enter_block(type, detail));
    }
    static int leave_block_cb(MD_BLOCKTYPE type, void* detail, void* self) {
        auto* walker = static_cast<Walker*>(self);
        return walker->after(walker->leave_block(type, detail));
    }
    static int enter_span_cb(MD_SPANTYPE type, void* detail, void* self) {
        auto* walker = static_cast<Walker*>(self);
        return walker->after(walker->enter_span(type, detail));
    }
    static int leave_span_cb(MD_SPANTYPE type, void* detail, void* self) {
        auto* walker = static_cast<Walker*>(self);
        return walker->after(walker->leave_span(type, detail));
    }
    static int text_cb(MD_TEXTTYPE type, const MD_CHAR* data, MD_SIZE size, void* self) {
        auto* walker = static_cast<Walker*>(self);
        return walker->after(walker->text(type, std::string_view(data, size)));
    }

    // ---- batches ----
    // Between callbacks: a run that has found a repair gives no more events (it is read again
    // once the repairs are made); a full batch goes to the sink unless an event in it may still
    // change (a heading waiting for its line, a separator's HTML block not yet known).
    int after(int code) {
        if (dry_) {
            store_.clear();
            return code;
        }
        if (!result_.edits.empty()) {
            dry_ = true;
            batch_.clear();
            store_.clear();
            drop_deferred();
            sink_.restart();
            return code;
        }
        if (batch_.size() >= BATCH && !heading_needs_line_ &&
            !(html_block_open_ && settings_.map != nullptr)) {
            flush();
        }
        return code;
    }
    void flush() {
        if (deferring_) {
            defer();
        } else if (!batch_.empty()) {
            sink_.take(batch_);
        }
        batch_.clear();
        store_.clear();
    }

    // A run that looks for repairs keeps its first events, up to the size of its text, instead
    // of handing them on: a repair found among them (the run is then read again) costs no
    // building. Past that size, or at the end of the run, they go to the sink.
    void defer() {
        for (Event event : batch_) {
            if (!event.text.empty() && !in_input(event.text)) {
                event.text = deferred_texts_.emplace_back(event.text);
                deferred_bytes_ += event.text.size();
            }
            deferred_.push_back(event);
        }
        deferred_bytes_ += batch_.size() * sizeof(Event);
        if (deferred_bytes_ > text_.size()) {
            hand_on_deferred();
        }
    }
    void hand_on_deferred() {
        deferring_ = false;
        if (!deferred_.empty()) {
            sink_.take(deferred_);
        }
        drop_deferred();
    }
    void drop_deferred() {
        deferred_ = {};
        deferred_texts_ = {};
        deferred_bytes_ = 0;
    }

    // ---- offsets ----
    bool in_input(std::string_view piece) const {
        return !piece.empty() && piece.data() >= text_.data() &&
               piece.data() < text_.data() + text_.size();
    }
    std::size_t offset_of(std::string_view piece) const {
        return static_cast<std::size_t>(piece.data() - text_.data());
    }
    std::size_t to_original(std::size_t p) const {
        return settings_.map != nullptr ? settings_.map->to_original(p) : p;
    }
    // A line start of this run's text as an offset of the whole text.
    std::uint32_t to_whole(std::size_t line) const {
        const std::size_t original = to_original(line);
        return static_cast<std::uint32_t>(original == 0 ? 0 : original + settings_.bom);
    }

    // ---- writing events ----
    std::size_t emit(Event event) {
        if (dropping_separator_ || dry_) {
            return NONE;
        }
        auto& events = batch_;
        if (pending_task_) {
            const Event marker{EventKind::TaskListMarker, 0, *pending_task_, 0, {}};
            pending_task_.reset();
            drop_soft_break_ = true;
            if (event.kind == EventKind::StartParagraph || event.kind == EventKind::StartHeading) {
                events.push_back(event);
                events.push_back(marker);
                return events.size() - 2;
            }
            events.push_back(marker);
        }
        if (drop_soft_break_) {
            drop_soft_break_ = false;
            if (event.kind == EventKind::SoftBreak) {
                return NONE;
            }
        }
        events.push_back(event);
        return events.size() - 1;
    }
    void emit_kind(EventKind kind) { emit(Event::of(kind)); }

    void flush_text() {
        if (!text_collector_.empty()) {
            emit(Event::with_text(EventKind::Text, text_collector_.take(store_)));
        }
    }
    void flush_inline_html() {
        if (inline_html_open_) {
            inline_html_open_ = false;
            emit(Event::with_text(EventKind::InlineHtml, inline_html_.take(store_)));
        }
    }
    void flush_inline() {
        abandon_comment();
        flush_text();
        flush_inline_html();
    }

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

    int enter_block(MD_BLOCKTYPE type, void* detail) {
        flush_inline();
        end_run();
        if (separator_waiting_) {
            separator_waiting_ = false;
            result_.separators.back().table_follows = type == MD_BLOCK_TABLE;
        }
        switch (type) {
            case MD_BLOCK_DOC:
            case MD_BLOCK_TBODY:
                break;
            case MD_BLOCK_QUOTE:
                emit_kind(EventKind::StartBlockQuote);
                break;
            case MD_BLOCK_UL:
                emit_kind(EventKind::StartList);
                break;
            case MD_BLOCK_OL: {
                const auto* ol = static_cast<const MD_BLOCK_OL_DETAIL*>(detail);
                emit(Event{EventKind::StartList, 0, true, ol->start, {}});
                break;
            }
            case MD_BLOCK_LI: {
                emit_kind(EventKind::StartItem);
                const auto* li = static_cast<const MD_BLOCK_LI_DETAIL*>(detail);
                if (li->is_task) {
                    pending_task_ = li->task_mark != ' ';
                    hw_ = std::max<std::size_t>(hw_, std::size_t{li->task_mark_offset} + 1);
                }
                break;
            }
            case MD_BLOCK_HR:
                emit_kind(EventKind::Rule);
                break;
            case MD_BLOCK_H: {
                const auto* h = static_cast<const MD_BLOCK_H_DETAIL*>(detail);
                heading_event_ = emit(Event{
                    EventKind::StartHeading, static_cast<std::uint8_t>(h->level), false, 0, {}});
                heading_needs_line_ = true;
                break;
            }
            case MD_BLOCK_CODE:
                emit_kind(EventKind::StartCodeBlock);
                code_.clear();
                code_indent_ = 0;
                code_last_piece_end_ = NONE;
                break;
            case MD_BLOCK_HTML:
                html_block_open_ = true;
                html_block_start_ = batch_.size();
                html_block_depth_ = open_.depth();
                emit_kind(EventKind::StartHtmlBlock);
                html_first_line_ = true;
                html_line_has_input_ = false;
                html_previous_line_end_ = 0;
                html_lead_.clear();
                break;
            case MD_BLOCK_P:
                emit_kind(EventKind::StartParagraph);
                break;
            case MD_BLOCK_TABLE:
                if (!enter_table(*static_cast<const MD_BLOCK_TABLE_DETAIL*>(detail))) {
                    result_.status = RunStatus::TableBudget;
                    return STOP;
                }
                emit_kind(EventKind::StartTable);
                break;
            case MD_BLOCK_THEAD:
                emit_kind(EventKind::StartTableHead);
                in_table_head_ = true;
                break;
            case MD_BLOCK_TR:
                if (!in_table_head_) {
                    emit_kind(EventKind::StartTableRow);
                    if (!result_.tables.empty()) {
                        ++result_.tables.back().body_rows;
                    }
                    row_waits_for_piece_ = true;
                }
                break;
            case MD_BLOCK_TH:
            case MD_BLOCK_TD:
                emit_kind(EventKind::StartTableCell);
                break;
        }
        blocks_.push_back(type);
        if (std::size_t* open = open_.counter(type)) {
            ++*open;
        }
        return 0;
    }

    int leave_block(MD_BLOCKTYPE type, void*) {
        if (type != MD_BLOCK_HTML && type != MD_BLOCK_CODE) {
            flush_inline();
        }
        end_run();
        blocks_.pop_back();
        if (std::size_t* open = open_.counter(type)) {
            --*open;
        }
        switch (type) {
            case MD_BLOCK_DOC:
            case MD_BLOCK_TBODY:
            case MD_BLOCK_HR:
                break;
            case MD_BLOCK_QUOTE:
                emit_kind(EventKind::EndBlockQuote);
                break;
            case MD_BLOCK_UL:
            case MD_BLOCK_OL:
                emit_kind(EventKind::EndList);
                break;
            case MD_BLOCK_LI:
                emit_kind(EventKind::EndItem);
                break;
            case MD_BLOCK_H:
                leave_heading();
                break;
            case MD_BLOCK_CODE:
                leave_code_block();
                break;
            case MD_BLOCK_HTML:
                html_block_open_ = false;
                if (dropping_separator_) {
                    dropping_separator_ = false;
                    separator_waiting_ = true;
                } else {
                    emit_kind(EventKind::EndHtmlBlock);
                }
                break;
            case MD_BLOCK_P:
                emit_kind(EventKind::EndParagraph);
                break;
            case MD_BLOCK_TABLE:
                end_table_lines();
                in_table_ = false;
                emit_kind(EventKind::EndTable);
                break;
            case MD_BLOCK_THEAD:
                in_table_head_ = false;
                emit_kind(EventKind::EndTableHead);
                break;
            case MD_BLOCK_TR:
                if (!in_table_head_) {
                    emit_kind(EventKind::EndTableRow);
                }
                break;
            case MD_BLOCK_TH:
            case MD_BLOCK_TD:
                emit_kind(EventKind::EndTableCell);
                break;
        }
        return 0;
    }

    bool enter_table(const MD_BLOCK_TABLE_DETAIL& detail) {
        const std::uint64_t cells = std::uint64_t{detail.col_count} *
                                    (std::uint64_t{detail.head_row_count} + detail.body_row_count);
        table_cells_ += cells;
        if (cells > guards::MAX_TABLE_CELLS ||
            table_cells_ > guards::max_total_table_cells(text_.size())) {
            return false;
        }
        result_.tables.push_back({});
        in_table_ = true;
        table_quote_depth_ = open_.quotes;
        table_in_item_ = open_.items > 0;
        return true;
    }

    void leave_heading() {
        if (heading_needs_line_) {
            heading_needs_line_ = false;
            HeadingLine line{};
            if (hw_ >= failed_scan_from_) {
                const std::size_t start = lines::line_start(text_, std::min(hw_, text_.size()));
                line = {start, lines::line_end(text_, start), false};
            } else {
                line = scan_heading_line(text_, hw_);
                if (!line.found) {
                    failed_scan_from_ = hw_;
                }
            }
            hw_ = std::max(hw_, line.end);
            set_heading_line(line.start);
        }
        emit_kind(EventKind::EndHeading);
    }

    void set_heading_line(std::size_t line) {
        if (heading_event_ != NONE) {
            batch_[heading_event_].value = to_whole(line);
        }
    }

    void leave_code_block() {
        flush_code_indent();
        std::string_view literal = code_.take(store_);
        const bool text_ends_with_line_end = !text_.empty() && lines::is_line_end(text_.back());
        if (!literal.empty() && literal.back() == '\n' && !text_ends_with_line_end &&
            code_last_piece_end_ == text_.size()) {
            literal.remove_suffix(1);
        }
        if (!literal.empty()) {
            emit(Event::with_text(EventKind::Text, literal));
        }
        emit_kind(EventKind::EndCodeBlock);
    }

    // ---- spans ----
    int enter_span(MD_SPANTYPE type, void* detail) {
        flush_inline();
        switch (type) {
            case MD_SPAN_EM:
                emit_kind(EventKind::StartEmphasis);
                break;
            case MD_SPAN_STRONG:
                emit_kind(EventKind::StartStrong);
                break;
            case MD_SPAN_DEL:
                emit_kind(EventKind::StartStrikethrough);
                break;
            case MD_SPAN_A:
                return destination(EventKind::StartLink,
                                   static_cast<const MD_SPAN_A_DETAIL*>(detail)->href);
            case MD_SPAN_IMG:
                return destination(EventKind::StartImage,
                                   static_cast<const MD_SPAN_IMG_DETAIL*>(detail)->src);
            case MD_SPAN_CODE:
                in_code_span_ = true;
                break;
            default:
                break;
        }
        return 0;
    }

    int leave_span(MD_SPANTYPE type, void*) {
        if (type == MD_SPAN_CODE) {
            in_code_span_ = false;
            std::string_view code = code_span_.take(store_);
            if (in_table_ && code.find("\\|") != std::string_view::npos) {
                std::string unescaped;
                for (std::size_t i = 0; i < code.size(); ++i) {
                    if (code[i] == '\\' && i + 1 < code.size() && code[i + 1] == '|') {
                        continue;
                    }
                    unescaped += code[i];
                }
                code = store_.keep(unescaped);
            }
            emit(Event::with_text(EventKind::Code, code));
            return 0;
        }
        flush_inline();
        switch (type) {
            case MD_SPAN_EM:
                emit_kind(EventKind::EndEmphasis);
                break;
            case MD_SPAN_STRONG:
                emit_kind(EventKind::EndStrong);
                break;
            case MD_SPAN_DEL:
                emit_kind(EventKind::EndStrikethrough);
                break;
            case MD_SPAN_A:
                emit_kind(EventKind::EndLink);
                break;
            case MD_SPAN_IMG:
                emit_kind(EventKind::EndImage);
                break;
            default:
                break;
        }
        return 0;
    }

    int destination(EventKind kind, const MD_ATTRIBUTE& attribute) {
        destination_bytes_ += attribute.size;
        if (destination_bytes_ > guards::max_destination_bytes(text_.size())) {
            result_.status = RunStatus::DestinationBudget;
            return STOP;
        }
        if (!dry_) {
            emit(Event::with_text(kind, decode_attribute(attribute)));
        }
        return 0;
    }

    std::string_view decode_attribute(const MD_ATTRIBUTE& attribute) {
        const std::string_view whole(attribute.text, attribute.size);
        if (attribute.size == 0) {
            return {};
        }
        if (attribute.substr_offsets[1] == attribute.size &&
            attribute.substr_types[0] == MD_TEXT_NORMAL && in_input(whole)) {
            return whole;
        }
        std::string out;
        for (std::size_t i = 0; attribute.substr_offsets[i] < attribute.size; ++i) {
            const std::string_view piece =
                whole.substr(attribute.substr_offsets[i],
                             attribute.substr_offsets[i + 1] - attribute.substr_offsets[i]);
            switch (attribute.substr_types[i]) {
                case MD_TEXT_ENTITY:
                    append_entity(out, piece);
                    break;
                case MD_TEXT_NULLCHAR:
                    out += "\xEF\xBF\xBD";
                    break;
                default:
                    out += piece;
                    break;
            }
        }
        return store_.keep(out);
    }

    // ---- texts ----
    int text(MD_TEXTTYPE type, std::string_view piece) {
        const bool from_input = in_input(piece);
        if (from_input) {
            note_input_piece(offset_of(piece), piece.size());
        }
        if (dry_) {
            // Only positions and breaks still matter: they find the repairs.
            if (type == MD_TEXT_BR || type == MD_TEXT_SOFTBR) {
                note_break();
            }
            return 0;
        }
        if (comment_open_) {
            if (type == MD_TEXT_SOFTBR) {
                note_break();
                comment_pieces_.emplace_back();
                return 0;
            }
            if (type == MD_TEXT_NORMAL && from_input) {
                comment_text(piece);
                return 0;
            }
            abandon_comment();
        }
        switch (type) {
            case MD_TEXT_NORMAL:
                flush_inline_html();
                if (from_input) {
                    normal_text(piece);
                } else {
                    text_collector_.append_copy(piece);
                }
                break;
            case MD_TEXT_NULLCHAR:
                flush_inline_html();
                text_collector_.append_copy("\xEF\xBF\xBD");
                break;
            case MD_TEXT_ENTITY:
                flush_inline_html();
                append_entity(text_collector_.own(), piece);
                break;
            case MD_TEXT_BR:
                note_break();
                flush_inline();
                emit_kind(EventKind::HardBreak);
                break;
            case MD_TEXT_SOFTBR:
                note_break();
                flush_inline_html();
                text_collector_.trim_blanks_at_end();
                flush_text();
                emit_kind(EventKind::SoftBreak);
                break;
            case MD_TEXT_CODE:
                code_text(piece);
                break;
            case MD_TEXT_HTML:
                if (!blocks_.empty() && blocks_.back() == MD_BLOCK_HTML) {
                    html_block_text(piece);
                } else {
                    inline_html_text(piece);
                }
                break;
            default:
                break;
        }
        return 0;
    }

    // ---- comments over several lines ----
    // The engine reads an HTML comment that spans lines as text; it becomes inline HTML here
    // once its end is found in the same run of text, and stays text otherwise.
    void normal_text(std::string_view piece) {
        const std::size_t open = piece.find("<!--");
        if (open == std::string_view::npos ||
            piece.find("-->", open + 2) != std::string_view::npos ||
            (open == 0 && offset_of(piece) > 0 && text_[offset_of(piece) - 1] == '\\')) {
            text_collector_.append_view(piece);
            return;
        }
        text_collector_.append_view(piece.substr(0, open));
        comment_open_ = true;
        comment_pieces_.push_back(piece.substr(open));
    }

    void comment_text(std::string_view piece) {
        const std::size_t close = piece.find("-->");
        if (close == std::string_view::npos) {
            comment_pieces_.push_back(piece);
            return;
        }
        std::string html;
        for (std::string_view part : comment_pieces_) {
            html += part.empty() ? "\n" : part;
        }
        html += piece.substr(0, close + 3);
        if (!is_comment(html)) {
            comment_pieces_.push_back(piece);
            abandon_comment();
            return;
        }
        comment_open_ = false;
        comment_pieces_.clear();
        flush_text();
        emit(Event::with_text(EventKind::InlineHtml, store_.keep(html)));
        normal_text(piece.substr(close + 3));
    }

    // The engine's rule for a comment's inside: not starting with ">" or "->", not ending
    // with "-", no "--".
    static bool is_comment(std::string_view html) {
        const std::string_view inside = html.substr(4, html.size() - 7);
        return !inside.starts_with('>') && !inside.starts_with("->") && !inside.ends_with('-') &&
               inside.find("--") == std::string_view::npos;
    }

    // What was held back goes on as the text and soft breaks it was.
    void abandon_comment() {
        if (!comment_open_) {
            return;
        }
        comment_open_ = false;
        for (std::string_view part : comment_pieces_) {
            if (part.empty()) {
                text_collector_.trim_blanks_at_end();
                flush_text();
                emit_kind(EventKind::SoftBreak);
            } else {
                text_collector_.append_view(part);
            }
        }
        comment_pieces_.clear();
    }

    void code_text(std::string_view piece) {
        if (in_code_span_) {
            if (in_input(piece)) {
                code_span_.append_view(piece);
            } else {
                code_span_.append_copy(piece);
            }
            return;
        }
        if (!in_input(piece)) {
            if (piece.find_first_not_of(' ') == std::string_view::npos) {
                code_indent_ += piece.size();
                return;
            }
            flush_code_indent();
            code_.append_copy(piece);
            return;
        }
        if (code_indent_ > 0) {
            code_.append_copy(indentation_as_written(text_, offset_of(piece), code_indent_));
            code_indent_ = 0;
        }
        code_.append_view(piece);
        code_last_piece_end_ = offset_of(piece) + piece.size();
    }
    void flush_code_indent() {
        if (code_indent_ > 0) {
            code_.append_copy(std::string(code_indent_, ' '));
            code_indent_ = 0;
        }
    }

    void inline_html_text(std::string_view piece) {
        const bool line_end = !in_input(piece) && piece == "\n";
        if (inline_html_open_ && line_end) {
            inline_html_.append_copy(piece);
            html_continues_ = true;
            return;
        }
        if (inline_html_open_ && html_continues_) {
            inline_html_.own().append(piece);
            html_continues_ = piece.find_first_not_of(" \t") == std::string_view::npos;
            return;
        }
        flush_inline();
        inline_html_open_ = true;
        html_continues_ = false;
        if (in_input(piece)) {
            inline_html_.append_view(piece);
        } else {
            inline_html_.append_copy(piece);
        }
    }

    void html_block_text(std::string_view piece) {
        const bool from_input = in_input(piece);
        if (!from_input && piece == "\n") {
            end_html_line();
            return;
        }
        if (from_input && !html_line_has_input_) {
            html_line_has_input_ = true;
            if (html_first_line_) {
                if (settings_.map != nullptr && settings_.map->in_separator(offset_of(piece))) {
                    start_dropping_separator(offset_of(piece));
                    return;
                }
                if (!html_lead_.empty()) {
                    emit(Event::with_text(EventKind::Text, html_lead_.take(store_)));
                }
            }
        }
        if (!from_input && html_first_line_ && !html_line_has_input_) {
            html_lead_.append_copy(piece);
            return;
        }
        if (from_input) {
            html_line_.append_view(piece);
        } else {
            html_line_.append_copy(piece);
        }
    }

    void end_html_line() {
        const std::size_t from = std::max(hw_, html_previous_line_end_);
        const std::size_t end = lines::line_end(text_, std::min(from, text_.size()));
        html_first_line_ = false;
        html_line_has_input_ = false;
        if (end >= text_.size()) {
            emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
            html_previous_line_end_ = text_.size();
        } else if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') {
            emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
            emit(Event::with_text(EventKind::Html, "\n"));
            html_previous_line_end_ = end + 2;
        } else {
            html_line_.append_copy("\n");
            emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
            html_previous_line_end_ = end + 1;
        }
    }

    void start_dropping_separator(std::size_t offset) {
        batch_.resize(html_block_start_);
        dropping_separator_ = true;
        result_.separators.push_back({to_original(offset), html_block_depth_, false});
        html_lead_.clear();
    }

    // ---- positions ----
    void note_input_piece(std::size_t offset, std::size_t size) {
        hw_ = std::max(hw_, offset + size);
        if (heading_needs_line_) {
            heading_needs_line_ = false;
            set_heading_line(lines::line_start(text_, offset));
        }
        if (in_table_) {
            TableRecord& table = result_.tables.back();
            if (table.first_piece == NONE) {
                table.first_piece = to_original(offset);
                table_first_line_ = lines::line_start(text_, offset);
            }
            table_last_piece_ = offset;
            if (row_waits_for_piece_) {
                row_waits_for_piece_ = false;
                note_row_line(table, lines::line_start(text_, offset));
            }
        }
        if (!blocks_.empty() && (blocks_.back() == MD_BLOCK_P || blocks_.back() == MD_BLOCK_LI)) {
            if (run_first_ == NONE) {
                run_first_ = offset;
                run_break_before_first_ = run_saw_break_;
            }
            run_last_ = offset;
        }
    }

    void note_break() {
        if (run_first_ == NONE) {
            run_saw_break_ = true;
        }
    }

    void note_row_line(TableRecord& table, std::size_t line) {
        if (!settings_.find_repairs || table_in_item_ || table.cut_line != NONE) {
            return;
        }
        const std::size_t content = repair::skip_quote_markers(text_, line, table_quote_depth_);
        if (repair::starts_block(text_, content)) {
            table.cut_line = line;
            table.rows_before_cut = table.body_rows - 1;
            std::string blank_line;
            const std::size_t last_marker =
                std::string_view(text_.data() + line, content - line).rfind('>');
            if (last_marker != std::string_view::npos) {
                blank_line.assign(text_.substr(line, last_marker + 1));
            }
            blank_line += '\n';
            result_.edits.push_back({line, std::move(blank_line)});
        }
    }

    // The end of a run of inline content: look for a table header inside it.
    void end_run() {
        if (run_first_ != NONE && settings_.find_repairs && settings_.tables) {
            const repair::Run run{run_first_,   run_last_,       run_break_before_first_,
                                  open_.quotes, open_.items > 0, open_.depth()};
            if (auto site = repair::find_site(text_, run)) {
                if (site->separator) {
                    result_.edits.push_back({site->header_line, *site->separator, true});
                }
                repair::widen_delimiter_cells(text_, *site, result_.edits);
                repair::space_adjacent_pipes(text_, site->header_line, site->delimiter_line,
                                             result_.edits);
                result_.sites.push_back(std::move(*site));
            }
        }
        run_first_ = NONE;
        run_last_ = NONE;
        run_saw_break_ = false;
        run_break_before_first_ = false;
    }

    // Marks the adjacent pipes of the table that just ended.
    void end_table_lines() {
        if (settings_.find_repairs && table_first_line_ != NONE && table_last_piece_ != NONE) {
            repair::space_adjacent_pipes(text_, table_first_line_, table_last_piece_,
                                         result_.edits);
        }
        table_first_line_ = NONE;
        table_last_piece_ = NONE;
    }

    std::string_view text_;
    const RunSettings& settings_;
    EventSink& sink_;
    RunResult result_;
    std::vector<Event> batch_;
    TextStore store_;
    bool dry_ = false;  // a repair was found: no more events from this run
    bool deferring_;
    std::vector<Event> deferred_;
    std::deque<std::string> deferred_texts_;
    std::size_t deferred_bytes_ = 0;
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

}  // namespace

RunResult run_engine(std::string_view text, const RunSettings& settings, EventSink& sink) {
    return Walker(text, settings, sink).run();
}

}  // namespace kerfa_parser_markdown::events
