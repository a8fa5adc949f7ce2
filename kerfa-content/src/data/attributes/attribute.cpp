#include "kerfa_content/data/attributes/attribute.hpp"

#include <string>

namespace kerfa_content::data::attributes {

namespace {

struct ValueText {
    std::string operator()(const Attribute::Boolean& b) const { return b.value ? "true" : "false"; }
    std::string operator()(const Attribute::Bullet& b) const { return std::string(name(b.style)); }
    std::string operator()(const Color& c) const { return c.text(); }
    std::string operator()(const DocLink& link) const { return link->to_string(); }
    std::string operator()(const Attribute::Integer& i) const { return std::to_string(i.value); }
    std::string operator()(const Attribute::String& s) const { return s.text.str(); }
    std::string operator()(const Attribute::Invalid& s) const { return s.text.str(); }
};

}  // namespace

std::string Attribute::value() const {
    return std::visit(ValueText{}, *this);
}

}  // namespace kerfa_content::data::attributes
