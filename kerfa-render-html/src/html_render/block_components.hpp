#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Block components of the HTML page: lists, indents, tables and their rows and cells.
namespace kerfa_render_html::html_render {

// A list: "<ul ...>" or "<ol ...>" by the bullet style of the block's first attribute, with the
// start number of the second attribute for numbered styles; "<ul class="default">" when the
// first attribute is no bullet style.
class RenderActualBullet final : public kerfa_render_core_static::modules::RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualBullet"; }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;
};

// "<div class="indent" style="margin-left: Nem;">" ... "</div>": N is the block's first attribute
// when it is an integer, else 1.
class RenderActualIndent final : public kerfa_render_core_static::modules::RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualIndent"; }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;
};

// A block component written with fixed tags (Tags holds them and the type's name, its debug
// text), for families of components that differ only in their tags.
template <class Tags>
class RenderWithTags : public kerfa_render_core_static::modules::RenderBlock {
  public:
    std::string debug_text() const override { return std::string(tags_.type_name); }

  protected:
    explicit RenderWithTags(const Tags& tags) : tags_(tags) {}
    const Tags& tags() const { return tags_; }

  private:
    Tags tags_;
};

struct TableTags {
    std::string_view type_name;
    std::string_view opening;  // without its ">"
    std::string_view closing;
    // The class a coloured block gets when it has no text attribute, or empty.
    std::string_view coloured_class;
};

// Tables, table headings and standalone headings: their opening carries the block's colour (the
// last colour attribute) as a background style and its text attributes, joined by blanks, as the
// class; the style always comes before the class.
class RenderTableOpening : public RenderWithTags<TableTags> {
  public:
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;

  protected:
    using RenderWithTags::RenderWithTags;
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

struct CellTags {
    std::string_view type_name;
    std::string_view start;
    std::string_view start_empty;  // for a block without children
    std::string_view end;
};

// Rows and entries of tables and table headings. An entry without children still holds a line
// feed, and a row without children gets one such entry, so empty cells keep their height.
class RenderTableCell : public RenderWithTags<CellTags> {
  public:
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;

  protected:
    using RenderWithTags::RenderWithTags;
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
