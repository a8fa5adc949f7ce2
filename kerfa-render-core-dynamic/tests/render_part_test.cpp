#include "kerfa_render_core_dynamic/components/render_part.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/data/types/block.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_render_core_dynamic/components/stock.hpp"

namespace kerfa_render_core_dynamic::components {
namespace {

using namespace kerfa_content::testing;
using kerfa_content::data::attributes::BulletStyle;

std::string rendered(const RenderPart& part, const std::optional<Attributes>& attributes) {
    std::string out;
    part.render(attributes, out);
    return out;
}

TEST(DynamicRenderPart, WritesTheFirstValidAttribute) {
    struct Case {
        std::string name;
        RenderPart part;
        std::optional<Attributes> attributes;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"static", RenderPart::text("<b>"), attrs({attr::text("x")}), "<b>"},
        {"end div", RenderPart::end_div(), std::nullopt, "</div>"},
        {"end span", RenderPart::end_span(), std::nullopt, "</span>"},
        {"attribute: text", RenderPart::attribute(), attrs({attr::text("a b")}), "a b"},
        {"attribute: absent", RenderPart::attribute(), std::nullopt, ""},
        {"attribute: empty list", RenderPart::attribute(), attrs({}), ""},
        {"attribute: only the first counts", RenderPart::attribute(),
         attrs({attr::integer(-4), attr::text("later")}), "-4"},
        {"attribute: an invalid first silences it", RenderPart::attribute(),
         attrs({attr::invalid("bad"), attr::text("good")}), ""},
        {"attribute: a colour value gets its number sign", RenderPart::attribute(),
         attrs({attr::hex("ff0000")}), "#ff0000"},
        {"attribute: a named colour by name", RenderPart::attribute(),
         attrs({attr::color(kerfa_content::data::attributes::NamedColor::RebeccaPurple)}),
         "rebeccapurple"},
        {"attribute: bullet style", RenderPart::attribute(),
         attrs({attr::bullet(BulletStyle::DecimalLeadingZero)}), "decimal-leading-zero"},
        {"attribute: boolean", RenderPart::attribute(), attrs({attr::boolean(false)}), "false"},
        {"attribute: document link", RenderPart::attribute(),
         attrs({attr::doc_link("notes", "todo", std::nullopt)}), "notes:?todo"},
        {"attribute or content: no content here", RenderPart::attribute_or_content(),
         attrs({attr::text("v")}), "v"},
        {"url: spaces and line feeds as plus", RenderPart::attribute_or_content_url(),
         attrs({attr::text("a b\nc&d#e?f%20")}), "a+b+c&d#e?f%20"},
        {"url: an invalid first silences it", RenderPart::attribute_or_content_url(),
         attrs({attr::invalid("a b")}), ""},
        {"optional with: all three", RenderPart::optional_attribute_with("[", "]"),
         attrs({attr::text("v")}), "[v]"},
        {"optional with: none at all", RenderPart::optional_attribute_with("[", "]"), std::nullopt,
         ""},
        {"optional with: an invalid first", RenderPart::optional_attribute_with("[", "]"),
         attrs({attr::invalid("v")}), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rendered(c.part, c.attributes), c.expected) << c.name;
    }
    EXPECT_EQ(to_url_parameter("a b\nc\r\t"), "a+b+c\r\t");
}

TEST(DynamicRenderPart, DebugTextsNameTheVariants) {
    const RenderElementBlock block{
        {RenderPart::text("\n"), RenderPart::attribute()},
        {RenderPart::attribute_or_content(), RenderPart::attribute_or_content_url()},
        {RenderPart::end_div(), RenderPart::end_span()},
        {RenderPart::optional_attribute_with("a", "b")},
    };
    EXPECT_EQ(block.debug_text(),
              "RenderElementBlock { start: [Static(\"\\n\"), Attribute], end: "
              "[AttributeOrContent, AttributeOrContentUrl], separator_start: [EndDiv, EndSpan], "
              "separator_end: [OptionalAttributeWith { before: \"a\", after: \"b\" }] }");
}

TEST(DynamicStock, WrappedElementBlockWritesItsTemplatesAgainstTheBlock) {
    const RenderElementBlock render{
        {RenderPart::text("<"), RenderPart::attribute()},
        {RenderPart::text(">")},
        {RenderPart::text("[")},
        {RenderPart::text("]")},
    };
    const auto item = block(4, {}, attrs({attr::text("red")}));
    const WrappedElementBlock wrapped(*item.as_container()->as_block(), render);
    std::string out;
    wrapped.between_start(out);
    wrapped.start(out);
    wrapped.end(out);
    wrapped.between_end(out);
    EXPECT_EQ(out, "[<red>]");
    EXPECT_EQ(wrapped.debug_text(),
              "WrappedElementBlock { block: card, render: " + render.debug_text() + " }");

    std::string nothing;
    const auto noop = RenderNoopBlock::boxed();
    noop->between_start(nothing);
    noop->start(nothing);
    noop->end(nothing);
    noop->between_end(nothing);
    const auto property = RenderNoopProperty::boxed();
    property->start(nothing);
    property->start_with_content("x", nothing);
    property->end(nothing);
    EXPECT_EQ(nothing, "");
    EXPECT_EQ(noop->debug_text(), "RenderNoopBlock");
    EXPECT_EQ(property->debug_text(), "RenderNoopProperty");
}

}  // namespace
}  // namespace kerfa_render_core_dynamic::components
