#include "parser/import_events.hpp"

#include <span>
#include <string>

#include "events/adapter.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_parser_markdown/parser/parser.hpp"
#include "types/harness.hpp"

namespace kerfa_parser_markdown::parser {

namespace {

using events::Event;
using events::EventKind;
using kerfa_content::data::structure::Content;
using kerfa_content::modules::parser::types::FormatError;
using kerfa_content::modules::parser::types::ParseData;
using types::Harness;
namespace block = kerfa_content::data::kinds::block_kind;
namespace property = kerfa_content::data::kinds::property_kind;

constexpr std::size_t MAX_NESTING = 256;

class Importer {
  public:
    void handle(const Event& event) {
        if (h_.image_depth > 0 && in_description(event)) {
            return;
        }
        if (!lines_and_blocks(event) && !containers(event) && !tables(event) && !spans(event)) {
            content(event);
        }
    }

    ParseData finish(std::string_view text, std::optional<std::string_view> adapter_message) && {
        h_.complete_section();
        if (h_.sections.empty()) {
            kerfa_content::data::types::Section section;
            section.children.emplace_back(Content::text_of({}));
            h_.sections.emplace_back(std::move(section));
            h_.positions.add_section(0);
        }
        move_to_line_starts(text, h_.positions.section_starts);
        ParseData data;
        data.storage = std::move(h_.arena);
        data.content = std::move(h_.sections);
        std::vector<std::string> messages;
        if (adapter_message) {
            messages.emplace_back(*adapter_message);
        }
        if (nesting_exceeded_) {
            messages.emplace_back(NESTING_MESSAGE);
        }
        if (!messages.empty()) {
            data.error = FormatError{std::move(messages)};
        }
        return ParseData::with_positions(std::move(data), std::move(h_.positions));
    }

  private:
    // Each family of events below returns false for an event of another family.
    bool lines_and_blocks(const Event& event) {
        switch (event.kind) {
            case EventKind::StartParagraph:
                h_.write_pending_breaks();
                return true;
            case EventKind::EndParagraph:
                h_.set_pending_breaks(2);
                return true;
            case EventKind::StartHeading:
                h_.append_heading(event.level, event.value);
                return true;
            case EventKind::EndHeading:
                h_.end_heading();
                return true;
            case EventKind::StartCodeBlock:
                h_.append_block(block::CODEBOX);
                return true;
            case EventKind::EndCodeBlock:
                h_.end_block();
                return true;
            case EventKind::StartHtmlBlock:
            case EventKind::EndHtmlBlock:
                return true;
            case EventKind::Rule:
                h_.append_divider_line();
                return true;
            default:
                return false;
        }
    }

    // Quotes, lists and items, within the nesting limit.
    bool containers(const Event& event) {
        switch (event.kind) {
            case EventKind::StartBlockQuote:
                if (open_nested()) {
                    h_.append_block(block::BLOCK_QUOTE);
                }
                return true;
            case EventKind::EndBlockQuote:
                if (close_nested()) {
                    h_.end_block();
                }
                return true;
            case EventKind::StartList:
                if (open_nested()) {
                    h_.append_bullet(event.flag ? std::optional(event.value) : std::nullopt);
                }
                return true;
            case EventKind::EndList:
                if (close_nested()) {
                    h_.end_bullet();
                }
                return true;
            case EventKind::StartItem:
                if (open_nested()) {
                    h_.append_bullet_entry();
                }
                return true;
            case EventKind::EndItem:
                if (close_nested()) {
                    h_.end_bullet_entry();
                }
                return true;
            default:
                return false;
        }
    }

    bool tables(const Event& event) {
        switch (event.kind) {
            case EventKind::StartTable:
                h_.append_table();
                return true;
            case EventKind::StartTableHead:
                h_.append_block(block::TABLE_HEADING);
                h_.append_block(block::TABLE_HEADING_ROW);
                h_.in_table_head = true;
                return true;
            case EventKind::EndTableHead:
                h_.end_block();
                h_.end_block();
                h_.in_table_head = false;
                return true;
            case EventKind::StartTableRow:
                h_.append_block(block::TABLE_ROW);
                return true;
            case EventKind::StartTableCell:
                h_.append_block(h_.in_table_head ? block::TABLE_HEADING_ENTRY : block::TABLE_ENTRY);
                return true;
            case EventKind::EndTable:
            case EventKind::EndTableRow:
            case EventKind::EndTableCell:
                h_.end_block();
                return true;
            default:
                return false;
        }
    }

