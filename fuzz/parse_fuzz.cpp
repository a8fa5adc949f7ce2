// Any bytes through the tool's road: the Kerfa parser in every double-tag mode (every invariant
// of a parse result holds), the Markdown importer and the plain-text parser (their documents
// written as canonical Kerfa settle after one reading), then, for text the tool would read
// (UTF-8), every writer the converter has, the canonical and minimalist Kerfa round trips and the
// source map of `source`. A failed check
// prints what broke and aborts, which libFuzzer reports with the input.
//
// Writers join by themselves: every conversion target the converter has a writer for is run on
// every input. A writer with a property worth checking (a round trip) adds its check below.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_content/utils/tree_walk.hpp"
#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_source_map/address/handles.hpp"
#include "kerfa_source_map/build/builder.hpp"
#include "kerfa_source_map/elide/elide_private.hpp"
#include "parse_invariants.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "shared/utils/utf8.hpp"

namespace {

using kerfa_content::modules::parser::types::ParseData;
using kerfa_document_manager::types::ConvertTarget;
using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "broken: %s %s\n", what, detail.c_str());
    std::abort();
}

void check_parse(const ParseData& data, std::size_t size, DoubleTagMode mode) {
    if (auto broken = kerfa_parser_kerfa::testing::broken_invariant(data, size)) {
        fail("parse invariant",
             "in mode " + std::to_string(static_cast<int>(mode)) + ": " + *broken);
    }
}

// The parser choice, double-tag mode and document of a conversion on the command line; the
// file name's extension chooses the parser.
ParseData parse_as_tool(std::string_view text, const char* file_name = "fuzz.kerfa") {
    return kerfa_document_manager::configure::ParserFactory::with_setup(
               {}, DoubleTagMode::RemovePrivate)
        .parse_from(text, kerfa_content::types::Source::file(file_name));
}

std::string convert(std::string_view text, ConvertTarget target,
                    const char* file_name = "fuzz.kerfa") {
    const auto document = kerfa_content::modules::parser::types::to_document(
        parse_as_tool(text, file_name), kerfa_content::types::Source::file(file_name));
    return kerfa_document_manager::components::convertors::convert(document, target);
}

// An imported document written as canonical Kerfa is what the Kerfa parser reads back: T1 is the
// import's writing, T2 its reading written again, and T3 the same once more equals T2.
void check_import_round_trip(std::string_view text, const char* file_name) {
    const std::string first = convert(text, ConvertTarget::Kerfa, file_name);
    const std::string second = convert(first, ConvertTarget::Kerfa);
    const std::string third = convert(second, ConvertTarget::Kerfa);
    if (third != second) {
        fail("imported Kerfa is not stable",
             std::string(file_name) + "\n--- second:\n" + second + "\n--- third:\n" + third);
    }
}

// The blanks that begin the lines of a text, and the most that begin one line.
struct Indentation {
    std::size_t blanks = 0;
    std::size_t widest = 0;
};

Indentation indentation_of(std::string_view out) {
    Indentation result;
    std::size_t line_start = 0;
    while (line_start < out.size()) {
        std::size_t blanks = 0;
        while (line_start + blanks < out.size() && out[line_start + blanks] == ' ') {
            ++blanks;
        }
        result.blanks += blanks;
        result.widest = std::max(result.widest, blanks);
        const std::size_t end = out.find('\n', line_start + blanks);
        line_start = end == std::string_view::npos ? out.size() : end + 1;
    }
    return result;
}

// 256 levels of the widest step, an entry's content column after "-9223372036854775808. ".
constexpr std::size_t kMarkdownLeadPerByte = 256 * 22;

// What plain text may add to every line beyond the input's proportion: its indentation (at most
// 1024 steps of two blanks). Every line begins with an item, so the document's items bound its
// lines.
std::size_t lead_allowance(std::string_view text) {
    const ParseData parse = parse_as_tool(text);
    kerfa_content::utils::ItemWalk<> walk(parse.content);
    std::size_t items = 0;
    std::size_t depth = 0;
    while (const auto step = walk.next()) {
        ++items;
        depth = std::max(depth, step->depth);
    }
    return (items + 1) * (2 * depth + 2048);
}

