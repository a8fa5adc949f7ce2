#pragma once

#include <string>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_document_manager/types/convert_target.hpp"

namespace kerfa_document_manager::components::convertors {

using types::ConvertTarget;

// Whether the tool has the writer of this output form.
bool has_writer(ConvertTarget target);

// The whole text of the document in the output form, from a fresh writer without wrappers. A
// form without a writer, or a number past the nine forms, is an internal fault: the command
// line makes only these nine.
std::string convert(const kerfa_content::data::types::Document& document, ConvertTarget target);

}  // namespace kerfa_document_manager::components::convertors
