#include "kerfa_content/types/count.hpp"

namespace kerfa_content::types {

Count::~Count() = default;

Count& Count::add(std::string_view child) {
    if (!children_) {
        children_ = std::make_unique<std::map<std::string, Count, std::less<>>>();
    }
    auto found = children_->find(child);
    if (found == children_->end()) {
        found = children_->emplace(std::string(child), Count(std::string(child))).first;
    }
    return found->second;
}

const Count* Count::get(std::string_view child) const {
    if (!children_) {
        return nullptr;
    }
    const auto found = children_->find(child);
    return found == children_->end() ? nullptr : &found->second;
}

Count* Count::get(std::string_view child) {
    return const_cast<Count*>(static_cast<const Count&>(*this).get(child));
}

std::vector<std::string> Count::child_names() const {
    std::vector<std::string> names;
    if (children_) {
        names.reserve(children_->size());
        for (const auto& entry : *children_) {
            names.push_back(entry.first);
        }
    }
    return names;
}

}  // namespace kerfa_content::types
