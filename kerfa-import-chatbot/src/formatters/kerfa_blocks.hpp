#pragma once

#include <span>
#include <string>
#include <string_view>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"

namespace import_chatbot::formatters::kerfa_formatter {

// Whether one of the items is a section that starts with a heading.
bool has_heading(std::span<const kerfa_content::data::structure::Data> items);

// Appends a message body that holds headings, each of its texts in its own indent block: the
// text before the first heading, then each heading on its own line (outside any block, where a
// heading must stand) and an empty line, then the text under it in a new block. The images end
// the last block, or make one after a last heading with nothing under it. No block is empty; the
// line ends that end a block's text are written after the block.
void append_blocks_between_headings(std::span<const kerfa_content::data::structure::Data> items,
                                    std::string_view images,
                                    const kerfa_content::modules::renderer::Renderer& renderer,
                                    std::string& out);

}  // namespace import_chatbot::formatters::kerfa_formatter
