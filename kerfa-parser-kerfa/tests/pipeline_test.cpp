// Kerfa text in, whole documents and messages out: the grammar through the public parser.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "parse_dump.hpp"
#include "parse_invariants.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

struct Case {
    const char* name;
    std::string input;
    std::string dump;
    std::vector<std::string> messages;
    Mode mode = Mode::Off;
};

void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseData data = parse(c.input, c.mode);
        EXPECT_EQ(dump_items(data.content), c.dump);
        EXPECT_EQ(messages(data), c.messages);
        // No errors means no FormatError at all, not an empty one.
        EXPECT_EQ(data.error.has_value(), !c.messages.empty());
    }
}

const std::string START_TERMINATOR =
    "Unexpected token: 'Impossible terminator '<>' found. Not expected for state 'Start'. "
    "ElementTerminator'.";

TEST(PipelineTest, SectionsTextAndTerminators) {
    check({
        {"empty text", "", "S0[]", {}},
        {"heading joins the implicit section", "# Title", "S0\"Title\"[#0 'Title']", {}},
        {"text then heading", "text\n# Head", "S0['text' /] S1\"Head\"[#0 'Head']", {}},
        {"heading level and blank name", "### \nx", "S0:2[#2 / 'x']", {}},
        {"terminator alone", "<>", "S0[]", {"Line 1: " + START_TERMINATOR}},
        {"terminator with nothing open",
         "word<>",
         "S0['word']",
         {"Line 1: Unexpected terminator <>."}},
        {"two bad tokens in text order",
         "<>\nword<>",
         "S0[/ 'word']",
         {"Line 1: " + START_TERMINATOR, "Line 2: Unexpected terminator <>."}},
        {"orphaned open after text",
         "word <",
         "S0['word ']",
         {"Line 1: Unexpected token: 'Impossible '<' found. Not expected for state 'Default'. "
          "OrphanedElementOpen'."}},
        {"orphaned open alone is kept", "<", "S0['<']", {"Line 1: Unexpected end of input."}},
        {"open span closed by the section", "<b>word", "S0[+bold 'word' -]", {}},
        {"nested spans", "<b>a<i>b<>c<>d", "S0[+bold 'a' +italic 'b' - 'c' - 'd']", {}},
        {"tagline", "@ note\nx", "S0[@ 'note' / 'x']", {}},
        {"line ends of every kind",
         "a\r\nb\rc\n<>",
         "S0['a' /r 'b' /r 'c' /]",
         {"Line 4: Unexpected terminator <>."}},
        {"heading closes an open table",
         "<table>a\n# H\nb",
         "S0[table[table-row[table-entry['a']]]] S1\"H\"[#0 'H' / 'b']",
         {}},
        {"heading named by its whole first line",
         "# Deep <card>x\ny<>\nz",
         "S0\"Deep x\\ny\"[#0 'Deep ' card['x' / 'y'] / 'z']",
         {}},
        {"a name may hold braces",
         "<{x}>a<>",
         "S0[+!{x} 'a' -]",
         {"Line 1: Invalid element: '{x}'."}},
    });
}

