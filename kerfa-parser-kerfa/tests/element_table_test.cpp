// The element vocabulary: every name and alias, colour names, "#" colours, and lookups that do
// not depend on case or on the process locale.

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "elements/element_lookup.hpp"
#include "kerfa_content/data/attributes/named_color.hpp"
#include "parse_dump.hpp"

namespace kerfa_parser_kerfa::testing {
namespace {

using elements::ElementLookup;
using elements::types::KerfaElementType;
using kerfa_content::data::attributes::NamedColor;

// "block:<kind>", "property:<kind>", "alias:<kind>=<value>" or the special type's name.
std::string describe(const KerfaElementType& type) {
    return std::visit(
        [](const auto& value) -> std::string {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, KerfaElementType::Block> ||
                          std::is_same_v<T, KerfaElementType::Property>) {
                return std::string(std::is_same_v<T, KerfaElementType::Block> ? "block:"
                                                                              : "property:") +
                       std::string(value.kind->name);
            } else if constexpr (std::is_same_v<T, KerfaElementType::BlockAlias> ||
                                 std::is_same_v<T, KerfaElementType::PropertyAlias>) {
                return "alias:" + std::string(value.kind->name) + "=" +
                       attribute_text(value.attribute);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Checkbox>) {
                return "checkbox";
            } else if constexpr (std::is_same_v<T, KerfaElementType::Divider>) {
                return "divider";
            } else if constexpr (std::is_same_v<T, KerfaElementType::Image>) {
                return "image";
            } else if constexpr (std::is_same_v<T, KerfaElementType::Unknown>) {
                return "unknown";
            } else if constexpr (std::is_same_v<T, KerfaElementType::HtmlBlock>) {
                return "html";
            } else if constexpr (std::is_same_v<T, KerfaElementType::Metadata>) {
                return "metadata";
            } else if constexpr (std::is_same_v<T, KerfaElementType::Column>) {
                return "column";
            } else {
                return "separator";
            }
        },
        type.value);
}

struct Names {
    std::string type;
    std::vector<std::string> names;
};

// Every name of the vocabulary but the colour names.
std::vector<Names> vocabulary() {
    std::vector<Names> all = {
        {"block:block", {"block", "{}", "{"}},
        {"block:block-quote",
         {"quoteblock", "quote_block", "quote-block", "blockquote", "block_quote", "block-quote",
          "quotebox", "quote_box", "quote-box", "bq", "qb"}},
        {"block:bullet", {"bullet", "bullets", "*"}},
        {"block:card",
         {"card", "cardbox", "card_box", "card-box", "cardblock", "card_block", "card-block"}},
        {"block:codebox",
         {"codebox", "code_box", "code-box", "codeblock", "code_block", "code-block", "cb"}},
        {"block:indent", {"indent", "in"}},
        {"block:table", {"table", "t"}},
        {"block:table-heading", {"heading", "head", "h", "th", "thead"}},
        {"separator", {"|"}},
        {"property:bold", {"bold", "b", "strong"}},
        {"property:caution", {"caution"}},
        {"property:code", {"code", "c"}},
        {"property:dim", {"dim", "d", "muted"}},
        {"property:font-name", {"font-name", "font_name", "fontname", "fn"}},
        {"property:font-size", {"font-size", "font_size", "fontsize", "size", "fs"}},
        {"property:highlight", {"highlight", "hl", "mark"}},
        {"property:important", {"important", "imp", "!"}},
        {"property:italic", {"italic", "i", "em"}},
        {"property:monospace", {"monospace", "mono", "m", "fixed-width", "fw"}},
        {"property:note", {"note", "n"}},
        {"property:small", {"small", "s"}},
        {"property:strikethrough", {"strikethrough", "strike", "del", "-"}},
        {"property:subscript", {"subscript", "sub"}},
        {"property:superscript", {"superscript", "super", "sup", "^"}},
        {"property:underline", {"underline", "u", "ins", "_"}},
        {"property:variable", {"variable", "var", "v"}},
        {"property:warning", {"warning", "warn", "w", "!!"}},
        {"property:tag", {"tag", "@"}},
        {"property:background", {"background", "bg", "on"}},
        {"property:badge", {"badge"}},
        {"property:color", {"color", "colour", "fg", "foreground"}},
        {"property:address", {"address", "addr"}},
        {"property:coordinates",
         {"coordinates", "co_ordinates", "co-ordinates", "coord", "co-ord", "co_ord",
          "geocoordinates", "geo_coordinates", "geo-coordinates", "geo_co_ordinates",
          "geo-co-ordinates", "geo"}},
        {"property:document", {"doc", "document"}},
        {"property:document?", {"doc?", "doc:?", "document?", "document:?"}},
        {"property:document#", {"doc#", "doc:#", "document#", "document:#"}},
        {"property:email", {"email", "mailto"}},
        {"property:link", {"link", "l"}},
        {"property:telephone", {"telephone", "tel", "phone"}},
        {"property:fixed", {"fixed"}},
        {"column", {"column", "col", "||"}},
        {"checkbox", {"check", "checkbox", "x"}},
        {"divider", {"divider-line", "divider_line", "divider", "dl", "---", "hr"}},
        {"html", {"html-block", "html_block", "htmlblock"}},
        {"metadata", {"metadata", "meta"}},
        {"image", {"image", "img"}},
    };
    for (int n = 1; n <= 8; ++n) {
        const std::string digit = std::to_string(n);
        all.push_back({"alias:indent=" + digit, {"indent-" + digit, "in-" + digit}});
    }
    return all;
}

// The joined, underscored and hyphenated forms of a colour's words; mixed colours also with
// their two colour words swapped.
std::vector<std::string> element_color_names(NamedColor color) {
    std::vector<std::string> words;
    std::string all(kerfa_content::data::attributes::color_words(color));
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find(' ', start), all.size());
        words.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::vector<std::string>> orders = {words};
    if (static_cast<int>(color) < 4) {
        orders.push_back({words[0], words[2], words[1]});
    }
    std::vector<std::string> names;
    for (const auto& order : orders) {
        if (order.size() == 1) {
            names.push_back(order[0]);
            continue;
        }
        for (const char* separator : {"", "_", "-"}) {
            std::string name = order[0];
            for (std::size_t i = 1; i < order.size(); ++i) {
                name += separator + order[i];
            }
            names.push_back(name);
        }
    }
    return names;
}

