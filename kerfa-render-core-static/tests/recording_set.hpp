#pragma once

#include <memory>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "kerfa_render_core_static/renders/renderer.hpp"

// A component set that writes one event per call, "<tag>:<what>;", so a test reads the exact
// call order from the output.
namespace kerfa_render_core_static::testing {

namespace m = kerfa_render_core_static::modules;

struct Tagged {
    std::string tag;
    void event(std::string& out, const std::string& what) const {
        out += tag;
        out += ':';
        out += what;
        out += ';';
    }
};

struct RecBlock final : m::RenderBlock, Tagged {
    explicit RecBlock(std::string t) : Tagged{std::move(t)} {}
    std::string debug_text() const override { return "RecBlock"; }
    void start(const m::Block& b, std::string& out) const override {
        event(out, fmt::format("b{}.start", b.id));
    }
    void end(const m::Block& b, std::string& out) const override {
        event(out, fmt::format("b{}.end", b.id));
    }
    void between_start(const m::Block& b, std::string& out) const override {
        event(out, fmt::format("b{}.bs", b.id));
    }
    void between_end(const m::Block& b, std::string& out) const override {
        event(out, fmt::format("b{}.be", b.id));
    }
};

struct RecProperty final : m::RenderProperty, Tagged {
    RecProperty(std::string t, bool reads) : Tagged{std::move(t)}, reads_content(reads) {}
    bool reads_content;
    std::string debug_text() const override { return "RecProperty"; }
    void start(const m::PropertyElement& p, std::string& out) const override {
        event(out, fmt::format("p{}.start", p.id));
    }
    void start_with_content(const m::PropertyElement& p, std::string_view content,
                            std::string& out) const override {
        event(out, fmt::format("p{}.content[{}]", p.id, content));
    }
    void end(const m::PropertyElement& p, std::string& out) const override {
        event(out, fmt::format("p{}.end", p.id));
    }
    bool uses_content() const override { return reads_content; }
};

struct RecSection final : m::RenderSection, Tagged {
    explicit RecSection(std::string t) : Tagged{std::move(t)} {}
    void start(const m::Section&, std::string& out) const override { event(out, "s.start"); }
    void end(const m::Section&, std::string& out) const override { event(out, "s.end"); }
    void between_start(const m::Section&, std::string& out) const override { event(out, "s.bs"); }
    void between_end(const m::Section&, std::string& out) const override { event(out, "s.be"); }
};

struct RecHeading final : m::RenderHeading, Tagged {
    explicit RecHeading(std::string t) : Tagged{std::move(t)} {}
    void start(const m::Heading& h, std::string& out) const override {
        event(out, fmt::format("h{}.start", h.level));
    }
    void end(const m::Heading& h, std::string& out) const override {
        event(out, fmt::format("h{}.end", h.level));
    }
};

struct RecTagline final : m::RenderTagline, Tagged {
    explicit RecTagline(std::string t) : Tagged{std::move(t)} {}
    void start(std::string& out) const override { event(out, "tag.start"); }
    void end(std::string& out) const override { event(out, "tag.end"); }
};

struct RecInvalid final : m::RenderInvalidElement, Tagged {
    explicit RecInvalid(std::string t) : Tagged{std::move(t)} {}
    void start(const m::InvalidElement& e, std::string& out) const override {
        event(out, "inv." + e.name + ".start");
    }
    void end(const m::InvalidElement& e, std::string& out) const override {
        event(out, "inv." + e.name + ".end");
    }
};

struct RecLeaves final : Tagged,
                         m::RenderCheck,
                         m::RenderDividerLine,
                         m::RenderHtml,
                         m::RenderImage,
                         m::RenderLineBreak,
                         m::RenderText {
    explicit RecLeaves(std::string t) : Tagged{std::move(t)} {}
    void render(bool checked, std::string& out) const override {
        event(out, checked ? "check1" : "check0");
    }
    void render(std::string& out) const override { event(out, "hr"); }
    void render(const m::Source& s, std::string& out) const override {
        event(out, "img." + s.path_string_option().value_or("-"));
    }
    void render(const m::LineBreak& lb, std::string& out) const override {
        event(out, lb.carriage_return ? "crlf" : "lf");
    }
    void render(std::string_view text, std::string& out) const override {
        event(out, fmt::format("t[{}]", text));
    }
};

// Each leaf interface gets its own object so every slot owns its component.
template <class Interface>
std::unique_ptr<Interface> leaf(const std::string& tag) {
    return std::make_unique<RecLeaves>(tag);
}

// A full set: 14 block slots and 31 property slots; the properties listed in `reading` read their
// content.
inline renders::ComponentSet recording_set(const std::string& tag,
                                           std::vector<std::uint16_t> reading = {}) {
    renders::ComponentSet set;
    set.name = tag;
    for (int i = 0; i < 14; ++i) {
        set.blocks.push_back(std::make_unique<RecBlock>(tag));
    }
    for (std::uint16_t i = 0; i < 31; ++i) {
        const bool reads = std::find(reading.begin(), reading.end(), i) != reading.end();
        set.properties.push_back(std::make_unique<RecProperty>(tag, reads));
    }
    set.check = leaf<m::RenderCheck>(tag);
    set.divider_line = leaf<m::RenderDividerLine>(tag);
    set.heading = std::make_unique<RecHeading>(tag);
    set.html = leaf<m::RenderHtml>(tag);
    set.image = leaf<m::RenderImage>(tag);
    set.invalid_element = std::make_unique<RecInvalid>(tag);
    set.line_break = leaf<m::RenderLineBreak>(tag);
    set.section = std::make_unique<RecSection>(tag);
    set.tagline = std::make_unique<RecTagline>(tag);
    set.text = leaf<m::RenderText>(tag);
    return set;
}

}  // namespace kerfa_render_core_static::testing