TEST(PipelineTest, ListsAndTables) {
    check({
        {"list entries", "<bullet>a\nb<>", "S0[bullet[bullet-entry['a'] bullet-entry['b']]]", {}},
        {"list with empty first and last entries",
         "<bullet>\na\n<>",
         "S0[bullet[bullet-entry[] bullet-entry['a'] bullet-entry[]]]",
         {}},
        {"tagline in a list is text",
         "<bullet>\n@ tag\n<>",
         "S0[bullet[bullet-entry[] bullet-entry['@' 'tag'] bullet-entry[]]]",
         {}},
        {"span in a list entry runs over the line end",
         "<bullet>a <b>x\ny<>z\n<>",
         "S0[bullet[bullet-entry['a ' +bold 'x' / 'y' - 'z'] bullet-entry[]]]",
         {}},
        {"list left open at the end",
         "<bullet decimal extra>",
         "S0[bullet(decimal,\"extra\")[bullet-entry[]]]",
         {}},
        {"rows and separators",
         "<table>a<|>b\nc<>",
         "S0[table[table-row[table-entry['a'] table-entry['b']] table-row[table-entry['c']]]]",
         {}},
        {"two separators give an empty entry",
         "<table>a<|><|>b<>",
         "S0[table[table-row[table-entry['a'] table-entry[] table-entry['b']]]]",
         {}},
        {"two trailing separators",
         "<table>a<|><|><>",
         "S0[table[table-row[table-entry['a'] table-entry[] table-entry[]]]]",
         {}},
        {"one trailing separator before the terminator",
         "<table>a<|><>",
         "S0[table[table-row[table-entry['a']]]]",
         {}},
        {"one trailing separator before the line end",
         "<table>f<|>\n<>",
         "S0[table[table-row[table-entry['f']] table-row[table-entry[]]]]",
         {}},
        {"separators at the start of a row",
         "<table><|><|>a<>",
         "S0[table[table-row[table-entry[] table-entry[] table-entry['a']]]]",
         {}},
        {"empty line in a table",
         "<table>\na<>",
         "S0[table[table-row[table-entry[]] table-row[table-entry['a']]]]",
         {}},
        {"table left open at the end", "<table>", "S0[table[table-row[table-entry[]]]]", {}},
        {"column entry spans lines",
         "<table><||>a\nb<>\n<>",
         "S0[table[table-row[table-entry['a' / 'b']] table-row[table-entry[]]]]",
         {}},
        {"separator after a column entry adds nothing",
         "<table><||>a<><|>b<>",
         "S0[table[table-row[table-entry['a'] table-entry['b']]]]",
         {}},
        {"separator inside a column entry",
         "<table><||>a<|>b<>\n<>",
         "S0[table[table-row[table-entry['a' +!| - 'b']] table-row[table-entry[]]]]",
         {"Line 1: Invalid element: '|'."}},
        {"heading part of a table",
         "<table><th>H1<|>H2<>\nx<>",
         "S0[table[table-heading[table-heading-row[table-heading-entry['H1'] "
         "table-heading-entry['H2']]] table-row[table-entry['x']]]]",
         {}},
        {"standalone heading drops its attributes",
         "<thead bogus>x<>",
         "S0[standalone-heading[table-heading-row[table-heading-entry['x']]]]",
         {"Line 1: Invalid attribute: 'table-heading' => 'bogus'."}},
        {"block inside a table goes into an entry",
         "<table><card>x<>\n<>",
         "S0[table[table-row[table-entry[card['x']]] table-row[table-entry[]]]]",
         {}},
        {"tagline in a table",
         "<table>\n@ t<>",
         "S0[table[table-row[table-entry[]] table-row[table-entry['@' 't']]]]",
         {}},
        {"column and separator outside a table",
         "<||>a<|>b",
         "S0[+!|| 'a' +!| - 'b' -]",
         {"Line 1: Invalid element: '||'.", "Line 1: Invalid element: '|'."}},
    });
}

