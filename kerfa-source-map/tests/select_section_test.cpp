#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kerfa_source_map/address/handles.hpp"

namespace {

using kerfa_source_map::address::SectionHandle;
using kerfa_source_map::address::select_section;

// Ids differ from positions from index 7 on, so that an id taken for an index shows.
const std::vector<SectionHandle> kHandles = {
    {std::nullopt, 0},
    {"Intro", 1},
    {"Details", 2},
    {"7", 3},
    {"-1", 4},
    {"INTRO", 5},
    {"  Spaced Out  ", 6},
    {"+", 9},
    {"18446744073709551616", 10},
    {"ÉTÉ", 11},
};

TEST(SelectSection, ByOutlineIdOrTitle) {
    const std::vector<std::pair<std::string, std::optional<std::size_t>>> cases = {
        {"2", 2},
        {"+2", 2},
        {"002", 2},
        {" 2 ", 2},
        {"\u3000"
         "2\u00a0",
         2},
        {"0", 0},
        {"9", 7},
        {"11", 9},
        // An all-digit selector names an id only, even when a title reads the same.
        {"7", std::nullopt},
        {"18446744073709551615", std::nullopt},
        // Not an unsigned 64-bit number: compared as a title.
        {"-1", 4},
        {"+", 7},
        {"18446744073709551616", 8},
        {"++2", std::nullopt},
        {"2a", std::nullopt},
        // Titles: trimmed, case-insensitive, first in order wins.
        {"intro", 1},
        {" INTRO\t", 1},
        {"details", 2},
        {"spaced out", 6},
        {"été", 9},
        {"Spaced", std::nullopt},
        // The implicit section has no title; an empty selector matches none.
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& [selector, expected] : cases) {
        EXPECT_EQ(select_section(kHandles, selector), expected) << "'" << selector << "'";
    }
}

TEST(SelectSection, NoHandles) {
    EXPECT_EQ(select_section({}, "0"), std::nullopt);
    EXPECT_EQ(select_section({}, "intro"), std::nullopt);
}

}  // namespace

#include "kerfa_content/data/structure/data.hpp"

namespace {

using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Section;
using kerfa_content::modules::parser::types::ParseData;
using kerfa_source_map::address::section_handles;

// Only top-level sections give handles; a nested section does not.
TEST(SectionHandles, OnePerTopLevelSection) {
    ParseData parse;
    parse.content.emplace_back(Container(Section{0, 0, std::nullopt, std::nullopt, {}}));
    parse.content.emplace_back(Content::text_of("stray"));
    Section with_nested{4, 1, "Intro", std::nullopt, {}};
    with_nested.children.emplace_back(Container(Section{5, 2, "Inner", std::nullopt, {}}));
    parse.content.emplace_back(Container(std::move(with_nested)));
    parse.content.emplace_back(Container(Block{}));
    parse.content.emplace_back(Container(Section{7, 0, "Last", std::nullopt, {}}));

    const auto handles = section_handles(parse);
    ASSERT_EQ(handles.size(), 3u);
    EXPECT_EQ(handles[0].title, std::nullopt);
    EXPECT_EQ(handles[0].id, 0u);
    EXPECT_EQ(handles[1].title, "Intro");
    EXPECT_EQ(handles[1].id, 4u);
    EXPECT_EQ(handles[2].title, "Last");
    EXPECT_EQ(handles[2].id, 7u);
}

}  // namespace
