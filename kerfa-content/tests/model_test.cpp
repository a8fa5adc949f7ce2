#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/configure/data_factory.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/types/count.hpp"
#include "kerfa_content/types/metadata.hpp"
#include "kerfa_content/types/source.hpp"
#include "shared/components/configuration.hpp"

namespace {

using namespace kerfa_content::testing;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::structure::Container;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Document;
using kerfa_content::data::types::Section;
using kerfa_content::types::Count;
using kerfa_content::types::Metadata;
using kerfa_content::types::Source;
namespace kind = kerfa_content::data::kinds::property_kind;

std::string plain_text(const Data& item) {
    std::string out;
    item.text_append(out);
    return out;
}

TEST(PlainText, OnlyTextHtmlAndLineBreaksCount) {
    struct Case {
        const char* what;
        Data item;
        std::string text;
    };
    std::vector<Case> cases;
    cases.push_back({"section with heading, span and check box",
                     section(list(heading(0), text("Title"), line_break(), open(kind::BOLD),
                                  text("word"), close(), check(true))),
                     "Title\nword"});
    cases.push_back({"carriage-return line break is still a line feed", line_break(true), "\n"});
    cases.push_back({"nested containers in order",
                     block(2, list(block(3, list(text("a"), html("<i>"))), divider(),
                                   block(3, list(text("b"))))),
                     "a<i>b"});
    cases.push_back(
        {"image adds nothing", kerfa_content::configure::DataFactory::image("x.png"), ""});
    cases.push_back({"tagline and invalid element add nothing",
                     section(list(tagline(), open_invalid("zz"), close())), ""});
    for (const auto& c : cases) {
        EXPECT_EQ(plain_text(c.item), c.text) << c.what;
    }
    const Content image(Content::Image{Source::file("a.png")});
    EXPECT_EQ(image.text(), "");
    EXPECT_EQ(Content(Content::Check{true}).text(), "");
    EXPECT_EQ(Content(Content::DividerLine{}).text(), "");
    EXPECT_EQ(Content(Content::Html{"<br>"}).text(), "<br>");
}

TEST(ContainerOperations, AppendCloneStateAndMoves) {
    Section s;
    s.id = 4;
    s.level = 2;
    s.name = "Name";
    s.metadata.emplace();
    s.metadata->insert("Key", "Value");
    Container container(std::move(s));
    EXPECT_TRUE(container.is_empty());
    container.append(text("a"));
    container.append_all(list(line_break(), text("b")));
    ASSERT_EQ(container.children().size(), 3u);

    const Container state = container.clone_state();
    const auto* copy = state.as_section();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->id, 4u);
    EXPECT_EQ(copy->level, 2);
    EXPECT_EQ(copy->name, "Name");
    EXPECT_EQ(copy->metadata->get("key"), "Value");
    EXPECT_TRUE(state.is_empty());
    EXPECT_EQ(container.children().size(), 3u);  // the original is unchanged

    Document document;
    document.id = 9;
    document.name = "doc";
    document.source = Source::http("example.com/a.kerfa");
    document.children = list(Data(std::move(container)));
    const Document document_state = document.clone_state();
    EXPECT_EQ(document_state.id, 9u);
    EXPECT_EQ(document_state.source, document.source);
    EXPECT_TRUE(document_state.children.empty());

    Block b{6, std::vector<Attribute>{Attribute::Integer{2}}, list(text("x"))};
    const Container block_state = Container(std::move(b)).clone_state();
    EXPECT_EQ(block_state.as_block()->id, 6);
    EXPECT_EQ(block_state.as_block()->attributes->size(), 1u);
    EXPECT_EQ(block_state.as_block()->children.size(), 0u);

    // Move assignment releases the old subtree and takes the new one.
    Data target = block(0, list(block(0, list(text("old")))));
    target = block(1, list(text("new")));
    EXPECT_EQ(plain_text(target), "new");
}