TEST(PipelineTest, ElementsAndTheirMessages) {
    check({
        {"unknown element, one message",
         "<nonsense a>t<>",
         "S0[+!nonsense(\"a\") 't' -]",
         {"Line 1: Invalid element: 'nonsense'."}},
        {"missing value",
         "<color>x<>",
         "S0[+!color 'x' -]",
         {"Line 1: Missing attribute: 'color'.", "Line 1: Invalid element: 'color'."}},
        {"refused value",
         "<color nonsense>x<>",
         "S0[+!color(!nonsense) 'x' -]",
         {"Line 1: Invalid attribute: 'color' => 'nonsense'.",
          "Line 1: Missing attribute: 'color'.", "Line 1: Invalid element: 'color'."}},
        {"kind name and name as written",
         "<bg nonsense>",
         "S0[+!bg(!nonsense) -]",
         {"Line 1: Invalid attribute: 'background' => 'nonsense'.",
          "Line 1: Missing attribute: 'bg'.", "Line 1: Invalid element: 'bg'."}},
        {"every word of a valueless property",
         "<b x y>z<>",
         "S0[+bold 'z' -]",
         {"Line 1: Unexpected attribute: 'bold' => 'x'.",
          "Line 1: Unexpected attribute: 'bold' => 'y'."}},
        {"every word of a divider",
         "<hr a b>",
         "S0[---]",
         {"Line 1: Unexpected attribute: 'divider-line' => 'a'.",
          "Line 1: Unexpected attribute: 'divider-line' => 'b'."}},
        {"html block keeps the name as written",
         "<HTML-Block x><>",
         "S0[]",
         {"Line 1: Unexpected attribute: 'HTML-Block' => 'x'."}},
        {"fixed names of the table elements",
         "<table>a<| x><|| y>b<>\n<>",
         "S0[table[table-row[table-entry['a'] table-entry['b']] table-row[table-entry[]]]]",
         {"Line 1: Unexpected attribute: 'entry-separator' => 'x'.",
          "Line 1: Unexpected attribute: 'entry-block' => 'y'."}},
        {"check boxes", "<x yes><x><x checked><X no>", "S0[[x] [ ] [x] [ ]]", {}},
        {"check box with a bad value", "<x maybe>", "S0[[ ]]", {"Line 1: Invalid element: 'x'."}},
        {"images",
         "<img pic.png><img>",
         "S0[img'pic.png' +!img -]",
         {"Line 1: Invalid element: 'img'."}},
        {"links", "<link>x<><link x>y<>", "S0[+link* 'x' - +link(\"x\") 'y' -]", {}},
        {"colour elements",
         "<#F0a>x<><Dark_Red>y<><#F0aC>",
         "S0[+color(#f0a) 'x' - +color(darkred) 'y' - +!#F0aC -]",
         {"Line 1: Invalid element: '#F0aC'."}},
        {"a colour name of two words is two words",
         "<dark red>",
         "S0[+!dark(\"red\") -]",
         {"Line 1: Invalid element: 'dark'."}},
        {"indent aliases", "<indent-3 7>x<><in 7>y<>", "S0[indent(3)['x'] indent(7)['y']]", {}},
        {"block with a refused value is still a block",
         "<card\nnonsense>",
         "S0[card(!nonsense)[]]",
         {"Line 1: Invalid attribute: 'card' => 'nonsense'."}},
        {"table styles",
         "<table grid striped>",
         "S0[table(\"grid\",\"striped\")[table-row[table-entry[]]]]",
         {}},
        {"later block words are dropped", "<card red blue>", "S0[card(red)[]]", {}},
        {"table-heading is no name",
         "<table-heading>",
         "S0[+!table-heading -]",
         {"Line 1: Invalid element: 'table-heading'."}},
        {"cut-off element keeps its converted words",
         "<color red",
         "S0[+!color(red) -]",
         {"Line 1: Invalid element: 'color'."}},
        {"cut-off element reports the line of its last token",
         "<bold\n\n\n",
         "S0[+!bold -]",
         {"Line 1: Invalid element: 'bold'."}},
        {"a word on the next line carries the element's line",
         "a\nb\nc\n<bold\ny>",
         "S0['a' / 'b' / 'c' / +bold -]",
         {"Line 4: Unexpected attribute: 'bold' => 'y'."}},
    });
}

