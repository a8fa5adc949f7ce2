#include "kerfa_tool/utils_read.hpp"

#include <fmt/format.h>

#include "kerfa_engine_tool/configure/engine_factory.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"

namespace kerfa_tool {

namespace {

// With a sink, the sections go there; else the parse keeps them.
std::expected<RetrievedFile, types::ExitError> read_and_parse(
    std::string_view path, DoubleTagMode mode,
    const kerfa_content::modules::parser::SectionSink* each) {
    if (!shared::utils::file_exists(path)) {
        return std::unexpected(types::ExitError(fmt::format("File not found: {}", path)));
    }
    const auto name = shared::utils::file_name(path);
    if (!name) {
        return std::unexpected(types::ExitError(fmt::format("Invalid file path: {}", path)));
    }

    shared::components::Timer read_timer;
    auto text = shared::utils::read_utf8_file(path);
    if (!text) {
        return std::unexpected(types::ExitError(fmt::format("{}: {}", *name, text.error())));
    }
    read_timer.stop();

    // The parse time includes making the parser.
    shared::components::Timer parse_timer;
    const auto source = kerfa_content::types::Source::file(std::string(path));
    auto parser = kerfa_engine_tool::configure::EngineFactory::create(0, mode).new_parser(source);
    auto parse = each == nullptr ? parser->parse_str(*text) : parser->parse_str_each(*text, *each);
    parser.reset();
    parse_timer.stop();
    return RetrievedFile{std::move(parse), read_timer, parse_timer};
}

}  // namespace

std::expected<RetrievedFile, types::ExitError> retrieve(std::string_view path, DoubleTagMode mode) {
    return read_and_parse(path, mode, nullptr);
}

std::expected<RetrievedFile, types::ExitError> retrieve_each(
    std::string_view path, DoubleTagMode mode,
    const kerfa_content::modules::parser::SectionSink& each) {
    return read_and_parse(path, mode, &each);
}

kerfa_content::data::types::Document to_document(
    std::string_view path, kerfa_content::modules::parser::types::ParseData parse) {
    return kerfa_content::modules::parser::types::to_document(
        std::move(parse), kerfa_content::types::Source::file(std::string(path)));
}

}  // namespace kerfa_tool
