#include "components/walk_container.hpp"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model.hpp"
#include "recording_set.hpp"

namespace kerfa_render_core_static::testing {
namespace {

using components::WalkContainer;
using renders::RendererLookup;

RendererLookup default_only(std::vector<std::uint16_t> reading = {}) {
    return RendererLookup::create(recording_set("D", std::move(reading)), {}, {});
}

std::string walk(const RendererLookup& lookup, const std::vector<Data>& items) {
    std::string out;
    WalkContainer(lookup).render_children(items, out);
    return out;
}

struct WalkCase {
    const char* name;
    std::function<std::vector<Data>()> items;
    std::string expected;
};

TEST(WalkContainer, CallsComponentsInWalkOrder) {
    const std::vector<WalkCase> cases = {
        {"empty list", [] { return list(); }, ""},
        {"only block has no separators", [] { return list(block(0)); }, "D:b0.start;D:b0.end;"},
        {"first of two gets between_end, second between_start",
         [] { return list(block(0), block(1)); },
         "D:b0.start;D:b0.end;D:b0.be;D:b1.bs;D:b1.start;D:b1.end;"},
        {"neighbour flags count every item", [] { return list(section(), text("a")); },
         "D:s.start;D:s.end;D:s.be;D:t[a];"},
        {"a text before makes a block not first", [] { return list(text("a"), block(4)); },
         "D:t[a];D:b4.bs;D:b4.start;D:b4.end;"},
        {"children between start and end",
         [] { return list(section(list(block(2, list(block(3, list(text("x")))))))); },
         "D:s.start;D:b2.start;D:b3.start;D:t[x];D:b3.end;D:b2.end;D:s.end;"},
        {"heading end before its line break",
         [] { return list(heading(0), text("T"), line_break()); },
         "D:h0.start;D:t[T];D:h0.end;D:lf;"},
        {"last open line closed at the end of the list", [] { return list(heading(1), text("T")); },
         "D:h1.start;D:t[T];D:h1.end;"},
        {"an open line is replaced without its end",
         [] { return list(tagline(), heading(2), line_break(true)); },
         "D:tag.start;D:h2.start;D:h2.end;D:crlf;"},
        {"a nested list closes only its own line",
         [] { return list(heading(0), block(0, list(tagline(), text("x"))), line_break()); },
         "D:h0.start;D:b0.bs;D:b0.start;D:tag.start;D:t[x];D:tag.end;D:b0.end;D:b0.be;D:h0.end;"
         "D:lf;"},
        {"terminator with nothing open is ignored", [] { return list(close(), text("a")); },
         "D:t[a];"},
        {"spans close innermost first; open spans get no end",
         [] { return list(open(0), open(1), text("a"), close(), close(), open(2), text("b")); },
         "D:p0.start;D:p1.start;D:t[a];D:p1.end;D:p0.end;D:p2.start;D:t[b];"},
        {"a span belongs to its own list",
         [] { return list(open(0), block(0, list(close(), text("x"))), close()); },
         "D:p0.start;D:b0.bs;D:b0.start;D:t[x];D:b0.end;D:b0.be;D:p0.end;"},
        {"invalid element start and end",
         [] { return list(open_invalid("zz"), text("a"), close()); },
         "D:inv.zz.start;D:t[a];D:inv.zz.end;"},
        {"content leaves",
         [] { return list(check(true), check(false), divider(), html("<p>"), image("a b.png")); },
         "D:check1;D:check0;D:hr;D:t[<p>];D:img.a b.png;"},
    };
    const RendererLookup lookup = default_only();
    for (const WalkCase& c : cases) {
        EXPECT_EQ(walk(lookup, c.items()), c.expected) << c.name;
    }
}

TEST(WalkContainer, GivesSpanTextOnlyToComponentsThatReadIt) {
    const std::vector<WalkCase> cases = {
        {"text of the span, nested spans, containers and line breaks included",
         [] {
             return list(open_content(28), text("a"), open(0), text("b"), close(), line_break(),
                         block(0, list(text("c"), line_break(), text("d"))), close(), text("e"));
         },
         "D:p28.content[ab\nc\nd];D:t[a];D:p0.start;D:t[b];D:p0.end;D:lf;D:b0.bs;D:b0.start;D:t[c];"
         "D:lf;D:t[d];D:b0.end;D:b0.be;D:p28.end;D:t[e];"},
        {"nested reading spans each get their own text, without the text of the inner ones",
         [] {
             return list(open_content(28), text("a"), open_content(22), text("b"), close(),
                         text("c"), close(), open_content(22), close());
         },
         "D:p28.content[ac];D:t[a];D:p22.content[b];D:t[b];D:p22.end;D:t[c];D:p28.end;"
         "D:p22.content[];D:p22.end;"},
        {"a span left open takes the rest of the list",
         [] { return list(open_content(28), text("a"), open_content(22), text("b")); },
         "D:p28.content[a];D:t[a];D:p22.content[b];D:t[b];"},
        {"invalid elements count as spans",
         [] {
             return list(open_content(22), open_invalid("q"), text("a"), close(), close(),
                         text("z"));
         },
         "D:p22.content[a];D:inv.q.start;D:t[a];D:inv.q.end;D:p22.end;D:t[z];"},
        {"a component that does not read gets no text",
         [] { return list(open_content(27), text("a"), close()); },
         "D:p27.content[];D:t[a];D:p27.end;"},
        {"without needs_content start is called", [] { return list(open(28), text("a"), close()); },
         "D:p28.start;D:t[a];D:p28.end;"},
    };
    const RendererLookup lookup = default_only({22, 28});
    for (const WalkCase& c : cases) {
        EXPECT_EQ(walk(lookup, c.items()), c.expected) << c.name;
    }
}

TEST(WalkContainer, ChildrenOfABlockUseTheSetLookedUpByItsId) {
    std::vector<renders::ComponentSet> alternates;
    alternates.push_back(recording_set("A"));
    // Block kind 2 switches its children to A; ids past the table fall back to the default.
    const RendererLookup lookup =
        RendererLookup::create(recording_set("D"), std::move(alternates), {{0, 2}});
    const auto items = list(block(2, list(block(3, list(text("x"))), section(list(text("s"))))),
                            block(5, list(text("y"))));
    EXPECT_EQ(walk(lookup, items),
              "D:b2.start;A:b3.start;D:t[x];A:b3.end;A:b3.be;A:s.bs;A:s.start;A:t[s];A:s.end;"
              "D:b2.end;D:b2.be;D:b5.bs;D:b5.start;D:t[y];D:b5.end;");
}

TEST(RendererLookup, LaterEntriesOverwriteEarlierOnes) {
    struct Case {
        std::vector<RendererLookup::Entry> entries;
        std::vector<std::optional<std::size_t>> expected;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{{1, 3}, {std::nullopt, 1}}, {std::nullopt, std::nullopt, std::nullopt, 1}},
        {{{0, 2}, {1, 2}}, {std::nullopt, std::nullopt, 1}},
    };
    for (const Case& c : cases) {
        const RendererLookup lookup = RendererLookup::create(recording_set("D"), {}, c.entries);
        EXPECT_EQ(lookup.lookup, c.expected);
    }
}

// Records which item came before it in its list, when the walk says.
struct PreviousAwareBlock final : m::RenderBlock {
    std::string debug_text() const override { return "PreviousAwareBlock"; }
    void start(const m::Block&, std::string&) const override {}
    void end(const m::Block&, std::string&) const override {}
    void between_start(const m::Block&, std::string& out) const override { out += "[bs]"; }
    void between_start_after(const m::Block&, const Data& previous,
                             std::string& out) const override {
        if (const auto* container = previous.as_container(); container && container->as_block()) {
            out += "[after b" + std::to_string(container->as_block()->id) + "]";
        } else if (previous.is_terminator()) {
            out += "[after terminator]";
        } else {
            out += "[after item]";
        }
    }
};

TEST(WalkContainer, GivesTheSeparatorTheItemBeforeTheBlock) {
    renders::ComponentSet set = recording_set("D");
    set.blocks[5] = std::make_unique<PreviousAwareBlock>();
    const RendererLookup lookup = RendererLookup::create(std::move(set), {}, {});
    const std::vector<WalkCase> cases = {
        {"a first block has no separator", [] { return list(block(5)); }, ""},
        {"a block, a text and a terminator before",
         [] { return list(block(2), block(5), text("x"), block(5), close(), block(5)); },
         "D:b2.start;D:b2.end;D:b2.be;[after b2]D:t[x];[after item][after terminator]"},
    };
    for (const WalkCase& c : cases) {
        EXPECT_EQ(walk(lookup, c.items()), c.expected) << c.name;
    }
    // One container written alone has no item before it: the plain separator.
    const Data item = block(5);
    std::string out;
    WalkContainer(lookup).render(*item.as_container(), out, true, false);
    EXPECT_EQ(out, "[bs]");
}

TEST(WalkContainer, RendersOneContainerWithTheGivenFlags) {
    const RendererLookup lookup = default_only();
    struct Case {
        bool not_first;
        bool not_last;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {false, false, "D:b6.start;D:t[x];D:b6.end;"},
        {true, true, "D:b6.bs;D:b6.start;D:t[x];D:b6.end;D:b6.be;"},
    };
    const Data item = block(6, list(text("x")));
    for (const Case& c : cases) {
        std::string out;
        WalkContainer(lookup).render(*item.as_container(), out, c.not_first, c.not_last);
        EXPECT_EQ(out, c.expected);
    }
    // A document itself reaches no component.
    const Data doc = document(list(section(list(text("a")))));
    std::string out;
    WalkContainer(lookup).render(*doc.as_container(), out, true, true);
    EXPECT_EQ(out, "D:s.start;D:t[a];D:s.end;");
}

TEST(WalkContainerDeathTest, ReportsIdsOutsideTheTablesAsInternalFaults) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const RendererLookup lookup = default_only();
    EXPECT_EXIT(walk(lookup, list(text("a"), block(14))), ::testing::ExitedWithCode(101),
                "Block id 14 is out of range \\(0 - 13\\)\\.");
    EXPECT_EXIT(walk(lookup, list(open(31))), ::testing::ExitedWithCode(101),
                "ElementProperty id 31 is out of range \\(0 - 30\\)\\.");
    const RendererLookup bad_alternate = RendererLookup::create(recording_set("D"), {}, {{4, 0}});
    EXPECT_EXIT(walk(bad_alternate, list(block(0, list(text("a"))))),
                ::testing::ExitedWithCode(101), "Renderer index 4 is out of range");
}

