#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Section;

// A section is written by its items; its metadata block follows its content, on a line of its
// own.
class RenderActualSection final : public kerfa_render_core_static::modules::RenderSection {
  public:
    void start(const Section&, std::string&) const override {}
    void end(const Section& section, std::string& out) const override;
};

}  // namespace kerfa_render_kerfa::kerfa_render