TEST(ItemEquality, DeepComparisonAndCloneAgree) {
    auto make = [] {
        return section(list(heading(1), text("T"), line_break(true),
                            block(2, list(block(3, list(open(kind::LINK), text("l"), close())))),
                            kerfa_content::configure::DataFactory::link("http://x"), close()));
    };
    const Data original = make();
    EXPECT_EQ(original, make());
    EXPECT_EQ(original.clone(), original);

    struct Change {
        const char* what;
        Data other;
    };
    std::vector<Change> changes;
    changes.push_back(
        {"deep text",
         section(list(heading(1), text("T"), line_break(true),
                      block(2, list(block(3, list(open(kind::LINK), text("L"), close())))),
                      kerfa_content::configure::DataFactory::link("http://x"), close()))});
    changes.push_back(
        {"line break flag",
         section(list(heading(1), text("T"), line_break(false),
                      block(2, list(block(3, list(open(kind::LINK), text("l"), close())))),
                      kerfa_content::configure::DataFactory::link("http://x"), close()))});
    changes.push_back(
        {"block kind",
         section(list(heading(1), text("T"), line_break(true),
                      block(2, list(block(4, list(open(kind::LINK), text("l"), close())))),
                      kerfa_content::configure::DataFactory::link("http://x"), close()))});
    changes.push_back(
        {"attribute",
         section(list(heading(1), text("T"), line_break(true),
                      block(2, list(block(3, list(open(kind::LINK), text("l"), close())))),
                      kerfa_content::configure::DataFactory::link("http://y"), close()))});
    changes.push_back({"fewer items", section(list(heading(1), text("T")))});
    changes.push_back(
        {"longer inner list",
         section(list(heading(1), text("T"), line_break(true),
                      block(2, list(block(3, list(open(kind::LINK), text("l"), close(), close())))),
                      kerfa_content::configure::DataFactory::link("http://x"), close()))});
    changes.push_back(
        {"empty inner block",
         section(list(heading(1), text("T"), line_break(true), block(2, list(block(3, {}))),
                      kerfa_content::configure::DataFactory::link("http://x"), close()))});
    for (const auto& c : changes) {
        EXPECT_NE(original, c.other) << c.what;
        EXPECT_NE(c.other, original) << c.what;
    }

    // Items other than containers clone to equal, independent values.
    const auto leaves = list(text("t"), html("<i>"), check(true), divider(), line_break(true),
                             heading(3), tagline(), open_invalid("zz"), close(),
                             kerfa_content::configure::DataFactory::link("http://x"),
                             kerfa_content::configure::DataFactory::image("a.png"));
    for (const auto& leaf : leaves) {
        EXPECT_EQ(leaf.clone(), leaf) << leaf.index();
    }
    Data link = kerfa_content::configure::DataFactory::link("http://x");
    const Data link_copy = link.clone();
    (*link.as_property()->as_element()->attributes)[0] = Attribute::str("http://y");
    EXPECT_NE(link, link_copy);
}

TEST(MetadataKeys, LowerCasedOnEntryLaterWinsSorted) {
    Metadata metadata;
    metadata.insert("Title", "first");
    metadata.insert("TITLE", "second");
    metadata.insert("b", "1");
    metadata.insert("a", "2");
    metadata.insert("B", "3");
    metadata.insert("\u212Aey", "kelvin");  // KELVIN SIGN lower-cases to ASCII k
    metadata.insert("\u00C9t\u00C9", "summer");
    EXPECT_EQ(metadata.get("title"), "second");
    EXPECT_EQ(metadata.get("TiTlE"), "second");
    EXPECT_EQ(metadata.get("b"), "3");
    EXPECT_EQ(metadata.get("key"), "kelvin");
    EXPECT_EQ(metadata.get("\u212AEY"), "kelvin");
    EXPECT_EQ(metadata.get("\u00E9t\u00E9"), "summer");
    EXPECT_EQ(metadata.get("\u00C9T\u00C9"), "summer");
    EXPECT_EQ(metadata.get("missing"), std::nullopt);
    EXPECT_EQ(metadata.keys(),
              (std::vector<std::string_view>{"a", "b", "key", "title", "\u00E9t\u00E9"}));

    // From configuration text kept in case: the later line wins whichever spelling it has.
    struct Case {
        const char* text;
        const char* title;
    };
    const std::vector<Case> cases{
        {"Title: one\ntitle: two\n", "two"},
        {"title: one\nTitle: two\n", "two"},
        {"TITLE: one\nother: x\nTitle: two\nTITLE: three\n", "three"},
    };
    for (const auto& c : cases) {
        Metadata from_text;
        from_text.append_from_set(shared::components::parse_configuration_to_map(c.text, true));
        EXPECT_EQ(from_text.get("title"), c.title) << c.text;
    }
    Metadata from_pairs;
    from_pairs.append_from_set(
        std::vector<std::pair<std::string, std::string>>{{"Z", "1"}, {"y", "2"}, {"z", "3"}});
    EXPECT_EQ(from_pairs.keys(), (std::vector<std::string_view>{"y", "z"}));
    EXPECT_EQ(from_pairs.get("z"), "3");
}

