#include "kerfa_render_html/html_render/render_actual_bullet.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/utils/block.hpp"
#include "kerfa_render_html/html_render/utils/numbers.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;

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

}  // namespace kerfa_render_html::html_render
