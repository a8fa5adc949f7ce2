// Reading one input file into a parse and a document.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e.hpp"
#include "kerfa_tool/utils_read.hpp"

namespace {

namespace fs = std::filesystem;
using kerfa_tool::DoubleTagMode;

std::string failure(std::string_view path) {
    auto result = kerfa_tool::retrieve(path, DoubleTagMode::RemovePrivate);
    return result ? std::string("ok") : result.error().messages.at(0);
}

TEST(Retrieve, FailsWithTheThreeReadMessages) {
    e2e::TempDir dir;
    dir.write("bad.kerfa", "ok \xFF\xFE");
    fs::create_directory(dir.path() / "folder");
    const std::string root = dir.path().string();
    struct Case {
        std::string path;
        std::string message;
    };
    const std::vector<Case> cases = {
        {root + "/missing.kerfa", "File not found: " + root + "/missing.kerfa"},
        {"", "File not found: "},
        {root + "/folder/..", "Invalid file path: " + root + "/folder/.."},
        {"/", "Invalid file path: /"},
        // The read names the file by its name, not its whole path.
        {root + "/folder", "folder: Is a directory"},
        {root + "/folder/", "folder: Is a directory"},
        {root + "/folder/.", "folder: Is a directory"},
        {root + "/bad.kerfa", "bad.kerfa: stream did not contain valid UTF-8"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failure(c.path), c.message) << c.path;
    }
}

TEST(Retrieve, ParsesWithStoppedTimersAndKeepsNoFormatErrorsInTheDocument) {
    e2e::TempDir dir;
    const fs::path path =
        dir.write("doc.KFA", "<meta>A: 1<>\n# One\nx<<private>>hidden<<>> <nope>y<>\n# Two\n");
    auto retrieved = kerfa_tool::retrieve(path.string(), DoubleTagMode::RemovePrivate);
    ASSERT_TRUE(retrieved.has_value());
    const auto read = retrieved->read_timer.elapsed();
    const auto parse = retrieved->parse_timer.elapsed();
    EXPECT_EQ(retrieved->read_timer.elapsed(), read);
    EXPECT_EQ(retrieved->parse_timer.elapsed(), parse);
    ASSERT_TRUE(retrieved->parse.error.has_value());  // the unknown element
    ASSERT_EQ(retrieved->parse.positions->private_spans.size(), 1u);

    const auto document = kerfa_tool::to_document(path.string(), std::move(retrieved->parse));
    EXPECT_EQ(document.id, 0u);
    EXPECT_EQ(document.name, "");
    EXPECT_EQ(document.source, kerfa_content::types::Source::file(path.string()));
    EXPECT_EQ(document.metadata.get("a"), "1");
    ASSERT_EQ(document.children.size(), 2u);
    EXPECT_EQ(document.children[1].as_container()->as_section()->name, "Two");
}

}  // namespace
