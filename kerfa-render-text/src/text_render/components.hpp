#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/data/types/line_property.hpp"
#include "kerfa_content/types/source.hpp"
#include "kerfa_render_core_dynamic/modules/components.hpp"

// The plain-text writer's components. Content components borrow what they write (they are used
// at once); block components own their texts, since they outlive the walk of their children.
namespace kerfa_render_text::text_render::component {

namespace modules = kerfa_render_core_dynamic::modules;

struct RenderActualText final : modules::Render {
    std::string_view text;
    explicit RenderActualText(std::string_view text) : text(text) {}
    void render(std::string& out) const override { out += text; }
};

struct RenderActualHtml final : modules::Render {
    std::string_view html;
    explicit RenderActualHtml(std::string_view html) : html(html) {}
    void render(std::string& out) const override { out += html; }
};

struct RenderActualCheck final : modules::Render {
    bool checked;
    explicit RenderActualCheck(bool checked) : checked(checked) {}
    void render(std::string& out) const override { out += checked ? "[x]" : "[ ]"; }
};

// "[image: PATH]"; nothing for a source without a path.
struct RenderActualImage final : modules::Render {
    const kerfa_content::types::Source* source;
    explicit RenderActualImage(const kerfa_content::types::Source& source) : source(&source) {}
    void render(std::string& out) const override;
};

struct RenderActualDividerLine final : modules::Render {
    void render(std::string& out) const override { out.append(40, '-'); }
};

// A line break, then the prefix of the innermost indent: two spaces per step.
struct RenderActualLineBreak final : modules::Render {
    std::size_t prefix_steps;
    kerfa_content::data::types::LineBreak line_break;
    RenderActualLineBreak(std::size_t prefix_steps,
                          kerfa_content::data::types::LineBreak line_break)
        : prefix_steps(prefix_steps), line_break(line_break) {}
    void render(std::string& out) const override {
        out += line_break.carriage_return ? "\r\n" : "\n";
        out.append(prefix_steps * 2, ' ');
    }
};

struct RenderActualHeading final : modules::RenderHeading {
    kerfa_content::data::types::Heading heading;
    explicit RenderActualHeading(kerfa_content::data::types::Heading heading) : heading(heading) {}
    std::string debug_text() const override;
    void start(std::string& out) const override {
        out.append(static_cast<std::size_t>(heading.level) + 1, '#');
        out += ' ';
    }
    void end(std::string&) const override {}
};

struct RenderActualTagline final : modules::RenderTagline {
    std::string debug_text() const override { return "RenderActualTagline"; }
    void start(std::string& out) const override { out += "<span class=\"tagline\">"; }
    void end(std::string& out) const override { out += "</span>"; }
};

struct RenderActualSection final : modules::RenderSection {
    std::string debug_text() const override { return "RenderActualSection"; }
    void between_end(std::string& out) const override { out += '\n'; }
};

// A block component that writes only some of its four texts.
struct QuietBlock : modules::RenderBlock {
    void start(std::string&) const override {}
    void end(std::string&) const override {}
    void between_start(std::string&) const override {}
    void between_end(std::string&) const override {}
};

struct RenderActualIndent final : QuietBlock {
    std::string indent;
    explicit RenderActualIndent(std::string indent) : indent(std::move(indent)) {}
    std::string debug_text() const override;
    void start(std::string& out) const override { out += indent; }
};

struct RenderActualBulletEntry final : QuietBlock {
    std::string bullet;
    explicit RenderActualBulletEntry(std::string bullet) : bullet(std::move(bullet)) {}
    std::string debug_text() const override;
    void start(std::string& out) const override {
        out += bullet;
        out += ' ';
    }
    void between_start(std::string& out) const override { out += '\n'; }
};

struct RenderActualTableRow final : QuietBlock {
    std::string debug_text() const override { return "RenderActualTableRow"; }
    void between_end(std::string& out) const override { out += '\n'; }
};

struct RenderActualTableEntry final : QuietBlock {
    std::string debug_text() const override { return "RenderActualTableEntry"; }
    void between_start(std::string& out) const override { out += '\t'; }
};

struct RenderActualTableHeading final : QuietBlock {
    std::string debug_text() const override { return "RenderActualTableHeading"; }
    void between_end(std::string& out) const override { out += '\n'; }
};

}  // namespace kerfa_render_text::text_render::component
