#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shared/utils/files.hpp"

namespace {

using namespace shared::utils;
using Text = std::optional<std::string>;

TEST(Files, FileExists) {
    char folder_template[] = "/tmp/shared_files_XXXXXX";
    const std::string folder = ::mkdtemp(folder_template);
    const std::string file = folder + "/a.kerfa";
    std::FILE* made = std::fopen(file.c_str(), "w");
    ASSERT_NE(made, nullptr);
    std::fclose(made);
    ASSERT_EQ(::symlink("a.kerfa", (folder + "/good").c_str()), 0);
    ASSERT_EQ(::symlink("missing", (folder + "/dangling").c_str()), 0);

    EXPECT_TRUE(file_exists(file));
    EXPECT_TRUE(file_exists(folder));
    EXPECT_TRUE(file_exists(folder + "/good"));
    EXPECT_FALSE(file_exists(folder + "/dangling"));
    EXPECT_FALSE(file_exists(folder + "/missing"));
    EXPECT_FALSE(file_exists(file + "/below-a-file"));
    EXPECT_FALSE(file_exists(""));
    EXPECT_FALSE(file_exists(std::string("a\0b", 3)));
    std::filesystem::remove_all(folder);
}

TEST(Files, NameStemAndExtension) {
    struct Case {
        std::string path;
        Text name;
        Text stem;
        Text extension;
    };
    const Text none = std::nullopt;
    const std::vector<Case> cases = {
        {"notes.kerfa", "notes.kerfa", "notes", "kerfa"},
        {"/home/ann/Trip plan.kfa", "Trip plan.kfa", "Trip plan", "kfa"},
        {"archive.tar.gz", "archive.tar.gz", "archive.tar", "gz"},
        {"README", "README", "README", none},
        {"ends.", "ends.", "ends", ""},
        {".profile", ".profile", ".profile", none},
        {".config.json", ".config.json", ".config", "json"},
        {"..x", "..x", ".", "x"},
        {"dir/sub/", "sub", "sub", none},
        {"dir/sub///", "sub", "sub", none},
        {"dir/file.md/.", "file.md", "file", "md"},
        {"dir/./file.md", "file.md", "file", "md"},
        {"a/./.", "a", "a", none},
        {"", none, none, none},
        {".", none, none, none},
        {"./", none, none, none},
        {"/", none, none, none},
        {"//", none, none, none},
        {"/.", none, none, none},
        {"..", none, none, none},
        {"a/..", none, none, none},
        {"a/../", none, none, none},
        {"...", "...", "..", ""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string_view> name = file_name(c.path);
        EXPECT_EQ(name ? Text(std::string(*name)) : none, c.name) << c.path;
        EXPECT_EQ(file_stem(c.path), c.stem) << c.path;
        EXPECT_EQ(file_extension(c.path), c.extension) << c.path;
    }
}

TEST(Files, NotUtf8) {
    // No name, but stem and extension with the replacement character.
    const std::string path = "dir/caf\xe9.md";
    EXPECT_EQ(file_name(path), std::nullopt);
    EXPECT_EQ(last_component(path), std::optional<std::string_view>("caf\xe9.md"));
    EXPECT_EQ(file_stem(path), "caf\uFFFD");
    EXPECT_EQ(file_extension(path), "md");
}

TEST(Files, JoinPath) {
    struct Case {
        std::string folder;
        std::string name;
        std::string path;
    };
    const std::vector<Case> cases = {
        {"notes", "Index.kerfa", "notes/Index.kerfa"},
        {"notes/", "Index.kerfa", "notes/Index.kerfa"},
        {"/", "Index.kerfa", "/Index.kerfa"},
        {"", "Index.kerfa", "Index.kerfa"},
        {"notes", ".kerfa", "notes/.kerfa"},
        {"notes", "sub/Index.md", "notes/sub/Index.md"},
        {"notes", "/tmp/Index.md", "/tmp/Index.md"},
        {"a b/{}", "c%d.md", "a b/{}/c%d.md"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(join_path(c.folder, c.name), c.path) << c.folder << " + " << c.name;
    }
}

}  // namespace