// Counts calls without keeping them, for documents too large to record.
TEST(WalkContainer, WalksVeryDeepDocumentsWithoutRecursion) {
    constexpr int depth = 200000;
    const RendererLookup lookup = default_only({28});

    Data nested = text("x");
    for (int i = 0; i < depth; ++i) {
        nested = block(0, list(std::move(nested)));
    }
    std::string out;
    WalkContainer(lookup).render_children(list(std::move(nested)), out);
    const std::string start = "D:b0.start;";
    EXPECT_EQ(out.size(), depth * (start.size() + std::string("D:b0.end;").size()) +
                              std::string("D:t[x];").size());
    EXPECT_EQ(out.substr(0, start.size()), start);

    // Deeply nested reading spans: the text is the innermost one's alone, found in one pass.
    std::vector<Data> spans;
    for (int i = 0; i < depth; ++i) {
        spans.push_back(open_content(28));
    }
    spans.push_back(text("y"));
    for (int i = 0; i < depth; ++i) {
        spans.push_back(close());
    }
    out.clear();
    WalkContainer(lookup).render_children(spans, out);
    EXPECT_EQ(out.size(), (depth - 1) * std::string("D:p28.content[];").size() +
                              std::string("D:p28.content[y];").size() +
                              depth * std::string("D:p28.end;").size() +
                              std::string("D:t[y];").size());
}

}  // namespace
}  // namespace kerfa_render_core_static::testing
