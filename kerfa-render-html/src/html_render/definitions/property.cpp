#include "html_render/definitions/tables.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "html_render/property_components.hpp"
#include "html_render/templates.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_render_html::html_render::definitions {

namespace kinds = kerfa_content::data::kinds;
namespace property_kind = kerfa_content::data::kinds::property_kind;

namespace {

enum class Markup : std::uint8_t {
    Element,        // property_element NAME
    SpanClass,      // property_span_class NAME
    SpanStyle,      // property_span_style NAME (a CSS property)
    SpanClassData,  // property_span_class_data NAME
    Badge,
    DocLink,
    DocLinkPartial,  // NAME is the query prefix
    LinkCustom,      // NAME is the scheme
    Link,
};

struct PropertyRow {
    kinds::PropertyKind id;
    Markup markup;
    std::string_view name;
};

constexpr std::array<PropertyRow, kinds::PROPERTY_KINDS.size()> kPropertyRows{{
    {property_kind::BOLD, Markup::Element, "strong"},
    {property_kind::CAUTION, Markup::SpanClass, "caution"},
    {property_kind::CODE, Markup::Element, "code"},
    {property_kind::DIM, Markup::SpanClass, "dim"},
    {property_kind::FONT_NAME, Markup::SpanStyle, "font-family"},
    {property_kind::FONT_SIZE, Markup::SpanStyle, "font-size"},
    {property_kind::HIGHLIGHT, Markup::Element, "mark"},
    {property_kind::IMPORTANT, Markup::SpanClass, "important"},
    {property_kind::ITALIC, Markup::Element, "em"},
    {property_kind::MONOSPACE, Markup::SpanClass, "monospace"},
    {property_kind::NOTE, Markup::SpanClass, "note"},
    {property_kind::SMALL, Markup::Element, "small"},
    {property_kind::STRIKETHROUGH, Markup::Element, "del"},
    {property_kind::SUBSCRIPT, Markup::Element, "sub"},
    {property_kind::SUPERSCRIPT, Markup::Element, "sup"},
    {property_kind::UNDERLINE, Markup::Element, "u"},
    {property_kind::VARIABLE, Markup::Element, "var"},
    {property_kind::WARNING, Markup::SpanClass, "warning"},
    {property_kind::TAG, Markup::SpanClass, "tag"},
    {property_kind::BACKGROUND, Markup::SpanStyle, "background-color"},
    {property_kind::BADGE, Markup::Badge, ""},
    {property_kind::COLOR, Markup::SpanStyle, "color"},
    {property_kind::ADDRESS, Markup::SpanClassData, "address"},
    {property_kind::COORDINATES, Markup::SpanClassData, "coordinates"},
    {property_kind::DOCUMENT, Markup::DocLink, ""},
    {property_kind::DOCUMENT_FILTER, Markup::DocLinkPartial, "?filter="},
    {property_kind::DOCUMENT_SELECT, Markup::DocLinkPartial, "?select="},
    {property_kind::EMAIL, Markup::LinkCustom, "mailto:"},
    {property_kind::LINK, Markup::Link, ""},
    {property_kind::TELEPHONE, Markup::LinkCustom, "tel:"},
    {property_kind::FIXED, Markup::SpanClass, "fixed"},
}};

PropertyComponent make(const PropertyRow& row) {
    switch (row.markup) {
        case Markup::Element:
            return property_element(row.name);
        case Markup::SpanClass:
            return property_span_class(row.name);
        case Markup::SpanStyle:
            return property_span_style(row.name);
        case Markup::SpanClassData:
            return property_span_class_data(row.name);
        case Markup::Badge:
            return property_badge();
        case Markup::DocLink:
            return std::make_unique<RenderActualDocLink>();
        case Markup::DocLinkPartial:
            return std::make_unique<RenderActualDocLinkPartial>(std::string(row.name));
        case Markup::LinkCustom:
            return property_link_custom(row.name);
        case Markup::Link:
            return property_link();
    }
    shared::utils::internal_fault("HTML property table row without markup");
}

}  // namespace

std::vector<PropertyComponent> all_properties() {
    std::vector<PropertyComponent> properties;
    properties.reserve(kPropertyRows.size());
    for (std::size_t id = 0; id < kPropertyRows.size(); ++id) {
        if (kPropertyRows[id].id != id) {
            shared::utils::internal_fault("HTML property table out of kind order");
        }
        properties.push_back(make(kPropertyRows[id]));
    }
    return properties;
}

}  // namespace kerfa_render_html::html_render::definitions
