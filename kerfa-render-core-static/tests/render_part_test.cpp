#include "kerfa_render_core_static/components/render_part.hpp"

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_render_core_static/components/render_element_block.hpp"
#include "kerfa_render_core_static/components/render_element_property.hpp"
#include "kerfa_render_core_static/components/render_noop.hpp"

namespace kerfa_render_core_static::components {
namespace {

namespace kattr = kerfa_content::data::attributes;
using kattr::Attribute;

OptionalAttributes attrs(std::vector<Attribute> list) {
    return Attributes(std::move(list));
}

TEST(RenderPart, WritesTheFirstValidAttributeOrNothing) {
    struct Case {
        const char* name;
        RenderPart part;
        OptionalAttributes attributes;
        std::string render;
        std::string with_content;  // content "CONTENT"
    };
    const OptionalAttributes none;
    const OptionalAttributes value = attrs({Attribute::str("v"), Attribute::str("w")});
    const OptionalAttributes invalid_first =
        attrs({Attribute::invalid("bad"), Attribute::str("v")});
    const std::vector<Case> cases = {
        {"static", RenderPart::text("<b>"), none, "<b>", "<b>"},
        {"attribute", RenderPart::Attribute{}, value, "v", "v"},
        {"attribute absent", RenderPart::Attribute{}, none, "", ""},
        {"attribute list empty", RenderPart::Attribute{}, attrs({}), "", ""},
        {"attribute invalid first", RenderPart::Attribute{}, invalid_first, "", ""},
        {"attribute or content", RenderPart::AttributeOrContent{}, value, "v", "CONTENT"},
        {"attribute or content, invalid first", RenderPart::AttributeOrContent{}, invalid_first, "",
         "CONTENT"},
        {"attribute or content, none", RenderPart::AttributeOrContent{}, none, "", "CONTENT"},
        {"end div", RenderPart::EndDiv{}, value, "</div>", "</div>"},
        {"end span", RenderPart::EndSpan{}, value, "</span>", "</span>"},
        {"optional with", RenderPart::with(" a=\"", "\""), value, " a=\"v\"", " a=\"v\""},
        {"optional with, none", RenderPart::with(" a=\"", "\""), none, "", ""},
        {"optional with, invalid first", RenderPart::with(" a=\"", "\""), invalid_first, "", ""},
    };
    for (const Case& c : cases) {
        std::string out;
        c.part.render(c.attributes, out);
        EXPECT_EQ(out, c.render) << c.name;
        out.clear();
        c.part.render_with_content(c.attributes, "CONTENT", out);
        EXPECT_EQ(out, c.with_content) << c.name;
    }
}

TEST(ValuePolicy, AppendsTheValueAsThePolicySays) {
    struct Case {
        ValuePolicy policy;
        std::string value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {ValuePolicy::AsIs, "a \"<&>\" b\n", "a \"<&>\" b\n"},
        {ValuePolicy::HtmlAttribute, "a \"<&>\" 'b'", "a &quot;&lt;&amp;&gt;&quot; 'b'"},
        {ValuePolicy::CssDeclaration, "Noto Sans, serif", "Noto Sans, serif"},
        {ValuePolicy::CssDeclaration, "#ff0", "#ff0"},
        {ValuePolicy::CssDeclaration, "red; position: fixed", ""},
        {ValuePolicy::CssDeclaration, "1em\" onclick=\"x", ""},
        {ValuePolicy::CssDeclaration, "a&b", "a&amp;b"},
        {ValuePolicy::PercentEncoded, "a b/c?d#e&f%", "a%20b%2Fc%3Fd%23e%26f%25"},
        {ValuePolicy::PercentEncoded, "é-_.~", "é-_.~"},
        {ValuePolicy::UrlParameter, "a b\nc&d#e%f?", "a+b+c&d#e%f?"},
        {ValuePolicy::UrlParameter, "", ""},
    };
    for (const Case& c : cases) {
        std::string out = "[";
        append_value(out, c.value, c.policy);
        EXPECT_EQ(out, "[" + c.expected) << policy_name(c.policy) << " " << c.value;
    }
}

TEST(RenderPart, ValuesGoThroughThePartsPolicyAndFixedTextsDoNot) {
    const OptionalAttributes quoted = attrs({Attribute::str("a\"b c")});
    const OptionalAttributes colour = attrs({Attribute::color("ff0")});
    const OptionalAttributes breaking = attrs({Attribute::str("red;x")});
    struct Case {
        const char* name;
        RenderPart part;
        OptionalAttributes attributes;
        std::string render;
        std::string with_content;  // content "x y"
    };
    const std::vector<Case> cases = {
        {"attribute escaped", RenderPart::Attribute{ValuePolicy::HtmlAttribute}, quoted,
         "a&quot;b c", "a&quot;b c"},
        {"content encoded", RenderPart::AttributeOrContent{ValuePolicy::PercentEncoded}, quoted,
         "a%22b%20c", "x%20y"},
        {"content as a parameter", RenderPart::AttributeOrContent{ValuePolicy::UrlParameter},
         quoted, "a\"b+c", "x+y"},
        {"colour declared", RenderPart::with("<\"", "\">", ValuePolicy::CssDeclaration), colour,
         "<\"#ff0\">", "<\"#ff0\">"},
        {"a value that would end the declaration is left out, the fixed texts stay",
         RenderPart::with("<\"", "\">", ValuePolicy::CssDeclaration), breaking, "<\"\">", "<\"\">"},
        {"nothing without a first attribute",
         RenderPart::with("<\"", "\">", ValuePolicy::CssDeclaration), OptionalAttributes{}, "", ""},
    };
    for (const Case& c : cases) {
        std::string out;
        c.part.render(c.attributes, out);
        EXPECT_EQ(out, c.render) << c.name;
        out.clear();
        c.part.render_with_content(c.attributes, "x y", out);
        EXPECT_EQ(out, c.with_content) << c.name;
    }
    EXPECT_EQ(RenderPart(RenderPart::Attribute{ValuePolicy::CssDeclaration}).debug_text(),
              "Attribute(CssDeclaration)");
    EXPECT_EQ(RenderPart::with("a", "b", ValuePolicy::HtmlAttribute).debug_text(),
              "OptionalAttributeWith(HtmlAttribute) { before: \"a\", after: \"b\" }");
}

TEST(RenderPart, AttributeValueTexts) {
    struct Case {
        Attribute attribute;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Attribute::Boolean{true}, "true"},
        {Attribute::Boolean{false}, "false"},
        {Attribute::Bullet{kattr::BulletStyle::DecimalLeadingZero}, "decimal-leading-zero"},
        {kattr::Color{kattr::NamedColor::RebeccaPurple}, "rebeccapurple"},
        {kattr::Color{kattr::NamedColor::MidYellowGreen}, "#80FF00"},
        // Unlike Attribute::value, the colour value gets its number sign.
        {Attribute::color("ff0"), "#ff0"},
        {kattr::DocumentLink{"doc", "f:?x", std::nullopt}, "doc:?f\\:?x"},
        {Attribute::Integer{-5}, "-5"},
        {Attribute::Integer{std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"},
        {Attribute::str("a b\\"), "a b\\"},
        {Attribute::invalid("nope"), "nope"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(get_attribute_value(c.attribute), c.expected) << c.expected;
    }
    EXPECT_EQ(Attribute::color("ff0").value(), "ff0");
}

TEST(RenderElementTemplates, RenderTheirPartListsAndDescribeThemselves) {
    RenderElementBlock block({RenderPart::text("<"), RenderPart::Attribute{}},
                             {RenderPart::EndDiv{}}, {RenderPart::text("[")},
                             {RenderPart::text("]")});
    const modules::Block b{0, attrs({Attribute::str("x")}), {}};
    std::string out;
    block.between_start(b, out);
    block.start(b, out);
    block.end(b, out);
    block.between_end(b, out);
    EXPECT_EQ(out, "[<x</div>]");
    EXPECT_EQ(block.debug_text(),
              "RenderElementBlock { start: [Static(\"<\"), Attribute], end: [EndDiv], "
              "separator_start: [Static(\"[\")], separator_end: [Static(\"]\")] }");

    RenderElementProperty reading(
        {RenderPart::text("<a href=\""), RenderPart::AttributeOrContent{}, RenderPart::text("\">")},
        {RenderPart::text("</a>")});
    const modules::PropertyElement link{28, std::nullopt, true};
    out.clear();
    reading.start_with_content(link, "x.org", out);
    reading.end(link, out);
    EXPECT_EQ(out, "<a href=\"x.org\"></a>");
    EXPECT_TRUE(reading.uses_content());
    EXPECT_EQ(reading.debug_text(),
              "RenderElementProperty { start: [Static(\"<a href=\\\"\"), AttributeOrContent, "
              "Static(\"\\\">\")], end: [Static(\"</a>\")] }");

    const RenderElementProperty plain({RenderPart::with("<i ", ">")}, {RenderPart::EndSpan{}});
    EXPECT_FALSE(plain.uses_content());
    EXPECT_EQ(plain.debug_text(),
              "RenderElementProperty { start: [OptionalAttributeWith { before: \"<i \", after: "
              "\">\" }], end: [EndSpan] }");

    EXPECT_FALSE(RenderNoopProperty().uses_content());
    EXPECT_EQ(RenderNoopProperty().debug_text(), "RenderNoopProperty");
}

}  // namespace
}  // namespace kerfa_render_core_static::components
