// Any bytes as the file of the report commands, in both private modes (private text removed, or
// kept with --show-private): `statistics`, `test`, `source` of the whole file and of every
// section by its outline id and by its heading title, and of selectors that name none. Their
// output goes to /dev/null. Besides no crash: a file of UTF-8 text always reports, and a
// section that the outline lists is always found by its id.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "kerfa_source_map/address/handles.hpp"
#include "modules/dispatch.hpp"
#include "scratch.hpp"
#include "shared/utils/utf8.hpp"

namespace {

using kerfa_tool::types::Arguments;
using kerfa_tool::types::Command;
using kerfa_tool::types::DoubleTagMode;

bool succeeds(const Command& command, const Arguments& arguments) {
    return kerfa_tool::modules::dispatch(command, arguments).has_value();
}

std::string section_id(const kerfa_source_map::address::SectionHandle& handle) {
    return std::to_string(handle.id);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0 || ::dup2(null, STDOUT_FILENO) < 0) {
        fuzz::fail("cannot send standard output to /dev/null");
    }
    ::close(null);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The last byte's lowest bit picks the parser by the file's extension.
    const bool markdown = size > 0 && (data[size - 1] & 1) != 0;
    const std::string path = (fuzz::scratch() / (markdown ? "in.md" : "in.kerfa")).string();
    fuzz::must_write_file(path, text);
    const bool valid = shared::utils::is_valid_utf8(text);

    const auto parse = kerfa_document_manager::configure::ParserFactory::with_setup(
                           {}, DoubleTagMode::RemovePrivate)
                           .parse_from(text, kerfa_content::types::Source::file(path));
    const auto handles = kerfa_source_map::address::section_handles(parse);

    for (const DoubleTagMode privacy : {DoubleTagMode::RemovePrivate, DoubleTagMode::Strip}) {
        for (const bool silent : {false, true}) {
            Arguments arguments;
            arguments.silent = silent;
            arguments.privacy = privacy;
            const bool reported =
                succeeds(Command{Command::Stats{path}}, arguments) &&
                succeeds(Command{Command::Test{path}}, arguments) &&
                succeeds(Command{Command::PrintSource{std::nullopt, path}}, arguments);
            if (reported != valid) {
                fuzz::fail(valid ? "a report failed on UTF-8 text" : "a report read non-UTF-8");
            }
            if (silent) {
                continue;
            }
            for (const auto& handle : handles) {
                const bool found =
                    succeeds(Command{Command::PrintSource{section_id(handle), path}}, arguments);
                if (valid && !found) {
                    fuzz::fail("a listed section is not found by its id", section_id(handle));
                }
                if (handle.title) {
                    (void)succeeds(Command{Command::PrintSource{*handle.title, path}}, arguments);
                }
            }
            for (const char* selector : {"0", "+1", " 2 ", "999999999999999999999", "", "x"}) {
                (void)succeeds(Command{Command::PrintSource{std::string(selector), path}},
                               arguments);
            }
        }
    }
    return 0;
}
