// Any bytes through the Kerfa parser in every double-tag mode: no crash, no sanitizer report,
// and every invariant of a parse result holds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "parse_invariants.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "shared/utils/utf8.hpp"

namespace {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

void check(const kerfa_content::modules::parser::types::ParseData& data, std::size_t size,
           DoubleTagMode mode) {
    if (auto broken = kerfa_parser_kerfa::testing::broken_invariant(data, size)) {
        std::fprintf(stderr, "broken invariant in mode %d: %s\n", static_cast<int>(mode),
                     broken->c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    // Raw bytes: positions count the input's own bytes, also where they are not UTF-8.
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const bool valid = shared::utils::is_valid_utf8(text);
    for (DoubleTagMode mode : {DoubleTagMode::Off, DoubleTagMode::Strip, DoubleTagMode::RemoveAll,
                               DoubleTagMode::RemovePrivate}) {
        const auto parser = kerfa_parser_kerfa::configure::ParserFactory{{}, mode}.new_parser();
        check(parser->parse_str(text), size, mode);
        if (mode == DoubleTagMode::RemovePrivate && valid) {
            // The boxed source reads the same characters as the direct one; it sees characters,
            // not bytes, so only valid text has byte positions there.
            check(parser->parse_chars(
                      shared::components::char_iterator::StrCharIterator::boxed(text)),
                  size, mode);
        }
    }
    return 0;
}