// Every writer: no crash, and output that grows with the input, never with its square. The
// structure dump and the indented view indent four blanks per level, at most 256 levels a line:
// that indentation is checked on its own and left out of the measure.
// Markdown may add to each line a lead of at most 256 levels, each at most a list label's width;
// every line costs the input a byte at least, so that stays in proportion. Plain text may add
// the per-line indentation of nesting.
void check_writers(std::string_view text) {
    std::optional<std::size_t> leads;
    for (unsigned number = 0; number <= static_cast<unsigned>(ConvertTarget::Text); ++number) {
        const auto target = static_cast<ConvertTarget>(number);
        if (!kerfa_document_manager::components::convertors::has_writer(target)) {
            continue;
        }
        const std::string out = convert(text, target);
        std::size_t measured = out.size();
        if (target == ConvertTarget::Structure || target == ConvertTarget::KerfaIndented) {
            const Indentation indentation = indentation_of(out);
            if (indentation.widest > 256 * 4) {
                fail("a view indents a line beyond 256 levels", "target " + std::to_string(number));
            }
            measured -= indentation.blanks;
        }
        std::size_t allowed = 64 * text.size() + 64 * 1024;
        if (target == ConvertTarget::Markdown) {
            allowed += kMarkdownLeadPerByte * text.size();
        }
        if (target == ConvertTarget::Text) {
            if (!leads) {
                leads = lead_allowance(text);
            }
            allowed += *leads;
        }
        if (measured > allowed) {
            fail("output out of proportion to the input", "target " + std::to_string(number));
        }
    }
}

// Canonical Kerfa reads back as what it says: from its second writing on, parsing and writing
// again gives the same bytes.
void check_canonical_round_trip(std::string_view text) {
    const std::string first = convert(text, ConvertTarget::Kerfa);
    const std::string second = convert(first, ConvertTarget::Kerfa);
    const std::string third = convert(second, ConvertTarget::Kerfa);
    if (third != second) {
        fail("canonical Kerfa is not stable",
             "\n--- second:\n" + second + "\n--- third:\n" + third);
    }
}

// Minimalist Kerfa settles after one reading as canonical Kerfa does.
void check_minimalist_round_trip(std::string_view text) {
    const std::string first = convert(text, ConvertTarget::KerfaMin);
    const std::string second = convert(first, ConvertTarget::KerfaMin);
    const std::string third = convert(second, ConvertTarget::KerfaMin);
    if (third != second) {
        fail("minimalist Kerfa is not stable",
             "\n--- second:\n" + second + "\n--- third:\n" + third);
    }
}

// The source map as `source` uses it: sections follow one another to the end of the text (what
// comes before the first, a document metadata block, belongs to none), each is selected by its
// outline id, and eliding private regions section by section gives the elision of all of them.
void check_source(std::string_view text) {
    const ParseData parse = parse_as_tool(text);
    const auto map = kerfa_source_map::build::build_source_map(text, parse);
    const auto handles = kerfa_source_map::address::section_handles(parse);
    const std::size_t first = map.sections.empty() ? text.size() : map.sections.front().start;
    std::size_t covered = first;
    std::string pieces;
    for (std::size_t i = 0; i < map.sections.size(); ++i) {
        const auto range = map.section_range(i);
        if (!range || range->first != covered || range->second < range->first ||
            range->second > text.size()) {
            fail("sections follow one another");
        }
        covered = range->second;
        if (i < handles.size() && kerfa_source_map::address::select_section(
                                      handles, std::to_string(handles[i].id)) != i) {
            fail("a section is selected by its outline id");
        }
        pieces += kerfa_source_map::elide::elide_private(text, range->first, range->second,
                                                         map.private_spans)
                      .text;
    }
    if (covered != text.size()) {
        fail("sections run to the end of the text");
    }
    if (pieces !=
        kerfa_source_map::elide::elide_private(text, first, text.size(), map.private_spans).text) {
        fail("eliding by section gives the elision of all sections");
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
        check_parse(parser->parse_str(text), size, mode);
        if (mode == DoubleTagMode::RemovePrivate && valid) {
            // The boxed source reads the same characters as the direct one; it sees characters,
            // not bytes, so only valid text has byte positions there.
            check_parse(parser->parse_chars(
                            shared::components::char_iterator::StrCharIterator::boxed(text)),
                        size, mode);
        }
    }
    for (const char* file_name : {"fuzz.md", "fuzz.txt"}) {
        check_import_round_trip(text, file_name);
    }
    // The tool reads only UTF-8 files.
    if (!valid) {
        return 0;
    }
    check_writers(text);
    check_canonical_round_trip(text);
    check_minimalist_round_trip(text);
    check_source(text);
    return 0;
}
