#pragma once

#include <string_view>

namespace kerfa_index_file::modules {

// Whether a folder entry of this name may be listed: valid UTF-8, with an extension (the bytes
// after the last dot, when that dot does not begin the name) exactly md, markdown, kerfa, kfa,
// txt, text, log or logs. ".md" has no extension; "..md" has "md".
bool is_document_name(std::string_view name);

}  // namespace kerfa_index_file::modules
