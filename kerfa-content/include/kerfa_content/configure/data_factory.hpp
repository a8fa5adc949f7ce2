#pragma once

#include <string_view>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::configure {

// Ready-made items for the importers.
class DataFactory {
  public:
    // A "link" property holding the address as its one text attribute; the span's text and
    // terminator are the caller's.
    static data::structure::Data link(std::string_view address);

    // An image whose source is the file path.
    static data::structure::Data image(std::string_view path);
};

}  // namespace kerfa_content::configure