TEST(ElementTableTest, EveryNameResolvesToItsKind) {
    const elements::ElementTable& map = elements::element_table();
    std::size_t count = 0;
    for (const Names& entry : vocabulary()) {
        for (const std::string& name : entry.names) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(map.contains(name));
            EXPECT_EQ(describe(*map.find(name)), entry.type);
            ++count;
        }
    }
    for (std::size_t value = 0; value < kerfa_content::data::attributes::NAMED_COLOR_COUNT;
         ++value) {
        const auto color = static_cast<NamedColor>(value);
        for (const std::string& name : element_color_names(color)) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(map.contains(name));
            EXPECT_EQ(describe(*map.find(name)),
                      "alias:color=" + std::string(kerfa_content::data::attributes::name(color)));
            ++count;
        }
    }
    EXPECT_EQ(count, 175u + 338u);
    EXPECT_EQ(map.size(), 513u);  // nothing else, and no name twice
    for (const char* absent : {"table-heading", "bullet-entry", "table-row", "standalone-heading",
                               "dark red", "grey", "html", "indent-9", "in-0"}) {
        EXPECT_FALSE(map.contains(absent)) << absent;
    }
}

TEST(ElementTableTest, LookupsByNameAsWritten) {
    struct Lookup {
        std::string name;
        std::string type;
    };
    const std::vector<Lookup> lookups = {
        {"B", "property:bold"},
        {"STRONG", "property:bold"},
        {"Dark_Red", "alias:color=darkred"},
        {"MID-GREEN-YELLOW", "alias:color=#80FF00"},
        {"#abc", "alias:color=#abc"},
        {"#a0B1c2", "alias:color=#a0b1c2"},
        {"#F0a", "alias:color=#f0a"},
        {"#abcd", "unknown"},
        {"#aabbccdd", "unknown"},
        {"#ggg", "unknown"},
        {"#", "unknown"},
        {"IN-3", "alias:indent=3"},
        {"table-heading", "unknown"},
        {"CheckBox", "checkbox"},
        {"İtalic", "unknown"},  // lower-cases to "i̇talic", not "italic"
    };
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(lookup.name);
        EXPECT_EQ(describe(ElementLookup::get(elements::element_table(), lookup.name)),
                  lookup.type);
    }
    EXPECT_EQ(&elements::element_table(), &elements::element_table());  // built once
}

// Sets a Turkish locale, compiling it into a scratch folder when the system has none installed.
bool set_turkish_locale() {
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8") != nullptr) {
        return true;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kerfa-element-table-test-locales";
    setenv("LOCPATH", folder.c_str(), 1);
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8") != nullptr) {
        return true;  // compiled by an earlier run
    }
    std::filesystem::create_directories(folder);
    const std::string command =
        "localedef -i tr_TR -f UTF-8 '" + (folder / "tr_TR.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return false;
    }
    return std::setlocale(LC_ALL, "tr_TR.UTF-8") != nullptr;
}

// Lower-casing is the root locale's, whatever the process locale says: in Turkish "I" would
// lower-case to a dotless i.
TEST(ElementTableTest, LookupsIgnoreTheProcessLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!set_turkish_locale()) {
        GTEST_SKIP() << "no Turkish locale can be had on this machine";
    }
    const bool turkish = std::tolower('I') != 'i';
    const auto italic = ElementLookup::get(elements::element_table(), "ITALIC");
    const auto image = ElementLookup::get(elements::element_table(), "IMG");
    const ParseData data = parse("<TABLE STRIPED>x<IMPORTANT>y<><>");
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_TRUE(turkish);
    EXPECT_EQ(describe(italic), "property:italic");
    EXPECT_EQ(describe(image), "image");
    EXPECT_EQ(dump_items(data.content),
              "S0[table(\"striped\")[table-row[table-entry['x' +important 'y' -]]]]");
    EXPECT_FALSE(data.error.has_value());
}

}  // namespace
}  // namespace kerfa_parser_kerfa::testing
