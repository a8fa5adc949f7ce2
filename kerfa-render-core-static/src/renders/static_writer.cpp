#include "kerfa_render_core_static/renders/static_writer.hpp"

#include "kerfa_render_core_static/components/walk_container.hpp"

namespace kerfa_render_core_static::renders {

using components::WalkContainer;

std::string StaticWriter::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    write_preamble(document, out);
    render_all_to(document.children, out);
    return out;
}

void StaticWriter::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                 std::string& out) const {
    WalkContainer(lookup_).render_children(items, out);
}

void StaticWriter::render_container_to(const kerfa_content::data::structure::Container& container,
                                       std::string& out) const {
    WalkContainer(lookup_).render(container, out, false, false);
}

}  // namespace kerfa_render_core_static::renders
