// Markdown in, Markdown out. With D1 = import(x), M1 = md(D1), D2 = import(M1), M2 = md(D2),
// D3 = import(M2) and M3 = md(D3): the writing settles after one round (M3 == M2, and D3 == D2
// once adjacent texts are merged), and no text is lost on the way (D1's and D2's texts, joined
// and with white space collapsed, are equal).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "commonmark_examples.hpp"
#include "kerfa_content/testing/dump.hpp"
#include "kerfa_content/utils/tree_walk.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_parser_markdown/parser/parser.hpp"
#include "kerfa_render_markdown/markdown_renderer.hpp"
#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_markdown {
namespace {

using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::structure::DataList;

// A copy of the items: it owns its texts, while the parse's own may live in its arena.
DataList import(std::string_view markdown) {
    const auto parsed = kerfa_parser_markdown::parser::Parser::parse(markdown);
    return kerfa_content::data::structure::clone_items(parsed.content);
}

std::string md(const DataList& items) {
    return MarkdownRenderer().render_all(items);
}

// The document in one line, with every run of adjacent text items made one.
std::string merged_dump(DataList items) {
    std::vector<DataList*> lists{&items};
    while (!lists.empty()) {
        DataList& list = *lists.back();
        lists.pop_back();
        DataList merged;
        for (Data& item : list) {
            const auto* content = item.as_content();
            const auto* text = content != nullptr ? std::get_if<Content::Text>(content) : nullptr;
            Content* last = merged.empty() ? nullptr : merged.back().as_content();
            auto* last_text = last != nullptr ? std::get_if<Content::Text>(last) : nullptr;
            if (text != nullptr && last_text != nullptr) {
                last_text->text += text->text;
            } else {
                merged.push_back(std::move(item));
            }
        }
        list = std::move(merged);
        for (Data& item : list) {
            if (auto* container = item.as_container()) {
                lists.push_back(&container->children());
            }
        }
    }
    return kerfa_content::testing::dump_items(items);
}

// The plain text of the items, every run of white space one blank, none at the ends; the edges of
// blocks count as white space, since whether a block stays one is not a question of text.
std::string collapsed_text(const DataList& items) {
    std::string plain;
    kerfa_content::utils::ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        if (step->event != kerfa_content::utils::WalkEvent::Leaf) {
            plain += ' ';
        } else if (const auto* content = step->node->as_content()) {
            content->text_append(plain);
        } else if (step->node->as_line_break() != nullptr) {
            plain += '\n';
        }
    }
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < plain.size();) {
        const auto c = shared::utils::decode_utf8(plain, i);
        if (c.valid && shared::utils::is_white_space(c.code_point)) {
            blank = true;
        } else {
            if (blank && !out.empty()) {
                out += ' ';
            }
            blank = false;
            out.append(plain, i, c.length);
        }
        i += c.length;
    }
    return out;
}

struct Rounds {
    DataList d1;
    std::string m1;
    std::string d2;
    std::string m2;
    std::string d3;
    std::string m3;
    std::string text1;
    std::string text2;
};

Rounds rounds(std::string_view markdown) {
    Rounds r;
    r.d1 = import(markdown);
    r.m1 = md(r.d1);
    DataList d2 = import(r.m1);
    r.m2 = md(d2);
    DataList d3 = import(r.m2);
    r.m3 = md(d3);
    r.text1 = collapsed_text(r.d1);
    r.text2 = collapsed_text(d2);
    r.d2 = merged_dump(std::move(d2));
    r.d3 = merged_dump(std::move(d3));
    return r;
}

// Where the texts of D1 and D2 part.
std::string text_difference(const Rounds& r) {
    std::size_t at = 0;
    while (at < r.text1.size() && at < r.text2.size() && r.text1[at] == r.text2[at]) {
        ++at;
    }
    const std::size_t from = at > 40 ? at - 40 : 0;
    return "D1 text: ..." + r.text1.substr(from, 80) + "\nD2 text: ..." + r.text2.substr(from, 80);
}

