#include "events/walker.hpp"

#include <string>

#include "events/entities.hpp"
#include "events/guards.hpp"

namespace kerfa_parser_markdown::events {

int Walker::enter_span(MD_SPANTYPE type, void* detail) {
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

int Walker::leave_span(MD_SPANTYPE type, void*) {
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

int Walker::destination(EventKind kind, const MD_ATTRIBUTE& attribute) {
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

std::string_view Walker::decode_attribute(const MD_ATTRIBUTE& attribute) {
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

}  // namespace kerfa_parser_markdown::events
