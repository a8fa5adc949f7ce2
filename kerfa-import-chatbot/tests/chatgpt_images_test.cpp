#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "chatgpt/image_matcher.hpp"
#include "chatgpt/image_walk.hpp"
#include "import_chatbot/chatgpt/images.hpp"
#include "model_printers.hpp"
#include "temp_folder.hpp"

namespace {

using import_chatbot::chatgpt::collect_from;
using import_chatbot::chatgpt::FoundImage;
using import_chatbot::chatgpt::image_id;
using import_chatbot::chatgpt::ImageMatcher;
using import_chatbot::chatgpt::resolve_images;
using import_chatbot::model::Conversation;
using import_chatbot::model::ImageReference;
using import_chatbot::model::Message;
using import_chatbot_test::TempFolder;

std::vector<FoundImage> walk(const TempFolder& folder,
                             const std::vector<std::string>& output_folders = {}) {
    std::vector<FoundImage> images;
    collect_from(folder.path(), images, output_folders);
    return images;
}

// The paths found, relative to the folder.
std::vector<std::string> relative(const TempFolder& folder, const std::vector<FoundImage>& images) {
    std::vector<std::string> paths;
    for (const FoundImage& image : images) {
        paths.push_back(image.path.substr(folder.path().size() + 1));
    }
    return paths;
}

void link(const std::string& target, const std::string& path) {
    ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0) << path;
}

TEST(ImageWalk, FindsImageFilesDepthFirstInNameOrder) {
    const TempFolder folder;
    // Created out of order; the walk sorts each listing by name bytes.
    for (const char* name : {"z.png", "b/y.JPG", "a.webp", "B.jpeg", "b/a/x.WebP", "c.gif",
                             "notes.txt", ".png", "..png", "d.png.txt", "e.", "\xC3\xA9.png"}) {
        folder.write(name, "x");
    }
    folder.write("bad\xFF.png", "x");
    const auto images = walk(folder);
    EXPECT_EQ(relative(folder, images),
              (std::vector<std::string>{"..png", "B.jpeg", "a.webp", "b/a/x.WebP", "b/y.JPG",
                                        "z.png", "\xC3\xA9.png"}));
    EXPECT_EQ(images[0].stem, ".");
    EXPECT_EQ(images[3].stem, "x");
}

TEST(ImageWalk, VisitsEachFolderOnceAndOnlyRegularFiles) {
    const TempFolder folder;
    folder.write("sub/in.png", "x");
    link("..", folder.path("sub/up"));               // a loop through the parent
    link(folder.path("sub"), folder.path("again"));  // a second way into sub
    link(folder.path(), folder.path("sub/root"));    // a second loop
    link(folder.path("missing.png"), folder.path("dangling.png"));
    link(folder.path("sub/in.png"), folder.path("linked.png"));
    ASSERT_EQ(::mkfifo(folder.path("x.png").c_str(), 0600), 0);
    // "again" comes first in name order, so sub's image is found through it, once.
    EXPECT_EQ(relative(folder, walk(folder)),
              (std::vector<std::string>{"again/in.png", "linked.png"}));
}

// An output folder is left out unless it holds an image itself (not through a link): then only
// the image folders of its documents are, and folders without a document of their name are
// walked.
TEST(ImageWalk, LeavesOutWhatOutputFoldersHoldOfEarlierRuns) {
    const TempFolder folder;
    folder.write("a.png", "x");
    folder.write("Kerfa/2024 - T.kerfa", "x");
    folder.write("Kerfa/2024 - T/a.png", "x");
    folder.write("Kerfa/b.png", "x");
    folder.write("Kerfa/old/c.png", "x");
    folder.write("Markdown/M.md", "x");
    folder.write("Markdown/M/d.png", "x");
    link(folder.path("a.png"), folder.path("Markdown/linked.png"));
    const std::vector<std::string> all = {"Kerfa/2024 - T/a.png", "Kerfa/b.png",
                                          "Kerfa/old/c.png",      "Markdown/M/d.png",
                                          "Markdown/linked.png",  "a.png"};
    EXPECT_EQ(relative(folder, walk(folder)), all);
    const std::vector<std::string> found = {"Kerfa/b.png", "Kerfa/old/c.png", "a.png"};
    EXPECT_EQ(relative(folder, walk(folder, {folder.path("Kerfa"), folder.path("Markdown")})),
              found);
    // Named another way, it is still the same folder.
    EXPECT_EQ(
        relative(folder, walk(folder, {folder.path() + "/./Kerfa/", folder.path("Markdown")})),
        found);
    EXPECT_EQ(relative(folder, walk(folder, {folder.path("not-there")})), all);
    // The export folder itself is always walked, without its documents' image folders.
    folder.write("e.kerfa", "x");
    folder.write("e/f.png", "x");
    EXPECT_EQ(relative(folder, walk(folder, {folder.path()})), all);
}

