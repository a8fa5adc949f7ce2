#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model.hpp"
#include "recording_set.hpp"

namespace kerfa_render_core_static::testing {
namespace {

using renders::LookupRenderer;
using renders::RendererLookup;

// A writer that puts its document's name before the items.
class NamingWriter final : public LookupRenderer {
  public:
    NamingWriter() : LookupRenderer(RendererLookup::create(recording_set("D"), {}, {})) {}

  protected:
    void document_start(const types::Document& document, std::string& out) const override {
        out += "[" + document.name + "]";
    }
};

TEST(LookupRenderer, WritesTheDocumentStartThenWalksTheItems) {
    types::Document document;
    document.name = "n";
    document.children = list(section(list(text("a"))), block(2));
    EXPECT_EQ(NamingWriter().render(document),
              "[n]D:s.start;D:t[a];D:s.end;D:s.be;D:b2.bs;D:b2.start;D:b2.end;");

    const LookupRenderer plain(RendererLookup::create(recording_set("P"), {}, {}));
    EXPECT_EQ(plain.render(document),
              "P:s.start;P:t[a];P:s.end;P:s.be;P:b2.bs;P:b2.start;P:b2.end;");
    // One container alone has no neighbours; render_children gives one text per container.
    EXPECT_EQ(plain.render_container(*document.children[1].as_container()), "P:b2.start;P:b2.end;");
    EXPECT_EQ(plain.render_children(document.children),
              (std::vector<std::string>{"P:s.start;P:t[a];P:s.end;", "P:b2.start;P:b2.end;"}));
    std::string out = "x";
    plain.render_all_to(list(text("b")), out);
    EXPECT_EQ(out, "xP:t[b];");
}

}  // namespace
}  // namespace kerfa_render_core_static::testing
