#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/data/attributes/named_color.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"

namespace {

using namespace kerfa_content::data::kinds;
using namespace kerfa_content::data::attributes;

TEST(BlockKinds, TableRowsAreTheKindsInIdOrder) {
    struct Row {
        std::string_view name;
        ValueNeed need;
        ValueKind value_kind;
        BlockMode mode;
    };
    const std::vector<Row> expected{
        {"block", ValueNeed::Optional, ValueKind::Text, BlockMode::Default},
        {"block-quote", ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
        {"bullet", ValueNeed::Optional, ValueKind::Bullet, BlockMode::List},
        {"bullet-entry", ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
        {"card", ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
        {"codebox", ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
        {"indent", ValueNeed::Optional, ValueKind::Integer, BlockMode::Default},
        {"table", ValueNeed::Optional, ValueKind::TableStyle, BlockMode::Table},
        {"table-row", ValueNeed::None, ValueKind::Boolean, BlockMode::List},
        {"table-entry", ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
        {"table-heading", ValueNeed::Optional, ValueKind::HeadingStyle, BlockMode::TableHeading},
        {"table-heading-row", ValueNeed::None, ValueKind::Boolean, BlockMode::List},
        {"table-heading-entry", ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
        {"standalone-heading", ValueNeed::Optional, ValueKind::HeadingStyle, BlockMode::Table},
    };
    ASSERT_EQ(BLOCK_KINDS.size(), expected.size());
    for (std::size_t id = 0; id < expected.size(); ++id) {
        const auto& record = block_kind_record(static_cast<BlockKind>(id));
        EXPECT_EQ(record.id, id);
        EXPECT_EQ(record.name, expected[id].name);
        EXPECT_EQ(record.need, expected[id].need) << record.name;
        EXPECT_EQ(record.value_kind, expected[id].value_kind) << record.name;
        EXPECT_EQ(record.mode, expected[id].mode) << record.name;
    }
    EXPECT_EQ(block_kind_name(block_kind::STANDALONE_HEADING), "standalone-heading");
}

TEST(PropertyKinds, TableRowsAreTheKindsInIdOrder) {
    struct Row {
        std::string_view name;
        ValueNeed need;
        ValueKind value_kind;
    };
    constexpr auto N = ValueNeed::None;
    constexpr auto B = ValueKind::Boolean;
    const std::vector<Row> expected{
        {"bold", N, B},
        {"caution", N, B},
        {"code", N, B},
        {"dim", N, B},
        {"font-name", ValueNeed::Required, ValueKind::Text},
        {"font-size", ValueNeed::Required, ValueKind::Text},
        {"highlight", N, B},
        {"important", N, B},
        {"italic", N, B},
        {"monospace", N, B},
        {"note", N, B},
        {"small", N, B},
        {"strikethrough", N, B},
        {"subscript", N, B},
        {"superscript", N, B},
        {"underline", N, B},
        {"variable", N, B},
        {"warning", N, B},
        {"tag", N, B},
        {"background", ValueNeed::Required, ValueKind::Color},
        {"badge", ValueNeed::Required, ValueKind::Color},
        {"color", ValueNeed::Required, ValueKind::Color},
        {"address", ValueNeed::Content, ValueKind::Text},
        {"coordinates", ValueNeed::Content, ValueKind::Text},
        {"document", ValueNeed::Content, ValueKind::DocumentLink},
        {"document?", ValueNeed::Content, ValueKind::Text},
        {"document#", ValueNeed::Content, ValueKind::Text},
        {"email", ValueNeed::Content, ValueKind::Text},
        {"link", ValueNeed::Content, ValueKind::Text},
        {"telephone", ValueNeed::Content, ValueKind::Text},
        {"fixed", N, B},
    };
    ASSERT_EQ(PROPERTY_KINDS.size(), expected.size());
    for (std::size_t id = 0; id < expected.size(); ++id) {
        const auto& record = property_kind_record(static_cast<PropertyKind>(id));
        EXPECT_EQ(record.id, id);
        EXPECT_EQ(record.name, expected[id].name);
        EXPECT_EQ(record.need, expected[id].need) << record.name;
        EXPECT_EQ(record.value_kind, expected[id].value_kind) << record.name;
    }
    EXPECT_EQ(property_kind_name(property_kind::DOCUMENT_FILTER), "document?");
    EXPECT_EQ(property_kind_name(property_kind::DOCUMENT_SELECT), "document#");
    EXPECT_EQ(property_kind_name(property_kind::LINK), "link");
}

TEST(KindsDeathTest, OutOfRangeIdIsAnInternalFault) {
    EXPECT_EXIT(block_kind_name(14), ::testing::ExitedWithCode(101), "block kind");
    EXPECT_EXIT(property_kind_name(31), ::testing::ExitedWithCode(101), "property kind");
}

TEST(Kinds, ViewsNameAnIdOutsideTheTablesUnknown) {
    EXPECT_EQ(block_kind_name_or_unknown(block_kind::STANDALONE_HEADING), "standalone-heading");
    EXPECT_EQ(block_kind_name_or_unknown(14), "unknown");
    EXPECT_EQ(block_kind_name_or_unknown(65535), "unknown");
    EXPECT_EQ(property_kind_name_or_unknown(property_kind::FIXED), "fixed");
    EXPECT_EQ(property_kind_name_or_unknown(31), "unknown");
}

TEST(BulletStyles, WrittenNamesInValueOrder) {
    const std::vector<std::string_view> expected{
        "asterisk",    "dash",        "disc",        "circle",
        "plus",        "square",      "decimal",     "decimal-leading-zero",
        "lower-alpha", "upper-alpha", "lower-greek", "lower-roman",
        "upper-roman", "none",
    };
    for (std::uint8_t value = 0; value < expected.size(); ++value) {
        const auto style = bullet_style_from_value(value);
        ASSERT_TRUE(style.has_value());
        EXPECT_EQ(name(*style), expected[value]);
        EXPECT_EQ(is_ordered(*style), value >= 6 && value <= 12) << expected[value];
    }
    EXPECT_FALSE(bullet_style_from_value(14).has_value());
    EXPECT_EQ(name(BulletStyle::DecimalLeadingZero), "decimal-leading-zero");
}

// Written names and words, in value order, exactly as the format defines them.
struct ColorRow {
    std::string_view name;
    std::string_view words;
};
const std::vector<ColorRow>& color_rows() {
    static const std::vector<ColorRow> rows{
        {"#80FF00", "mid yellow green"},
        {"#00FF80", "mid green cyan"},
        {"#0080FF", "mid cyan blue"},
        {"#FF0080", "mid magenta red"},
        {"aliceblue", "alice blue"},
        {"antiquewhite", "antique white"},
        {"aqua", "aqua"},
        {"aquamarine", "aquamarine"},
        {"azure", "azure"},
        {"beige", "beige"},
        {"bisque", "bisque"},
        {"black", "black"},
        {"blanchedalmond", "blanched almond"},
        {"blueviolet", "blue violet"},
        {"blue", "blue"},
        {"brown", "brown"},
        {"burlywood", "burlywood"},
        {"cadetblue", "cadet blue"},
        {"chartreuse", "chartreuse"},
        {"chocolate", "chocolate"},
        {"coral", "coral"},
        {"cornflowerblue", "cornflower blue"},
        {"cornsilk", "cornsilk"},
        {"crimson", "crimson"},
        {"cyan", "cyan"},
        {"darkblue", "dark blue"},
        {"darkcyan", "dark cyan"},
        {"darkgoldenrod", "dark goldenrod"},
        {"darkgray", "dark gray"},
        {"darkgreen", "dark green"},
        {"darkkhaki", "dark khaki"},
        {"darkmagenta", "dark magenta"},
        {"darkolivegreen", "dark olive green"},
        {"darkorange", "dark orange"},
        {"darkorchid", "dark orchid"},
        {"darkred", "dark red"},
        {"darksalmon", "dark salmon"},
        {"darkseagreen", "dark sea green"},
        {"darkslateblue", "dark slate blue"},
        {"darkslategray", "dark slate gray"},
        {"darkturquoise", "dark turquoise"},
        {"darkviolet", "dark violet"},
        {"deeppink", "deep pink"},
        {"deepskyblue", "deep sky blue"},
        {"dimgray", "dim gray"},
        {"dodgerblue", "dodger blue"},
        {"firebrick", "firebrick"},
        {"floralwhite", "floral white"},
        {"forestgreen", "forest green"},
        {"fuchsia", "fuchsia"},
        {"gainsboro", "gainsboro"},
        {"ghostwhite", "ghost white"},
        {"gold", "gold"},
        {"goldenrod", "goldenrod"},
        {"gray", "gray"},
        {"greenyellow", "green yellow"},
        {"green", "green"},
        {"honeydew", "honeydew"},
        {"hotpink", "hot pink"},
        {"indianred", "indian red"},
        {"indigo", "indigo"},
        {"ivory", "ivory"},
        {"khaki", "khaki"},
        {"lavenderblush", "lavender blush"},
        {"lavender", "lavender"},
        {"lawngreen", "lawn green"},
        {"lemonchiffon", "lemon chiffon"},
        {"lightblue", "light blue"},
        {"lightcoral", "light coral"},
        {"lightcyan", "light cyan"},
        {"lightgoldenrodyellow", "light goldenrod yellow"},
        {"lightgray", "light gray"},
        {"lightgreen", "light green"},
        {"lightpink", "light pink"},
        {"lightsalmon", "light salmon"},
        {"lightseagreen", "light sea green"},
        {"lightskyblue", "light sky blue"},
        {"lightslategray", "light slate gray"},
        {"lightsteelblue", "light steel blue"},
        {"lightyellow", "light yellow"},
        {"limegreen", "lime green"},
        {"lime", "lime"},
        {"linen", "linen"},
        {"magenta", "magenta"},
        {"maroon", "maroon"},
        {"mediumaquamarine", "medium aquamarine"},
        {"mediumblue", "medium blue"},
        {"mediumorchid", "medium orchid"},
        {"mediumpurple", "medium purple"},
        {"mediumseagreen", "medium sea green"},
        {"mediumslateblue", "medium slate blue"},
        {"mediumspringgreen", "medium spring green"},
        {"mediumturquoise", "medium turquoise"},
        {"mediumvioletred", "medium violet red"},
        {"midnightblue", "midnight blue"},
        {"mintcream", "mint cream"},
        {"mistyrose", "misty rose"},
        {"moccasin", "moccasin"},
        {"navajowhite", "navajo white"},
        {"navy", "navy"},
        {"oldlace", "old lace"},
        {"olivedrab", "olive drab"},
        {"olive", "olive"},
        {"orangered", "orange red"},
        {"orange", "orange"},
        {"orchid", "orchid"},
        {"palegoldenrod", "pale goldenrod"},
        {"palegreen", "pale green"},
        {"paleturquoise", "pale turquoise"},
        {"palevioletred", "pale violet red"},
        {"papayawhip", "papaya whip"},
        {"peachpuff", "peach puff"},
        {"peru", "peru"},
        {"pink", "pink"},
        {"plum", "plum"},
        {"powderblue", "powder blue"},
        {"purple", "purple"},
        {"rebeccapurple", "rebecca purple"},
        {"red", "red"},
        {"rosybrown", "rosy brown"},
        {"royalblue", "royal blue"},
        {"saddlebrown", "saddle brown"},
        {"salmon", "salmon"},
        {"sandybrown", "sandy brown"},
        {"seagreen", "sea green"},
        {"seashell", "seashell"},
        {"sienna", "sienna"},
        {"silver", "silver"},
        {"skyblue", "sky blue"},
        {"slateblue", "slate blue"},
        {"slategray", "slate gray"},
        {"snow", "snow"},
        {"springgreen", "spring green"},
        {"steelblue", "steel blue"},
        {"tan", "tan"},
        {"teal", "teal"},
        {"thistle", "thistle"},
        {"tomato", "tomato"},
        {"turquoise", "turquoise"},
        {"violet", "violet"},
        {"wheat", "wheat"},
        {"whitesmoke", "white smoke"},
        {"white", "white"},
        {"yellowgreen", "yellow green"},
        {"yellow", "yellow"},
        {"transparent", "transparent"},
    };
    return rows;
}

TEST(NamedColors, NamesAndWordsInValueOrder) {
    const auto& rows = color_rows();
    ASSERT_EQ(rows.size(), 146u);
    ASSERT_EQ(NAMED_COLOR_COUNT, 146u);
    for (std::uint8_t value = 0; value < rows.size(); ++value) {
        const auto color = named_color_from_value(value);
        ASSERT_TRUE(color.has_value());
        EXPECT_EQ(name(*color), rows[value].name) << int(value);
        EXPECT_EQ(color_words(*color), rows[value].words) << int(value);
    }
    EXPECT_FALSE(named_color_from_value(146).has_value());
    EXPECT_EQ(name(NamedColor::MidYellowGreen), "#80FF00");
    EXPECT_EQ(name(NamedColor::BlueViolet), "blueviolet");
    EXPECT_EQ(static_cast<int>(NamedColor::BlueViolet), 13);
    EXPECT_EQ(name(NamedColor::Blue), "blue");
    EXPECT_EQ(name(NamedColor::RebeccaPurple), "rebeccapurple");
    EXPECT_EQ(name(NamedColor::Transparent), "transparent");
    EXPECT_EQ(static_cast<int>(NamedColor::Transparent), 145);
}

TEST(NamedColors, WrittenFormsAreUniqueAndNeverSpellGrey) {
    std::set<std::string> all;
    std::size_t total = 0;
    for (std::uint8_t value = 0; value < NAMED_COLOR_COUNT; ++value) {
        for (auto& form : written_forms(*named_color_from_value(value))) {
            EXPECT_EQ(form.find("grey"), std::string::npos) << form;
            EXPECT_TRUE(all.insert(form).second) << "duplicate form " << form;
            ++total;
        }
    }
    EXPECT_EQ(total, 432u);

    struct Case {
        NamedColor color;
        std::vector<std::string> forms;
    };
    const std::vector<Case> cases{
        {NamedColor::DarkSlateGray,
         {"darkslategray", "dark slate gray", "dark_slate_gray", "dark-slate-gray"}},
        {NamedColor::MidYellowGreen,
         {"midyellowgreen", "mid yellow green", "mid_yellow_green", "mid-yellow-green",
          "midgreenyellow", "mid green yellow", "mid_green_yellow", "mid-green-yellow"}},
        {NamedColor::Burlywood, {"burlywood"}},
        {NamedColor::RebeccaPurple,
         {"rebeccapurple", "rebecca purple", "rebecca_purple", "rebecca-purple"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(written_forms(c.color), c.forms) << name(c.color);
    }
}

}  // namespace
