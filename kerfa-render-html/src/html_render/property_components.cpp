#include "html_render/property_components.hpp"

#include "html_render/utils/unsafe_values.hpp"
#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_render_core_static/components/render_part.hpp"
#include "shared/utils/html.hpp"
#include "shared/utils/urls.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::DocumentLink;
using shared::utils::escape_and_append_url;

void RenderActualLink::append_anchor(std::string& out, std::string_view target) {
    if (utils::is_script_link(target)) {
        out += "<a class=\"link\">";
        return;
    }
    out += "<a class=\"link\" href=\"";
    shared::utils::append_html_attribute(out, target);
    out += "\">";
}

void RenderActualLink::start(const modules::PropertyElement& element, std::string& out) const {
    std::string scratch;
    append_anchor(
        out, kerfa_render_core_static::components::first_attribute_text(element.attributes, scratch)
                 .value_or(""));
}

void RenderActualLink::start_with_content(const modules::PropertyElement&, std::string_view content,
                                          std::string& out) const {
    append_anchor(out, content);
}

namespace {

void append_link_anchor(std::string& out, const DocumentLink& link) {
    out += "<a class=\"link\" href=\"";
    RenderActualDocLink::append_doc_link(out, link);
    out += "\">";
}

}  // namespace

void RenderActualDocLink::append_doc_link(std::string& out, const DocumentLink& link) {
    if (link.document) {
        out += "kerfa:";
        escape_and_append_url(out, *link.document);
    }
    if (link.filter) {
        out += "?filter=";
        escape_and_append_url(out, *link.filter);
    }
    if (link.select) {
        out += link.filter ? "&select=" : "?select=";
        escape_and_append_url(out, *link.select);
    }
}

void RenderActualDocLink::start(const modules::PropertyElement& element, std::string& out) const {
    if (element.attributes && !element.attributes->empty()) {
        if (const auto* link = element.attributes->front().as_doc_link()) {
            append_link_anchor(out, *link);
            return;
        }
    }
    out += "<a class=\"link\">";
}

void RenderActualDocLink::start_with_content(const modules::PropertyElement&,
                                             std::string_view content, std::string& out) const {
    append_link_anchor(out, DocumentLink::from_string(content));
}

std::string RenderActualDocLinkPartial::debug_text() const {
    return "RenderActualDocLinkPartial { prefix: \"" + prefix_ + "\" }";
}

void RenderActualDocLinkPartial::append_anchor(std::string& out, std::string_view value) const {
    out += "<a class=\"link\" href=\"";
    out += prefix_;
    escape_and_append_url(out, value);
    out += "\">";
}

void RenderActualDocLinkPartial::start(const modules::PropertyElement& element,
                                       std::string& out) const {
    if (!element.attributes || element.attributes->empty()) {
        out += "<a class=\"link\">";
        return;
    }
    append_anchor(out, element.attributes->front().value());
}

void RenderActualDocLinkPartial::start_with_content(const modules::PropertyElement&,
                                                    std::string_view content,
                                                    std::string& out) const {
    append_anchor(out, content);
}

}  // namespace kerfa_render_html::html_render
