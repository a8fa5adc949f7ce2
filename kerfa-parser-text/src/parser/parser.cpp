#include "kerfa_parser_text/parser/parser.hpp"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/data/structure/in_arena.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_parser_text::parser {

namespace {

using kerfa_content::data::storage::Arena;
using kerfa_content::data::storage::Box;
using kerfa_content::data::storage::String;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::structure::DataList;
using kerfa_content::data::types::Property;
using kerfa_content::data::types::PropertyElement;
using kerfa_content::data::types::PropertyTerminator;
using kerfa_content::data::types::Section;
using kerfa_content::modules::parser::types::ParseData;
using kerfa_content::modules::parser::types::SourcePositions;

constexpr kerfa_content::data::kinds::PropertyKind FIXED = 30;

// Collects the sections, one per line, and where each starts. Every section is built in one
// arena, so that a tree of a million lines costs no allocation per line and goes in one step.
class Lines {
  public:
    // Adds the section of one line (without its line feed) starting at the current offset, then
    // moves the offset past the line and, when it had one, its line feed.
    void add(std::string line, bool ended_by_line_feed) {
        positions_.add_section(offset_);
        offset_ += line.size() + (ended_by_line_feed ? 1 : 0);
        Section section;
        section.id = next_id_++;
        if (line.empty()) {
            Data items[] = {Content::text_of({})};
            section.children = DataList::in_arena(*arena_, items, std::size(items));
        } else {
            Data items[] = {
                Property(kerfa_content::data::structure::boxed(
                    arena_.get(), PropertyElement{FIXED, std::nullopt, false})),
                Content::text_of(String::in_arena(*arena_, line)), PropertyTerminator{}};
            section.children = DataList::in_arena(*arena_, items, std::size(items));
        }
        sections_.emplace_back(Container(Box<Section>::in_arena(*arena_, std::move(section))));
    }

    void expect(std::size_t lines) { sections_.reserve(lines); }

    ParseData finish() && {
        ParseData data;
        data.storage = std::move(arena_);
        data.content = std::move(sections_);
        return ParseData::with_positions(std::move(data), std::move(positions_));
    }

  private:
    // Made first: the sections live in it.
    std::shared_ptr<Arena> arena_ = std::make_shared<Arena>();
    DataList sections_;
    SourcePositions positions_;
    std::size_t offset_ = 0;
    std::size_t next_id_ = 0;
};

}  // namespace

Parser::ParseData Parser::parse_chars(std::unique_ptr<CharIterator> chars) {
    return parse(std::move(chars));
}

// Valid UTF-8 reads the same through a character source as split in place; only other bytes
// (each invalid stretch read as U+FFFD) need the source.
Parser::ParseData Parser::parse_str(std::string_view text) {
    if (!shared::utils::is_valid_utf8(text)) {
        return parse(shared::components::char_iterator::StrCharIterator::boxed(text));
    }
    Lines lines;
    lines.expect(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.add(std::string(text.substr(start)), false);
            break;
        }
        lines.add(std::string(text.substr(start, end - start)), true);
        start = end + 1;
    }
    return std::move(lines).finish();
}

Parser::ParseData Parser::parse(std::unique_ptr<CharIterator> chars) {
    Lines lines;
    std::string line;
    while (true) {
        const std::optional<char32_t> c = chars->next();
        if (!c) {
            lines.add(std::move(line), false);
            break;
        }
        if (*c == U'\n') {
            lines.add(std::exchange(line, {}), true);
        } else {
            shared::utils::append_utf8(line, *c);
        }
    }
    chars.reset();
    return std::move(lines).finish();
}

}  // namespace kerfa_parser_text::parser
