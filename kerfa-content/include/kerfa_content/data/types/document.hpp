#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "kerfa_content/types/source.hpp"

namespace kerfa_content::data::types {

struct Document {
    std::size_t id = 0;
    std::string name;
    kerfa_content::types::Source source;
    kerfa_content::types::Metadata metadata;
    // The arena of the parse the children come from, if they come from one (ParseData): it
    // must outlive them, so it comes before them.
    std::shared_ptr<storage::Arena> storage;
    structure::DataList children;  // its sections

    // Every field but the children and their storage.
    Document clone_state() const { return Document{id, name, source, metadata, {}, {}}; }
    bool is_empty() const { return children.empty(); }

    // Deep comparison (iterative).
    friend bool operator==(const Document& a, const Document& b);
};

}  // namespace kerfa_content::data::types
