#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/attributes/document_link.hpp"
#include "kerfa_render_core_static/components/render_part.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

// Property components of the V1 writer. Only the document links read a span's text; every other
// span is written with its name and values, and its text follows as ordinary text.
namespace kerfa_render_kerfa_v1::kerfa_render {

using kerfa_render_core_static::modules::PropertyElement;
using kerfa_render_core_static::modules::RenderProperty;

// "<" name, the attributes when present, ">" ... "<>"; some spans never write their attributes.
class RenderActualProperty final : public RenderProperty {
  public:
    enum class Values : bool { Written, Dropped };

    explicit RenderActualProperty(std::string name, Values values = Values::Written)
        : name_(std::move(name)), values_(values) {}

    std::string debug_text() const override;
    void start(const PropertyElement& element, std::string& out) const override;
    void start_with_content(const PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const PropertyElement& element, std::string& out) const override;
    bool uses_content() const override { return false; }

  private:
    std::string name_;
    Values values_;
};

// A link to another document: "<link "DOC?q=FILTER#SELECT">" ... "<>", each part
// percent-encoded, from the document link of the first value or of the span's text; "<link>"
// without either.
class RenderActualDocLink final : public RenderProperty {
  public:
    std::string debug_text() const override { return "RenderActualDocLink"; }
    void start(const PropertyElement& element, std::string& out) const override;
    void start_with_content(const PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const PropertyElement& element, std::string& out) const override;
    bool uses_content() const override { return true; }

    // The target: a blank and the quoted, percent-encoded parts.
    static void append_doc_link(const kerfa_content::data::attributes::DocumentLink& link,
                                std::string& out);
};

// A filter or a selection on the document itself: "<link "PREFIX...">" ... "<>" with the first
// value, when it is a text, or the span's text percent-encoded after the prefix; "<link>" when
// the first value is missing or of another kind.
class RenderActualDocLinkPartial final : public RenderProperty {
  public:
    explicit RenderActualDocLinkPartial(std::string prefix);

    std::string debug_text() const override;
    void start(const PropertyElement& element, std::string& out) const override;
    void start_with_content(const PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const PropertyElement& element, std::string& out) const override;
    bool uses_content() const override { return true; }

  private:
    std::string prefix_;
    std::vector<kerfa_render_core_static::components::RenderPart> start_;
};

}  // namespace kerfa_render_kerfa_v1::kerfa_render
