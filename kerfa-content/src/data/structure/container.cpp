#include "kerfa_content/data/structure/container.hpp"

#include <utility>

#include "data/structure/tree.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_content::data::structure {

Container::Container(types::Block&& block)
    : variant(storage::Box<types::Block>::make(std::move(block))) {}
Container::Container(types::Document&& document)
    : variant(storage::Box<types::Document>::make(std::move(document))) {}
Container::Container(types::Section&& section)
    : variant(storage::Box<types::Section>::make(std::move(section))) {}

Container::Container(Container&& other) noexcept = default;

Container& Container::operator=(Container&& other) noexcept {
    if (this != &other) {
        // The old subtree goes through the destructor's flat release.
        Container old(std::move(*this));
        variant::operator=(std::move(static_cast<variant&>(other)));
    }
    return *this;
}

Container::~Container() {
    auto* kids = tree::children_of(*this);
    if (kids != nullptr && !kids->empty()) {
        tree::drop_items(*kids);
    }
}

const types::Block* Container::as_block() const {
    const auto* box = std::get_if<storage::Box<types::Block>>(this);
    return box ? box->get() : nullptr;
}
types::Block* Container::as_block() {
    auto* box = std::get_if<storage::Box<types::Block>>(this);
    return box ? box->get() : nullptr;
}
const types::Document* Container::as_document() const {
    const auto* box = std::get_if<storage::Box<types::Document>>(this);
    return box ? box->get() : nullptr;
}
types::Document* Container::as_document() {
    auto* box = std::get_if<storage::Box<types::Document>>(this);
    return box ? box->get() : nullptr;
}
const types::Section* Container::as_section() const {
    const auto* box = std::get_if<storage::Box<types::Section>>(this);
    return box ? box->get() : nullptr;
}
types::Section* Container::as_section() {
    auto* box = std::get_if<storage::Box<types::Section>>(this);
    return box ? box->get() : nullptr;
}

const DataList& Container::children() const {
    const auto* kids = tree::children_of(*this);
    if (kids == nullptr) {
        shared::utils::internal_fault("children of a moved-from container");
    }
    return *kids;
}

DataList& Container::children() {
    auto* kids = tree::children_of(*this);
    if (kids == nullptr) {
        shared::utils::internal_fault("children of a moved-from container");
    }
    return *kids;
}

void Container::append(Data item) {
    children().push_back(std::move(item));
}

void Container::append_all(DataList items) {
    auto& kids = children();
    if (kids.empty()) {
        kids = std::move(items);
        return;
    }
    kids.reserve(kids.size() + items.size());
    for (Data& item : items) {
        kids.push_back(std::move(item));
    }
}

bool Container::is_empty() const {
    return children().empty();
}

Container Container::clone_state() const {
    if (const auto* block = as_block()) {
        return block->clone_state();
    }
    if (const auto* document = as_document()) {
        return document->clone_state();
    }
    if (const auto* section = as_section()) {
        return section->clone_state();
    }
    shared::utils::internal_fault("clone of a moved-from container");
}

Container Container::clone() const {
    Container copy = clone_state();
    copy.children() = clone_items(children());
    return copy;
}

void Container::text_append(std::string& out) const {
    structure::text_append(children(), out);
}

bool operator==(const Container& a, const Container& b) {
    if (!tree::same_state(a, b)) {
        return false;
    }
    const auto* kids = tree::children_of(a);
    return kids == nullptr || items_equal(*kids, *tree::children_of(b));
}

}  // namespace kerfa_content::data::structure
