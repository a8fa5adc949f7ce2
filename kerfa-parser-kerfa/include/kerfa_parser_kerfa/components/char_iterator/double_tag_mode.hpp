#pragma once

#include <cstdint>

namespace kerfa_parser_kerfa::components::char_iterator {

// How a Kerfa parse treats double tags ('<<text>>'); the values are those of the command line.
enum class DoubleTagMode : std::uint8_t {
    Off = 0,            // leave them in the text
    Strip = 1,          // drop every tag, keep the text between tags
    RemoveAll = 2,      // drop every tagged region with all it holds
    RemovePrivate = 3,  // drop private regions (recording their spans), strip every other tag
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
