#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/data/attributes/document_link.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

// Property components of the HTML page that are more than a template: links.
namespace kerfa_render_html::html_render {

// An anchor: an opening made from the element's first attribute or from the span's text, and
// "</a>" at the end.
class RenderAnchor : public kerfa_render_core_static::modules::RenderProperty {
  public:
    void end(const kerfa_render_core_static::modules::PropertyElement&,
             std::string& out) const final {
        out += "</a>";
    }
    bool uses_content() const final { return true; }
};

// A web link: "<a class="link" href="TARGET">" ... "</a>", TARGET being the first attribute's
// text, or the span's text when the element stands in for its value with it. A target whose
// scheme would run a script (javascript:, vbscript:, data:) is dropped with its href, so the
// anchor keeps only its class and content.
class RenderActualLink final : public RenderAnchor {
  public:
    std::string debug_text() const override { return "RenderActualLink"; }
    void start(const kerfa_render_core_static::modules::PropertyElement& element,
               std::string& out) const override;
    void start_with_content(const kerfa_render_core_static::modules::PropertyElement& element,
                            std::string_view content, std::string& out) const override;

    // The opening tag for a target.
    static void append_anchor(std::string& out, std::string_view target);
};

// Links to other documents. Targets use the scheme "kerfa:" and the query keys "filter" and
// "select"; every part is percent-encoded.

// "<a class="link" href="TARGET">" ... "</a>" for a document link given as the first attribute
// or as the span's text; "<a class="link">" when there is neither.
class RenderActualDocLink final : public RenderAnchor {
  public:
    std::string debug_text() const override { return "RenderActualDocLink"; }
    void start(const kerfa_render_core_static::modules::PropertyElement& element,
               std::string& out) const override;
    void start_with_content(const kerfa_render_core_static::modules::PropertyElement& element,
                            std::string_view content, std::string& out) const override;

    // "kerfa:" and the document, "?filter=" and the filter, then "?select=" (or "&select=" after
    // a filter) and the selection, each only when set.
    static void append_doc_link(std::string& out,
                                const kerfa_content::data::attributes::DocumentLink& link);
};

// A query on the page itself: "<a class="link" href="PREFIX...">" ... "</a>" with the first
// attribute's value (of any kind) or the span's text after the prefix; "<a class="link">"
// without either.
class RenderActualDocLinkPartial final : public RenderAnchor {
  public:
    explicit RenderActualDocLinkPartial(std::string prefix) : prefix_(std::move(prefix)) {}

    std::string debug_text() const override;
    void start(const kerfa_render_core_static::modules::PropertyElement& element,
               std::string& out) const override;
    void start_with_content(const kerfa_render_core_static::modules::PropertyElement& element,
                            std::string_view content, std::string& out) const override;

    const std::string& prefix() const { return prefix_; }

  private:
    void append_anchor(std::string& out, std::string_view value) const;

    std::string prefix_;
};

}  // namespace kerfa_render_html::html_render
