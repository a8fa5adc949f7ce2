// Any bytes as a small export folder through the import plan. The input is the options byte,
// then conversations.json, then parts that each begin with a line "=== NAME": NAME is user.json,
// users.json, memories.json or projects.json (the part's bytes are that file) or images (one
// path a line below the export, each made an empty file, so the image walk has something to
// find). The options byte chooses the provider, the format and the output folder. Besides no
// crash: planning writes nothing, every matched image is a file of the export outside the
// image folders runs write, and the documents' names are unique.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "import_chatbot/pipeline.hpp"
#include "scratch.hpp"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view PART = "\n=== ";
constexpr std::size_t MAX_IMAGES = 32;

bool is_file_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.size() <= 64 &&
           name.find('\0') == std::string_view::npos;
}

// A path of at most four names, none of them empty, "." or "..".
bool is_relative_path(std::string_view path) {
    std::size_t names = 0;
    while (true) {
        const std::size_t slash = path.find('/');
        if (!is_file_name(path.substr(0, slash)) || ++names > 4) {
            return false;
        }
        if (slash == std::string_view::npos) {
            return true;
        }
        path.remove_prefix(slash + 1);
    }
}

void make_images(const fs::path& folder, std::string_view listing) {
    std::size_t made = 0;
    while (!listing.empty() && made < MAX_IMAGES) {
        const std::size_t end = listing.find('\n');
        const std::string_view line = listing.substr(0, end);
        listing.remove_prefix(end == std::string_view::npos ? listing.size() : end + 1);
        if (!is_relative_path(line)) {
            continue;
        }
        const fs::path path = folder / std::string(line);
        std::error_code failed;
        fs::create_directories(path.parent_path(), failed);
        if (!failed && !fs::exists(path, failed)) {
            made += fuzz::write_file(path, "") ? 1 : 0;
        }
    }
}

// Every entry below the folder, by its path.
std::set<std::string> tree(const fs::path& folder) {
    std::set<std::string> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        paths.insert(entry.path().string());
    }
    return paths;
}

void make_export(const fs::path& folder, std::string_view input) {
    std::size_t end = input.find(PART);
    fuzz::write_file(folder / "conversations.json", input.substr(0, end));
    while (end != std::string_view::npos) {
        input.remove_prefix(end + PART.size());
        const std::size_t line_end = input.find('\n');
        const std::string_view name = input.substr(0, line_end);
        input.remove_prefix(line_end == std::string_view::npos ? input.size() : line_end + 1);
        end = input.find(PART);
        const std::string_view bytes = input.substr(0, end);
        if (name == "images") {
            make_images(folder, bytes);
        } else if (name == "user.json" || name == "users.json" || name == "memories.json" ||
                   name == "projects.json") {
            // A name the image listing made a folder stays one.
            (void)fuzz::write_file(folder / std::string(name), bytes);
        }
    }
}

import_chatbot::pipeline::ImportRequest request_of(std::uint8_t options, const fs::path& folder) {
    import_chatbot::pipeline::ImportRequest request;
    request.provider = static_cast<std::uint8_t>(options % 3);
    if ((options & 4) != 0) {
        request.format = import_chatbot::formatters::OutputFormat::Markdown;
    }
    // The default folder, the export itself, or a folder of the export that may hold images.
    switch ((options >> 3) % 4) {
        case 1:
            request.output_folder = folder.string();
            break;
        case 2:
            request.output_folder = (folder / "images").string();
            break;
        case 3:
            request.output_folder = (folder / "Kerfa").string();
            break;
        default:
            break;
    }
    if ((options & 32) != 0) {
        request.index_name = "Chats.md";
    }
    return request;
}

// Whether the image lies in a folder that a run writes images into: one named after a document
// beside it in an output folder.
bool in_written_image_folder(const fs::path& image, const std::vector<fs::path>& outputs) {
    for (fs::path folder = image.parent_path();
         folder.has_parent_path() && folder != folder.parent_path();
         folder = folder.parent_path()) {
        const fs::path parent = folder.parent_path();
        std::error_code failed;
        for (const fs::path& output : outputs) {
            if (fs::equivalent(parent, output, failed)) {
                for (const char* extension : {".kerfa", ".md"}) {
                    if (fs::exists(parent / (folder.filename().string() + extension), failed)) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

void check_plan(const import_chatbot::plan::ImportPlan& plan, const fs::path& folder,
                const std::set<std::string>& files) {
    std::set<std::string> names{plan.index.file_name};
    const std::vector<fs::path> outputs = {folder / "Kerfa", folder / "Markdown",
                                           plan.output_folder};
    for (const auto* documents : {&plan.conversations, &plan.memories}) {
        for (const auto& document : *documents) {
            if (!names.insert(document.filename).second) {
                fuzz::fail("two documents of one name", document.filename);
            }
            for (const auto& image : document.images) {
                if (!files.contains(image.source_path) || image.file_name.empty()) {
                    fuzz::fail("an image that is no file of the export", image.source_path);
                }
                if (in_written_image_folder(image.source_path, outputs)) {
                    fuzz::fail("an image from a folder runs write", image.source_path);
                }
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const fs::path folder = fuzz::scratch() / "export";
    fs::remove_all(folder);
    fs::create_directory(folder);
    make_export(folder, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const std::set<std::string> before = tree(folder);
    const auto plan =
        import_chatbot::pipeline::plan_import(folder.string(), request_of(data[0], folder));
    if (tree(folder) != before) {
        fuzz::fail("planning wrote into the export");
    }
    if (plan) {
        check_plan(*plan, folder, before);
    }
    return 0;
}