TEST(ImageWalk, PassesOverWhatCannotBeListed) {
    const TempFolder folder;
    std::vector<FoundImage> images;
    collect_from(folder.path("missing"), images);
    collect_from(folder.write("file.png", "x"), images);
    EXPECT_TRUE(images.empty());
}

TEST(ImageMatcher, MatchesIdsAtANameBoundary) {
    const std::vector<FoundImage> images = {
        {"file-ab10", "1"},  {"file-ab1-photo", "2"}, {"file-ab1", "3"},
        {"file-ab1 x", "4"}, {"abc-photo", "5"},      {"abc", "6"},
        {"file-Q_1", "7"},   {"file-Q.b", "8"},       {"file-Z\xC3\xA9", "9"},
        {"file-W~", "10"},   {"file-W!", "11"},
    };
    const ImageMatcher matcher(images);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"file-ab1", "3"},  // the equal stem wins over earlier candidates
        {"file-ab", ""},    // only letters and digits follow it
        {"abc", "6"},
        {"ab", ""},
        {"file-Q", "7"},  // "_" and "." are separators; the first
                          // walked wins
        {"file-Z", "9"},  // a non-ASCII byte is a separator
        {"file-W", "10"},
        {"", ""},
        {"zzz", ""},
        {"file-ab10", "1"},
    };
    for (const auto& [id, path] : cases) {
        const FoundImage* found = matcher.match(id);
        EXPECT_EQ(found ? found->path : "", path) << id;
    }
    EXPECT_EQ(ImageMatcher({}).match("a"), nullptr);
}

TEST(ImageMatcher, IdsLoseTheirPointerPrefix) {
    EXPECT_EQ(image_id("file-service://file-X"), "file-X");
    EXPECT_EQ(image_id("sediment://file_Y"), "file_Y");
    EXPECT_EQ(image_id("file-service://"), "");
    EXPECT_EQ(image_id("sediment://"), "");
    EXPECT_EQ(image_id("abc"), "abc");
    EXPECT_EQ(image_id("SEDIMENT://x"), "SEDIMENT://x");
}

TEST(ResolveImages, FillsEachMessagesImagesInPointerOrder) {
    const TempFolder folder;
    folder.write("file-ab10.png", "x");
    folder.write("images/abc-photo.PNG", "x");
    folder.write("images/file_Y-small.webp", "x");
    folder.write("z/file_Y.jpg", "x");

    Message message;
    message.asset_pointers = {"file-service://file-ab1", "sediment://abc",  "abc",
                              "file-service://file_Y",   "file-service://", "missing",
                              "sediment://file-ab10"};
    message.images = {ImageReference{"stale", "stale"}};
    std::vector<Conversation> conversations = {Conversation{"T", "", {message, Message{}}}};
    resolve_images(conversations, folder.path());
    const std::string images = folder.path("images/");
    EXPECT_EQ(conversations[0].messages[0].images,
              (std::vector<ImageReference>{{images + "abc-photo.PNG", "abc-photo.PNG"},
                                           {images + "abc-photo.PNG", "abc-photo.PNG"},
                                           {folder.path("z/file_Y.jpg"), "file_Y.jpg"},
                                           {folder.path("file-ab10.png"), "file-ab10.png"}}));
    EXPECT_TRUE(conversations[0].messages[1].images.empty());
}

}  // namespace
