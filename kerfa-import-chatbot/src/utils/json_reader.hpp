#pragma once

#include <simdjson.h>

#include <expected>
#include <memory>
#include <string_view>

#include "import_chatbot/error.hpp"

namespace import_chatbot::utils {

// A parsed JSON file. It owns the values its root leads to, so they stay valid as long as it
// lives; the file's bytes and the parser's work space are gone once it is made.
class JsonDocument {
  public:
    JsonDocument(std::unique_ptr<simdjson::dom::document> document, simdjson::dom::element root)
        : document_(std::move(document)), root_(root) {}

    simdjson::dom::element root() const { return root_; }

    // The same document with another of its values as the root.
    JsonDocument with_root(simdjson::dom::element root) && {
        root_ = root;
        return std::move(*this);
    }

  private:
    std::unique_ptr<simdjson::dom::document> document_;
    simdjson::dom::element root_;
};

// Reads the whole file and parses it as one JSON value. A file that is not a regular file (a
// FIFO, a device) or whose bytes are not UTF-8 is a read failure; a leading byte-order mark is
// skipped; integers beyond 64 bits and -0 are read as floating-point numbers. Anything else that
// is not one JSON value (within the parser's limits: 1024 levels, 4 GiB) fails to parse with the
// parser's text and the byte offset of the error in the file.
std::expected<JsonDocument, error::ImportError> parse_json_file(std::string_view path);

// parse_json_file of a file whose top level must be an array.
std::expected<JsonDocument, error::ImportError> parse_json_array_file(std::string_view path);

// parse_json_file, whose root is then the record: the value itself, or for an array its first
// element, or null when the array is empty.
std::expected<JsonDocument, error::ImportError> read_json_record(std::string_view path);

}  // namespace import_chatbot::utils