TEST(PipelineTest, MetadataAndRawBlocks) {
    check({
        {"html block", "<html-block><p>x</p><>after", "S0[html'<p>x</p>' 'after']", {}},
        {"empty html block leaves the start", "<htmlblock><>\n# H", "S0[/] S1\"H\"[#0 'H']", {}},
        {"blank after leading metadata is text",
         "<meta>a: 1<>\n\n# H",
         "S0[/] S1\"H\"[#0 'H']",
         {}},
        {"terminator after leading metadata",
         "<meta>a: 1<><>",
         "S0[]",
         {"Line 1: " + START_TERMINATOR}},
        {"metadata after text belongs to the section", "x<meta>k: v<>\ny", "S0{k=v}['x' 'y']", {}},
        {"one-word body still gives section metadata", "x<meta>word<>", "S0{}['x']", {}},
        {"the later line wins over case",
         "x<meta>Title: a\ntitle: b\nTITLE: c<>",
         "S0{title=c}['x']",
         {}},
        {"a later block replaces a key", "x<meta>a: 1<><meta>A: 2\nb: 3<>", "S0{a=2,b=3}['x']", {}},
        {"section metadata stays in its section",
         "a\n<meta>k: v<>\n# H\n<meta>j: w<>",
         "S0{k=v}['a' /] S1\"H\"{j=w}[#0 'H' /]",
         {}},
        {"metadata deep in a block belongs to the section",
         "x<card><card><meta>k: v<><><>",
         "S0{k=v}['x' card[card[]]]",
         {}},
    });
}

// Each of these once went wrong in an obvious way; they hold the sound behaviour.
TEST(PipelineTest, MendedFaults) {
    check({
        {"span in a list entry closed after content",
         "<bullet>a<b>x<x>y<>z\n<>",
         "S0[bullet[bullet-entry['a' +bold 'x' [ ] 'y' - 'z'] bullet-entry[]]]",
         {}},
        {"span in a list entry closed after an invalid element",
         "<bullet>a<b>x<q>y<><>z\n<>",
         "S0[bullet[bullet-entry['a' +bold 'x' +!q 'y' - - 'z'] bullet-entry[]]]",
         {"Line 1: Invalid element: 'q'."}},
        {"metadata in a list entry resumes the list",
         "<bullet>a<meta>k: v<>\nb\n<>",
         "S0{k=v}[bullet[bullet-entry['a'] bullet-entry['b'] bullet-entry[]]]",
         {}},
        {"metadata in a table entry resumes the table",
         "<table>a<meta>k: v<>\nb<>",
         "S0{k=v}[table[table-row[table-entry['a']] table-row[table-entry['b']]]]",
         {}},
        {"terminator after metadata in a list entry",
         "<bullet>a<meta>k: v<><>",
         "S0{k=v}[bullet[bullet-entry['a']]]",
         {}},
        {"cut-off element in a list goes into an entry",
         "<bullet>a\n<b",
         "S0[bullet[bullet-entry['a'] bullet-entry[+!b -]]]",
         {"Line 2: Invalid element: 'b'."}},
        {"cut-off element in a table goes into an entry",
         "<table>a\n<q c ",
         "S0[table[table-row[table-entry['a']] table-row[table-entry[+!q(\"c\") -]]]]",
         {"Line 2: Invalid element: 'q'."}},
        {"cut-off element in a row goes into an entry",
         "<table>a<|><b",
         "S0[table[table-row[table-entry['a'] table-entry[+!b -]]]]",
         {"Line 1: Invalid element: 'b'."}},
        {"html block never closed",
         "a\n<html-block>x",
         "S0['a' / html'x']",
         {"Line 2: Unexpected end of input."}},
        {"metadata never closed",
         "a\n<meta>k: v",
         "S0{k=v}['a' /]",
         {"Line 2: Unexpected end of input."}},
        {"raw block closed at the very end", "<html-block>x<>", "S0[html'x']", {}},
        {"double tag never closed",
         "x\n\ncout << x;",
         "S0['x' / / 'cout ']",
         {"Line 3: Unexpected end of input."},
         Mode::Strip},
        {"double tag never closed, private mode",
         "a << b",
         "S0['a ']",
         {"Line 1: Unexpected end of input."},
         Mode::RemovePrivate},
    });
}

