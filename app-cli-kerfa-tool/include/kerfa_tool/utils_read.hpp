#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_tool/types/exit_error.hpp"
#include "shared/components/timer.hpp"

// Reading one input file into a parse, with timings, and turning a parse into a document.
namespace kerfa_tool {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

struct RetrievedFile {
    kerfa_content::modules::parser::types::ParseData parse;
    shared::components::Timer read_timer;   // stopped; the read only
    shared::components::Timer parse_timer;  // stopped; includes making the parser
};

// Checks, reads and parses the file, choosing the parser by its extension. Fails with
// "File not found: {}" (the path), "Invalid file path: {}" (the path) or "{}: {}" (the file name
// and the read error's text).
std::expected<RetrievedFile, types::ExitError> retrieve(std::string_view path, DoubleTagMode mode);

// As retrieve, but each section goes to `each` as the parse completes it (the parse holds none),
// for a report that needs no whole tree. The input text is gone before it returns.
std::expected<RetrievedFile, types::ExitError> retrieve_each(
    std::string_view path, DoubleTagMode mode,
    const kerfa_content::modules::parser::SectionSink& each);

// A document of the parse: id 0, no name, the path as its file source, the parse's metadata and
// sections. Format errors and source positions are dropped: a conversion reports none.
kerfa_content::data::types::Document to_document(
    std::string_view path, kerfa_content::modules::parser::types::ParseData parse);

}  // namespace kerfa_tool
