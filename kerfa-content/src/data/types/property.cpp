#include "kerfa_content/data/types/property.hpp"

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::types {

const PropertyElement* Property::as_element() const {
    const auto* box = std::get_if<storage::Box<PropertyElement>>(this);
    return box ? box->get() : nullptr;
}
PropertyElement* Property::as_element() {
    auto* box = std::get_if<storage::Box<PropertyElement>>(this);
    return box ? box->get() : nullptr;
}
const InvalidElement* Property::as_invalid() const {
    const auto* box = std::get_if<storage::Box<InvalidElement>>(this);
    return box ? box->get() : nullptr;
}
InvalidElement* Property::as_invalid() {
    auto* box = std::get_if<storage::Box<InvalidElement>>(this);
    return box ? box->get() : nullptr;
}

const std::optional<Attributes>* Property::attributes() const {
    if (const auto* element = as_element()) {
        return &element->attributes;
    }
    if (const auto* invalid = as_invalid()) {
        return &invalid->attributes;
    }
    return nullptr;
}

Property Property::clone() const {
    if (const auto* element = as_element()) {
        return Property(*element);
    }
    if (const auto* invalid = as_invalid()) {
        return Property(*invalid);
    }
    shared::utils::internal_fault("clone of a moved-from property");
}

bool Property::operator==(const Property& other) const {
    if (index() != other.index()) {
        return false;
    }
    if (const auto* element = as_element()) {
        const auto* theirs = other.as_element();
        return theirs != nullptr && *element == *theirs;
    }
    if (const auto* invalid = as_invalid()) {
        const auto* theirs = other.as_invalid();
        return theirs != nullptr && *invalid == *theirs;
    }
    return other.as_element() == nullptr && other.as_invalid() == nullptr;
}

}  // namespace kerfa_content::data::types
