#include "utils/json_reader.hpp"

#include "shared/utils/file_io.hpp"

namespace import_chatbot::utils {
namespace {

std::unique_ptr<simdjson::dom::document> null_document() {
    const simdjson::padded_string null_text(std::string_view("null"));
    auto document = std::make_unique<simdjson::dom::document>();
    simdjson::dom::parser parser;
    (void)parser.parse_into_document(*document, null_text);
    return document;
}

}  // namespace

std::expected<JsonDocument, error::ImportError> parse_json_file(std::string_view path) {
    auto document = std::make_unique<simdjson::dom::document>();
    simdjson::dom::element root;
    {
        // The spare capacity is the padding the parser reads past the end, so the bytes are
        // parsed where they were read; they and the parser are released at the end of this block.
        auto bytes = shared::utils::read_file(path, simdjson::SIMDJSON_PADDING);
        if (!bytes) {
            return std::unexpected(error::ReadFailed{std::string(path), bytes.error().message()});
        }
        if (!simdjson::validate_utf8(*bytes)) {
            return std::unexpected(error::ReadFailed{
                std::string(path), std::string(shared::utils::INVALID_UTF8_TEXT)});
        }
        simdjson::dom::parser parser;
        const auto parsed = parser.parse_into_document(*document, *bytes);
        if (parsed.error() != simdjson::SUCCESS) {
            return std::unexpected(
                error::JsonParseFailed{std::string(path), simdjson::error_message(parsed.error())});
        }
        root = parsed.value_unsafe();
    }
    return JsonDocument(std::move(document), root);
}

std::expected<JsonDocument, error::ImportError> parse_json_array_file(std::string_view path) {
    auto parsed = parse_json_file(path);
    if (parsed && !parsed->root().is_array()) {
        return std::unexpected(error::JsonParseFailed{
            std::string(path), simdjson::error_message(simdjson::INCORRECT_TYPE)});
    }
    return parsed;
}

std::expected<JsonDocument, error::ImportError> read_json_record(std::string_view path) {
    auto parsed = parse_json_file(path);
    if (!parsed) {
        return parsed;
    }
    simdjson::dom::array array;
    if (parsed->root().get_array().get(array) != simdjson::SUCCESS) {
        return parsed;
    }
    if (array.begin() == array.end()) {
        auto document = null_document();
        const simdjson::dom::element null_value = document->root();
        return JsonDocument(std::move(document), null_value);
    }
    return std::move(*parsed).with_root(*array.begin());
}

}  // namespace import_chatbot::utils
