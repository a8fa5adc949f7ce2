#include "kerfa_render_html/html_render/render_actual_table_cells.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;

void RenderTableCell::start(const modules::Block& block, std::string& out) const {
    out += block.children.empty() ? tags_.start_empty : tags_.start;
}

void RenderTableCell::end(const modules::Block&, std::string& out) const {
    out += tags_.end;
}

RenderActualTableRow::RenderActualTableRow()
    : RenderTableCell({"RenderActualTableRow", "<tr>", "<tr><td>\n</td>", "</tr>"}) {}

RenderActualTableEntry::RenderActualTableEntry()
    : RenderTableCell({"RenderActualTableEntry", "<td>", "<td>\n", "</td>"}) {}

RenderActualTableHeadingRow::RenderActualTableHeadingRow()
    : RenderTableCell({"RenderActualTableHeadingRow", "<tr>", "<tr><th>\n</th>", "</tr>"}) {}

RenderActualTableHeadingEntry::RenderActualTableHeadingEntry()
    : RenderTableCell({"RenderActualTableHeadingEntry", "<th>", "<th>\n", "</th>"}) {}

}  // namespace kerfa_render_html::html_render