std::string report(std::string_view markdown, const Rounds& r) {
    return text_difference(r) + "\n" + "--- x:\n" + std::string(markdown) + "\n--- M1:\n" + r.m1 +
           "\n--- M2:\n" + r.m2 + "\n--- M3:\n" + r.m3 + "\n--- D2: " + r.d2 + "\n--- D3: " + r.d3;
}

// Chat-style Markdown from a seed: headings, emphasis, code spans holding "_" and backquotes,
// fences inside tight list items, nested numbered and task lists, tables with "|" and empty
// cells, quotes holding lists, links and images. Its words never begin a line with what the
// writer leaves unescaped and a reader would take for markup ("#", ">", "-", "1."), and hold no
// "<", "~" or "&".
class ChatMarkdown {
  public:
    explicit ChatMarkdown(unsigned seed) : random_(seed) {}

    std::string document() {
        std::string out;
        const int blocks = pick(3, 9);
        for (int i = 0; i < blocks; ++i) {
            if (i > 0) {
                out += "\n";
            }
            out += block();
        }
        return out;
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    std::string word() {
        static constexpr std::string_view kWords[] = {
            "alpha",     "beta", "snake_case", "x + y", "note[1]", "path\\to",   "Café",
            "naïve",     "über", "日本語",     "tab",   "value",   "list",       "end.",
            "question?", "wow!", "(paren)",    "a+b",   "50%",     "\"quoted\"", "it's",
        };
        return std::string(kWords[pick(0, std::size(kWords) - 1)]);
    }

    std::string words(int low, int high) {
        std::string out = word();
        for (int i = pick(low, high); i > 1; --i) {
            out += ' ';
            out += word();
        }
        return out;
    }

    std::string code_span() {
        switch (pick(0, 3)) {
            case 0:
                return "`snake_case_name`";
            case 1:
                return "`` a`b ``";
            case 2:
                return "` ``x`` `";
            default:
                return "`*not emphasis*`";
        }
    }

    std::string inline_piece() {
        switch (pick(0, 8)) {
            case 0:
                return "**" + words(1, 3) + "**";
            case 1:
                return "*" + words(1, 2) + "*";
            case 2:
                return "_" + word() + "_";
            case 3:
                return code_span();
            case 4:
                return "[" + words(1, 2) + "](https://example.com/a_b?q=" + word() + ")";
            case 5:
                return "![" + word() + "](images/pic_" + std::to_string(pick(1, 9)) + ".png)";
            case 6:
                return "<https://example.org/x_y>";
            default:
                return words(1, 4);
        }
    }

    std::string line() {
        std::string out = words(1, 2);
        for (int i = pick(1, 4); i > 0; --i) {
            out += ' ';
            out += inline_piece();
        }
        return out;
    }

    std::string paragraph() {
        std::string out = line();
        if (chance(20)) {
            out += "\n" + line();
        }
        return out + "\n";
    }

    std::string fence(std::string_view indent) {
        std::string out = std::string(indent) + "```python\n";
        for (int i = pick(1, 3); i > 0; --i) {
            out += std::string(indent) + "print(\"" + word() + "\")  # _x_ *y*\n";
        }
        return out + std::string(indent) + "```\n";
    }

    std::string list(int depth) {
        const bool numbered = chance(50);
        const bool tasks = !numbered && chance(40);
        const std::string indent(static_cast<std::size_t>(depth) * (numbered ? 3 : 2), ' ');
        std::string out;
        for (int n = 1, items = pick(2, 4); n <= items; ++n) {
            const std::string marker = numbered ? std::to_string(n) + ". " : "- ";
            out += indent + marker;
            if (tasks) {
                out += chance(50) ? "[x] " : "[ ] ";
            }
            out += line() + "\n";
            const std::string inner(indent.size() + marker.size(), ' ');
            if (chance(20)) {
                out += fence(inner);
            } else if (depth < 2 && chance(25)) {
                out += list(depth + 1);
            }
        }
        return out;
    }

    std::string table() {
        const int columns = pick(2, 4);
        std::string out = "|";
        for (int c = 0; c < columns; ++c) {
            out += " " + word() + " |";
        }
        out += "\n|";
        for (int c = 0; c < columns; ++c) {
            out += " --- |";
        }
        out += "\n";
        for (int r = pick(1, 3); r > 0; --r) {
            out += "|";
            for (int c = 0; c < columns; ++c) {
                switch (pick(0, 4)) {
                    case 0:
                        out += "  |";
                        break;
                    case 1:
                        out += " a \\| b |";
                        break;
                    case 2:
                        out += " `x\\|y` |";
                        break;
                    default:
                        out += " " + inline_piece() + " |";
                }
            }
            out += "\n";
        }
        return out;
    }

    std::string quote() {
        if (chance(50)) {
            return "> " + line() + "\n";
        }
        std::string out = "> " + line() + ":\n>\n";
        for (int i = pick(2, 3); i > 0; --i) {
            out += "> - " + line() + "\n";
        }
        return out;
    }

    std::string block() {
        switch (pick(0, 6)) {
            case 0:
                return std::string(static_cast<std::size_t>(pick(1, 3)), '#') + " " + words(1, 3) +
                       (chance(30) ? " " + code_span() : "") + "\n";
            case 1:
                return fence("");
            case 2:
                return list(0);
            case 3:
                return table();
            case 4:
                return quote();
            default:
                return paragraph();
        }
    }

    std::mt19937 random_;
};

TEST(MarkdownRoundTrip, ChatMarkdownSettlesAndKeepsItsText) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const std::string markdown = ChatMarkdown(seed).document();
        const Rounds r = rounds(markdown);
        EXPECT_TRUE(r.m3 == r.m2) << "M3 != M2, seed " << seed << "\n" << report(markdown, r);
        EXPECT_TRUE(r.d3 == r.d2) << "D3 != D2, seed " << seed << "\n" << report(markdown, r);
        EXPECT_TRUE(r.text1 == r.text2) << "text lost, seed " << seed << "\n"
                                        << report(markdown, r);
        if (HasFailure()) {
            return;
        }
    }
}

