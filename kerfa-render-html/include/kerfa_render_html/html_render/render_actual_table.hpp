#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Tables, table headings and standalone headings: their opening carries the block's colour (the
// last colour attribute) as a background style and its text attributes, joined by blanks, as the
// class; the style always comes before the class.
namespace kerfa_render_html::html_render {

class RenderTableOpening : public kerfa_render_core_static::modules::RenderBlock {
  public:
    struct Tags {
        std::string_view type_name;
        std::string_view opening;  // without its ">"
        std::string_view closing;
        // The class a coloured block gets when it has no text attribute, or empty.
        std::string_view coloured_class;
    };

    std::string debug_text() const override { return std::string(tags_.type_name); }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;

  protected:
    explicit RenderTableOpening(const Tags& tags) : tags_(tags) {}

  private:
    Tags tags_;
};

// "<table ...>" ... "</table>"; a coloured table without class gets "pad-t1".
class RenderActualTable final : public RenderTableOpening {
  public:
    RenderActualTable();
};

// "<thead ...>" ... "</thead>", the heading part of a table; no default class.
class RenderActualTableHeading final : public RenderTableOpening {
  public:
    RenderActualTableHeading();
};

// "<table><thead ...>" ... "</thead></table>", a heading outside a table; a coloured one
// without class gets "pad-t1".
class RenderActualStandaloneHeading final : public RenderTableOpening {
  public:
    RenderActualStandaloneHeading();
};

}  // namespace kerfa_render_html::html_render
