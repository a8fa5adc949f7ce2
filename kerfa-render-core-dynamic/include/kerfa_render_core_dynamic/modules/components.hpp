#pragma once

#include <string>
#include <string_view>

// The component interfaces of the factory-driven writers. A factory makes a fresh component for
// each element and captures whatever it needs of the element then (a level, a text, attributes);
// the walker only hands it the output. The debug text is the component's printable form: its type
// name and fields.
namespace kerfa_render_core_dynamic::modules {

class Render {
  public:
    virtual ~Render() = default;
    virtual void render(std::string& out) const = 0;
};

class RenderBlock {
  public:
    virtual ~RenderBlock() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(std::string& out) const = 0;
    virtual void end(std::string& out) const = 0;
    // Before a block that has an item before it in its list, after one that has an item after.
    virtual void between_start(std::string& out) const = 0;
    virtual void between_end(std::string& out) const = 0;
};

class RenderHeading {
  public:
    virtual ~RenderHeading() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(std::string& out) const = 0;
    virtual void end(std::string& out) const = 0;
};

class RenderProperty {
  public:
    virtual ~RenderProperty() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(std::string& out) const = 0;
    // For an element whose value is its spanned text; the content is empty unless the factory
    // asks the walker for it.
    virtual void start_with_content(std::string_view content, std::string& out) const = 0;
    virtual void end(std::string& out) const = 0;
};

// A section's component is made when the section begins (the factory learns of it there) and
// lives through its children; the walker calls only between_end, after a section that has an
// item after it.
class RenderSection {
  public:
    virtual ~RenderSection() = default;
    virtual std::string debug_text() const = 0;
    virtual void between_end(std::string& out) const = 0;
};

class RenderTagline {
  public:
    virtual ~RenderTagline() = default;
    virtual std::string debug_text() const = 0;
    virtual void start(std::string& out) const = 0;
    virtual void end(std::string& out) const = 0;
};

}  // namespace kerfa_render_core_dynamic::modules
