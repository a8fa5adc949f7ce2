#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/modules/parser/parser_meter.hpp"
#include "kerfa_content/modules/parser/parser_trace.hpp"
#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "kerfa_parser_kerfa/parser/parser.hpp"
#include "kerfa_parser_markdown/parser/parser.hpp"
#include "kerfa_parser_text/parser/parser.hpp"
#include "shared/components/metrics.hpp"
#include "utils/source.hpp"

namespace kerfa_document_manager {
namespace {

using configure::DoubleTagMode;
using configure::ParserFactory;
using kerfa_content::types::Source;
using types::DocumentType;
namespace p = kerfa_content::modules::parser;

TEST(ParserChoice, ExtensionsAreComparedLowerCased) {
    struct Case {
        const char* extension;
        DocumentType expected;
    };
    const std::vector<Case> cases = {
        {"md", DocumentType::Markdown},
        {"MD", DocumentType::Markdown},
        {"Markdown", DocumentType::Markdown},
        {"kfa", DocumentType::Kerfa},
        {"KFA", DocumentType::Kerfa},
        {"kerfa", DocumentType::Kerfa},
        {"KeRfA", DocumentType::Kerfa},
        // The Kelvin sign lower-cases to "k" by the full Unicode mapping.
        {"\xE2\x84\xAA"
         "FA",
         DocumentType::Kerfa},
        {"txt", DocumentType::Text},
        {"html", DocumentType::Text},
        {"", DocumentType::Text},
        {"mdx", DocumentType::Text},
        {" md", DocumentType::Text},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utils::extension_to_document_type(c.extension), c.expected) << c.extension;
    }
}

TEST(ParserChoice, TheSourceExtensionDecides) {
    struct Case {
        Source source;
        DocumentType expected;
    };
    const std::vector<Case> cases = {
        {Source::file("notes.MD"), DocumentType::Markdown},
        {Source::file("dir/notes.KFA"), DocumentType::Kerfa},
        {Source::file("a.b.kerfa"), DocumentType::Kerfa},
        {Source::file("notes.txt"), DocumentType::Text},
        {Source::file("notes.html"), DocumentType::Text},
        {Source::file("notes"), DocumentType::Text},
        {Source::file(".kerfa"), DocumentType::Text},  // a leading dot alone is no extension
        {Source::file("notes."), DocumentType::Text},
        {Source::http("https://example.org/a/readme.md"), DocumentType::Markdown},
        {Source{}, DocumentType::Text},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParserFactory::document_type(c.source), c.expected)
            << c.source.path_string_option().value_or("none");
    }
}

TEST(ParserChoice, ParsersAreWrappedOnlyAsTheSetupAsks) {
    const ParserFactory plain = ParserFactory::with_setup({}, DoubleTagMode::RemovePrivate);
    EXPECT_EQ(plain.kerfa.mode, DoubleTagMode::RemovePrivate);
    const auto parser = plain.new_parser(Source::file("a.kerfa"));
    const auto* kerfa = dynamic_cast<const kerfa_parser_kerfa::parser::Parser*>(parser.get());
    ASSERT_NE(kerfa, nullptr);
    EXPECT_EQ(kerfa->mode(), DoubleTagMode::RemovePrivate);

    kerfa_content::modules::FactorySetup setup;
    setup.metrics = shared::components::new_metrics_arc();
    setup.trace = true;
    const ParserFactory both = ParserFactory::with_setup(setup, DoubleTagMode::Strip);
    EXPECT_EQ(both.kerfa.setup.metrics, setup.metrics);  // the copy shares the one store
    const auto wrapped = both.new_parser(Source::file("a.kerfa"));
    // This factory's trace and meter around the Kerfa factory's own trace and meter.
    const p::Parser* layer = wrapped.get();
    for (int round = 0; round < 2; ++round) {
        const auto* trace = dynamic_cast<const p::ParserTrace*>(layer);
        ASSERT_NE(trace, nullptr) << round;
        const auto* meter = dynamic_cast<const p::ParserMeter*>(&trace->inner());
        ASSERT_NE(meter, nullptr) << round;
        layer = &meter->inner();
    }
    EXPECT_NE(dynamic_cast<const kerfa_parser_kerfa::parser::Parser*>(layer), nullptr);
}

TEST(ParserChoice, ParseFromReadsTheTextWithTheChosenParser) {
    const ParserFactory factory = ParserFactory::with_setup({}, DoubleTagMode::RemovePrivate);
    const auto parse =
        factory.parse_from("<meta>k: v<>\n# A\nx<<p>>secret<<>>\n# B\n", Source::file("doc.kfa"));
    ASSERT_EQ(parse.content.size(), 2u);
    EXPECT_EQ(parse.metadata.get("k"), "v");
    EXPECT_EQ(parse.content[0].as_container()->as_section()->name, "A");
    ASSERT_TRUE(parse.positions.has_value());
    EXPECT_EQ(parse.positions->private_spans.size(), 1u);
}

// Each document type gets its own parser: "NOTES.MD" is Markdown, a file without an extension
// (".bashrc") or with an empty one ("notes.") plain text.
TEST(ParserChoice, EachTypeHasItsOwnParser) {
    const ParserFactory factory = ParserFactory::with_setup({}, DoubleTagMode::RemovePrivate);
    auto is_markdown = [&](const Source& source) {
        return dynamic_cast<const kerfa_parser_markdown::parser::Parser*>(
                   factory.new_parser(source).get()) != nullptr;
    };
    auto is_text = [&](const Source& source) {
        return dynamic_cast<const kerfa_parser_text::parser::Parser*>(
                   factory.new_parser(source).get()) != nullptr;
    };
    EXPECT_TRUE(is_markdown(Source::file("NOTES.MD")));
    EXPECT_TRUE(is_markdown(Source::file("a.markdown")));
    EXPECT_TRUE(is_text(Source::file("notes.txt")));
    EXPECT_TRUE(is_text(Source::file(".bashrc")));
    EXPECT_TRUE(is_text(Source::file("notes.")));
    EXPECT_TRUE(is_text(Source{}));
    EXPECT_NE(dynamic_cast<const kerfa_parser_kerfa::parser::Parser*>(
                  factory.new_parser(Source::file("notes.KFA")).get()),
              nullptr);

    const auto markdown = factory.parse_from("# A\ntext\n", Source::file("a.md"));
    EXPECT_EQ(markdown.content[0].as_container()->as_section()->name, "A");
    const auto text = factory.parse_from("# A\ntext\n", Source::file("a.txt"));
    EXPECT_EQ(text.content.size(), 3u);
}

}  // namespace
}  // namespace kerfa_document_manager
