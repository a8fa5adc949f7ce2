#pragma once

#include <string>
#include <string_view>

namespace kerfa_index_file::utils {

// Appends the file name as a Markdown link target: " ", "#", "%", "(", ")", "[" and "]" are
// percent-encoded, every other byte is copied.
void append_encoded_link(std::string_view file_name, std::string& out);

std::string encode_link(std::string_view file_name);

}  // namespace kerfa_index_file::utils
