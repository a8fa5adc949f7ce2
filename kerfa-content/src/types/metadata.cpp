#include "kerfa_content/types/metadata.hpp"

#include "shared/utils/lowercase.hpp"

namespace kerfa_content::types {

void Metadata::insert(std::string_view key, std::string_view value) {
    data_.insert_or_assign(shared::utils::to_lowercase(key), std::string(value));
}

std::optional<std::string_view> Metadata::get(std::string_view key) const {
    const auto found = data_.find(shared::utils::to_lowercase(key));
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
