#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/data/types/line_property.hpp"
#include "kerfa_content/data/types/property.hpp"
#include "kerfa_content/types/source.hpp"

// The component interfaces of the table-driven writers. Every operation appends to the one output
// text of the walk; a component sees only the element it is given.
namespace kerfa_render_core_static::modules {

using kerfa_content::data::types::Block;
using kerfa_content::data::types::Heading;
using kerfa_content::data::types::InvalidElement;
using kerfa_content::data::types::LineBreak;
using kerfa_content::data::types::PropertyElement;
using kerfa_content::data::types::Section;
using kerfa_content::types::Source;

// Where a heading line, a line break or raw HTML stands: the block whose items hold it (null in a
// section, a document or a top-level list), and whether a span other than an invalid element
// is open around it in that list.
struct LinePlace {
    const Block* holder = nullptr;
    bool in_span = false;
};

class RenderBlock {
  public:
    virtual ~RenderBlock() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(const Block& block, std::string& out) const = 0;
    virtual void end(const Block& block, std::string& out) const = 0;
    // Before a block that has an item before it, and after one that has an item after it, in
    // its list; nothing unless a component writes a separator.
    virtual void between_start(const Block& /*block*/, std::string& /*out*/) const {}
    virtual void between_end(const Block& /*block*/, std::string& /*out*/) const {}
    // between_start when the walk knows the item just before the block in its list; a component
    // whose separator depends on that item overrides it.
    virtual void between_start_after(const Block& block,
                                     const kerfa_content::data::structure::Data& previous,
                                     std::string& out) const {
        static_cast<void>(previous);
        between_start(block, out);
    }
};

class RenderProperty {
  public:
    virtual ~RenderProperty() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(const PropertyElement& element, std::string& out) const = 0;
    virtual void start_with_content(const PropertyElement& element, std::string_view content,
                                    std::string& out) const = 0;
    virtual void end(const PropertyElement& element, std::string& out) const = 0;
    // Whether start_with_content reads its content. The walker computes a span's text only for
    // components that do; the others get an empty content.
    virtual bool uses_content() const { return true; }
};

class RenderSection {
  public:
    virtual ~RenderSection() = default;
    virtual void start(const Section& section, std::string& out) const = 0;
    virtual void end(const Section& section, std::string& out) const = 0;
    // As for blocks: nothing unless a component writes a separator.
    virtual void between_start(const Section& /*section*/, std::string& /*out*/) const {}
    virtual void between_end(const Section& /*section*/, std::string& /*out*/) const {}
};

class RenderHeading {
  public:
    virtual ~RenderHeading() = default;
    virtual void start(const Heading& heading, std::string& out) const = 0;
    virtual void end(const Heading& heading, std::string& out) const = 0;
    // start, told where the heading line stands; a component whose heading depends on it
    // overrides it.
    virtual void start_at(const Heading& heading, const LinePlace& place, std::string& out) const {
        static_cast<void>(place);
        start(heading, out);
    }
};

class RenderTagline {
  public:
    virtual ~RenderTagline() = default;
    virtual void start(std::string& out) const = 0;
    virtual void end(std::string& out) const = 0;
};

class RenderInvalidElement {
  public:
    virtual ~RenderInvalidElement() = default;
    virtual void start(const InvalidElement& element, std::string& out) const = 0;
    virtual void end(const InvalidElement& element, std::string& out) const = 0;
};

class RenderCheck {
  public:
    virtual ~RenderCheck() = default;
    virtual void render(bool checked, std::string& out) const = 0;
};

class RenderDividerLine {
  public:
    virtual ~RenderDividerLine() = default;
    virtual void render(std::string& out) const = 0;
};

class RenderHtml {
  public:
    virtual ~RenderHtml() = default;
    virtual void render(std::string_view html, std::string& out) const = 0;
    // render, told where the raw HTML stands, as for headings.
    virtual void render_at(std::string_view html, const LinePlace& place, std::string& out) const {
        static_cast<void>(place);
        render(html, out);
    }
};

class RenderImage {
  public:
    virtual ~RenderImage() = default;
    virtual void render(const Source& source, std::string& out) const = 0;
};

class RenderLineBreak {
  public:
    virtual ~RenderLineBreak() = default;
    virtual void render(const LineBreak& line_break, std::string& out) const = 0;
    // render, told where the line break stands, as for headings.
    virtual void render_at(const LineBreak& line_break, const LinePlace& place,
                           std::string& out) const {
        static_cast<void>(place);
        render(line_break, out);
    }
};

class RenderText {
  public:
    virtual ~RenderText() = default;
    virtual void render(std::string_view text, std::string& out) const = 0;
};

}  // namespace kerfa_render_core_static::modules
