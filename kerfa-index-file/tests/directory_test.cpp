#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kerfa_index_file/modules/directory.hpp"

namespace {

using kerfa_index_file::modules::index_directory;
using kerfa_index_file::types::IndexError;

class Folder {
  public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kerfa-index-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path() const { return path_.string(); }
    std::string touch(const std::string& name) const {
        std::ofstream((path_ / name).string()) << "x";
        return (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};

constexpr std::string_view KERFA_HEAD = "###### <font-size 2em>Index<>\n<meta>index: none<>\n";

TEST(IndexDirectory, ListsOnlyRegularDocumentFilesDirectlyInside) {
    Folder folder;
    for (const char* name :
         {"B.md", "a.txt", "c d.kerfa", "ü.text", "e.markdown", "f.kfa", "g.log", "h.logs", "..md",
          "NOTES.MD", "notes.TXT", ".md", "x.", "noext", "a.json", "caf\xe9.md", "x.md.bak"}) {
        folder.touch(name);
    }
    std::filesystem::create_directory(folder.path() + "/sub.md");
    folder.touch("sub.md/inner.md");
    ASSERT_EQ(::mkfifo((folder.path() + "/pipe.md").c_str(), 0600), 0);
    std::filesystem::create_symlink("a.txt", folder.path() + "/link.md");
    std::filesystem::create_symlink("missing.md", folder.path() + "/dangling.md");
    std::filesystem::create_symlink("sub.md", folder.path() + "/folder-link.md");

    const auto indexed = index_directory(folder.path(), "Notes.md", false);
    ASSERT_TRUE(indexed.has_value()) << indexed.error().as_string();
    EXPECT_EQ(indexed->file_count, 10U);
    EXPECT_EQ(indexed->plan.file_name, "Notes.md");
    EXPECT_EQ(indexed->plan.content,
              "# Index\n"
              "\n###### [.](..md)"
              "\n###### [B](B.md)"
              "\n###### [a](a.txt)"
              "\n###### [c d](c%20d.kerfa)"
              "\n###### [e](e.markdown)"
              "\n###### [f](f.kfa)"
              "\n###### [g](g.log)"
              "\n###### [h](h.logs)"
              "\n###### [link](link.md)"
              "\n###### [ü](ü.text)");
}

TEST(IndexDirectory, FormatAndFileNameFromTheNameOrTheFlag) {
    Folder folder;
    folder.touch("a.md");
    struct Case {
        std::optional<std::string_view> name;
        bool markdown;
        std::string file_name;
        bool is_markdown;
    };
    const std::vector<Case> cases{
        {"Notes.md", false, "Notes.md", true}, {"Notes.kerfa", true, "Notes.kerfa", false},
        {"Notes", true, "Notes.md", true},     {"Notes", false, "Notes.kerfa", false},
        {"", false, ".kerfa", false},          {"", true, ".md", true},
    };
    for (const Case& c : cases) {
        const auto indexed = index_directory(folder.path(), c.name, c.markdown);
        ASSERT_TRUE(indexed.has_value()) << c.file_name;
        EXPECT_EQ(indexed->plan.file_name, c.file_name);
        EXPECT_EQ(indexed->plan.content.starts_with("# Index\n"), c.is_markdown) << c.file_name;
    }
}

TEST(IndexDirectory, EmptyFolderAndTrailingSlash) {
    Folder folder;
    const auto indexed = index_directory(folder.path() + "/", std::nullopt, false);
    ASSERT_TRUE(indexed.has_value());
    EXPECT_EQ(indexed->file_count, 0U);
    EXPECT_EQ(indexed->plan.content, KERFA_HEAD);
}

TEST(IndexDirectory, FailuresInOrder) {
    Folder folder;
    const std::string file = folder.touch("a.md");
    const std::string missing = folder.path() + "/missing";
    std::filesystem::create_symlink("missing", folder.path() + "/dangling");
    struct Case {
        std::string path;
        std::optional<std::string_view> name;
        IndexError error;
    };
    const std::vector<Case> cases{
        {missing, std::nullopt, IndexError::DirectoryNotFound{missing}},
        // The folder is looked at before the name.
        {missing, "Notes.txt", IndexError::DirectoryNotFound{missing}},
        {"", std::nullopt, IndexError::DirectoryNotFound{""}},
        {folder.path() + "/dangling", std::nullopt,
         IndexError::DirectoryNotFound{folder.path() + "/dangling"}},
        {std::string("a\0b", 3), std::nullopt,
         IndexError::DirectoryNotFound{std::string("a\0b", 3)}},
        {file, std::nullopt, IndexError::NotADirectory{file}},
        {file + "/below", std::nullopt, IndexError::DirectoryNotFound{file + "/below"}},
        {folder.path(), "notes.KERFA", IndexError::InvalidExtension{"notes.KERFA"}},
    };
    for (const Case& c : cases) {
        const auto indexed = index_directory(c.path, c.name, false);
        ASSERT_FALSE(indexed.has_value()) << c.path;
        EXPECT_EQ(indexed.error(), c.error) << c.path;
    }
}

TEST(IndexDirectory, UnreadableFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    Folder folder;
    const std::string locked = folder.path() + "/locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_exec);
    const auto indexed = index_directory(locked, std::nullopt, false);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    ASSERT_FALSE(indexed.has_value());
    EXPECT_EQ(indexed.error(), IndexError(IndexError::ReadDirectoryFailed{"Permission denied"}));
}

// The folder is there but cannot be opened: here because no descriptor is left for it.
TEST(IndexDirectory, FolderThatCannotBeOpened) {
    Folder folder;
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const auto indexed = index_directory(folder.path(), std::nullopt, false);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    ASSERT_FALSE(indexed.has_value());
    EXPECT_EQ(indexed.error(), IndexError(IndexError::ReadDirectoryFailed{"Too many open files"}));
}

}  // namespace