TEST(PipelineTest, DoubleTagModes) {
    const std::string text = "a<<note>>b<<>>c<<p>>d<<>>e";
    check({
        {"off: a double tag reads as elements named from its second \"<\"",
         text,
         "S0['a' +!<note '>b' +!< '>c' +!<p '>d' +!< '>e' - - - -]",
         {"Line 1: Invalid element: '<note'.", "Line 1: Invalid element: '<'.",
          "Line 1: Invalid element: '<p'.", "Line 1: Invalid element: '<'."}},
    });
    struct ModeCase {
        Mode mode;
        std::string dump;
        std::vector<std::pair<std::size_t, std::size_t>> spans;
    };
    const std::vector<ModeCase> modes = {
        {Mode::Strip, "S0['abcde']", {}},
        {Mode::RemoveAll, "S0['ace']", {}},
        {Mode::RemovePrivate, "S0['abce']", {{15, 25}}},
    };
    for (const ModeCase& m : modes) {
        SCOPED_TRACE(static_cast<int>(m.mode));
        const ParseData data = parse(text, m.mode);
        EXPECT_EQ(dump_items(data.content), m.dump);
        ASSERT_TRUE(data.positions.has_value());
        EXPECT_EQ(data.positions->private_spans, m.spans);
    }
}

TEST(PipelineTest, PositionsOfSectionsAndPrivateRegions) {
    struct PositionCase {
        const char* name;
        std::string input;
        Mode mode;
        std::vector<std::size_t> starts;
        std::vector<std::pair<std::size_t, std::size_t>> spans;
    };
    const std::vector<PositionCase> cases = {
        {"empty", "", Mode::RemovePrivate, {0}, {}},
        {"heading first", "# A\ntext\n## B", Mode::Off, {0, 9}, {}},
        {"text first", "x\n# A", Mode::Off, {0, 2}, {}},
        {"leading metadata is in no section", "<meta>title: T<>\n# Head", Mode::Off, {17}, {}},
        {"crlf", "a\r\n# B\r\n# C", Mode::Off, {0, 3, 8}, {}},
        {"unclosed private region", "a<<private>>rest", Mode::RemovePrivate, {0}, {{1, 16}}},
        {"spans only in private mode", "a<<private>>rest", Mode::Strip, {0}, {}},
        {"private region joins two lines", "a<<p>>\n<<>>#b", Mode::RemovePrivate, {0}, {{1, 11}}},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseData data = parse(c.input, c.mode);
        ASSERT_TRUE(data.positions.has_value());
        EXPECT_EQ(data.positions->section_starts, c.starts);
        EXPECT_EQ(data.positions->private_spans, c.spans);
    }
    // The region ate the line end, so the "#" is no heading.
    EXPECT_EQ(dump_items(parse("a<<p>>\n<<>>#b", Mode::RemovePrivate).content), "S0['a#b']");
    const ParseData metadata = parse("<meta>title: T<>\n# Head");
    EXPECT_EQ(dump_items(metadata.content), "S0\"Head\"[#0 'Head']");
    EXPECT_EQ(metadata.metadata.get("title"), std::optional<std::string_view>("T"));
}

// Bytes that are not UTF-8 read as U+FFFD but still count as the bytes they were, so positions
// stay inside the input.
TEST(PipelineTest, InvalidBytesKeepPositionsInsideTheInput) {
    struct BytesCase {
        const char* name;
        std::string input;
        Mode mode;
        std::vector<std::size_t> starts;
        std::vector<std::pair<std::size_t, std::size_t>> spans;
    };
    const std::vector<BytesCase> cases = {
        {"one stray byte", "\xff\n# A", Mode::Off, {0, 2}, {}},
        {"a cut three-byte character", "\xe2\x82\n# B", Mode::Off, {0, 3}, {}},
        {"stray bytes and a crlf", "\xc3\r\n\xff# C\r\n# D", Mode::Off, {0, 9}, {}},
        {"before a private region", "\xff\xfe<<p>>rest", Mode::RemovePrivate, {0}, {{2, 11}}},
        {"inside a private region",
         "a<<p>>\xf0\x9f"
         "b<<>>\n# E",
         Mode::RemovePrivate,
         {0, 14},
         {{1, 13}}},
    };
    for (const BytesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseData data = parse(c.input, c.mode);
        ASSERT_TRUE(data.positions.has_value());
        EXPECT_EQ(data.positions->section_starts, c.starts);
        EXPECT_EQ(data.positions->private_spans, c.spans);
        EXPECT_EQ(broken_invariant(data, c.input.size()), std::nullopt);
    }
}

