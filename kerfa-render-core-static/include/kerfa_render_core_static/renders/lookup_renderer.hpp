#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

namespace kerfa_render_core_static::renders {

// A writer made of a RendererLookup, the shape of every writer on this framework: a list is
// walked as one list and a container as an item without neighbours, with the lookup's
// components. A writer adds what its format puts around every text (a page frame) and before a
// document's items (its metadata) through the hooks below.
class LookupRenderer : public kerfa_content::modules::renderer::Renderer {
  public:
    explicit LookupRenderer(RendererLookup lookup) : lookup_(std::move(lookup)) {}

    // document_start, then the document's children as render_all_to writes them; the document
    // item itself reaches no component.
    std::string render(const kerfa_content::data::types::Document& document) const override;
    // around_start, the items, around_end.
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // around_start, the container alone, around_end.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;

    const RendererLookup& lookup() const { return lookup_; }

  protected:
    // What a document's text begins with, before its items.
    virtual void document_start(const kerfa_content::data::types::Document& /*document*/,
                                std::string& /*out*/) const {}
    // What stands before and after the text of every list or container written.
    virtual void around_start(std::string& /*out*/) const {}
    virtual void around_end(std::string& /*out*/) const {}
    // Room to reserve for a document's text, so that the output never has to move: by default
    // twice the text the document was parsed from, when it kept a note of it. Room that is never
    // written costs no memory.
    virtual std::size_t size_hint(const kerfa_content::data::types::Document& document) const {
        return 2 * source_bytes(document);
    }

    // The length of the text a parsed document came from; 0 when unknown.
    static std::size_t source_bytes(const kerfa_content::data::types::Document& document) {
        return document.storage ? document.storage->source_bytes() : 0;
    }

  private:
    RendererLookup lookup_;
};

}  // namespace kerfa_render_core_static::renders
