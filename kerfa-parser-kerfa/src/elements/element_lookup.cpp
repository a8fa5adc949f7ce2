#include "elements/element_lookup.hpp"

#include <initializer_list>
#include <string>

#include "kerfa_content/data/attributes/named_color.hpp"
#include "shared/utils/lowercase.hpp"

namespace kerfa_parser_kerfa::elements {

namespace {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::Color;
using kerfa_content::data::attributes::NamedColor;
using kerfa_content::data::kinds::block_kind_record;
using kerfa_content::data::kinds::BlockKind;
using kerfa_content::data::kinds::property_kind_record;
using kerfa_content::data::kinds::PropertyKind;
using types::KerfaElementType;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;

struct BlockNames {
    BlockKind kind;
    std::initializer_list<std::string_view> names;
};

struct PropertyNames {
    PropertyKind kind;
    std::initializer_list<std::string_view> names;
};

void add_names(ElementMap& map, std::initializer_list<std::string_view> names,
               const KerfaElementType& type) {
    for (std::string_view name : names) {
        map.insert_or_assign(std::string(name), type);
    }
}

void add_blocks(ElementMap& map) {
    static const BlockNames blocks[] = {
        {bk::BLOCK, {"block", "{}", "{"}},
        {bk::BLOCK_QUOTE,
         {"quoteblock", "quote_block", "quote-block", "blockquote", "block_quote", "block-quote",
          "quotebox", "quote_box", "quote-box", "bq", "qb"}},
        {bk::BULLET, {"bullet", "bullets", "*"}},
        {bk::CARD,
         {"card", "cardbox", "card_box", "card-box", "cardblock", "card_block", "card-block"}},
        {bk::CODEBOX,
         {"codebox", "code_box", "code-box", "codeblock", "code_block", "code-block", "cb"}},
        {bk::INDENT, {"indent", "in"}},
        {bk::TABLE, {"table", "t"}},
        {bk::TABLE_HEADING, {"heading", "head", "h", "th", "thead"}},
    };
    for (const BlockNames& entry : blocks) {
        add_names(map, entry.names, KerfaElementType::Block{&block_kind_record(entry.kind)});
    }
}

void add_properties(ElementMap& map) {
    static const PropertyNames properties[] = {
        {pk::BOLD, {"bold", "b", "strong"}},
        {pk::CAUTION, {"caution"}},
        {pk::CODE, {"code", "c"}},
        {pk::DIM, {"dim", "d", "muted"}},
        {pk::FONT_NAME, {"font-name", "font_name", "fontname", "fn"}},
        {pk::FONT_SIZE, {"font-size", "font_size", "fontsize", "size", "fs"}},
        {pk::HIGHLIGHT, {"highlight", "hl", "mark"}},
        {pk::IMPORTANT, {"important", "imp", "!"}},
        {pk::ITALIC, {"italic", "i", "em"}},
        {pk::MONOSPACE, {"monospace", "mono", "m", "fixed-width", "fw"}},
        {pk::NOTE, {"note", "n"}},
        {pk::SMALL, {"small", "s"}},
        {pk::STRIKETHROUGH, {"strikethrough", "strike", "del", "-"}},
        {pk::SUBSCRIPT, {"subscript", "sub"}},
        {pk::SUPERSCRIPT, {"superscript", "super", "sup", "^"}},
        {pk::UNDERLINE, {"underline", "u", "ins", "_"}},
        {pk::VARIABLE, {"variable", "var", "v"}},
        {pk::WARNING, {"warning", "warn", "w", "!!"}},
        {pk::TAG, {"tag", "@"}},
        {pk::BACKGROUND, {"background", "bg", "on"}},
        {pk::BADGE, {"badge"}},
        {pk::COLOR, {"color", "colour", "fg", "foreground"}},
        {pk::ADDRESS, {"address", "addr"}},
        {pk::COORDINATES,
         {"coordinates", "co_ordinates", "co-ordinates", "coord", "co-ord", "co_ord",
          "geocoordinates", "geo_coordinates", "geo-coordinates", "geo_co_ordinates",
          "geo-co-ordinates", "geo"}},
        {pk::DOCUMENT, {"doc", "document"}},
        {pk::DOCUMENT_FILTER, {"doc?", "doc:?", "document?", "document:?"}},
        {pk::DOCUMENT_SELECT, {"doc#", "doc:#", "document#", "document:#"}},
        {pk::EMAIL, {"email", "mailto"}},
        {pk::LINK, {"link", "l"}},
        {pk::TELEPHONE, {"telephone", "tel", "phone"}},
        {pk::FIXED, {"fixed"}},
    };
    for (const PropertyNames& entry : properties) {
        add_names(map, entry.names, KerfaElementType::Property{&property_kind_record(entry.kind)});
    }
}

void add_special_elements(ElementMap& map) {
    add_names(map, {"column", "col", "||"}, KerfaElementType::Column{});
    add_names(map, {"check", "checkbox", "x"}, KerfaElementType::Checkbox{});
    add_names(map, {"divider-line", "divider_line", "divider", "dl", "---", "hr"},
              KerfaElementType::Divider{});
    add_names(map, {"html-block", "html_block", "htmlblock"}, KerfaElementType::HtmlBlock{});
    add_names(map, {"metadata", "meta"}, KerfaElementType::Metadata{});
    add_names(map, {"image", "img"}, KerfaElementType::Image{});
}

// Every written form of every named colour that holds no space.
void add_colors(ElementMap& map) {
    const auto* color_kind = &property_kind_record(pk::COLOR);
    for (std::size_t value = 0; value < kerfa_content::data::attributes::NAMED_COLOR_COUNT;
         ++value) {
        const auto color = static_cast<NamedColor>(value);
        const KerfaElementType type =
            KerfaElementType::PropertyAlias{Attribute{Color{color}}, color_kind};
        for (std::string& form : kerfa_content::data::attributes::written_forms(color)) {
            if (form.find(' ') == std::string::npos) {
                map.insert_or_assign(std::move(form), type);
            }
        }
    }
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

void map_add_indent_alias(ElementMap& map, std::string_view indent_name, std::string_view in_name,
                          std::int64_t n) {
    const KerfaElementType type = KerfaElementType::BlockAlias{Attribute{Attribute::Integer{n}},
                                                               &block_kind_record(bk::INDENT)};
    map.insert_or_assign(std::string(indent_name), type);
    map.insert_or_assign(std::string(in_name), type);
}

ElementMap new_lookup_map() {
    ElementMap map;
    map.reserve(520);
    add_blocks(map);
    map.insert_or_assign("|", KerfaElementType::Separator{});
    add_properties(map);
    add_special_elements(map);
    add_colors(map);
    for (std::int64_t n = 1; n <= 8; ++n) {
        const std::string digit = std::to_string(n);
        map_add_indent_alias(map, "indent-" + digit, "in-" + digit, n);
    }
    return map;
}

const ElementMap& element_map() {
    static const ElementMap map = new_lookup_map();
    return map;
}

KerfaElementType ElementLookup::get(const ElementMap& map, std::string_view name) {
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
    if (auto found = map.find(lower); found != map.end()) {
        return found->second;
    }
    if (is_element_color(name)) {
        return KerfaElementType::PropertyAlias{Attribute::color(std::string(lower.substr(1))),
                                               &property_kind_record(pk::COLOR)};
    }
    return KerfaElementType::Unknown{};
}

}  // namespace kerfa_parser_kerfa::elements
