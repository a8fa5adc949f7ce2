#include "modules/source/source.hpp"

#include <unistd.h>

#include <string>

#include <fmt/format.h>

#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "kerfa_source_map/address/handles.hpp"
#include "kerfa_source_map/build/builder.hpp"
#include "kerfa_source_map/elide/elide_private.hpp"
#include "kerfa_tool/utils_read.hpp"
#include "modules/runners.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/stdout.hpp"
#include "types/arguments.hpp"

namespace kerfa_tool::modules {

namespace source {

namespace {

using kerfa_source_map::types::ByteSpan;

// The section layout is always that of a parse that removes private regions and records their
// spans, whether or not they are shown afterwards. Only each section's record is kept, without
// its children: the selection reads titles and ids, the slicing positions.
kerfa_content::modules::parser::types::ParseData parse_for_source(std::string_view text,
                                                                  std::string_view path) {
    const auto factory = kerfa_document_manager::configure::ParserFactory::with_setup(
        {}, DoubleTagMode::RemovePrivate);
    kerfa_content::data::structure::DataList sections;
    auto parse = factory.new_parser(kerfa_content::types::Source::file(std::string(path)))
                     ->parse_str_each(text, [&sections](kerfa_content::data::structure::Data item) {
                         if (const auto* container = item.as_container()) {
                             sections.emplace_back(container->clone_state());
                         }
                     });
    parse.content = std::move(sections);
    return parse;
}

void print_notice(std::size_t count) {
    const std::string notice =
        fmt::format("{} private span(s) elided. Use --show-private to include them.\n", count);
    if (!shared::utils::write_all(STDERR_FILENO, notice)) {
        shared::utils::internal_fault("cannot write to standard error");
    }
}

}  // namespace

types::CommandResult run_source(std::string_view path, std::optional<std::string_view> selector,
                                bool show_private, bool silent) {
    if (!shared::utils::file_exists(path)) {
        return std::unexpected(types::ExitError(fmt::format("File not found: {}", path)));
    }
    const auto text = shared::utils::read_utf8_file(path);
    if (!text) {
        return std::unexpected(types::ExitError(fmt::format("{}: {}", path, text.error())));
    }
    const auto parse = parse_for_source(*text, path);
    const auto map = kerfa_source_map::build::build_source_map(*text, parse);

    ByteSpan range{0, text->size()};
    if (selector) {
        const auto handles = kerfa_source_map::address::section_handles(parse);
        const auto index = kerfa_source_map::address::select_section(handles, *selector);
        // A section the map has no entry for is as good as absent.
        const auto selected = index ? map.section_range(*index) : std::nullopt;
        if (!selected) {
            return std::unexpected(types::ExitError(
                fmt::format("No section '{}' in {} (use an outline id or an exact heading, "
                            "case-insensitive).",
                            *selector, path)));
        }
        range = *selected;
    }

    if (show_private) {
        shared::utils::write_stdout(
            std::string_view(*text).substr(range.first, range.second - range.first));
        return {};
    }
    const auto kept =
        kerfa_source_map::elide::elide_private(*text, range.first, range.second, map.private_spans);
    shared::utils::write_stdout(kept.text);
    if (kept.count > 0 && !silent) {
        print_notice(kept.count);
    }
    return {};
}

}  // namespace source

CommandResult run_command(const Command::PrintSource& command, const Arguments& arguments) {
    const std::optional<std::string_view> selector =
        command.section ? std::optional<std::string_view>(*command.section) : std::nullopt;
    return source::run_source(command.file, selector, arguments.privacy == DoubleTagMode::Strip,
                              arguments.silent);
}

}  // namespace kerfa_tool::modules
