#pragma once

// Events written as "Start(Paragraph) Text(\"a\") End(Paragraph)", so that a test states a whole
// event list in one line. Texts escape backslash, quote, LF, CR and tab.

#include <string>
#include <string_view>

#include "events/event.hpp"

namespace kerfa_parser_markdown::testing {

using events::Event;
using events::EventKind;
using events::EventList;

inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

inline std::string event_text(const Event& e) {
    switch (e.kind) {
        case EventKind::StartParagraph:
            return "Start(Paragraph)";
        case EventKind::EndParagraph:
            return "End(Paragraph)";
        case EventKind::StartBlockQuote:
            return "Start(BlockQuote)";
        case EventKind::EndBlockQuote:
            return "End(BlockQuote)";
        case EventKind::StartCodeBlock:
            return "Start(CodeBlock)";
        case EventKind::EndCodeBlock:
            return "End(CodeBlock)";
        case EventKind::StartHtmlBlock:
            return "Start(HtmlBlock)";
        case EventKind::EndHtmlBlock:
            return "End(HtmlBlock)";
        case EventKind::StartList:
            return e.flag ? "Start(List(Some(" + std::to_string(e.value) + ")))"
                          : "Start(List(None))";
        case EventKind::EndList:
            return "End(List)";
        case EventKind::StartItem:
            return "Start(Item)";
        case EventKind::EndItem:
            return "End(Item)";
        case EventKind::StartTable:
            return "Start(Table)";
        case EventKind::EndTable:
            return "End(Table)";
        case EventKind::StartTableHead:
            return "Start(TableHead)";
        case EventKind::EndTableHead:
            return "End(TableHead)";
        case EventKind::StartTableRow:
            return "Start(TableRow)";
        case EventKind::EndTableRow:
            return "End(TableRow)";
        case EventKind::StartTableCell:
            return "Start(TableCell)";
        case EventKind::EndTableCell:
            return "End(TableCell)";
        case EventKind::StartEmphasis:
            return "Start(Emphasis)";
        case EventKind::EndEmphasis:
            return "End(Emphasis)";
        case EventKind::StartStrong:
            return "Start(Strong)";
        case EventKind::EndStrong:
            return "End(Strong)";
        case EventKind::StartStrikethrough:
            return "Start(Strikethrough)";
        case EventKind::EndStrikethrough:
            return "End(Strikethrough)";
        case EventKind::StartHeading:
            return "Start(Heading(" + std::to_string(e.level) + "), r=" + std::to_string(e.value) +
                   ")";
        case EventKind::EndHeading:
            return "End(Heading)";
        case EventKind::StartLink:
            return "Start(Link " + quoted(e.text) + ")";
        case EventKind::EndLink:
            return "End(Link)";
        case EventKind::StartImage:
            return "Start(Image " + quoted(e.text) + ")";
        case EventKind::EndImage:
            return "End(Image)";
        case EventKind::Text:
            return "Text(" + quoted(e.text) + ")";
        case EventKind::Code:
            return "Code(" + quoted(e.text) + ")";
        case EventKind::Html:
            return "Html(" + quoted(e.text) + ")";
        case EventKind::InlineHtml:
            return "InlineHtml(" + quoted(e.text) + ")";
        case EventKind::SoftBreak:
            return "SoftBreak";
        case EventKind::HardBreak:
            return "HardBreak";
        case EventKind::Rule:
            return "Rule";
        case EventKind::TaskListMarker:
            return std::string("TaskListMarker(") + (e.flag ? "true" : "false") + ")";
    }
    return "?";
}

inline std::string events_text(const EventList& list) {
    std::string out;
    for (const Event& e : list.events) {
        if (!out.empty()) {
            out += ' ';
        }
        out += event_text(e);
    }
    return out;
}

}  // namespace kerfa_parser_markdown::testing
