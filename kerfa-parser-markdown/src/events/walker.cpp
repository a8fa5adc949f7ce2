#include "events/walker.hpp"

#include <algorithm>
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
    if (code != 0 && result_.status == RunStatus::Complete && !result_.stopped) {
        result_.status = RunStatus::EngineFailure;
    }
    if (result_.status == RunStatus::Complete && !dry_) {
        flush();
        if (settings_.parts != nullptr) {
            close_part(NONE);
        } else {
            hand_on_deferred();
        }
    }
    if (result_.status != RunStatus::Complete) {
        sink_.restart();
    }
    result_.table_cells = table_cells_;
    result_.destination_bytes = destination_bytes_;
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
    if (stop_) {
        return STOP;
    }
    if (dry_) {
        store_.clear();
        return code;
    }
    if (settings_.parts != nullptr) {
        if (part_given_ && result_.edits.size() > part_edits_) {
            fail_part();
            return STOP;
        }
    } else if (!result_.edits.empty()) {
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
    defer_events(batch_);
}

void Walker::defer_events(std::span<const Event> events) {
    for (Event event : events) {
        if (!event.text.empty() && !in_input(event.text)) {
            event.text = deferred_texts_.emplace_back(event.text);
            deferred_bytes_ += event.text.size();
        }
        deferred_.push_back(event);
    }
    deferred_bytes_ += events.size() * sizeof(Event);
    // A part is held up to the size of the text, and a short text whole.
    const std::size_t room =
        settings_.parts != nullptr ? std::max(text_.size(), PART_ROOM) : text_.size();
    if (deferred_bytes_ > room) {
        part_given_ = settings_.parts != nullptr;
        hand_on_deferred();
    }
}

void Walker::hand_on_deferred() {
    if (settings_.parts == nullptr) {
        deferring_ = false;
    }
    if (!deferred_.empty()) {
        sink_.take(deferred_);
    }
    drop_deferred();
}

void Walker::drop_deferred() {
    if (settings_.parts != nullptr) {
        deferred_.clear();  // the next part reuses the room
        deferred_texts_.clear();
    } else {
        deferred_ = {};
        deferred_texts_ = {};
    }
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
