#pragma once

// Kerfa parses of a text, with their documents in the one-line form of
// kerfa_content/testing/dump.hpp.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_content/testing/dump.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"

namespace kerfa_parser_kerfa::testing {

using kerfa_content::testing::attribute_text;
using kerfa_content::testing::attributes_text;
using kerfa_content::testing::container_head;
using kerfa_content::testing::content_text;
using kerfa_content::testing::dump_items;
using kerfa_content::testing::escaped;
using kerfa_content::testing::item_text;
using kerfa_content::testing::metadata_text;

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::modules::parser::types::ParseData;
using Mode = components::char_iterator::DoubleTagMode;

inline ParseData parse(std::string_view text, Mode mode = Mode::Off) {
    return configure::ParserFactory{{}, mode}.new_parser()->parse_str(text);
}

inline std::vector<std::string> messages(const ParseData& data) {
    return data.error ? data.error->messages : std::vector<std::string>{};
}

}  // namespace kerfa_parser_kerfa::testing
