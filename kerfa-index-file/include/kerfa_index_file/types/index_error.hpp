#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace kerfa_index_file::types {

// Why no index could be planned; each alternative holds the one text its message names.
struct IndexError {
    struct DirectoryNotFound {
        std::string path;
        bool operator==(const DirectoryNotFound&) const = default;
    };
    struct NotADirectory {
        std::string path;
        bool operator==(const NotADirectory&) const = default;
    };
    struct ReadDirectoryFailed {
        std::string error;  // the system's description
        bool operator==(const ReadDirectoryFailed&) const = default;
    };
    struct ReadEntryFailed {
        std::string error;  // the system's description
        bool operator==(const ReadEntryFailed&) const = default;
    };
    struct InvalidExtension {
        std::string name;  // the index name as given
        bool operator==(const InvalidExtension&) const = default;
    };

    using Variant = std::variant<DirectoryNotFound, NotADirectory, ReadDirectoryFailed,
                                 ReadEntryFailed, InvalidExtension>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> IndexError(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor)
        : value(std::forward<Alternative>(alternative)) {}

    // The one-line message the user sees.
    std::string as_string() const;

    bool operator==(const IndexError&) const = default;
};

}  // namespace kerfa_index_file::types
