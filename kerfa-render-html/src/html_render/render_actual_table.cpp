#include "kerfa_render_html/html_render/render_actual_table.hpp"

#include "kerfa_render_core_static/components/value_policy.hpp"
#include "kerfa_render_html/html_render/utils/attributes.hpp"
#include "shared/utils/html.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::Color;

void RenderTableOpening::start(const modules::Block& block, std::string& out) const {
    out += tags_.opening;
    if (!block.attributes) {
        out += '>';
        return;
    }
    const Color* color = nullptr;
    std::string classes;
    bool has_class = false;
    for (const Attribute& attribute : *block.attributes) {
        if (const auto* value = std::get_if<Color>(&attribute)) {
            color = value;
        } else if (const auto* text = std::get_if<Attribute::String>(&attribute)) {
            if (has_class) {
                classes += ' ';
            }
            classes += text->text;
            has_class = true;
        }
    }
    if (color != nullptr) {
        out += " style=\"background-color: ";
        kerfa_render_core_static::components::append_value(
            out, utils::to_color_value(*color),
            kerfa_render_core_static::components::ValuePolicy::CssDeclaration);
        out += ";\"";
        if (!has_class && !tags_.coloured_class.empty()) {
            classes = tags_.coloured_class;
            has_class = true;
        }
    }
    if (has_class) {
        out += " class=\"";
        shared::utils::append_html_attribute(out, classes);
        out += '"';
    }
    out += '>';
}

void RenderTableOpening::end(const modules::Block&, std::string& out) const {
    out += tags_.closing;
}

RenderActualTable::RenderActualTable()
    : RenderTableOpening({"RenderActualTable", "<table", "</table>", "pad-t1"}) {}

RenderActualTableHeading::RenderActualTableHeading()
    : RenderTableOpening({"RenderActualTableHeading", "<thead", "</thead>", ""}) {}

RenderActualStandaloneHeading::RenderActualStandaloneHeading()
    : RenderTableOpening(
          {"RenderActualStandaloneHeading", "<table><thead", "</thead></table>", "pad-t1"}) {}

}  // namespace kerfa_render_html::html_render
