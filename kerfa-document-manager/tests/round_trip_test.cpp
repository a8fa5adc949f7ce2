// The canonical Kerfa writer's key property: what it writes reads back as the same document.
//
// For a text x, T1 = write(parse(x)), T2 = write(parse(T1)), T3 = write(parse(T2)):
//  - the writing is a fixed point after one round: T3 == T2, and parse(T2) equals parse(T1)
//    once adjacent texts are merged;
//  - the first round loses nothing but what the writer drops by design: invalid elements with
//    their terminators, the boundaries between adjacent texts, and line breaks at the end of a
//    section (a heading or a metadata block written on a line of its own).
// Checked over the fixtures and over random documents from a seeded generator.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_document_manager/configure/parser_factory.hpp"
#include "kerfa_render_kerfa/renderer.hpp"

namespace kerfa_document_manager {
namespace {

namespace fs = std::filesystem;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::Document;
using kerfa_content::modules::parser::types::ParseData;

struct Parsed {
    kerfa_content::types::Metadata metadata;
    std::vector<Data> content;
};

Parsed parse(std::string_view text) {
    static const auto factory =
        configure::ParserFactory::with_setup({}, configure::DoubleTagMode::RemovePrivate);
    ParseData data = factory.parse_from(text, kerfa_content::types::Source::file("x.kerfa"));
    return Parsed{std::move(data.metadata), std::move(data.content)};
}

std::string write(const Parsed& parsed) {
    Document document;
    document.metadata = parsed.metadata;
    document.children = kerfa_content::data::structure::clone_items(parsed.content);
    return kerfa_render_kerfa::CanonicalRenderer().render(document);
}

// Merges adjacent texts in every list and, when `lossy`, also drops invalid elements with their
// terminators and the line breaks that end a section. Iterative, like every walk of a document.
void normalize(std::vector<Data>& top, bool lossy) {
    std::vector<std::vector<Data>*> lists{&top};
    while (!lists.empty()) {
        std::vector<Data>& items = *lists.back();
        lists.pop_back();
        std::vector<Data> kept;
        kept.reserve(items.size());
        std::vector<bool> open_invalid;
        for (Data& item : items) {
            if (const auto* property = item.as_property()) {
                const bool invalid = property->as_invalid() != nullptr;
                open_invalid.push_back(invalid);
                if (invalid && lossy) {
                    continue;
                }
            } else if (item.is_terminator()) {
                if (!open_invalid.empty()) {
                    const bool invalid = open_invalid.back();
                    open_invalid.pop_back();
                    if (invalid && lossy) {
                        continue;
                    }
                }
            } else if (const auto* content = item.as_content();
                       content != nullptr && std::holds_alternative<Content::Text>(*content) &&
                       !kept.empty() && kept.back().as_content() != nullptr &&
                       std::holds_alternative<Content::Text>(*kept.back().as_content())) {
                std::get<Content::Text>(*kept.back().as_content()).text +=
                    std::get<Content::Text>(*content).text;
                continue;
            }
            kept.push_back(std::move(item));
        }
        items = std::move(kept);
        for (Data& item : items) {
            if (auto* container = item.as_container()) {
                lists.push_back(&container->children());
            }
        }
    }
    if (lossy) {
        for (Data& item : top) {
            auto* section = item.as_container() ? item.as_container()->as_section() : nullptr;
            if (section == nullptr) {
                continue;
            }
            while (!section->children.empty() && section->children.back().as_line_break()) {
                section->children.pop_back();
            }
        }
    }
}

Parsed normalized(std::string_view text, bool lossy) {
    Parsed parsed = parse(text);
    normalize(parsed.content, lossy);
    return parsed;
}

// Where two item trees first differ, for failure messages.
std::string first_difference(const std::vector<Data>& a, const std::vector<Data>& b) {
    std::vector<std::tuple<const std::vector<Data>*, const std::vector<Data>*, std::string>> work{
        {&a, &b, "top"}};
    while (!work.empty()) {
        auto [x, y, path] = work.back();
        work.pop_back();
        if (x->size() != y->size()) {
            return path + ": " + std::to_string(x->size()) + " vs " + std::to_string(y->size()) +
                   " items";
        }
        for (std::size_t i = 0; i < x->size(); ++i) {
            const Data& u = (*x)[i];
            const Data& v = (*y)[i];
            const std::string here = path + "/" + std::to_string(i);
            if (u.index() != v.index()) {
                return here + ": kinds " + std::to_string(u.index()) + " vs " +
                       std::to_string(v.index());
            }
            if (u.as_container() == nullptr) {
                if (!(u == v)) {
                    return here + ": leaf items differ";
                }
                continue;
            }
            const auto& cu = *u.as_container();
            const auto& cv = *v.as_container();
            if (const auto* su = cu.as_section()) {
                const auto* sv = cv.as_section();
                if (su->id != sv->id || su->level != sv->level || su->name != sv->name ||
                    su->metadata != sv->metadata) {
                    return here + ": section fields differ (name '" + su->name.value_or("-") +
                           "' vs '" + sv->name.value_or("-") + "')";
                }
            } else if (const auto* bu = cu.as_block()) {
                const auto* bv = cv.as_block();
                if (bu->id != bv->id || bu->attributes != bv->attributes) {
                    return here + ": block fields differ";
                }
            }
            work.emplace_back(&cu.children(), &cv.children(), here);
        }
    }
    return "metadata";
}

std::string show(std::string_view text) {
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

// Whether an invalid element holds a line end inside a list or table entry. While such an element
// is read it opens a span, and an open span keeps the line end inside the entry; written as
// nothing, it no longer does, so the entry's lines come apart when read again. The fixed point
// still holds for such texts; the first round cannot.
bool invalid_span_holds_a_line_end(const std::vector<Data>& top) {
    namespace bk = kerfa_content::data::kinds::block_kind;
    std::vector<std::pair<const std::vector<Data>*, bool>> lists{{&top, false}};
    while (!lists.empty()) {
        const auto [items, in_entry] = lists.back();
        lists.pop_back();
        std::vector<bool> open_invalid;
        std::size_t open_valid = 0;
        for (const Data& item : *items) {
            if (const auto* property = item.as_property()) {
                const bool invalid = property->as_invalid() != nullptr;
                open_invalid.push_back(invalid);
                open_valid += invalid ? 0 : 1;
            } else if (item.is_terminator() && !open_invalid.empty()) {
                open_valid -= open_invalid.back() ? 0 : 1;
                open_invalid.pop_back();
            } else if (item.as_line_break() != nullptr && in_entry && open_valid == 0 &&
                       open_invalid.size() > open_valid) {
                return true;
            } else if (const auto* container = item.as_container()) {
                const auto* block = container->as_block();
                const bool entry = block != nullptr &&
                                   (block->id == bk::BULLET_ENTRY || block->id == bk::TABLE_ENTRY ||
                                    block->id == bk::TABLE_HEADING_ENTRY);
                lists.emplace_back(&container->children(), entry);
            }
        }
    }
    return false;
}

// Empty when the property holds, else what went wrong. `first_round` tells whether the first
// round could be checked.
std::string check_round_trip(const std::string& x, bool* first_round = nullptr) {
    const std::string t1 = write(parse(x));
    const std::string t2 = write(parse(t1));
    const std::string t3 = write(parse(t2));
    std::ostringstream problem;
    if (t3 != t2) {
        problem << "T3 differs from T2\n";
    }
    const Parsed p1 = normalized(t1, false);
    const Parsed p2 = normalized(t2, false);
    if (p1.metadata != p2.metadata || p1.content != p2.content) {
        problem << "parse(T2) differs from parse(T1)\n";
    }
    const Parsed p0 = normalized(x, true);
    const Parsed q1 = normalized(t1, true);
    const bool checkable = !invalid_span_holds_a_line_end(parse(x).content);
    if (first_round != nullptr) {
        *first_round = checkable;
    }
    if (checkable && (p0.metadata != q1.metadata || p0.content != q1.content)) {
        problem << "the first round lost more than it may: "
                << first_difference(p0.content, q1.content) << "\n"
                << "--- write(N(parse(x))):\n"
                << show(write(p0)) << "\n--- write(N(parse(T1))):\n"
                << show(write(q1)) << "\n";
    }
    if (!problem.str().empty()) {
        problem << "--- x:\n"
                << show(x) << "\n--- T1:\n"
                << show(t1) << "\n--- T2:\n"
                << show(t2) << "\n";
    }
    return problem.str();
}

std::string read_whole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RoundTrip, HoldsForEveryFixture) {
    const fs::path here = fs::path(__FILE__).parent_path();
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
    ASSERT_GE(files.size(), 4u);
    for (const fs::path& file : files) {
        EXPECT_EQ(check_round_trip(read_whole(file)), "") << file;
    }
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

TEST(RoundTrip, HoldsForRandomDocuments) {
    constexpr std::uint32_t cases = 2000;
    int failures = 0;
    std::uint32_t first_rounds = 0;
    for (std::uint32_t seed = 1; seed <= cases && failures < 5; ++seed) {
        const std::string x = Generator(seed).document();
        bool first_round = false;
        const std::string problem = check_round_trip(x, &first_round);
        first_rounds += first_round ? 1 : 0;
        if (!problem.empty()) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ": " << problem;
        }
    }
    // Most texts must have had their first round checked too.
    EXPECT_GT(first_rounds, cases * 3 / 4);
}

}  // namespace
}  // namespace kerfa_document_manager
