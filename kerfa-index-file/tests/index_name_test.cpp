#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kerfa_index_file/modules/index_name.hpp"

namespace {

using kerfa_index_file::modules::parse_index_name;
using kerfa_index_file::modules::resolve_index_name;
using kerfa_index_file::types::IndexError;
using kerfa_index_file::types::IndexFormat;
using kerfa_index_file::types::IndexName;
using Resolved = std::expected<IndexName, IndexError>;

Resolved invalid(std::string name) {
    return std::unexpected(IndexError::InvalidExtension{std::move(name)});
}

TEST(IndexName, SuffixesAreExactAndAnyOtherDotIsAnError) {
    struct Case {
        std::string name;
        Resolved expected;
    };
    const std::vector<Case> cases{
        {"Notes.kerfa", IndexName{"Notes", IndexFormat::Kerfa}},
        {"Notes.md", IndexName{"Notes", IndexFormat::Markdown}},
        {"Notes", IndexName{"Notes", IndexFormat::Unspecified}},
        {"", IndexName{"", IndexFormat::Unspecified}},
        {".kerfa", IndexName{"", IndexFormat::Kerfa}},
        {".md", IndexName{"", IndexFormat::Markdown}},
        {"a.b.md", IndexName{"a.b", IndexFormat::Markdown}},
        {"x.md.kerfa", IndexName{"x.md", IndexFormat::Kerfa}},
        {"My Index {1}", IndexName{"My Index {1}", IndexFormat::Unspecified}},
        {"sub/Notes.md", IndexName{"sub/Notes", IndexFormat::Markdown}},
        {"notes.KERFA", invalid("notes.KERFA")},
        {"Notes.MD", invalid("Notes.MD")},
        {"Notes.txt", invalid("Notes.txt")},
        {"Notes.markdown", invalid("Notes.markdown")},
        {"Notes.kfa", invalid("Notes.kfa")},
        {"Notes.", invalid("Notes.")},
        {".hidden", invalid(".hidden")},
        {"v1.2 notes", invalid("v1.2 notes")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse_index_name(c.name), c.expected) << c.name;
    }
}

TEST(IndexName, GivenNameThenEnvironmentThenIndex) {
    using Text = std::optional<std::string_view>;
    struct Case {
        Text given;
        Text environment;
        Resolved expected;
    };
    const Text none = std::nullopt;
    const std::vector<Case> cases{
        {none, none, IndexName{"Index", IndexFormat::Unspecified}},
        {"Notes.md", "Contents", IndexName{"Notes", IndexFormat::Markdown}},
        // An empty given name is a name: the file is named by its extension alone.
        {"", "Contents", IndexName{"", IndexFormat::Unspecified}},
        {"Bad.txt", "Contents", invalid("Bad.txt")},
        {none, "Contents", IndexName{"Contents", IndexFormat::Unspecified}},
        {none, "Contents.md", IndexName{"Contents", IndexFormat::Markdown}},
        {none, "Contents.txt", invalid("Contents.txt")},
        // An empty or non-UTF-8 variable counts as unset.
        {none, "", IndexName{"Index", IndexFormat::Unspecified}},
        {none, "Caf\xe9.md", IndexName{"Index", IndexFormat::Unspecified}},
        {none, "\xff", IndexName{"Index", IndexFormat::Unspecified}},
        {none, "Café", IndexName{"Café", IndexFormat::Unspecified}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolve_index_name(c.given, c.environment), c.expected)
            << c.given.value_or("(none)") << " / " << c.environment.value_or("(none)");
    }
}

TEST(IndexError, DisplayTexts) {
    struct Case {
        IndexError error;
        std::string text;
    };
    const std::vector<Case> cases{
        {IndexError::DirectoryNotFound{"docs/{}"}, "Directory not found: docs/{}"},
        {IndexError::NotADirectory{"notes.md"}, "Not a directory: notes.md"},
        {IndexError::ReadDirectoryFailed{"Permission denied"},
         "Failed to read directory: Permission denied"},
        {IndexError::ReadEntryFailed{"Input/output error"},
         "Failed to read entry: Input/output error"},
        {IndexError::InvalidExtension{"Notes.txt"},
         "Invalid index file extension in 'Notes.txt'. Use .kerfa, .md, or no extension."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.as_string(), c.text);
    }
}

}  // namespace
