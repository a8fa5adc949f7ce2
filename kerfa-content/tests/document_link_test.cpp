#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/data/attributes/document_link.hpp"
#include "utils/document_link_parser.hpp"

namespace {

using kerfa_content::data::attributes::DocumentLink;
using kerfa_content::data::attributes::escape;
using std::nullopt;

TEST(DocumentLinkRead, PartsEscapesAndOrder) {
    struct Case {
        std::string text;
        DocumentLink link;
    };
    const std::vector<Case> cases{
        {"", {nullopt, nullopt, nullopt}},
        {"notes", {"notes", nullopt, nullopt}},
        {"notes:?tag:#part", {"notes", "tag", "part"}},
        {"notes:#part:?tag", {"notes", "tag", "part"}},  // either order
        {":?rest of it", {nullopt, "rest of it", nullopt}},
        {"notes:?", {"notes", nullopt, nullopt}},  // an empty part stays absent
        {"notes:?:#", {"notes", nullopt, nullopt}},
        {":?a:?b", {nullopt, "a:?b", nullopt}},  // the filter is current: text
        {"d:?f:#s:?x", {"d", "f", "s:?x"}},      // the filter already holds a value
        {"d:#s:#t", {"d", nullopt, "s:#t"}},
        {"a:b::c:", {"a:b::c:", nullopt, nullopt}},  // other colons are text
        {"d\\:?x", {"d:?x", nullopt, nullopt}},      // "\:" is a colon everywhere
        {"d\\\\x", {"d\\\\x", nullopt, nullopt}},    // in the document "\\" stays two
        {"d\\\\:?f", {"d\\\\", "f", nullopt}},       // ... and its second backslash escapes nothing
        {"d\\\\\\:?f", {"d\\\\:?f", nullopt, nullopt}},  // the third one does
        {"d:?a\\\\b:#c\\\\", {"d", "a\\b", "c\\"}},      // in filter and select it is one
        {"d:?a\\:?b", {"d", "a:?b", nullopt}},
        {"d:?a\\", {"d", "a\\", nullopt}},    // a backslash at the end
        {"d:?a\\x", {"d", "a\\x", nullopt}},  // before another character
        {"\xC3\xA9:?\xC3\xA9", {"\xC3\xA9", "\xC3\xA9", nullopt}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentLink::from_string(c.text), c.link) << c.text;
        EXPECT_EQ(kerfa_content::utils::parse_document_link(c.text), c.link) << c.text;
    }
}

TEST(DocumentLinkWrite, TextFormAndEscape) {
    struct Case {
        DocumentLink link;
        std::string text;
    };
    const std::vector<Case> cases{
        {{nullopt, nullopt, nullopt}, ""},
        {{"doc", nullopt, nullopt}, "doc"},
        {{nullopt, "f", nullopt}, ":?f"},
        {{nullopt, nullopt, "s"}, ":#s"},
        {{"doc", "f", "s"}, "doc:?f:#s"},
        {{"doc", "a:?b", "c\\d"}, "doc:?a\\:?b:#c\\\\d"},
        {{"doc", "a:#b:c:", nullopt}, "doc:?a\\:#b:c:"},  // only a colon before ? or # escapes
        {{"d:?x\\", nullopt, nullopt}, "d:?x\\"},         // the document is never escaped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.link.to_string(), c.text) << c.text;
    }
    EXPECT_EQ(escape("a\\b:?c:#d:e:"), "a\\\\b\\:?c\\:#d:e:");
}

TEST(DocumentLinkRoundTrip, WrittenFilterAndSelectReadBack) {
    const std::vector<DocumentLink> links{
        {"doc", "a:?b", "c\\d"},    {"doc", "x:", "y"},           {nullopt, "\\", ":#"},
        {"doc", "f\\:?g", nullopt}, {"my doc", nullopt, "sel:?"}, {"a\\\\", "f", "s"},
    };
    for (const auto& link : links) {
        EXPECT_EQ(DocumentLink::from_string(link.to_string()), link) << link.to_string();
    }
}

TEST(DocumentLinkRoundTrip, DocumentNamesThatDoNotSurvive) {
    struct Case {
        DocumentLink link;
        DocumentLink read_back;
    };
    const std::vector<Case> cases{
        {{"a:?b", nullopt, nullopt}, {"a", "b", nullopt}},
        {{"a:#b", "f", nullopt}, {"a", "f", "b"}},
        {{"a\\", "f", nullopt}, {"a:?f", nullopt, nullopt}},  // "\" + ":?" reads as "\:"
        {{"a\\:b", nullopt, nullopt}, {"a:b", nullopt, nullopt}},
        {{"a\\\\\\", "f", nullopt}, {"a\\\\:?f", nullopt, nullopt}},  // an odd run of "\"
        {{"", "f", nullopt}, {nullopt, "f", nullopt}},                // an empty part is absent
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentLink::from_string(c.link.to_string()), c.read_back) << c.link.to_string();
    }
}

}  // namespace
