#include "events/walker.hpp"

#include <utility>

namespace kerfa_parser_markdown::events {

RunResult Walker::run() && {
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

int Walker::enter_block_cb(MD_BLOCKTYPE type, void* detail, void* self) {
    auto* walker = static_cast<Walker*>(self);
    return walker->after(walker->enter_block(type, detail));
}

int Walker::leave_block_cb(MD_BLOCKTYPE type, void* detail, void* self) {
    auto* walker = static_cast<Walker*>(self);
    return walker->after(walker->leave_block(type, detail));
}

int Walker::enter_span_cb(MD_SPANTYPE type, void* detail, void* self) {
    auto* walker = static_cast<Walker*>(self);
    return walker->after(walker->enter_span(type, detail));
}

int Walker::leave_span_cb(MD_SPANTYPE type, void* detail, void* self) {
    auto* walker = static_cast<Walker*>(self);
    return walker->after(walker->leave_span(type, detail));
}

int Walker::text_cb(MD_TEXTTYPE type, const MD_CHAR* data, MD_SIZE size, void* self) {
    auto* walker = static_cast<Walker*>(self);
    return walker->after(walker->text(type, std::string_view(data, size)));
}

int Walker::after(int code) {
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

void Walker::flush() {
    if (deferring_) {
        defer();
    } else if (!batch_.empty()) {
        sink_.take(batch_);
    }
    batch_.clear();
    store_.clear();
}

void Walker::defer() {
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

void Walker::hand_on_deferred() {
    deferring_ = false;
    if (!deferred_.empty()) {
        sink_.take(deferred_);
    }
    drop_deferred();
}

void Walker::drop_deferred() {
    deferred_ = {};
    deferred_texts_ = {};
    deferred_bytes_ = 0;
}

std::size_t Walker::emit(Event event) {
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

void Walker::flush_text() {
    if (!text_collector_.empty()) {
        emit(Event::with_text(EventKind::Text, text_collector_.take(store_)));
    }
}

void Walker::flush_inline_html() {
    if (inline_html_open_) {
        inline_html_open_ = false;
        emit(Event::with_text(EventKind::InlineHtml, inline_html_.take(store_)));
    }
}

void Walker::flush_inline() {
    abandon_comment();
    flush_text();
    flush_inline_html();
}

}  // namespace kerfa_parser_markdown::events
