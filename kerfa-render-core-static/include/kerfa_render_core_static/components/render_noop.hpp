#pragma once

#include <memory>
#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_core_static::components {

// A property component that writes nothing.
class RenderNoopProperty final : public modules::RenderProperty {
  public:
    std::string debug_text() const override { return "RenderNoopProperty"; }
    void start(const modules::PropertyElement&, std::string&) const override {}
    void start_with_content(const modules::PropertyElement&, std::string_view,
                            std::string&) const override {}
    void end(const modules::PropertyElement&, std::string&) const override {}
    bool uses_content() const override { return false; }

    static std::unique_ptr<modules::RenderProperty> boxed() {
        return std::make_unique<RenderNoopProperty>();
    }
};

// An invalid-element component that writes nothing: the element disappears, the items of its
// span are still written.
class RenderInvalidPropertyNoop final : public modules::RenderInvalidElement {
  public:
    void start(const modules::InvalidElement&, std::string&) const override {}
    void end(const modules::InvalidElement&, std::string&) const override {}

    static std::unique_ptr<modules::RenderInvalidElement> boxed() {
        return std::make_unique<RenderInvalidPropertyNoop>();
    }
};

}  // namespace kerfa_render_core_static::components
