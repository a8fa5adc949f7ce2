#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::modules::renderer {

// Every writer: reads a document and gives fresh text. The three operations that give a new text
// have defaults built on the appending ones.
class Renderer {
  public:
    virtual ~Renderer() = default;

    // The whole output for a document.
    virtual std::string render(const data::types::Document& document) const = 0;

    // The text of a list of items.
    virtual std::string render_all(std::span<const data::structure::Data> items) const;

    // Appends the text of a list of items.
    virtual void render_all_to(std::span<const data::structure::Data> items,
                               std::string& out) const = 0;

    // One text per Container item of the list, in order; other items give nothing.
    virtual std::vector<std::string> render_children(
        std::span<const data::structure::Data> items) const;

    // The text of one container.
    virtual std::string render_container(const data::structure::Container& container) const;

    // Appends the text of one container.
    virtual void render_container_to(const data::structure::Container& container,
                                     std::string& out) const = 0;
};

// The name under which meters and traces record this interface's calls.
inline constexpr std::string_view RENDERER_MODULE = "renderer";

}  // namespace kerfa_content::modules::renderer
