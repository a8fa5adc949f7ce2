#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"
#include "utils/attributes.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::PropertyElement;

// An inline property written as an element: "<" name, its attributes when present, ">" ... "<>".
// A property whose value is its spanned text is written without one, so the text stands in
// again when it is read back: the content is never used.
class RenderActualProperty final : public kerfa_render_core_static::modules::RenderProperty {
  public:
    explicit RenderActualProperty(std::string name,
                                  kerfa_render_kerfa::utils::AttributeForm form =
                                      kerfa_render_kerfa::utils::AttributeForm::Full)
        : name_(std::move(name)), form_(form) {}

    std::string debug_text() const override;
    void start(const PropertyElement& element, std::string& out) const override;
    void start_with_content(const PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const PropertyElement& element, std::string& out) const override;
    bool uses_content() const override { return false; }

    const std::string& name() const { return name_; }

  private:
    std::string name_;
    kerfa_render_kerfa::utils::AttributeForm form_;
};

}  // namespace kerfa_render_kerfa::kerfa_render