// Every CommonMark example settles after one round, except these, by the line of the example in
// CommonMark's examples file (none today):
const std::map<std::size_t, std::string_view> kUnsettled{};

// The model read back from the writing of an imported example equals the imported one, adjacent
// texts merged, except for these, by line in CommonMark's examples file, for what Markdown written
// this way cannot carry back:
const std::map<std::size_t, std::string_view> kChanged{
    // Backslash escapes and entities the importer keeps as written come back decoded, or as
    // the markup they stood for.
    {509, "\\&ouml; decoded"},
    {580, "a backslash in an autolink's address"},
    {668, "&#35; read back as a heading"},
    {802, "&#10; lines: an empty text becomes none"},
    {810, "&#9; read back as indented code"},
    {1158, "\\## read back as a heading"},
    {1269, "closing number signs escaped in a heading"},
    {8747, "\\! before a link read back as an image"},
    {8854, "a backslash at the end of an autolink's address"},
    {6065, "a backquote in an autolink's address"},
    // A line break is written as a line end, which a reader takes for a soft break: hard breaks
    // come back as blanks.
    {543, "hard break"},
    {3615, "hard break"},
    {9212, "hard break"},
    {9224, "hard break"},
    {9235, "hard break"},
    {9246, "hard break"},
    {9255, "hard break"},
    {9267, "hard break"},
    {9276, "hard break"},
    // Italic is written with "_", which a reader does not take inside a word or beside "*".
    {6347, "intraword italic"},
    {6362, "intraword italic"},
    {6369, "intraword italic"},
    {6505, "intraword italic"},
    {6944, "italic around bold inside a word"},
    {7049, "italic inside bold inside a word"},
    {7296, "italic inside italic reads as bold"},
    {7310, "italic inside italic reads as bold"},
    // Destinations with parentheses are written bare.
    {7619, "destination with parentheses"},
    {7673, "destination with parentheses"},
    {7680, "destination with parentheses"},
    {7690, "destination with parentheses"},
    // An empty quote is written as nothing; a divider in an entry leaves the entry.
    {3503, "an empty quote"},
    {3891, "an empty quote"},
    {3899, "an empty quote"},
    {1083, "a divider opening an entry"},
    // Adjacent lists of different markers are written with one marker and read back as one.
    {5249, "adjacent lists"},
    {5264, "adjacent lists"},
    // Blank lines the writer adds where a reader would otherwise go on with a block.
    {5734, "blank line after a quote in an entry"},
    {5802, "blank line after a nested list"},
};

