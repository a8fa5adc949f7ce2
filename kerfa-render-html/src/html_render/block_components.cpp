#include "html_render/block_components.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "html_render/utils/attributes.hpp"
#include "html_render/utils/numbers.hpp"
#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/utils/block.hpp"
#include "kerfa_render_core_static/components/value_policy.hpp"
#include "shared/utils/html.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::Color;

namespace {

struct ListMarkup {
    std::string_view start;  // for numbered lists, without the closing ">"
    bool numbered;
};

// By BulletStyle value.
constexpr std::array<ListMarkup, 14> kListMarkup{{
    {"<ul class=\"asterisk\">", false},
    {"<ul class=\"dash\">", false},
    {"<ul style=\"list-style-type: disc;\">", false},
    {"<ul style=\"list-style-type: circle;\">", false},
    {"<ul class=\"plus\">", false},
    {"<ul style=\"list-style-type: square;\">", false},
    {"<ol style=\"list-style-type: decimal;\"", true},
    {"<ol style=\"list-style-type: decimal-leading-zero;\"", true},
    {"<ol style=\"list-style-type: lower-alpha;\"", true},
    {"<ol style=\"list-style-type: upper-alpha;\"", true},
    {"<ol style=\"list-style-type: lower-greek;\"", true},
    {"<ol style=\"list-style-type: lower-roman;\"", true},
    {"<ol style=\"list-style-type: upper-roman;\"", true},
    {"<ul>", false},
}};

std::optional<BulletStyle> style_of(const modules::Block& block) {
    if (!block.attributes || block.attributes->empty()) {
        return std::nullopt;
    }
    if (const auto* bullet = std::get_if<Attribute::Bullet>(&block.attributes->front())) {
        return bullet->style;
    }
    return std::nullopt;
}

const ListMarkup* markup_of(const modules::Block& block) {
    const std::optional<BulletStyle> style = style_of(block);
    const auto index = style ? static_cast<std::size_t>(*style) : kListMarkup.size();
    return index < kListMarkup.size() ? &kListMarkup[index] : nullptr;
}

}  // namespace

void RenderActualBullet::start(const modules::Block& block, std::string& out) const {
    const ListMarkup* markup = markup_of(block);
    if (markup == nullptr) {
        out += "<ul class=\"default\">";
        return;
    }
    out += markup->start;
    if (!markup->numbered) {
        return;
    }
    if (const std::optional<std::int64_t> first = kerfa_content::utils::bullet_start(block)) {
        out += " start=\"";
        utils::append_integer(out, *first);
        out += '"';
    }
    out += '>';
}

void RenderActualBullet::end(const modules::Block& block, std::string& out) const {
    const ListMarkup* markup = markup_of(block);
    out += markup != nullptr && markup->numbered ? "</ol>" : "</ul>";
}

void RenderActualIndent::start(const modules::Block& block, std::string& out) const {
    std::int64_t margin = 1;
    if (block.attributes && !block.attributes->empty()) {
        if (const auto* integer = std::get_if<Attribute::Integer>(&block.attributes->front())) {
            margin = integer->value;
        }
    }
    out += "<div class=\"indent\" style=\"margin-left: ";
    utils::append_integer(out, margin);
    out += "em;\">";
}

void RenderActualIndent::end(const modules::Block&, std::string& out) const {
    out += "</div>";
}

void RenderTableOpening::start(const modules::Block& block, std::string& out) const {
    out += tags().opening;
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
        if (!has_class && !tags().coloured_class.empty()) {
            classes = tags().coloured_class;
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
    out += tags().closing;
}

RenderActualTable::RenderActualTable()
    : RenderTableOpening({"RenderActualTable", "<table", "</table>", "pad-t1"}) {}

RenderActualTableHeading::RenderActualTableHeading()
    : RenderTableOpening({"RenderActualTableHeading", "<thead", "</thead>", ""}) {}

RenderActualStandaloneHeading::RenderActualStandaloneHeading()
    : RenderTableOpening(
          {"RenderActualStandaloneHeading", "<table><thead", "</thead></table>", "pad-t1"}) {}

void RenderTableCell::start(const modules::Block& block, std::string& out) const {
    out += block.children.empty() ? tags().start_empty : tags().start;
}

void RenderTableCell::end(const modules::Block&, std::string& out) const {
    out += tags().end;
}

RenderActualTableRow::RenderActualTableRow()
    : RenderTableCell({"RenderActualTableRow", "<tr>", "<tr><td>\n</td>", "</tr>"}) {}

RenderActualTableEntry::RenderActualTableEntry()
    : RenderTableCell({"RenderActualTableEntry", "<td>", "<td>\n", "</td>"}) {}

RenderActualTableHeadingRow::RenderActualTableHeadingRow()
    : RenderTableCell({"RenderActualTableHeadingRow", "<tr>", "<tr><th>\n</th>", "</tr>"}) {}

RenderActualTableHeadingEntry::RenderActualTableHeadingEntry()
    : RenderTableCell({"RenderActualTableHeadingEntry", "<th>", "<th>\n", "</th>"}) {}

}  // namespace kerfa_render_html::html_render
