#include "kerfa_render/property_components.hpp"

#include <fmt/format.h>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_render_core_static/components/value_policy.hpp"
#include "utils/attributes.hpp"

namespace kerfa_render_kerfa_v1::kerfa_render {

namespace {

namespace components = kerfa_render_core_static::components;
using components::RenderPart;
using components::ValuePolicy;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::DocumentLink;

}  // namespace

std::string RenderActualProperty::debug_text() const {
    return fmt::format(
        "{} {{ name: \"{}\" }}",
        values_ == Values::Written ? "RenderActualProperty" : "RenderActualPropertyNoAttributes",
        name_);
}

void RenderActualProperty::start(const PropertyElement& element, std::string& out) const {
    out += '<';
    out += name_;
    if (values_ == Values::Written && element.attributes) {
        utils::append_attributes(*element.attributes, out);
    }
    out += '>';
}

void RenderActualProperty::start_with_content(const PropertyElement& element, std::string_view,
                                              std::string& out) const {
    start(element, out);
}

void RenderActualProperty::end(const PropertyElement&, std::string& out) const {
    out += "<>";
}

void RenderActualDocLink::append_doc_link(const DocumentLink& link, std::string& out) {
    out += " \"";
    if (link.document) {
        components::append_value(out, *link.document, ValuePolicy::PercentEncoded);
    }
    if (link.filter) {
        out += "?q=";
        components::append_value(out, *link.filter, ValuePolicy::PercentEncoded);
    }
    if (link.select) {
        out += '#';
        components::append_value(out, *link.select, ValuePolicy::PercentEncoded);
    }
    out += '"';
}

void RenderActualDocLink::start(const PropertyElement& element, std::string& out) const {
    out += "<link";
    if (element.attributes && !element.attributes->empty()) {
        if (const auto* link = element.attributes->front().as_doc_link()) {
            append_doc_link(*link, out);
        }
    }
    out += '>';
}

void RenderActualDocLink::start_with_content(const PropertyElement&, std::string_view content,
                                             std::string& out) const {
    out += "<link";
    append_doc_link(DocumentLink::from_string(content), out);
    out += '>';
}

void RenderActualDocLink::end(const PropertyElement&, std::string& out) const {
    out += "<>";
}

RenderActualDocLinkPartial::RenderActualDocLinkPartial(std::string prefix)
    : prefix_(std::move(prefix)),
      start_{RenderPart::text("<link \"" + prefix_),
             RenderPart::AttributeOrContent{ValuePolicy::PercentEncoded}, RenderPart::text("\">")} {
}

std::string RenderActualDocLinkPartial::debug_text() const {
    return fmt::format("RenderActualDocLinkPartial {{ prefix: \"{}\" }}", prefix_);
}

void RenderActualDocLinkPartial::start(const PropertyElement& element, std::string& out) const {
    // Only a text value makes a target.
    if (!element.attributes || element.attributes->empty() ||
        !std::holds_alternative<Attribute::String>(element.attributes->front())) {
        out += "<link>";
        return;
    }
    components::render_parts(start_, element.attributes, out);
}

void RenderActualDocLinkPartial::start_with_content(const PropertyElement& element,
                                                    std::string_view content,
                                                    std::string& out) const {
    components::render_parts_with_content(start_, element.attributes, content, out);
}

void RenderActualDocLinkPartial::end(const PropertyElement&, std::string& out) const {
    out += "<>";
}

}  // namespace kerfa_render_kerfa_v1::kerfa_render
