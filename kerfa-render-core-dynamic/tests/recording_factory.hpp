#pragma once

// A factory that writes down every call the walker makes, to the output itself: factory calls
// by their name and argument ("block:bullet", "text:a"), component calls after a dot (".start",
// ".end", ".bs" for between_start, ".be" for between_end, ".render", ".content:<text>").

#include <memory>
#include <string>
#include <string_view>

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_dynamic/modules/components.hpp"

namespace kerfa_render_core_dynamic::testing {

namespace model = kerfa_content::data::types;

inline void note(std::string& out, std::string_view word) {
    if (!out.empty()) {
        out += ' ';
    }
    out += word;
}

struct RecordedRender final : modules::Render {
    void render(std::string& out) const override { note(out, ".render"); }
};

struct RecordedBlock final : modules::RenderBlock {
    std::string debug_text() const override { return "RecordedBlock"; }
    void start(std::string& out) const override { note(out, ".start"); }
    void end(std::string& out) const override { note(out, ".end"); }
    void between_start(std::string& out) const override { note(out, ".bs"); }
    void between_end(std::string& out) const override { note(out, ".be"); }
};

struct RecordedLine final : modules::RenderHeading, modules::RenderTagline {
    std::string debug_text() const override { return "RecordedLine"; }
    void start(std::string& out) const override { note(out, ".start"); }
    void end(std::string& out) const override { note(out, ".end"); }
};

struct RecordedProperty final : modules::RenderProperty {
    std::string debug_text() const override { return "RecordedProperty"; }
    void start(std::string& out) const override { note(out, ".start"); }
    void start_with_content(std::string_view content, std::string& out) const override {
        note(out, fmt::format(".content:{}", content));
    }
    void end(std::string& out) const override { note(out, ".end"); }
};

struct RecordedSection final : modules::RenderSection {
    std::string debug_text() const override { return "RecordedSection"; }
    void between_end(std::string& out) const override { note(out, ".be"); }
};

// Hands out boxes for blocks and values for the rest: the walker takes either.
template <bool kWantsContent>
class RecordingFactory {
  public:
    static constexpr bool wants_span_content = kWantsContent;

    explicit RecordingFactory(std::string& out) : out_(&out) {}

    std::unique_ptr<modules::RenderBlock> block(const model::Block& block) {
        call("block", kerfa_content::data::kinds::block_kind_name_or_unknown(block.id));
        return std::make_unique<RecordedBlock>();
    }
    void block_exit(const model::Block& block) {
        call("exit", kerfa_content::data::kinds::block_kind_name_or_unknown(block.id));
    }
    RecordedRender check(bool checked) {
        return call("check", checked ? "x" : " "), RecordedRender{};
    }
    RecordedRender divider_line() { return call("divider", ""), RecordedRender{}; }
    RecordedLine heading(const model::Heading& heading) {
        return call("heading", std::to_string(heading.level)), RecordedLine{};
    }
    RecordedRender html(std::string_view html) { return call("html", html), RecordedRender{}; }
    RecordedRender image(const kerfa_content::types::Source& source) {
        return call("image", source.path_string_option().value_or("")), RecordedRender{};
    }
    RecordedRender line_break(const model::LineBreak& line_break) {
        return call("br", line_break.carriage_return ? "cr" : ""), RecordedRender{};
    }
    std::unique_ptr<modules::RenderProperty> property(const model::PropertyElement& element) {
        call("prop", kerfa_content::data::kinds::property_kind_name(element.id));
        return std::make_unique<RecordedProperty>();
    }
    RecordedSection section(const model::Section& section) {
        return call("section", std::to_string(section.id)), RecordedSection{};
    }
    RecordedLine tagline() { return call("tagline", ""), RecordedLine{}; }
    RecordedRender text(std::string_view text) { return call("text", text), RecordedRender{}; }

  private:
    void call(std::string_view name, std::string_view argument) {
        note(*out_, argument.empty() ? std::string(name) : fmt::format("{}:{}", name, argument));
    }

    std::string* out_;
};

}  // namespace kerfa_render_core_dynamic::testing
