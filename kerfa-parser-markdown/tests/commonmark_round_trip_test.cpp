// Real Markdown: every CommonMark example, as written and with CR LF line ends, imports without
// fault, and what the importer gives is stable Kerfa: with T1 = kerfa(import(x)),
// T2 = kerfa(parse(T1)) and T3 = kerfa(parse(T2)), T3 == T2.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commonmark_examples.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_parser_markdown/parser/parser.hpp"
#include "kerfa_render_kerfa/renderer.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

using kerfa_content::modules::parser::types::ParseData;

std::string kerfa(ParseData data) {
    kerfa_content::data::types::Document document;
    document.metadata = std::move(data.metadata);
    document.children = std::move(data.content);
    return kerfa_render_kerfa::CanonicalRenderer().render(document);
}

std::string parse_kerfa(const std::string& text) {
    using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;
    return kerfa(kerfa_parser_kerfa::configure::ParserFactory{{}, DoubleTagMode::RemovePrivate}
                     .new_parser()
                     ->parse_str(text));
}

std::string with_crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

TEST(CommonMarkCorpus, EveryExampleGivesStableKerfa) {
    const std::vector<Example> all = commonmark_examples();
    ASSERT_EQ(all.size(), 652u);
    for (const Example& example : all) {
        for (const std::string& input : {example.markdown, with_crlf(example.markdown)}) {
            const std::string t1 = kerfa(parser::Parser::parse(input));
            const std::string t2 = parse_kerfa(t1);
            const std::string t3 = parse_kerfa(t2);
            EXPECT_EQ(t3, t2) << "example at line " << example.line << ":\n" << input;
        }
    }
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
