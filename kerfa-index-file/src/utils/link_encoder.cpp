#include "kerfa_index_file/utils/link_encoder.hpp"

namespace kerfa_index_file::utils {

namespace {

std::string_view encoding_of(char c) {
    switch (c) {
        case ' ':
            return "%20";
        case '#':
            return "%23";
        case '%':
            return "%25";
        case '(':
            return "%28";
        case ')':
            return "%29";
        case '[':
            return "%5B";
        case ']':
            return "%5D";
        default:
            return {};
    }
}

}  // namespace

void append_encoded_link(std::string_view file_name, std::string& out) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < file_name.size(); ++i) {
        const std::string_view encoded = encoding_of(file_name[i]);
        if (!encoded.empty()) {
            out.append(file_name.substr(done, i - done)).append(encoded);
            done = i + 1;
        }
    }
    out.append(file_name.substr(done));
}

std::string encode_link(std::string_view file_name) {
    std::string out;
    out.reserve(file_name.size());
    append_encoded_link(file_name, out);
    return out;
}

}  // namespace kerfa_index_file::utils
