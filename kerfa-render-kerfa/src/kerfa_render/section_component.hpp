#pragma once

#include <string>

#include "kerfa_content/types/metadata.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Section;

// A section is written by its items; its metadata block follows its content, on a line of its
// own, written by the writer's metadata function.
class RenderActualSection final : public kerfa_render_core_static::modules::RenderSection {
  public:
    using MetadataWriter = void (*)(const kerfa_content::types::Metadata&, std::string&);

    RenderActualSection();
    explicit RenderActualSection(MetadataWriter write_metadata) : write_metadata_(write_metadata) {}

    void start(const Section&, std::string&) const override {}
    void end(const Section& section, std::string& out) const override;

  private:
    MetadataWriter write_metadata_;
};

}  // namespace kerfa_render_kerfa::kerfa_render
