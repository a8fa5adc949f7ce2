#include "utils/document_link_parser.hpp"

#include <array>
#include <optional>
#include <string>

namespace kerfa_content::utils {

namespace {

enum Part : std::size_t { DOCUMENT = 0, FILTER = 1, SELECT = 2 };

class LinkReader {
  public:
    // ":?" or ":#": opens the part unless it is current or already holds a value, in which case
    // the pair is ordinary text.
    void open(Part part, std::string_view pair) {
        if (current_ != part && !parts_[part]) {
            store();
            current_ = part;
        } else {
            buffer_ += pair;
        }
    }

    void push(char c) { buffer_ += c; }
    bool in_document() const { return current_ == DOCUMENT; }

    data::attributes::DocumentLink finish() {
        store();
        return {std::move(parts_[DOCUMENT]), std::move(parts_[FILTER]), std::move(parts_[SELECT])};
    }

  private:
    void store() {
        if (!buffer_.empty()) {
            parts_[current_] = std::move(buffer_);
            buffer_.clear();
        }
    }

    std::array<std::optional<std::string>, 3> parts_;
    Part current_ = DOCUMENT;
    std::string buffer_;
};

}  // namespace

data::attributes::DocumentLink parse_document_link(std::string_view text) {
    LinkReader reader;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == ':' && next == '#') {
            reader.open(SELECT, ":#");
            i += 2;
        } else if (c == ':' && next == '?') {
            reader.open(FILTER, ":?");
            i += 2;
        } else if (c == '\\' && next == ':') {
            reader.push(':');
            i += 2;
        } else if (c == '\\' && next == '\\') {
            // Read as a pair everywhere, so the second backslash never escapes what follows; only
            // the filter and select parts collapse it.
            reader.push('\\');
            if (reader.in_document()) {
                reader.push('\\');
            }
            i += 2;
        } else {
            reader.push(c);
            i += 1;
        }
    }
    return reader.finish();
}

}  // namespace kerfa_content::utils
