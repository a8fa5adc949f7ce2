#include "attributes/attribute_tables.hpp"

namespace kerfa_parser_kerfa::attributes {

using kerfa_content::data::attributes::BulletStyle;

namespace {

// The written forms of true and false, which a check box also takes.
#define KERFA_TRUE_FORMS "1", "on", "t", "true", "x", "y", "yes"
#define KERFA_FALSE_FORMS "0", "-", "f", "false", "n", "no", "off"

constexpr AttributeTables kTables{
    names::NameTable<bool, 14>{{{true, {KERFA_TRUE_FORMS}}, {false, {KERFA_FALSE_FORMS}}}},
    names::NameTable<BulletStyle, 51>{{
        {BulletStyle::Asterisk, {"asterisk", "*"}},
        {BulletStyle::Dash, {"dash", "-"}},
        {BulletStyle::Disc, {"disc", "\u2022"}},
        {BulletStyle::Circle, {"circle", "\u25EF"}},
        {BulletStyle::Plus, {"plus", "+"}},
        {BulletStyle::Square, {"square", "\u25A0", "\u25A1"}},
        {BulletStyle::Decimal, {"decimal", "1"}},
        {BulletStyle::DecimalLeadingZero,
         {"decimalleadingzero", "decimal leading zero", "decimal_leading_zero",
          "decimal-leading-zero", "01"}},
        {BulletStyle::LowerAlpha,
         {"alpha", "loweralpha", "lower alpha", "lower_alpha", "lower-alpha", "a"}},
        {BulletStyle::UpperAlpha, {"upperalpha", "upper alpha", "upper_alpha", "upper-alpha", "A"}},
        {BulletStyle::LowerGreek,
         {"greek", "lowergreek", "lower greek", "lower_greek", "lower-greek", "\u237A"}},
        {BulletStyle::LowerRoman,
         {"lowerroman", "lower roman", "lower_roman", "lower-roman", "i", "r"}},
        {BulletStyle::UpperRoman,
         {"roman", "upperroman", "upper roman", "upper_roman", "upper-roman", "I", "R"}},
        {BulletStyle::None, {"none"}},
    }},
    names::NameTable<bool, 16>{
        {{true, {KERFA_TRUE_FORMS}}, {true, {"check", "checked"}}, {false, {KERFA_FALSE_FORMS}}}},
    names::NameTable<std::string_view, 10>{{
        {"inverse",
         {"inverse", "inverse-colors", "inverse_colors", "inverse-colours", "inverse_colours",
          "invert-colors", "invert_colors", "invert-colours", "invert_colours", "inv"}},
    }},
    names::NameTable<std::string_view, 34>{{
        {"column",
         {"col", "column", "columns", "col-outline", "col_outline", "col-outlined", "col_outlined",
          "outline-col", "outline_col", "column-outline", "column_outline", "column-outlined",
          "column_outlined", "outline-column", "outline_column"}},
        {"grid",
         {"grid", "grid-outline", "grid_outline", "grid-outlined", "grid_outlined", "outline-grid",
          "outline_grid"}},
        {"outlined", {"outline", "outlined"}},
        {"row",
         {"row", "row-outline", "row_outline", "row-outlined", "row_outlined", "outline-row",
          "outline_row"}},
        {"striped", {"striped", "stripes", "stripe"}},
    }},
};

#undef KERFA_TRUE_FORMS
#undef KERFA_FALSE_FORMS

}  // namespace

std::size_t AttributeTables::size() const {
    return booleans.size() + bullets.size() + checked.size() + colors().size() +
           heading_styles.size() + table_styles.size();
}

const AttributeTables& attribute_tables() {
    return kTables;
}

}  // namespace kerfa_parser_kerfa::attributes
