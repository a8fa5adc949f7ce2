#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "shared/utils/file_io.hpp"

namespace import_chatbot_test {

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "chat_import_XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string path(std::string_view name) const { return path_ + "/" + std::string(name); }

    // Writes the file (folders on the way are made) and gives its path.
    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string file = path(name);
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        if (!shared::utils::write_file(file, bytes)) {
            throw std::runtime_error("cannot write " + file);
        }
        return file;
    }

  private:
    std::string path_;
};

}  // namespace import_chatbot_test
