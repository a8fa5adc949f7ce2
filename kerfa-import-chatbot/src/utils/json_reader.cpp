#include "utils/json_reader.hpp"

#include <optional>
#include <string>

#include "shared/utils/file_io.hpp"
#include "utils/json_text.hpp"

namespace import_chatbot::utils {
namespace {

std::unique_ptr<simdjson::dom::document> null_document() {
    const simdjson::padded_string null_text(std::string_view("null"));
    auto document = std::make_unique<simdjson::dom::document>();
    simdjson::dom::parser parser;
    (void)parser.parse_into_document(*document, null_text);
    return document;
}

// The parser's reason, and where in the file it lies when that is known.
std::string json_error_text(simdjson::error_code code, std::optional<std::size_t> offset) {
    std::string text = simdjson::error_message(code);
    if (offset) {
        text += " at byte offset " + std::to_string(*offset);
    }
    return text;
}

// Reads and parses the file; `check` may refuse the root, which is then an error at its start.
template <typename Check>
std::expected<JsonDocument, error::ImportError> parse_json_text(std::string_view path,
                                                                Check check) {
    auto document = std::make_unique<simdjson::dom::document>();
    simdjson::dom::element root;
    {
        // The spare capacity is the padding the parser reads past the end, so the bytes are
        // parsed where they were read; they and the parser are released at the end of this block.
        auto bytes = shared::utils::read_regular_file(path, simdjson::SIMDJSON_PADDING);
        if (!bytes) {
            return std::unexpected(error::ReadFailed{std::string(path), bytes.error().message()});
        }
        if (!simdjson::validate_utf8(*bytes)) {
            return std::unexpected(error::ReadFailed{
                std::string(path), std::string(shared::utils::INVALID_UTF8_TEXT)});
        }
        std::string_view text(*bytes);
        const std::size_t skipped = text.starts_with(BYTE_ORDER_MARK) ? BYTE_ORDER_MARK.size() : 0;
        text.remove_prefix(skipped);
        const std::optional<std::string> rewritten =
            with_wide_integers_as_floats(text, simdjson::SIMDJSON_PADDING);
        const std::string_view parsed_text = rewritten ? std::string_view(*rewritten) : text;
        simdjson::dom::parser parser;
        const auto parsed =
            parser.parse_into_document(*document, parsed_text.data(), parsed_text.size(), false);
        if (parsed.error() != simdjson::SUCCESS) {
            const std::optional<std::size_t> offset = json_error_offset(text);
            return std::unexpected(error::JsonParseFailed{
                std::string(path),
                json_error_text(parsed.error(),
                                offset ? std::optional(*offset + skipped) : std::nullopt)});
        }
        root = parsed.value_unsafe();
        if (const simdjson::error_code refused = check(root); refused != simdjson::SUCCESS) {
            return std::unexpected(error::JsonParseFailed{
                std::string(path), json_error_text(refused, json_value_offset(text) + skipped)});
        }
    }
    return JsonDocument(std::move(document), root);
}

}  // namespace

std::expected<JsonDocument, error::ImportError> parse_json_file(std::string_view path) {
    return parse_json_text(path, [](simdjson::dom::element) { return simdjson::SUCCESS; });
}

std::expected<JsonDocument, error::ImportError> parse_json_array_file(std::string_view path) {
    return parse_json_text(path, [](simdjson::dom::element root) {
        return root.is_array() ? simdjson::SUCCESS : simdjson::INCORRECT_TYPE;
    });
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
