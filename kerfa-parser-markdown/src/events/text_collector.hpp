#pragma once

#include <string>
#include <string_view>

#include "events/lines.hpp"
#include "events/text_store.hpp"

namespace kerfa_parser_markdown::events {

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
        clear();
        return out;
    }

  private:
    std::string_view view_;
    std::string text_;
    bool owned_ = false;
};

}  // namespace kerfa_parser_markdown::events
