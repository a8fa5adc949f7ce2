#pragma once

// Kerfa texts to test the writers on, and what the tests compare: the fixtures and examples, a
// seeded generator of random texts, the parse of a text, and parsed items with adjacent texts
// merged.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "kerfa_content/testing/normalize.hpp"
#include "kerfa_document_manager/configure/parser_factory.hpp"

namespace kerfa_document_manager::kerfa_texts {

namespace fs = std::filesystem;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::structure::DataList;
using kerfa_content::modules::parser::types::ParseData;
using kerfa_content::testing::first_difference;
using kerfa_content::testing::normalize;

struct Parsed {
    kerfa_content::types::Metadata metadata;
    std::shared_ptr<kerfa_content::data::storage::Arena> storage;  // before the items it holds
    DataList content;
};

inline Parsed parse(std::string_view text) {
    static const auto factory =
        configure::ParserFactory::with_setup({}, configure::DoubleTagMode::RemovePrivate);
    ParseData data = factory.parse_from(text, kerfa_content::types::Source::file("x.kerfa"));
    return Parsed{std::move(data.metadata), std::move(data.storage), std::move(data.content)};
}

// The text's parse with adjacent texts merged and, when `lossy`, what normalize drops dropped.
inline Parsed normalized(std::string_view text, bool lossy) {
    Parsed parsed = parse(text);
    normalize(parsed.content, lossy);
    return parsed;
}

inline std::string show(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

inline std::string read_whole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The Kerfa fixtures of these tests and the examples of the repository.
inline std::vector<fs::path> kerfa_fixture_files() {
    const fs::path here = fs::path(KERFA_TESTS_DIR);
    std::vector<fs::path> files;
    for (const fs::path& folder : {here / "fixtures", here / ".." / ".." / "examples"}) {
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".kerfa") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Random Kerfa text built from the pieces of the markup: elements and their aliases, values
// with quotes and escapes, spans, lists, tables with separators and column entries, headings,
// taglines, metadata, raw HTML, private regions and double tags, line ends of every kind.
class Generator {
  public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    std::string document() {
        std::string text;
        if (chance(4)) {
            text += pick(kDocumentMetadata);
        }
        const int lines = between(1, 14);
        for (int i = 0; i < lines; ++i) {
            line(text);
            text += pick(kLineEnds);
        }
        if (chance(3)) {
            text += pick(kTerminators);  // unterminated things at the end of the input
        }
        return text;
    }

  private:
    static constexpr std::string_view kLineEnds[] = {"\n", "\n", "\n", "\r\n", "\r"};
    static constexpr std::string_view kTerminators[] = {"<>", "<", "<b", "<b ", "<<p>>x"};
    static constexpr std::string_view kDocumentMetadata[] = {
        "<meta>title: T<>\n", "<metadata>\nA: 1\nb = C:\\\\x\n<>\n", "<meta>k: a\\<>b<>\n"};
    static constexpr std::string_view kWords[] = {"word",
                                                  "two words",
                                                  " lead",
                                                  "trail ",
                                                  "#hash",
                                                  "@at",
                                                  "a>b",
                                                  "\"q\"",
                                                  "'s",
                                                  "é",
                                                  "\xC2\xA0nbsp",
                                                  "\xE3\x80\x80ideo",
                                                  "tab\tx",
                                                  "x",
                                                  "C:",
                                                  "??",
                                                  "|",
                                                  "*",
                                                  "-"};
    static constexpr std::string_view kEscapes[] = {"\\<", "\\#",  "\\@", "\\\\",  "\\>",
                                                    "\\t", "\\\"", "\\|", "\\<\\<"};
    static constexpr std::string_view kSpans[] = {"<b>",
                                                  "<bold>",
                                                  "<i>",
                                                  "<strike>",
                                                  "<->",
                                                  "<code>",
                                                  "<red>",
                                                  "<dark-red>",
                                                  "<#abc>",
                                                  "<#A1B2C3>",
                                                  "<color blue>",
                                                  "<color #A1B2C3>",
                                                  "<color red blue>",
                                                  "<bg #ff0>",
                                                  "<fg \"dark slate gray\">",
                                                  "<font-name \"A B\">",
                                                  "<size 12>",
                                                  "<link>",
                                                  "<l x.org>",
                                                  "<link \"a b\">",
                                                  "<link a\\>b>",
                                                  "<link a\\<\\<b>",
                                                  "<link \\'q>",
                                                  "<link \"x\\ny\">",
                                                  "<link \"t\\tb\">",
                                                  "<doc d:?f:#s>",
                                                  "<doc?>",
                                                  "<email>",
                                                  "<zz>",
                                                  "<zz a b>",
                                                  "<color nonsense>",
                                                  "<color>",
                                                  "<bold x>",
                                                  "<!>",
                                                  "<@>"};
    static constexpr std::string_view kAtoms[] = {"<x>",
                                                  "<x yes>",
                                                  "<check checked>",
                                                  "<x maybe>",
                                                  "<hr>",
                                                  "<divider>",
                                                  "<img pic.png>",
                                                  "<img \"a b.png\">",
                                                  "<img \"\">",
                                                  "<img a\\>b>",
                                                  "<img a\\\"b\\\\c>",
                                                  "<img>",
                                                  "<html-block><p>x</p><>",
                                                  "<html_block>a\\<b \\\\ c<>",
                                                  "<htmlblock><>",
                                                  "<<note>>kept<<>>",
                                                  "<<p>>secret<<>>",
                                                  "<<priv>>x<<y>>z<<>>w<<>>",
                                                  "<<x>>",
                                                  "< b",
                                                  "<|>",
                                                  "<||>"};
    static constexpr std::string_view kBlocks[] = {
        "<bullet>",     "<bullet decimal 3>",  "<bullet a>", "<*>",        "<table>",
        "<table grid>", "<table red striped>", "<card>",     "<card red>", "<codebox>",
        "<quote>",      "<bq #abc>",           "<indent 2>", "<in-3>",     "<indent x>",
        "<block>",      "<block \"x y\">",     "<{}>",       "<heading>",  "<heading inverse>",
        "<th>"};
    static constexpr std::string_view kTableParts[] = {"<|>", "<|>", "<||>", "<col>", "<>"};
    static constexpr std::string_view kSectionMetadata[] = {
        "<meta>k: v<>", "<metadata>\nX: 1\ny: a\\\\b\n<>", "<meta>p: a\\<>b<>", "<meta>  <>"};

    void line(std::string& text) {
        // A metadata block takes the line end after it, so a tagline starting the next line would
        // stand in the middle of a line, and the writer writes it where it stands.
        const bool after_metadata = after_metadata_;
        after_metadata_ = false;
        if (after_metadata) {
            text += 'x';
        }
        switch (between(0, 11)) {
            case 0:
                text.append(static_cast<std::size_t>(between(1, 4)), '#');
                if (chance(2)) {
                    text += ' ';
                }
                inline_run(text, between(0, 3));
                break;
            case 1:
                text += chance(2) ? "@ " : "@";
                inline_run(text, between(0, 3));
                break;
            case 2:
                inline_run(text, between(0, 2));
                text += pick(kSectionMetadata);
                after_metadata_ = true;
                break;
            case 3:
            case 4:
                text += pick(kBlocks);
                inline_run(text, between(0, 3));
                break;
            case 5:
                table_row(text);
                break;
            case 6:
                text += "<>";
                break;
            default:
                inline_run(text, between(0, 6));
        }
    }

    void table_row(std::string& text) {
        const int parts = between(1, 5);
        for (int i = 0; i < parts; ++i) {
            if (chance(2)) {
                inline_run(text, between(0, 2));
            }
            text += pick(kTableParts);
        }
    }

    void inline_run(std::string& text, int pieces) {
        for (int i = 0; i < pieces; ++i) {
            switch (between(0, 9)) {
                case 0:
                case 1:
                case 2:
                    text += pick(kWords);
                    break;
                case 3:
                    text += pick(kEscapes);
                    break;
                case 4:
                case 5:
                    text += pick(kSpans);
                    break;
                case 6:
                    text += "<>";
                    break;
                case 7:
                    text += pick(kAtoms);
                    break;
                case 8:
                    text += pick(kBlocks);
                    break;
                default:
                    text += ' ';
            }
        }
    }

    template <std::size_t N>
    std::string_view pick(const std::string_view (&choices)[N]) {
        return choices[static_cast<std::size_t>(between(0, static_cast<int>(N) - 1))];
    }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool chance(int one_in) { return between(1, one_in) == 1; }

    std::mt19937 random_;
    bool after_metadata_ = false;
};

}  // namespace kerfa_document_manager::kerfa_texts
