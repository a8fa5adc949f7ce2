#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "line_writer.hpp"

namespace kerfa_render_kerfa_indented::walk {

// A span opened and not yet closed: its name and the number of the line that opened it.
struct Opened {
    std::string element;
    std::size_t line_number = 0;
};

// One walk of the view over a document. The open spans are shared by all the lists of the walk:
// a terminator closes the innermost open span even when an enclosing list opened it, and a list
// that ends closes, as never closed, the spans left open beyond those open when it began.
class Walk {
  public:
    // The items in order, nested lists on the walk's own stack (never the call stack).
    void walk_children(std::span<const kerfa_content::data::structure::Data> items);
    // One container and what it holds.
    void walk_container(const kerfa_content::data::structure::Container& container);
    // "<metadata>", one "key = value" line per key one level deeper, and its closing line.
    void walk_metadata(const kerfa_content::types::Metadata& metadata);

    std::string into_output() && { return writer_.to_output(); }

  private:
    // What a container's children need at its exit.
    struct ListState {
        std::size_t entry_size = 0;  // open spans when the list began
        std::size_t open_line = 0;   // the number of the line that opened the container
    };

    void enter(const kerfa_content::data::structure::Container& container, ListState& children);
    void exit(const kerfa_content::data::structure::Container& container,
              const ListState& children);
    void leaf(const kerfa_content::data::structure::Data& item);
    void close_left_open(std::size_t entry_size);

    line_writer::LineWriter writer_;
    std::vector<Opened> opened_;
    // From a heading or tagline to the next line break, texts are shown bare.
    bool in_line_property_ = false;
};

}  // namespace kerfa_render_kerfa_indented::walk
