#include "kerfa_render_core_static/renders/component_set_builder.hpp"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "components/walk_container.hpp"
#include "model.hpp"
#include "recording_set.hpp"

namespace kerfa_render_core_static::testing {
namespace {

using renders::ComponentSet;
using renders::ComponentSetBuilder;
using renders::RendererLookup;

std::string walk(ComponentSet set, const std::vector<Data>& items) {
    const RendererLookup lookup = RendererLookup::create(std::move(set), {}, {});
    std::string out;
    components::WalkContainer(lookup).render_children(items, out);
    return out;
}

// Each component goes to the slot of the interface it implements; the others keep the base's.
TEST(ComponentSetBuilder, ChangesOnlyTheSlotsItIsGiven) {
    const std::vector<Data> items =
        list(section(list(heading(1), text("a"), line_break())), tagline(), open(0), close());
    EXPECT_EQ(walk(ComponentSetBuilder(recording_set("D")).build(), items),
              "D:s.start;D:h1.start;D:t[a];D:h1.end;D:lf;D:s.end;D:s.be;D:tag.start;D:p0.start;"
              "D:p0.end;D:tag.end;");
    EXPECT_EQ(walk(ComponentSetBuilder(recording_set("D"))
                       .with<RecSection>("N")
                       .with<RecTagline>("N")
                       .build(),
                   items),
              "N:s.start;D:h1.start;D:t[a];D:h1.end;D:lf;N:s.end;N:s.be;N:tag.start;D:p0.start;"
              "D:p0.end;N:tag.end;");

    ComponentSet tables = recording_set("T");
    EXPECT_EQ(walk(ComponentSetBuilder(recording_set("D"))
                       .blocks(std::move(tables.blocks))
                       .properties(std::move(tables.properties))
                       .with<RecInvalid>("N")
                       .build(),
                   list(block(3), open(5), close(), open_invalid("x"), text("b"), close())),
              "T:b3.start;T:b3.end;T:b3.be;T:p5.start;T:p5.end;N:inv.x.start;D:t[b];N:inv.x.end;");
}

// A writer that leaves a slot empty fails when it is made, before any document.
TEST(ComponentSetBuilderDeathTest, FaultsOnAnEmptySlot) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* name;
        std::function<ComponentSet()> make;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"nothing given", [] { return ComponentSetBuilder().build(); },
         "needs 14 block components"},
        {"a block table one short",
         [] {
             ComponentSet base = recording_set("D");
             base.blocks.pop_back();
             return ComponentSetBuilder(std::move(base)).build();
         },
         "needs 14 block components"},
        {"a property slot empty",
         [] {
             ComponentSet base = recording_set("D");
             base.properties[30].reset();
             return ComponentSetBuilder(std::move(base)).build();
         },
         "needs 31 property components"},
        {"a leaf slot empty",
         [] {
             ComponentSet base = recording_set("D");
             base.line_break.reset();
             return ComponentSetBuilder(std::move(base)).build();
         },
         "has no line break component"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(c.make(), ::testing::ExitedWithCode(101), c.message);
    }
}

}  // namespace
}  // namespace kerfa_render_core_static::testing
