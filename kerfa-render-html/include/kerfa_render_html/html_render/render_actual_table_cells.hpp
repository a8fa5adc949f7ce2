#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Rows and entries of tables and table headings. An entry without children still holds a line
// feed, and a row without children gets one such entry, so empty cells keep their height.
namespace kerfa_render_html::html_render {

class RenderTableCell : public kerfa_render_core_static::modules::RenderBlock {
  public:
    struct Tags {
        std::string_view type_name;
        std::string_view start;
        std::string_view start_empty;  // for a block without children
        std::string_view end;
    };

    std::string debug_text() const override { return std::string(tags_.type_name); }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;

  protected:
    explicit RenderTableCell(const Tags& tags) : tags_(tags) {}

  private:
    Tags tags_;
};

// "<tr>", or "<tr><td>\n</td>" without children ... "</tr>".
class RenderActualTableRow final : public RenderTableCell {
  public:
    RenderActualTableRow();
};

// "<td>", or "<td>\n" without children ... "</td>".
class RenderActualTableEntry final : public RenderTableCell {
  public:
    RenderActualTableEntry();
};

// "<tr>", or "<tr><th>\n</th>" without children ... "</tr>".
class RenderActualTableHeadingRow final : public RenderTableCell {
  public:
    RenderActualTableHeadingRow();
};

// "<th>", or "<th>\n" without children ... "</th>".
class RenderActualTableHeadingEntry final : public RenderTableCell {
  public:
    RenderActualTableHeadingEntry();
};

}  // namespace kerfa_render_html::html_render
