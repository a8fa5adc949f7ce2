#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_index_file/modules/index_file.hpp"
#include "kerfa_index_file/utils/link_encoder.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "utils/strip_extension.hpp"

namespace {

using kerfa_index_file::modules::generate_index_file;
using kerfa_index_file::types::IndexPlan;
using Names = std::vector<std::string_view>;

constexpr std::string_view KERFA_HEAD = "###### <font-size 2em>Index<>\n<meta>index: none<>\n";

TEST(IndexFile, NothingListedGivesTheHeadingBlockWithItsLineFeed) {
    EXPECT_EQ(generate_index_file({}, ".kerfa", "Index"),
              (IndexPlan{"Index.kerfa", std::string(KERFA_HEAD)}));
    EXPECT_EQ(generate_index_file({}, ".md", "Index"), (IndexPlan{"Index.md", "# Index\n"}));
    EXPECT_EQ(generate_index_file({}, ".kerfa", ""),
              (IndexPlan{".kerfa", std::string(KERFA_HEAD)}));
}

TEST(IndexFile, NamesSortedByBytesWithoutAFinalLineFeed) {
    const Names names{"ü.text", "c d.kerfa", "a.txt", "B.md", "report.final.md", "Z.logs"};
    EXPECT_EQ(generate_index_file(names, ".kerfa", "Index").content,
              std::string(KERFA_HEAD) +
                  "\n###### <doc>B<>"
                  "\n###### <doc>Z<>"
                  "\n###### <doc>a<>"
                  "\n###### <doc>c d<>"
                  "\n###### <doc>report.final<>"
                  "\n###### <doc>ü<>");
    EXPECT_EQ(generate_index_file(names, ".md", "Notes"),
              (IndexPlan{"Notes.md",
                         "# Index\n"
                         "\n###### [B](B.md)"
                         "\n###### [Z](Z.logs)"
                         "\n###### [a](a.txt)"
                         "\n###### [c d](c%20d.kerfa)"
                         "\n###### [report.final](report.final.md)"
                         "\n###### [ü](ü.text)"}));
}

TEST(IndexFile, FormatFollowsTheExtension) {
    const Names names{"a.md"};
    const std::string kerfa = std::string(KERFA_HEAD) + "\n###### <doc>a<>";
    const std::string markdown = "# Index\n\n###### [a](a.md)";
    struct Case {
        std::string_view extension;
        const std::string& content;
    };
    const std::vector<Case> cases{
        {".md", markdown}, {".markdown", markdown}, {".kerfa", kerfa},
        {".kfa", kerfa},   {".MD", kerfa},          {"", kerfa},
    };
    for (const Case& c : cases) {
        const IndexPlan plan = generate_index_file(names, c.extension, "Index");
        EXPECT_EQ(plan.content, c.content) << c.extension;
        EXPECT_EQ(plan.file_name, "Index" + std::string(c.extension));
    }
}

TEST(IndexFile, NamesAreTakenLiterally) {
    // Kerfa reads "\" and "<" as escapes; Markdown gets the name as it is, placeholders and all.
    const Names names{"a\\b<c>.kerfa", "{link} {name}.md", "x%y#(1)[2].txt"};
    EXPECT_EQ(generate_index_file(names, ".kerfa", "Index").content,
              std::string(KERFA_HEAD) +
                  "\n###### <doc>a\\\\b\\<c><>"
                  "\n###### <doc>x%y#(1)[2]<>"
                  "\n###### <doc>{link} {name}<>");
    EXPECT_EQ(generate_index_file(names, ".md", "Index").content,
              "# Index\n"
              "\n###### [a\\b<c>](a\\b<c>.kerfa)"
              "\n###### [x%y#(1)[2]](x%25y%23%281%29%5B2%5D.txt)"
              "\n###### [{link} {name}]({link}%20{name}.md)");
}

// Each entry stays on one line: Kerfa escapes line feeds, carriage returns and tabs and keeps the
// other control characters, which end no line of it; Markdown writes every control character
// (C0, DEL, C1) as a character reference in the text and percent-encoded in the link.
TEST(IndexFile, ControlCharactersKeepEachEntryOnOneLine) {
    const Names names{"a\nb.md", "c\rd\te.kerfa", "f\x07\x7Fg\u0085h.txt"};
    EXPECT_EQ(generate_index_file(names, ".kerfa", "Index").content,
              std::string(KERFA_HEAD) +
                  "\n###### <doc>a\\nb<>"
                  "\n###### <doc>c\\rd\\te<>"
                  "\n###### <doc>f\x07\x7Fg\u0085h<>");
    EXPECT_EQ(generate_index_file(names, ".md", "Index").content,
              "# Index\n"
              "\n###### [a&#xA;b](a%0Ab.md)"
              "\n###### [c&#xD;d&#x9;e](c%0Dd%09e.kerfa)"
              "\n###### [f&#x7;&#x7F;g&#x85;h](f%07%7Fg%C2%85h.txt)");
}

// What a reader of the Kerfa index finds: one section per document, named after it and holding a
// document link, with no format error.
TEST(IndexFile, KerfaIndexReadsBackAsTheNames) {
    const Names names{
        "plain.kerfa",   "back\\slash.md",    "a<b>c.txt",     "<>.log",
        "tail\\.md",     "# hash.md",         "ünï cödé.text", "a\\<b.kfa",
        "line\nfeed.md", "cr\rlf\r\nhere.md", "tab\t\\n.md",   "bell\x07 next\u0085line.md"};
    const std::string content = generate_index_file(names, ".kerfa", "Index").content;
    const auto parse =
        kerfa_parser_kerfa::configure::ParserFactory{}.new_parser()->parse_str(content);
    EXPECT_FALSE(parse.error.has_value()) << parse.error->messages.front();

    std::vector<std::string> expected;
    for (const std::string_view name : names) {
        expected.emplace_back(kerfa_index_file::utils::strip_extension(name));
    }
    std::ranges::sort(expected);
    ASSERT_EQ(parse.content.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto* container = parse.content[i + 1].as_container();
        ASSERT_NE(container, nullptr);
        const auto* section = container->as_section();
        ASSERT_NE(section, nullptr);
        EXPECT_EQ(section->name, expected[i]);
        bool has_link = false;
        for (const auto& item : container->children()) {
            const auto* property = item.as_property();
            const auto* element = property != nullptr ? property->as_element() : nullptr;
            has_link |= element != nullptr &&
                        element->id == kerfa_content::data::kinds::property_kind::DOCUMENT;
        }
        EXPECT_TRUE(has_link) << expected[i];
    }
}

TEST(IndexFile, StripExtensionRemovesOneKnownSuffix) {
    struct Case {
        std::string_view name;
        std::string_view shown;
    };
    const std::vector<Case> cases{
        {"a.kerfa", "a"},
        {"a.kfa", "a"},
        {"a.md", "a"},
        {"a.markdown", "a"},
        {"a.txt", "a"},
        {"a.text", "a"},
        {"a.log", "a"},
        {"a.logs", "a"},
        {"report.final.md", "report.final"},
        {"a.md.md", "a.md"},
        {"notes.TXT", "notes.TXT"},
        {"a.json", "a.json"},
        {"README", "README"},
        {".md", ""},
        {"amd", "amd"},
        {"a.tar.gz", "a.tar.gz"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kerfa_index_file::utils::strip_extension(c.name), c.shown) << c.name;
    }
}

TEST(IndexFile, EncodeLinkEncodesSevenCharacters) {
    struct Case {
        std::string_view name;
        std::string_view link;
    };
    const std::vector<Case> cases{
        {"", ""},
        {"plain.md", "plain.md"},
        {" #%()[]", "%20%23%25%28%29%5B%5D"},
        {"a b  c.md", "a%20b%20%20c.md"},
        {"100%.md", "100%25.md"},
        {"{}<>\\\"'?&+é\t.md", "{}<>\\\"'?&+é\t.md"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kerfa_index_file::utils::encode_link(c.name), c.link) << c.name;
    }
}

}  // namespace
