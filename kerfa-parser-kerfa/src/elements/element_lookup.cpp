#include "elements/element_lookup.hpp"

#include <string>
#include <utility>

#include "kerfa_content/data/attributes/named_color.hpp"
#include "names/color_forms.hpp"
#include "names/name_table.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/lowercase.hpp"

namespace kerfa_parser_kerfa::elements {

namespace {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::Color;
using kerfa_content::data::kinds::block_kind_record;
using kerfa_content::data::kinds::property_kind_record;
using types::KerfaElementType;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;

using Code = ElementCode;
using Kind = ElementCode::Kind;

constexpr Code block(kerfa_content::data::kinds::BlockKind kind) {
    return {Kind::Block, kind};
}
constexpr Code property(kerfa_content::data::kinds::PropertyKind kind) {
    return {Kind::Property, kind};
}
constexpr Code special(Kind kind) {
    return {kind, 0};
}
constexpr Code indent(std::uint16_t n) {
    return {Kind::Indent, n};
}

constexpr names::NameTable<Code, 175> kNames{{
    {block(bk::BLOCK), {"block", "{}", "{"}},
    {block(bk::BLOCK_QUOTE),
     {"quoteblock", "quote_block", "quote-block", "blockquote", "block_quote", "block-quote",
      "quotebox", "quote_box", "quote-box", "bq", "qb"}},
    {block(bk::BULLET), {"bullet", "bullets", "*"}},
    {block(bk::CARD),
     {"card", "cardbox", "card_box", "card-box", "cardblock", "card_block", "card-block"}},
    {block(bk::CODEBOX),
     {"codebox", "code_box", "code-box", "codeblock", "code_block", "code-block", "cb"}},
    {block(bk::INDENT), {"indent", "in"}},
    {block(bk::TABLE), {"table", "t"}},
    {block(bk::TABLE_HEADING), {"heading", "head", "h", "th", "thead"}},
    {special(Kind::Separator), {"|"}},
    {property(pk::BOLD), {"bold", "b", "strong"}},
    {property(pk::CAUTION), {"caution"}},
    {property(pk::CODE), {"code", "c"}},
    {property(pk::DIM), {"dim", "d", "muted"}},
    {property(pk::FONT_NAME), {"font-name", "font_name", "fontname", "fn"}},
    {property(pk::FONT_SIZE), {"font-size", "font_size", "fontsize", "size", "fs"}},
    {property(pk::HIGHLIGHT), {"highlight", "hl", "mark"}},
    {property(pk::IMPORTANT), {"important", "imp", "!"}},
    {property(pk::ITALIC), {"italic", "i", "em"}},
    {property(pk::MONOSPACE), {"monospace", "mono", "m", "fixed-width", "fw"}},
    {property(pk::NOTE), {"note", "n"}},
    {property(pk::SMALL), {"small", "s"}},
    {property(pk::STRIKETHROUGH), {"strikethrough", "strike", "del", "-"}},
    {property(pk::SUBSCRIPT), {"subscript", "sub"}},
    {property(pk::SUPERSCRIPT), {"superscript", "super", "sup", "^"}},
    {property(pk::UNDERLINE), {"underline", "u", "ins", "_"}},
    {property(pk::VARIABLE), {"variable", "var", "v"}},
    {property(pk::WARNING), {"warning", "warn", "w", "!!"}},
    {property(pk::TAG), {"tag", "@"}},
    {property(pk::BACKGROUND), {"background", "bg", "on"}},
    {property(pk::BADGE), {"badge"}},
    {property(pk::COLOR), {"color", "colour", "fg", "foreground"}},
    {property(pk::ADDRESS), {"address", "addr"}},
    {property(pk::COORDINATES),
     {"coordinates", "co_ordinates", "co-ordinates", "coord", "co-ord", "co_ord", "geocoordinates",
      "geo_coordinates", "geo-coordinates", "geo_co_ordinates", "geo-co-ordinates", "geo"}},
    {property(pk::DOCUMENT), {"doc", "document"}},
    {property(pk::DOCUMENT_FILTER), {"doc?", "doc:?", "document?", "document:?"}},
    {property(pk::DOCUMENT_SELECT), {"doc#", "doc:#", "document#", "document:#"}},
    {property(pk::EMAIL), {"email", "mailto"}},
    {property(pk::LINK), {"link", "l"}},
    {property(pk::TELEPHONE), {"telephone", "tel", "phone"}},
    {property(pk::FIXED), {"fixed"}},
    {special(Kind::Column), {"column", "col", "||"}},
    {special(Kind::Checkbox), {"check", "checkbox", "x"}},
    {special(Kind::Divider), {"divider-line", "divider_line", "divider", "dl", "---", "hr"}},
    {special(Kind::HtmlBlock), {"html-block", "html_block", "htmlblock"}},
    {special(Kind::Metadata), {"metadata", "meta"}},
    {special(Kind::Image), {"image", "img"}},
    {indent(1), {"indent-1", "in-1"}},
    {indent(2), {"indent-2", "in-2"}},
    {indent(3), {"indent-3", "in-3"}},
    {indent(4), {"indent-4", "in-4"}},
    {indent(5), {"indent-5", "in-5"}},
    {indent(6), {"indent-6", "in-6"}},
    {indent(7), {"indent-7", "in-7"}},
    {indent(8), {"indent-8", "in-8"}},
}};

KerfaElementType type_of(Code code) {
    switch (code.kind) {
        case Kind::Block:
            return KerfaElementType::Block{&block_kind_record(code.value)};
        case Kind::Property:
            return KerfaElementType::Property{&property_kind_record(code.value)};
        case Kind::Checkbox:
            return KerfaElementType::Checkbox{};
        case Kind::Column:
            return KerfaElementType::Column{};
        case Kind::Divider:
            return KerfaElementType::Divider{};
        case Kind::HtmlBlock:
            return KerfaElementType::HtmlBlock{};
        case Kind::Image:
            return KerfaElementType::Image{};
        case Kind::Indent:
            return KerfaElementType::BlockAlias{Attribute{Attribute::Integer{code.value}},
                                                &block_kind_record(bk::INDENT)};
        case Kind::Metadata:
            return KerfaElementType::Metadata{};
        case Kind::Separator:
            return KerfaElementType::Separator{};
    }
    shared::utils::internal_fault("element code of no kind");
}

bool is_ascii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "#" followed by 3 or 6 hexadecimal digits.
bool is_element_color(std::string_view name) {
    if (name.empty() || name.front() != '#' || (name.size() != 4 && name.size() != 7)) {
        return false;
    }
    for (char c : name.substr(1)) {
        if (!is_hex_digit(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<KerfaElementType> ElementTable::find(std::string_view name) const {
    KerfaElementType type = type_of_name(name);
    if (type.is<KerfaElementType::Unknown>()) {
        return std::nullopt;
    }
    return type;
}

KerfaElementType ElementTable::type_of_name(std::string_view name) const {
    if (const Code* code = kNames.find(name)) {
        return type_of(*code);
    }
    if (name.find(' ') == std::string_view::npos) {
        if (const auto color = names::color_forms().find(name)) {
            return KerfaElementType::PropertyAlias{Attribute{Color{*color}},
                                                   &property_kind_record(pk::COLOR)};
        }
    }
    return KerfaElementType::Unknown{};
}

std::size_t ElementTable::size() const {
    return kNames.size() + names::color_forms().count_without_spaces();
}

const ElementTable& element_table() {
    static constexpr ElementTable table;
    return table;
}

KerfaElementType ElementLookup::get(const ElementTable& table, std::string_view name) {
    // Names of the map are short ASCII: such a name is lower-cased on the stack, anything else
    // through the full Unicode mapping.
    char buffer[32];
    std::string lowered;
    std::string_view lower;
    if (name.size() <= sizeof buffer && is_ascii(name)) {
        for (std::size_t i = 0; i < name.size(); ++i) {
            const char c = name[i];
            buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        lower = std::string_view(buffer, name.size());
    } else {
        lowered = shared::utils::to_lowercase(name);
        lower = lowered;
    }
    if (KerfaElementType type = table.type_of_name(lower); !type.is<KerfaElementType::Unknown>()) {
        return type;
    }
    if (is_element_color(name)) {
        return KerfaElementType::PropertyAlias{Attribute::color(std::string(lower.substr(1))),
                                               &property_kind_record(pk::COLOR)};
    }
    return KerfaElementType::Unknown{};
}

}  // namespace kerfa_parser_kerfa::elements