// Some editors begin a file with a byte-order mark: it is no text, so a heading right after it
// is a heading, and offsets still count its three bytes.
TEST(PipelineTest, ALeadingByteOrderMarkIsNoText) {
    struct BomCase {
        const char* name;
        std::string input;
        Mode mode;
        std::string dump;
        std::vector<std::size_t> starts;
        std::vector<std::pair<std::size_t, std::size_t>> spans;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<BomCase> cases = {
        {"a heading after it",
         bom + "# Title\nx\n# Two",
         Mode::Off,
         "S0\"Title\"[#0 'Title' / 'x' /] S1\"Two\"[#0 'Two']",
         {0, 13},
         {}},
        {"alone", bom, Mode::Off, "S0[]", {0}, {}},
        {"only the first one", bom + bom + "# T", Mode::Off, "S0['" + bom + "# T']", {0}, {}},
        {"not inside the text", "a" + bom, Mode::Off, "S0['a" + bom + "']", {0}, {}},
        {"before a private region",
         bom + "<<p>>x<<>>y",
         Mode::RemovePrivate,
         "S0['y']",
         {0},
         {{3, 13}}},
    };
    for (const BomCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool boxed : {false, true}) {
            const auto parser = configure::ParserFactory{{}, c.mode}.new_parser();
            const ParseData data =
                boxed ? parser->parse_chars(
                            shared::components::char_iterator::StrCharIterator::boxed(c.input))
                      : parser->parse_str(c.input);
            EXPECT_EQ(dump_items(data.content), c.dump);
            ASSERT_TRUE(data.positions.has_value());
            EXPECT_EQ(data.positions->section_starts, c.starts);
            EXPECT_EQ(data.positions->private_spans, c.spans);
        }
    }
}

// A parse builds its whole tree in the arena it hands over, and leaves every list as it made it,
// so that dropping the document releases the arena without visiting an item.
TEST(PipelineTest, TheTreeIsBuiltInTheArenaAndLeftUntouched) {
    const ParseData data = parse(
        "# T <b>x<>\n<card red>a <link https://example.com/a/long/address>l<> <x yes>\n"
        "<bullet decimal 3>one\ntwo<><table grid><heading>A<|>B<>\n1<|>2<>\n"
        "<img \"a long path/to/an/image.png\"> <doc notes:?todo>d<> <nonsense a b>z<>\n"
        "<meta>k: v<>a text longer than fifteen bytes<html-block><p>raw html</p><>",
        Mode::RemovePrivate);
    ASSERT_NE(data.storage, nullptr);
    std::vector<const kerfa_content::data::structure::DataList*> lists;
    for (const Data& section : data.content) {
        lists.push_back(&section.as_container()->children());
    }
    std::size_t checked = 0;
    while (!lists.empty()) {
        const auto* list = lists.back();
        lists.pop_back();
        EXPECT_TRUE(list->is_pristine());
        ++checked;
        for (const Data& item : *list) {
            const auto* container = item.as_container();
            const auto* block = container != nullptr ? container->as_block() : nullptr;
            const auto* property = item.as_property();
            const auto* attributes = block != nullptr      ? &block->attributes
                                     : property != nullptr ? property->attributes()
                                                           : nullptr;
            if (attributes != nullptr && *attributes) {
                EXPECT_TRUE((*attributes)->is_pristine());
            }
            if (container != nullptr && !container->is_empty()) {
                lists.push_back(&container->children());
            }
        }
    }
    EXPECT_GT(checked, 8u);
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
