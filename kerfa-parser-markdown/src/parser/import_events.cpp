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
        switch (event.kind) {
            case EventKind::StartParagraph:
                h_.write_pending_breaks();
                break;
            case EventKind::EndParagraph:
                h_.set_pending_breaks(2);
                break;
            case EventKind::StartHeading:
                h_.append_heading(event.level, event.value);
                break;
            case EventKind::EndHeading:
                h_.end_heading();
                break;
            case EventKind::StartBlockQuote:
                if (open_nested()) {
                    h_.append_block(block::BLOCK_QUOTE);
                }
                break;
            case EventKind::EndBlockQuote:
                if (close_nested()) {
                    h_.end_block();
                }
                break;
            case EventKind::StartList:
                if (open_nested()) {
                    h_.append_bullet(event.flag ? std::optional(event.value) : std::nullopt);
                }
                break;
            case EventKind::EndList:
                if (close_nested()) {
                    h_.end_bullet();
                }
                break;
            case EventKind::StartItem:
                if (open_nested()) {
                    h_.append_bullet_entry();
                }
                break;
            case EventKind::EndItem:
                if (close_nested()) {
                    h_.end_bullet_entry();
                }
                break;
            case EventKind::StartCodeBlock:
                h_.append_block(block::CODEBOX);
                break;
            case EventKind::StartTable:
                h_.append_table();
                break;
            case EventKind::StartTableHead:
                h_.append_block(block::TABLE_HEADING);
                h_.append_block(block::TABLE_HEADING_ROW);
                h_.in_table_head = true;
                break;
            case EventKind::EndTableHead:
                h_.end_block();
                h_.end_block();
                h_.in_table_head = false;
                break;
            case EventKind::StartTableRow:
                h_.append_block(block::TABLE_ROW);
                break;
            case EventKind::StartTableCell:
                h_.append_block(h_.in_table_head ? block::TABLE_HEADING_ENTRY : block::TABLE_ENTRY);
                break;
            case EventKind::EndCodeBlock:
            case EventKind::EndTable:
            case EventKind::EndTableRow:
            case EventKind::EndTableCell:
                h_.end_block();
                break;
            case EventKind::StartHtmlBlock:
            case EventKind::EndHtmlBlock:
                break;
            case EventKind::StartEmphasis:
                h_.append_property(property::ITALIC);
                break;
            case EventKind::StartStrong:
                h_.append_property(property::BOLD);
                break;
            case EventKind::StartStrikethrough:
                h_.append_property(property::STRIKETHROUGH);
                break;
            case EventKind::EndEmphasis:
            case EventKind::EndStrong:
            case EventKind::EndStrikethrough:
            case EventKind::EndLink:
                h_.end_span();
                break;
            case EventKind::StartLink:
                h_.append_link(event.text);
                break;
            case EventKind::StartImage:
                h_.append_image(event.text);
                break;
            case EventKind::EndImage:
                break;
            case EventKind::Text:
                h_.append_text(event.text);
                break;
            case EventKind::Code:
                h_.append_formatted_text(property::CODE, std::string(event.text));
                break;
            case EventKind::Html:
            case EventKind::InlineHtml:
                h_.append_html(std::string(event.text));
                break;
            case EventKind::SoftBreak:
                h_.append_str(" ");
                break;
            case EventKind::HardBreak:
                h_.add_hard_break();
                break;
            case EventKind::Rule:
                h_.append_divider_line();
                break;
            case EventKind::TaskListMarker:
                h_.append_check(event.flag);
                break;
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

    // Each start back to just after the last line feed before it. Starts come in text order, so
    // each search stops where the previous one began.
    static void move_to_line_starts(std::string_view text, std::vector<std::size_t>& starts) {
        std::size_t previous = 0;
        std::size_t previous_result = 0;
        for (std::size_t& start : starts) {
            const std::size_t from = std::min(start, text.size());
            const std::size_t floor = previous <= from ? previous : 0;
            const std::size_t floor_result = previous <= from ? previous_result : 0;
            std::size_t p = from;
            while (p > floor && text[p - 1] != '\n') {
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
