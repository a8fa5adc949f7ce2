#include "kerfa_content/types/metadata.hpp"

#include "shared/utils/lowercase.hpp"

namespace kerfa_content::types {

namespace {

// Keys are looked up often and are nearly always written in lower-case ASCII already.
bool is_lower_ascii(std::string_view key) {
    for (const char c : key) {
        if ((c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

void Metadata::insert(std::string_view key, std::string_view value) {
    data_.insert_or_assign(shared::utils::to_lowercase(key), std::string(value));
}

std::optional<std::string_view> Metadata::get(std::string_view key) const {
    const auto found =
        is_lower_ascii(key) ? data_.find(key) : data_.find(shared::utils::to_lowercase(key));
    if (found == data_.end()) {
        return std::nullopt;
    }
    return std::string_view(found->second);
}

std::vector<std::string_view> Metadata::keys() const {
    std::vector<std::string_view> keys;
    keys.reserve(data_.size());
    for (const auto& entry : data_) {
        keys.emplace_back(entry.first);
    }
    return keys;
}

}  // namespace kerfa_content::types
