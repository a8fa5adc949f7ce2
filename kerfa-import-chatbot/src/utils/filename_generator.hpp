#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/utils/string_hash.hpp"

namespace import_chatbot::utils {

// The output file name of a conversation: "{date} - {title}{extension}", or, for an empty or
// "Untitled" title, "{date} Untitled {time}{extension}". The date and time come from the first
// 10 bytes and bytes 11 to 18 of created (placeholders when it is shorter); the title is cleaned
// of the characters file systems refuse, its white space collapsed and its length cut at 100
// bytes. Cuts never split a character, and the name never holds "/" or NUL, whatever the export
// gives.
std::string generate_filename(std::string_view title, std::string_view created,
                              std::string_view extension);

// The names given out during one conversion. A name also claims its image folder (the name
// without its extension), so no document's file can collide with another document's folder.
class UsedNames {
  public:
    // Whether the name, or its image folder, is a name or a folder already given out.
    bool is_taken(std::string_view name) const;
    void insert(std::string_view name);

  private:
    friend std::string resolve_duplicate_filename(std::string_view name, UsedNames& used,
                                                  std::string_view extension);

    struct NextNumber {
        std::string extension;
        std::uint64_t number;
    };

    shared::utils::StringSet claimed_;
    // Per stem, the number its last search ended at: numbers below it were taken, and stay so.
    shared::utils::StringMap<NextNumber> next_numbers_;
};

// The name when it is free, else the first free "{stem} - {n}{extension}" for n = 2, 3, ...
// (the stem is the name without the extension when it ends with it). The caller inserts the
// result.
std::string resolve_duplicate_filename(std::string_view name, UsedNames& used,
                                       std::string_view extension);

}  // namespace import_chatbot::utils
