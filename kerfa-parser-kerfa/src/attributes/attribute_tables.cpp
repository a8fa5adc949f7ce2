#include "attributes/attribute_tables.hpp"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace kerfa_parser_kerfa::attributes {

using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::NamedColor;

namespace {

constexpr std::array<std::string_view, 7> kTrueForms = {"1", "on", "t", "true", "x", "y", "yes"};
constexpr std::array<std::string_view, 7> kFalseForms = {"0", "-", "f", "false", "n", "no", "off"};

void add_bullet(AttributeTables& tables, BulletStyle style,
                std::initializer_list<std::string_view> forms) {
    for (std::string_view form : forms) {
        tables.bullets.emplace(std::string(form), style);
    }
}

void add_bullets(AttributeTables& tables) {
    add_bullet(tables, BulletStyle::Asterisk, {"asterisk", "*"});
    add_bullet(tables, BulletStyle::Dash, {"dash", "-"});
    add_bullet(tables, BulletStyle::Disc, {"disc", "\u2022"});
    add_bullet(tables, BulletStyle::Circle, {"circle", "\u25EF"});
    add_bullet(tables, BulletStyle::Plus, {"plus", "+"});
    add_bullet(tables, BulletStyle::Square, {"square", "\u25A0", "\u25A1"});
    add_bullet(tables, BulletStyle::Decimal, {"decimal", "1"});
    add_bullet(tables, BulletStyle::DecimalLeadingZero,
               {"decimalleadingzero", "decimal leading zero", "decimal_leading_zero",
                "decimal-leading-zero", "01"});
    add_bullet(tables, BulletStyle::LowerAlpha,
               {"alpha", "loweralpha", "lower alpha", "lower_alpha", "lower-alpha", "a"});
    add_bullet(tables, BulletStyle::UpperAlpha,
               {"upperalpha", "upper alpha", "upper_alpha", "upper-alpha", "A"});
    add_bullet(tables, BulletStyle::LowerGreek,
               {"greek", "lowergreek", "lower greek", "lower_greek", "lower-greek", "\u237A"});
    add_bullet(tables, BulletStyle::LowerRoman,
               {"lowerroman", "lower roman", "lower_roman", "lower-roman", "i", "r"});
    add_bullet(tables, BulletStyle::UpperRoman,
               {"roman", "upperroman", "upper roman", "upper_roman", "upper-roman", "I", "R"});
    add_bullet(tables, BulletStyle::None, {"none"});
}

void add_styles(shared::utils::StringMap<std::string>& map, std::string_view style,
                std::initializer_list<std::string_view> forms) {
    for (std::string_view form : forms) {
        map.emplace(std::string(form), std::string(style));
    }
}

void add_heading_styles(AttributeTables& tables) {
    add_styles(tables.heading_styles, "inverse",
               {"inverse", "inverse-colors", "inverse_colors", "inverse-colours", "inverse_colours",
                "invert-colors", "invert_colors", "invert-colours", "invert_colours", "inv"});
}

void add_table_styles(AttributeTables& tables) {
    add_styles(tables.table_styles, "column",
               {"col", "column", "columns", "col-outline", "col_outline", "col-outlined",
                "col_outlined", "outline-col", "outline_col", "column-outline", "column_outline",
                "column-outlined", "column_outlined", "outline-column", "outline_column"});
    add_styles(tables.table_styles, "grid",
               {"grid", "grid-outline", "grid_outline", "grid-outlined", "grid_outlined",
                "outline-grid", "outline_grid"});
    add_styles(tables.table_styles, "outlined", {"outline", "outlined"});
    add_styles(tables.table_styles, "row",
               {"row", "row-outline", "row_outline", "row-outlined", "row_outlined", "outline-row",
                "outline_row"});
    add_styles(tables.table_styles, "striped", {"striped", "stripes", "stripe"});
}

void add_colors(AttributeTables& tables) {
    for (std::size_t value = 0; value < kerfa_content::data::attributes::NAMED_COLOR_COUNT;
         ++value) {
        const auto color = static_cast<NamedColor>(value);
        for (std::string& form : kerfa_content::data::attributes::written_forms(color)) {
            tables.colors.emplace(std::move(form), color);
        }
    }
}

AttributeTables build_tables() {
    AttributeTables tables;
    add_boolean(tables.booleans, true, kTrueForms);
    add_boolean(tables.booleans, false, kFalseForms);
    add_bullets(tables);
    add_boolean(tables.checked, true, kTrueForms);
    tables.checked.emplace("check", true);
    tables.checked.emplace("checked", true);
    add_boolean(tables.checked, false, kFalseForms);
    add_colors(tables);
    add_heading_styles(tables);
    add_table_styles(tables);
    return tables;
}

}  // namespace

std::size_t AttributeTables::size() const {
    return booleans.size() + bullets.size() + checked.size() + colors.size() +
           heading_styles.size() + table_styles.size();
}

void add_boolean(shared::utils::StringMap<bool>& map, bool value,
                 std::span<const std::string_view, 7> forms) {
    for (std::string_view form : forms) {
        map.emplace(std::string(form), value);
    }
}

const AttributeTables& attribute_tables() {
    static const AttributeTables tables = build_tables();
    return tables;
}

}  // namespace kerfa_parser_kerfa::attributes