TEST(MarkdownRoundTrip, CommonMarkExamplesReadBackAsImported) {
    std::vector<std::size_t> changed;
    for (const auto& example : kerfa_parser_markdown::testing::commonmark_examples()) {
        const std::string first = merged_dump(import(example.markdown));
        const std::string back = merged_dump(import(md(import(example.markdown))));
        if (first == back) {
            continue;
        }
        changed.push_back(example.line);
        EXPECT_TRUE(kChanged.contains(example.line))
            << "example at line " << example.line << "\n--- x:\n"
            << example.markdown << "\n--- D1: " << first << "\n--- D2: " << back;
    }
    std::vector<std::size_t> known;
    for (const auto& [line, what] : kChanged) {
        known.push_back(line);
    }
    EXPECT_EQ(changed, known);
}

// The Kerfa fixtures and examples, written as Markdown and imported (D1), then written and
// imported again (D2): D2 equals D1.
TEST(MarkdownRoundTrip, KerfaFixturesReadBackAsWritten) {
    const std::filesystem::path root(KERFA_SOURCE_ROOT);
    const auto parser =
        kerfa_parser_kerfa::configure::ParserFactory{
            {}, kerfa_parser_kerfa::components::char_iterator::DoubleTagMode::RemovePrivate}
            .new_parser();
    std::vector<std::filesystem::path> files;
    for (const auto& folder : {root / "kerfa-document-manager/tests/fixtures", root / "examples"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".kerfa") {
                files.push_back(entry.path());
            }
        }
    }
    ASSERT_GE(files.size(), 5u);
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string kerfa((std::istreambuf_iterator<char>(in)), {});
        const std::string m1 = md(parser->parse_str(kerfa).content);
        const std::string m2 = md(import(m1));
        EXPECT_EQ(merged_dump(import(m2)), merged_dump(import(m1))) << file << "\n--- M1:\n"
                                                                    << m1 << "\n--- M2:\n"
                                                                    << m2;
    }
}

TEST(MarkdownRoundTrip, CommonMarkExamplesSettle) {
    const auto examples = kerfa_parser_markdown::testing::commonmark_examples();
    ASSERT_EQ(examples.size(), 652u);
    std::vector<std::size_t> unsettled;
    for (const auto& example : examples) {
        const Rounds r = rounds(example.markdown);
        if (r.m3 == r.m2 && r.d3 == r.d2) {
            continue;
        }
        unsettled.push_back(example.line);
        EXPECT_TRUE(kUnsettled.contains(example.line)) << "example at line " << example.line << "\n"
                                                       << report(example.markdown, r);
    }
    std::vector<std::size_t> known;
    for (const auto& [line, what] : kUnsettled) {
        known.push_back(line);
    }
    EXPECT_EQ(unsettled, known);
}

}  // namespace
}  // namespace kerfa_render_markdown
