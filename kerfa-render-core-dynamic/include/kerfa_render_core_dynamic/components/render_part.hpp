#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kerfa_render_core_static/components/render_part.hpp"

// Templates of the factory-driven writers: the table-driven writers' template parts, interpreted
// by the same interpreter, always against a block's attributes and never with a content. One
// part is added here, AttributeOrContentUrl: the first attribute as a query parameter (every
// space and line feed as "+"). As everywhere, only the first attribute counts, and a missing or
// Attribute::Invalid first attribute silences every attribute part.
namespace kerfa_render_core_dynamic::components {

namespace static_parts = kerfa_render_core_static::components;
using static_parts::OptionalAttributes;

class RenderPart {
  public:
    // The variants, in their fixed order.
    static RenderPart text(std::string text) {
        return RenderPart(static_parts::RenderPart::text(std::move(text)));
    }
    static RenderPart attribute() { return RenderPart(static_parts::RenderPart::Attribute{}); }
    // The same as attribute(): this framework passes no content to its parts.
    static RenderPart attribute_or_content() {
        return RenderPart(static_parts::RenderPart::AttributeOrContent{});
    }
    static RenderPart attribute_or_content_url() {
        return RenderPart(
            static_parts::RenderPart::AttributeOrContent{static_parts::ValuePolicy::UrlParameter});
    }
    static RenderPart end_div() { return RenderPart(static_parts::RenderPart::EndDiv{}); }
    static RenderPart end_span() { return RenderPart(static_parts::RenderPart::EndSpan{}); }
    // before, the first attribute's text and after; all three or nothing.
    static RenderPart optional_attribute_with(std::string before, std::string after) {
        return RenderPart(static_parts::RenderPart::with(std::move(before), std::move(after)));
    }

    void render(const OptionalAttributes& attributes, std::string& out) const {
        part_.render(attributes, out);
    }

    // The variant's name, "Static" with its text and "OptionalAttributeWith" with its texts.
    std::string debug_text() const;

    bool operator==(const RenderPart& other) const = default;

  private:
    explicit RenderPart(static_parts::RenderPart part) : part_(std::move(part)) {}

    static_parts::RenderPart part_;
};

// Four templates for a block: start, end, and the separators before and after it. Plain data,
// made once and only read.
struct RenderElementBlock {
    std::vector<RenderPart> start;
    std::vector<RenderPart> end;
    std::vector<RenderPart> separator_start;
    std::vector<RenderPart> separator_end;

    std::string debug_text() const;
};

// Every part of a list in order.
void render_parts(const std::vector<RenderPart>& parts, const OptionalAttributes& attributes,
                  std::string& out);

// The attribute helpers of the one interpreter.
using static_parts::get_attribute_value;
using static_parts::render_attribute;
using static_parts::render_optional_attribute_with;

// Every space and line feed as "+", every other byte unchanged ("&", "#", "?" and "%" too).
std::string to_url_parameter(std::string_view text);

}  // namespace kerfa_render_core_dynamic::components
