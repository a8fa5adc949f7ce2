#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_render_core_static/components/render_part.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// Where a template puts a value, which decides how the value is made safe there.
enum class ValuePlace : std::uint8_t {
    // Between an attribute's double quotes: escaped.
    Attribute,
    // A CSS declaration value inside a style attribute: a value that could end the declaration
    // is left out, the rest escaped.
    Declaration,
};

// A template piece of the framework together with the place its value goes. Fixed texts are
// written as they are; attribute and content texts never leave their place.
struct HtmlPart {
    kerfa_render_core_static::components::RenderPart part;
    ValuePlace place = ValuePlace::Attribute;
};

using HtmlParts = std::vector<HtmlPart>;

// Appends a value made safe for its place.
void append_value(std::string& out, std::string_view value, ValuePlace place);

// A block template whose values are made safe; it writes nothing between neighbours.
class HtmlElementBlock final : public kerfa_render_core_static::modules::RenderBlock {
  public:
    HtmlElementBlock(HtmlParts start, HtmlParts end)
        : start_(std::move(start)), end_(std::move(end)) {}

    std::string debug_text() const override;
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;

  private:
    HtmlParts start_;
    HtmlParts end_;
};

// A property template whose values are made safe.
class HtmlElementProperty final : public kerfa_render_core_static::modules::RenderProperty {
  public:
    HtmlElementProperty(HtmlParts start, HtmlParts end);

    std::string debug_text() const override;
    void start(const kerfa_render_core_static::modules::PropertyElement& element,
               std::string& out) const override;
    void start_with_content(const kerfa_render_core_static::modules::PropertyElement& element,
                            std::string_view content, std::string& out) const override;
    void end(const kerfa_render_core_static::modules::PropertyElement& element,
             std::string& out) const override;
    bool uses_content() const override { return uses_content_; }

  private:
    HtmlParts start_;
    HtmlParts end_;
    bool uses_content_;
};

}  // namespace kerfa_render_html::html_render