    bool spans(const Event& event) {
        switch (event.kind) {
            case EventKind::StartEmphasis:
                h_.append_property(property::ITALIC);
                return true;
            case EventKind::StartStrong:
                h_.append_property(property::BOLD);
                return true;
            case EventKind::StartStrikethrough:
                h_.append_property(property::STRIKETHROUGH);
                return true;
            case EventKind::StartLink:
                h_.append_link(event.text);
                return true;
            case EventKind::EndEmphasis:
            case EventKind::EndStrong:
            case EventKind::EndStrikethrough:
            case EventKind::EndLink:
                h_.end_span();
                return true;
            case EventKind::StartImage:
                h_.append_image(event.text);
                return true;
            case EventKind::EndImage:
                return true;
            default:
                return false;
        }
    }

    void content(const Event& event) {
        switch (event.kind) {
            case EventKind::Text:
                h_.append_text(event.text);
                break;
            case EventKind::Code:
                h_.append_formatted_text(property::CODE, event.text);
                break;
            case EventKind::Html:
            case EventKind::InlineHtml:
                h_.append_html(event.text);
                break;
            case EventKind::SoftBreak:
                h_.append_str(" ");
                break;
            case EventKind::HardBreak:
                h_.add_hard_break();
                break;
            case EventKind::TaskListMarker:
                h_.append_check(event.flag);
                break;
            default:
                break;
        }
    }

    // Inside an image, its description: every inline event is dropped, nested images included.
    bool in_description(const Event& event) {
        switch (event.kind) {
            case EventKind::StartImage:
                ++h_.image_depth;
                return true;
            case EventKind::EndImage:
                --h_.image_depth;
                return true;
            case EventKind::Text:
            case EventKind::Code:
            case EventKind::InlineHtml:
            case EventKind::SoftBreak:
            case EventKind::HardBreak:
            case EventKind::StartEmphasis:
            case EventKind::EndEmphasis:
            case EventKind::StartStrong:
            case EventKind::EndStrong:
            case EventKind::StartStrikethrough:
            case EventKind::EndStrikethrough:
            case EventKind::StartLink:
            case EventKind::EndLink:
                return true;
            default:
                return false;
        }
    }

    // Starts of quotes, lists and items beyond the limit open nothing; their ends close nothing.
    bool open_nested() {
        if (nesting_ >= MAX_NESTING) {
            ++nesting_;
            nesting_exceeded_ = true;
            return false;
        }
        ++nesting_;
        return true;
    }
    bool close_nested() {
        if (nesting_ > 0) {
            --nesting_;
        }
        return nesting_ < MAX_NESTING;
    }

    // Each start back to just after the last line end before it: a line feed, or a carriage
    // return, which ends a line on its own too. Starts come in text order, so each search stops
    // where the previous one began.
    static void move_to_line_starts(std::string_view text, std::vector<std::size_t>& starts) {
        std::size_t previous = 0;
        std::size_t previous_result = 0;
        for (std::size_t& start : starts) {
            const std::size_t from = std::min(start, text.size());
            const std::size_t floor = previous <= from ? previous : 0;
            const std::size_t floor_result = previous <= from ? previous_result : 0;
            std::size_t p = from;
            while (p > floor && text[p - 1] != '\n' && text[p - 1] != '\r') {
                --p;
            }
            start = p > floor ? p : floor_result;
            previous = from;
            previous_result = start;
        }
    }

    Harness h_;
    std::size_t nesting_ = 0;
    bool nesting_exceeded_ = false;
};

// The importer as the adapter's sink: each batch goes straight into the harness.
class ImportSink final : public events::EventSink {
  public:
    void restart() override { importer_ = Importer(); }
    void take(std::span<const Event> events) override {
        for (const Event& event : events) {
            importer_.handle(event);
        }
    }
    ParseData finish(std::string_view text, std::optional<std::string_view> message) && {
        return std::move(importer_).finish(text, message);
    }

  private:
    Importer importer_;
};

}  // namespace

ParseData import_text(std::string_view text) {
    ImportSink sink;
    const auto message = events::read_events(text, sink);
    return std::move(sink).finish(text, message);
}

ParseData import_events(const events::EventList& list, std::string_view text) {
    ImportSink sink;
    sink.take(list.events);
    return std::move(sink).finish(text, list.message);
}

}  // namespace kerfa_parser_markdown::parser