TEST(SourceNames, StemExtensionAndDisplay) {
    struct Case {
        Source source;
        std::optional<std::string> path;
        std::optional<std::string> name;
        std::optional<std::string> extension;
    };
    const std::vector<Case> cases{
        {Source{}, std::nullopt, std::nullopt, std::nullopt},
        {Source::file("dir/notes.kerfa"), "dir/notes.kerfa", "notes", "kerfa"},
        {Source::file("README"), "README", "README", std::nullopt},
        {Source::file("notes."), "notes.", "notes", ""},
        {Source::file(".bashrc"), ".bashrc", ".bashrc", std::nullopt},
        {Source::file("a.b.c"), "a.b.c", "a.b", "c"},
        {Source::file("dir/sub/"), "dir/sub/", "sub", std::nullopt},
        {Source::file("/"), "/", std::nullopt, std::nullopt},
        {Source::file("a/.."), "a/..", std::nullopt, std::nullopt},
        {Source::file("bad\xFF.md"), "bad\uFFFD.md", "bad\uFFFD", "md"},
        {Source::http("https://example.com/docs/page.html"), "https://example.com/docs/page.html",
         "page", "html"},
        {Source::http("example.com"), "example.com", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.source.path_string_option(), c.path) << c.source.debug_text();
        EXPECT_EQ(c.source.name(), c.name) << c.source.debug_text();
        EXPECT_EQ(c.source.extension(), c.extension) << c.source.debug_text();
    }
    EXPECT_EQ(Source{}.debug_text(), "None");
    EXPECT_EQ(Source::file("a \"b\"\\c\n\x01.png").debug_text(),
              "File { path: \"a \\\"b\\\"\\\\c\\n\\u{1}.png\" }");
    EXPECT_EQ(Source::http("http://x/\u00E9").debug_text(), "Http { url: \"http://x/\u00E9\" }");
}

TEST(DataFactoryItems, LinkAndImage) {
    for (const char* address : {"", "http://example.com"}) {
        const Data link = kerfa_content::configure::DataFactory::link(address);
        const auto* property = link.as_property();
        ASSERT_NE(property, nullptr);
        const auto* element = property->as_element();
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->id, 28);
        EXPECT_FALSE(element->needs_content);
        ASSERT_TRUE(element->attributes.has_value());
        EXPECT_EQ(*element->attributes, std::vector<Attribute>{Attribute::str(address)});
    }
    const Data image = kerfa_content::configure::DataFactory::image("img/a.png");
    EXPECT_EQ(image, Data(Content(Content::Image{Source::file("img/a.png")})));
}

TEST(Counters, AddGetAndSortedChildNames) {
    Count total("Total");
    EXPECT_TRUE(total.child_names().empty());
    EXPECT_EQ(total.get("Content"), nullptr);
    for (const char* name : {"Invalid element", "Content", "Container", "Content"}) {
        total.add(name).count += 1;
    }
    total.add("Container").add("Block").count = 5;
    EXPECT_EQ(total.child_names(),
              (std::vector<std::string>{"Container", "Content", "Invalid element"}));
    EXPECT_EQ(total.get("Content")->count, 2);
    EXPECT_EQ(total.get("Content")->name, "Content");
    EXPECT_EQ(total.get("Container")->get("Block")->count, 5);
    EXPECT_EQ(total.count, 0);
}

}  // namespace
