#include "kerfa_content/data/attributes/named_color.hpp"

#include <array>

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::attributes {

namespace {

struct ColorNames {
    std::string_view name;
    std::string_view words;
};

constexpr std::array<ColorNames, NAMED_COLOR_COUNT> COLOR_NAMES{{
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
}};

constexpr std::size_t MIXED_COLORS = 4;

const ColorNames& names_of(NamedColor color) {
    const auto value = static_cast<std::size_t>(color);
    if (value >= COLOR_NAMES.size()) {
        shared::utils::internal_fault("named colour out of range: " + std::to_string(value));
    }
    return COLOR_NAMES[value];
}

std::vector<std::string_view> split_words(std::string_view words) {
    std::vector<std::string_view> result;
    while (!words.empty()) {
        const auto space = words.find(' ');
        result.push_back(words.substr(0, space));
        words = space == std::string_view::npos ? std::string_view{} : words.substr(space + 1);
    }
    return result;
}

std::string join(const std::vector<std::string_view>& words, std::string_view separator) {
    std::string result;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i != 0) {
            result += separator;
        }
        result += words[i];
    }
    return result;
}

void add_forms(std::vector<std::string>& forms, const std::vector<std::string_view>& words) {
    if (words.size() == 1) {
        forms.emplace_back(words.front());
        return;
    }
    for (const std::string_view separator : {"", " ", "_", "-"}) {
        forms.push_back(join(words, separator));
    }
}

}  // namespace

std::string_view name(NamedColor color) {
    return names_of(color).name;
}

std::string_view color_words(NamedColor color) {
    return names_of(color).words;
}

std::vector<std::string> written_forms(NamedColor color) {
    auto words = split_words(names_of(color).words);
    std::vector<std::string> forms;
    add_forms(forms, words);
    if (static_cast<std::size_t>(color) < MIXED_COLORS) {
        // "mid" and its two colour words in either order.
        std::swap(words[1], words[2]);
        add_forms(forms, words);
    }
    return forms;
}

std::optional<NamedColor> named_color_from_value(std::uint8_t value) {
    if (value >= NAMED_COLOR_COUNT) {
        return std::nullopt;
    }
    return static_cast<NamedColor>(value);
}

}  // namespace kerfa_content::data::attributes
