#pragma once

#include <string_view>

namespace kerfa_index_file::utils {

// The name shown for a document: the name without one of the suffixes ".kerfa", ".kfa", ".md",
// ".markdown", ".txt", ".text", ".log" or ".logs" (case-sensitive), else the name itself. Not the
// chat import's cut at the last dot.
std::string_view strip_extension(std::string_view file_name);

}  // namespace kerfa_index_file::utils
