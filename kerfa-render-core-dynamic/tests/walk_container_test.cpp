#include "kerfa_render_core_dynamic/components/walk_container.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "recording_factory.hpp"

namespace kerfa_render_core_dynamic::components {
namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using testing::RecordingFactory;

template <bool kWantsContent = false>
std::string record(std::span<const Data> items) {
    std::string out;
    RecordingFactory<kWantsContent> factory(out);
    WalkContainer<RecordingFactory<kWantsContent>>(factory).render_children(items, out);
    return out;
}

struct Case {
    std::string name;
    DataList items;
    std::string expected;
};

TEST(DynamicWalk, CallsTheFactoryAndItsComponentsInOrder) {
    std::vector<Case> cases;
    cases.push_back({"an empty list asks nothing", list(), ""});
    cases.push_back({"content, one component each",
                     list(text("a"), check(true), divider(), html("<i>"), image("p.png")),
                     "text:a .render check:x .render divider .render html:<i> .render "
                     "image:p.png .render"});
    // The end of a line asks the factory again for a fresh component.
    cases.push_back({"a heading line ends at its line break",
                     list(heading(1), text("a"), line_break(true), text("b")),
                     "heading:1 .start text:a .render heading:1 .end br:cr .render text:b "
                     ".render"});
    cases.push_back({"the last line ends after the list", list(tagline(), text("a")),
                     "tagline .start text:a .render tagline .end"});
    cases.push_back(
        {"a block inside a line does not end it",
         list(heading(0), text("a"), block(bk::BLOCK, list(text("b"))), line_break(), text("c")),
         "heading:0 .start text:a .render block:block .bs .start text:b .render .end "
         ".be exit:block heading:0 .end br .render text:c .render"});
    cases.push_back({"a second line property replaces the first without an end",
                     list(heading(0), tagline(), text("a"), line_break()),
                     "heading:0 .start tagline .start text:a .render tagline .end br .render"});
    cases.push_back({"a nested list's line ends with that list",
                     list(block(bk::CARD, list(heading(2), text("a"))), text("b")),
                     "block:card .start heading:2 .start text:a .render heading:2 .end .end .be "
                     "exit:card text:b .render"});
    cases.push_back({"a span asks again at its end",
                     list(open(pk::BOLD), text("a"), close(), text("b")),
                     "prop:bold .start text:a .render prop:bold .end text:b .render"});
    cases.push_back({"an unclosed span gets no end", list(open(pk::BOLD), text("a")),
                     "prop:bold .start text:a .render"});
    cases.push_back(
        {"a stray terminator writes nothing", list(close(), text("a"), close()), "text:a .render"});
    cases.push_back(
        {"an invalid element writes nothing and takes one terminator",
         list(open(pk::BOLD), open_invalid("x"), text("a"), close(), text("b"), close(), close()),
         "prop:bold .start text:a .render text:b .render prop:bold .end"});
    cases.push_back(
        {"spans stay in their own list",
         list(open(pk::ITALIC), block(bk::BLOCK, list(close(), open(pk::BOLD))), close()),
         "prop:italic .start block:block .bs .start prop:bold .start .end .be "
         "exit:block prop:italic .end"});
    cases.push_back({"a childless block still gets start, end and its exit", list(block(bk::TABLE)),
                     "block:table .start .end exit:table"});
    cases.push_back({"neighbour flags count every item",
                     list(block(bk::CARD), line_break(), block(bk::INDENT)),
                     "block:card .start .end .be exit:card br .render block:indent .bs .start "
                     ".end exit:indent"});
    cases.push_back({"a section is announced before its children, then only between_end",
                     list(section_with_id(3, list(text("a"))), section_with_id(4, list(text("b")))),
                     "section:3 text:a .render .be section:4 text:b .render"});
    cases.push_back({"a section followed by any item gets between_end",
                     list(section_with_id(1), text("x")), "section:1 .be text:x .render"});
    cases.push_back({"a document calls nothing of its own",
                     list(document(list(section_with_id(0, list(text("a")))))),
                     "section:0 text:a .render"});
    cases.push_back({"the value text is not computed unless asked for",
                     list(open_content(pk::LINK), text("a"), close()),
                     "prop:link .content: text:a .render prop:link .end"});
    for (const Case& c : cases) {
        EXPECT_EQ(record(c.items), c.expected) << c.name;
    }
}

TEST(DynamicWalk, GivesTheSpanTextToAFactoryThatAsks) {
    const auto items = list(open_content(pk::LINK), text("a"), open(pk::BOLD), text("b"), close(),
                            line_break(), close(), text("c"));
    EXPECT_EQ(record<true>(items),
              "prop:link .content:ab\n text:a .render prop:bold .start text:b .render prop:bold "
              ".end br .render prop:link .end text:c .render");
}

TEST(DynamicWalk, WritesOneContainerWithTheGivenFlags) {
    const auto item = block(bk::CODEBOX, list(heading(0), text("a")));
    std::string out;
    RecordingFactory<false> factory(out);
    WalkContainer<RecordingFactory<false>>(factory).render(*item.as_container(), out, true, true);
    EXPECT_EQ(out,
              "block:codebox .bs .start heading:0 .start text:a .render heading:0 .end .end "
              ".be exit:codebox");
}

// 200,000 levels of blocks, each opening a span: the walk costs heap, not call stack.
TEST(DynamicWalk, WalksDeepDocuments) {
    constexpr std::size_t kDepth = 200'000;
    DataList top;
    DataList* tail = &top;
    for (std::size_t level = 0; level < kDepth; ++level) {
        tail->push_back(open(pk::BOLD));
        tail->push_back(block(bk::BLOCK));
        tail = &tail->back().as_container()->children();
    }
    tail->push_back(text("bottom"));
    std::string expected;
    for (std::size_t level = 0; level < kDepth; ++level) {
        expected += "prop:bold .start block:block .bs .start ";
    }
    expected += "text:bottom .render";
    for (std::size_t level = 0; level < kDepth; ++level) {
        expected += " .end exit:block";
    }
    EXPECT_EQ(record(top), expected);
}

}  // namespace
}  // namespace kerfa_render_core_dynamic::components
